#pragma once
// The core's view of the substitution day list (window kind 69): it shows the records of one
// working date, so a record that goes rebuilds it only when it belongs to that date.

#include <cstdint>

#include "model/ifenster.h"

namespace kolvar {

class IVertrFenster : public IFenster {
 public:
  // The working date shown (day number).
  virtual int32_t VertrDatum() const = 0;
  // Also rebuilds when a record of the shown date went.
  void Aenderungen(const TAenderungen& a) override {
    uint8_t was = a.FuerFenster(*this);
    if (a.VertretungsTag(VertrDatum())) was |= Aenderung::Daten;
    Reagiere(was);
  }
};

}  // namespace kolvar

namespace kolvar {

class TSchule;
class TVertretung;

// The day list seen beside its window base (a window with one IFenster): the date it shows.
class IVertrTagFenster {
 public:
  virtual ~IVertrTagFenster() = default;
  virtual int32_t VertrDatum() const = 0;
};

// A substitute choice window (kinds 80 and 81): the record it chooses for, or none.
class IVertrWahlFenster {
 public:
  virtual ~IVertrWahlFenster() = default;
  virtual TVertretung* Vertretung() const = 0;
};

// The date "Vertretungsplan..." starts on: the active day list's, else the record's of an open
// choice window, else today.
int32_t VertretungsplanStartDatum(const TSchule& schule, int32_t heute);

}  // namespace kolvar
