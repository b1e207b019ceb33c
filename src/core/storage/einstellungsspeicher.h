#pragma once
// The persistent store of the settings: sections ("Urbo0", ...) holding named values, every
// value kept as text. Value names repeat across sections, so a value is always addressed by
// section and name, spelled exactly (the keys are case-sensitive).

#include <optional>
#include <string>

namespace kolvar {

class IEinstellungsSpeicher {
 public:
  virtual ~IEinstellungsSpeicher() = default;

  // The stored text, or nothing when the value is missing.
  virtual std::optional<std::string> Lies(const std::string& abschnitt, const std::string& name) const = 0;
  virtual void Schreibe(const std::string& abschnitt, const std::string& name, const std::string& wert) = 0;
  // Makes the written values durable; false when that failed.
  virtual bool Sichere() { return true; }

  // Typed access with defaults: a missing value, or an integer whose text is not a number,
  // gives the default. Booleans are stored "0" and "1"; any other number reads as true.
  std::string LiesString(const std::string& abschnitt, const std::string& name,
                         const std::string& standard) const;
  int LiesInteger(const std::string& abschnitt, const std::string& name, int standard) const;
  bool LiesBool(const std::string& abschnitt, const std::string& name, bool standard) const;
  void SchreibeString(const std::string& abschnitt, const std::string& name, const std::string& wert);
  void SchreibeInteger(const std::string& abschnitt, const std::string& name, int wert);
  void SchreibeBool(const std::string& abschnitt, const std::string& name, bool wert);
};

}  // namespace kolvar
