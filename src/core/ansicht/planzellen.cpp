#include "ansicht/planzellen.h"

#include <algorithm>

#include "model/element.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/setzung.h"

namespace kolvar {

void TPlanZellen::Leere(int tage, int stunden) {
  tage_ = std::max(tage, 0);
  stunden_ = std::max(stunden, 0);
  zellen_.assign(static_cast<std::size_t>(tage_) * static_cast<std::size_t>(stunden_), TPlanZelle{});
}

std::size_t TPlanZellen::Index(int d, int p) const {
  return static_cast<std::size_t>(d - 1) * static_cast<std::size_t>(stunden_) +
         static_cast<std::size_t>(p - 1);
}

TPlanZelle* TPlanZellen::Zelle(int d, int p) {
  return Gueltig(d, p) ? &zellen_[Index(d, p)] : nullptr;
}

const TPlanZelle* TPlanZellen::Zelle(int d, int p) const {
  return Gueltig(d, p) ? &zellen_[Index(d, p)] : nullptr;
}

void TPlanZellen::Fuelle(const TPlanElement& element, int v) {
  const bool raumplan = element.Art() == TElementArt::Raum;
  // From each course's grid of exact slots: its placements of other versions are never read (a
  // course holds a slot once per version, so the order within a course does not matter).
  for (TKurs* k : element.Kurse())
    for (int d = 1; d <= tage_; ++d)
      for (int p = 1; p <= stunden_; ++p) {
        if (!k->HatSetzung(v, d, p)) continue;
        if (raumplan) {
          const TSetzung* s = k->FindeSetzung(v, d, p);
          if (s == nullptr || static_cast<const TElement*>(s->Raum()) != &element) continue;
        }
        Zelle(d, p)->kurs = k;
      }
  for (int d = 1; d <= tage_; ++d)
    for (int p = 1; p <= stunden_; ++p)
      if (element.Sperrung().Belegt(v, d, p)) Zelle(d, p)->marke = TMarke::Gesperrt;
}

TKurs* TPlanZellen::Kurs(int d, int p) const {
  const TPlanZelle* z = Zelle(d, p);
  return z != nullptr ? z->kurs : nullptr;
}

TMarke TPlanZellen::Marke(int d, int p) const {
  const TPlanZelle* z = Zelle(d, p);
  return z != nullptr ? z->marke : TMarke::Keine;
}

void TPlanZellen::SetzeKurs(int d, int p, TKurs* kurs) {
  if (TPlanZelle* z = Zelle(d, p)) z->kurs = kurs;
}

void TPlanZellen::Markiere(int d, int p) {
  TPlanZelle* z = Zelle(d, p);
  if (z != nullptr && z->marke != TMarke::Gesperrt) z->marke = TMarke::Markiert;
}

void TPlanZellen::MarkiereWo(const std::function<bool(int d, int p)>& wo) {
  for (int d = 1; d <= tage_; ++d)
    for (int p = 1; p <= stunden_; ++p)
      if (wo(d, p)) Markiere(d, p);
}

void TPlanZellen::LoescheMarken() {
  for (TPlanZelle& z : zellen_)
    if (z.marke == TMarke::Markiert) z.marke = TMarke::Keine;
}

std::vector<std::pair<int, int>> TPlanZellen::Markierte() const {
  std::vector<std::pair<int, int>> zellen;
  for (int d = 1; d <= tage_; ++d)
    for (int p = 1; p <= stunden_; ++p)
      if (Marke(d, p) == TMarke::Markiert) zellen.emplace_back(d, p);
  return zellen;
}

}  // namespace kolvar
