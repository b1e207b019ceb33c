#include "druck/konferenzdruck.h"

#include <algorithm>

#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

TKonferenzDruck::TKonferenzDruck(const TSchule& schule, const TFachKonferenzDruckOptionen& o)
    : schule_(schule),
      art_(TKonferenzArt::Fach),
      schrift_(o.Schrift),
      einzeln_(o.fksp),
      nurEingesetzt_(o.fkfe),
      rand_(o.fkrd) {}

TKonferenzDruck::TKonferenzDruck(const TSchule& schule, const TKlassenKonferenzDruckOptionen& o)
    : schule_(schule), art_(TKonferenzArt::Klasse), schrift_(o.Schrift), einzeln_(o.kksp), rand_(o.kkrd) {}

bool TKonferenzDruck::KursGehoertZurKonferenz(const TKurs& kurs,
                                              const std::vector<TElement*>& elemente) const {
  if (kurs.Fach() == nullptr) return false;
  for (const TElement* e : elemente) {
    if (art_ == TKonferenzArt::Fach) {
      if (kurs.Fach() == e) return true;
    } else {
      for (const TKlasse* k : kurs.Klassen())
        if (k == e) return true;
    }
  }
  return false;
}

bool TKonferenzDruck::GehoertZurKonferenz(const TLehrer& lehrer,
                                          const std::vector<TElement*>& elemente) const {
  if (art_ == TKonferenzArt::Klasse) {
    for (const TKurs* kurs : lehrer.Kurse())
      for (const TKlasse* k : kurs->Klassen())
        if (std::find(elemente.begin(), elemente.end(), k) != elemente.end()) return true;
    return false;
  }
  for (const TElement* e : elemente) {
    const auto* fach = static_cast<const TFach*>(e);
    if (fach->Lehrer().Position(&lehrer) == 0) continue;
    if (!nurEingesetzt_ || lehrer.StundenImFach(fach) > 0) return true;
  }
  return false;
}

std::string TKonferenzDruck::KursEintrag(const TKurs& kurs) const {
  const int32_t n = kurs.Stunden(-1);
  std::string zweiter;
  if (kurs.Kopplung() != nullptr)
    zweiter = kurs.Kopplung()->Kuerzel();
  else if (const TKlasse* k = kurs.Klassen().Hole(1))
    zweiter = k->Kuerzel();
  return "[" + FormatiereStunden(int64_t{n} * kurs.Faktor(), schule_.Standard()) + " (" + std::to_string(n) +
         ") " + (kurs.Fach() != nullptr ? kurs.Fach()->Kuerzel() : std::string()) + " " + zweiter + "] ";
}

void TKonferenzDruck::Kopf(IZeichenflaeche& f) {
  f.SetFont(DruckSchrift(schrift_));
  DruckeKopfPlan(f, schule_, l_, t_, h_, true);
  y_ = t_ + 3 * h_;
}

void TKonferenzDruck::Drucke(IZeichenflaeche& f, const std::vector<TElement*>& elemente) {
  l_ = RandInPixel(f, rand_);
  t_ = RandInPixel(f, 1);
  f.SetFont(DruckSchrift(schrift_));
  h_ = f.TextHeight();
  TFlaechenMass mass(f);
  wK_ = MaxKuerzelBreite(schule_, 0, mass) + 20;
  wN_ = MaxNameBreite(schule_, 0, mass) + 20;
  Kopf(f);
  std::vector<TElement*> gewaehlt;
  for (TElement* e : elemente)
    if (e != nullptr) gewaehlt.push_back(e);
  if (gewaehlt.empty()) return;
  if (!einzeln_) {
    DruckeKonferenz(f, gewaehlt);
    return;
  }
  for (TElement* e : gewaehlt) {
    if (f.Abgebrochen()) break;
    DruckeKonferenz(f, {e});
  }
}

void TKonferenzDruck::DruckeKonferenz(IZeichenflaeche& f, const std::vector<TElement*>& elemente) {
  if (!PlatzReicht(f, y_, 10, h_)) {
    f.NewPage();
    Kopf(f);
  }
  std::string titel = art_ == TKonferenzArt::Fach ? "Fachkonferenz " : "Klassenkonferenz ";
  if (elemente.size() == 1)
    titel += elemente.front()->Kuerzel();
  else
    for (const TElement* e : elemente) titel += e->Kuerzel() + " ";
  f.TextOut(l_, y_, titel);
  y_ += 2 * h_;
  const int einzug = l_ + wK_ + wN_;
  const int breite = f.GetPhysPageSize().x;
  for (const TLehrer* lehrer : schule_.Lehrer()) {
    if (!GehoertZurKonferenz(*lehrer, elemente)) continue;
    if (!PlatzReicht(f, y_, 2, h_)) {
      f.NewPage();
      Kopf(f);
    }
    f.TextOut(l_, y_, lehrer->Kuerzel());
    f.TextOut(l_ + wK_, y_, lehrer->Name());
    int x = einzug;
    for (const TKurs* kurs : lehrer->Kurse()) {
      if (kurs->Lehrer() != lehrer || !KursGehoertZurKonferenz(*kurs, elemente)) continue;
      const std::string eintrag = KursEintrag(*kurs);
      const int w = f.TextWidth(eintrag);
      if (x + w + 50 > breite) {
        y_ += h_;
        x = einzug;
        // A teacher with many courses runs on over the page's foot: the entries go on at
        // their column on the next page.
        if (!PlatzReicht(f, y_, 2, h_)) {
          f.NewPage();
          Kopf(f);
        }
      }
      f.TextOut(x, y_, eintrag);
      x += w;
    }
    y_ += h_;
  }
  y_ += h_;
}

}  // namespace kolvar
