#pragma once
// A room: a plan element without fields of its own.

#include "model/element.h"

namespace kolvar {

class TRaum : public TPlanElement {
 public:
  explicit TRaum(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Raum; }

  // Only placements in this room count.
  TKurs* KursAn(int v, int d, int p) const override;
  // In use at the period of the date: a lesson in this room takes place (not all its classes absent).
  bool BelegtAm(int p, int32_t datum) const;
  TKurs* NeuerKurs();

 protected:
  void Loese() override;
};

}  // namespace kolvar
