#include "substitution/fehlzeit.h"

#include "model/element.h"
#include "model/fehl.h"
#include "model/schule.h"

namespace kolvar {

namespace {

TListe<TFehl>* Liste(const TPlanElement& e) {
  TSchule& schule = e.Schule();
  switch (e.Art()) {
    case TElementArt::Lehrer:
      return &schule.LehrerFehlen();
    case TElementArt::Klasse:
      return &schule.KlassenFehlen();
    case TElementArt::Raum:
      return &schule.RaumFehlen();
    default:
      return nullptr;
  }
}

}  // namespace

TFehl* FehlzeitAm(const TPlanElement& e, int32_t datum) {
  for (TFehl* f : e.Fehlzeiten())
    if (f->Datum() == datum) return f;
  return nullptr;
}

void SetzeFehlzeit(TPlanElement& e, int32_t datum, uint16_t maske) {
  TListe<TFehl>* liste = Liste(e);
  if (!liste) return;
  TFehl* f = FehlzeitAm(e, datum);
  if (!f) {
    if (maske == 0) return;
    f = new TFehl;
    f->SetzeElement(&e);
    f->SetzeDatum(datum);
    liste->Haenge(f);
  }
  f->SetzeNeueStunden(maske);
  f->UebernimmStunden();
  if (f->Stunden() == 0 && liste->Entferne(f)) delete f;
  e.Schule().SetzeGeaendert(true);
}

void SetzeFehltStunde(TPlanElement& e, int32_t datum, int p, bool fehlt) {
  if (p < 1 || p > 16) return;
  const TFehl* f = FehlzeitAm(e, datum);
  const uint16_t alt = f ? f->Stunden() : 0;
  const uint16_t bit = static_cast<uint16_t>(1u << (16 - p));
  SetzeFehlzeit(e, datum, fehlt ? static_cast<uint16_t>(alt | bit) : static_cast<uint16_t>(alt & ~bit));
}

}  // namespace kolvar
