#include "model/fehl.h"

#include <utility>

#include "model/element.h"

namespace kolvar {

TFehl::~TFehl() {
  SetzeElement(nullptr);
}

void TFehl::SetzeElement(TPlanElement* e) {
  if (e == element_) return;
  if (element_) element_->VergissFehlzeit(this);
  element_ = e;
  if (element_) element_->NimmFehlzeit(this);
}

void TFehl::SetzeDatum(int32_t datum) {
  if (datum == datum_) return;
  TPlanElement* e = element_;
  if (e) e->VerlegeFehlzeit(this, false);
  datum_ = datum;
  if (e) e->VerlegeFehlzeit(this, true);
}

void TFehl::SetzeStunden(uint16_t maske) {
  stunden_ = maske;
  if (element_) element_->FehlStundenGeaendert();
}

bool TFehl::Fehlt(int p) const {
  return p >= 1 && p <= 16 && ((stunden_ >> (16 - p)) & 1u);
}

int TFehl::ErsteStunde() const {
  for (int p = 1; p <= 16; ++p)
    if (Fehlt(p)) return p;
  return 0;
}

int TFehl::LetzteStunde() const {
  for (int p = 16; p >= 1; --p)
    if (Fehlt(p)) return p;
  return 0;
}

void TFehl::UebernimmStunden() {
  std::swap(stunden_, neueStunden_);
  if (!element_) return;
  element_->FehlStundenGeaendert();
  for (int p = 1; p <= 16; ++p) {
    const unsigned bit = 1u << (16 - p);
    if ((stunden_ & bit) == (neueStunden_ & bit)) continue;
    if (Fehlt(p))
      element_->SetzeFehlt(p, datum_);
    else
      element_->HebeFehltAuf(p, datum_);
  }
}

}  // namespace kolvar
