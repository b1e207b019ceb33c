#pragma once
// A room: a plan element without fields of its own.

#include <cstdint>
#include <vector>

#include "model/element.h"

namespace kolvar {

class TRaum : public TPlanElement {
 public:
  explicit TRaum(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Raum; }

  // In use at the period of the date: a lesson in this room takes place (not all its classes absent).
  bool BelegtAm(int p, int32_t datum) const;
  TKurs* NeuerKurs();

  // Absence at a period of a date and its return: room substitution records.
  void SetzeFehlt(int p, int32_t datum) override;
  void HebeFehltAuf(int p, int32_t datum) override;
  // Substitute room of a needed substitution at the period of the date.
  bool ErsatzraumAm(int32_t datum, int p) const;

 protected:
  bool ZaehltSetzung(const TSetzung& s) const override;
  void Loese() override;
};

}  // namespace kolvar
