#include "model/aenderungen.h"

#include <algorithm>

#include "model/element.h"

#include "model/fensterart.h"
#include "model/ifenster.h"

namespace kolvar {

bool TAenderungen::Leer() const {
  return !alles_ && elemente_.empty() && kurse_.empty() && arten_.empty() && fenster_.empty() &&
         tage_.empty();
}

void TAenderungen::MerkeElement(const TElement* e, uint8_t was) {
  if (!e) return;
  auto [it, neu] = elemente_.try_emplace(e, 0);
  if (neu) reihe_.push_back(e);
  it->second |= was;
}

void TAenderungen::MerkeKurs(const TKurs* k, uint8_t was) {
  if (k) kurse_[k] |= was;
}

void TAenderungen::Vergiss(const TElement* e) {
  if (elemente_.erase(e)) reihe_.erase(std::find(reihe_.begin(), reihe_.end(), e));
}

std::vector<const TElement*> TAenderungen::ElementeMit(uint8_t was) const {
  std::vector<const TElement*> liste;
  for (const TElement* e : reihe_)
    if (Element(e) & was) liste.push_back(e);
  return liste;
}

uint8_t TAenderungen::FuerFenster(const IFenster& f) const {
  using namespace Aenderung;
  if (alles_) return Daten;
  uint8_t was = Art(f.Tag()) | Fenster(&f);
  if (const TKurs* k = f.Kurs()) was |= Kurs(k) & (Daten | Werte | Zeichnen);
  const TFensterArtInfo* art = FensterArtInfo(f.Tag());
  if (art && IstElementFenster(art->Tag) && f.Element()) {
    const uint8_t e = Element(f.Element());
    // An editor shows values and its lock grid, a workload values, a plan its placements.
    switch (art->Slot) {
      case TFensterSlot::Grunddaten:
        was |= e & (Werte | Daten | Zeichnen);
        break;
      case TFensterSlot::Deputat:
        was |= e & (Werte | Daten);
        break;
      case TFensterSlot::Plan:
        was |= e & (Daten | Zeichnen);
        break;
      default:
        break;
    }
  }
  return was;
}

void IStatFenster::Aenderungen(const TAenderungen& a) {
  const uint8_t was = a.FuerFenster(*this);
  Reagiere(was);
  if (was & Aenderung::Daten) return;
  const TFensterArtInfo* art = FensterArtInfo(Tag());
  if (!art || !art->Liste) return;
  for (const TElement* e : a.ElementeMit(Aenderung::Statistik))
    if (e->Art() == *art->Liste) StatistikZeileFuellen(e->Nummer());
}

}  // namespace kolvar
