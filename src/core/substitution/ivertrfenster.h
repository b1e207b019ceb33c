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
