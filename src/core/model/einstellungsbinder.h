#pragma once
// Walks every persisted value of the settings object once, with its section, value name and
// valid range. Loading, saving and the tests are binders: one list of values serves all.

#include <cstdint>
#include <string>

#include "model/optionen.h"

namespace kolvar {

class TEinstellungsBinder {
 public:
  virtual ~TEinstellungsBinder() = default;

  virtual void Zahl(const std::string& abschnitt, const std::string& name, int& wert, int min, int max) = 0;
  virtual void Schalter(const std::string& abschnitt, const std::string& name, bool& wert) = 0;
  // A colour 0x00BBGGRR, stored as a decimal number.
  virtual void Farbe(const std::string& abschnitt, const std::string& name, uint32_t& wert) = 0;
  // Text of at most maxZeichen characters (0: no limit).
  virtual void Text(const std::string& abschnitt, const std::string& name, std::string& wert,
                    int maxZeichen) = 0;
  virtual void Schrift(const std::string& abschnitt, const std::string& nameFn, const std::string& nameFs,
                       TSchrift& wert) = 0;
  // A day number within the program's years.
  virtual void Datum(const std::string& abschnitt, const std::string& name, int32_t& tag) = 0;
  // Seconds of a day.
  virtual void Uhrzeit(const std::string& abschnitt, const std::string& name, int32_t& sekunden) = 0;
  // A structured value in its stored text form; the caller parses it afterwards and keeps its
  // value where the text does not parse.
  virtual void Form(const std::string& abschnitt, const std::string& name, std::string& text) = 0;
};

}  // namespace kolvar
