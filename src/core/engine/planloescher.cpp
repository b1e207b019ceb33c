#include "engine/planloescher.h"

#include <algorithm>
#include <vector>

#include "engine/planweit.h"
#include "model/element.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

int TPlanLoescher::LoeschePlaene(TArt art, int von, int bis, const TWoElem& auswahl, bool mitKopplungen,
                                 bool ohneFixierte) {
  // One action: the windows hear of the deletion once, at its end.
  TSchule::TAktion aktion(schule_);
  const TPlanweit planweit(schule_);
  std::vector<TKurs*> kurse;
  if (art == AllePlaene) {
    kurse = schule_.Kurse().Elemente();
  } else {
    const std::vector<TElement*> elemente = schule_.Elemente(static_cast<TElementArt>(art - 1));
    const int erster = std::max(von, 1);
    const int letzter = std::min(bis, static_cast<int>(elemente.size()));
    for (int i = erster; i <= letzter; ++i)
      for (TKurs* k : elemente[static_cast<std::size_t>(i - 1)]->Kurse()) kurse.push_back(k);
  }
  const TStandard& st = schule_.Standard();
  int geloescht = 0;
  for (TKurs* k : kurse) {
    if (!mitKopplungen && k->Kopplung()) continue;
    // A course listed under two elements of the range is visited twice; its snapshot is taken
    // afresh each time, so nothing is removed twice.
    const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
    // Each removal from the course would record the same notices: the first records them, the
    // others none.
    bool gemeldet = false;
    for (std::size_t i = 0; i < setzungen.size(); ++i) {
      TSetzung* s = setzungen[i];
      // The placements lie scattered over the heap: ask for the next ones early (see
      // TKurs::EntferneAlleSetzungen).
      for (std::size_t j = i + 2; j < i + 6 && j < setzungen.size(); ++j) __builtin_prefetch(setzungen[j]);
      if (i + 1 < setzungen.size()) k->HoleVor(setzungen[i + 1]);
      if (!auswahl.Stunde(s->Tag(), s->Stunde())) continue;
      if (st.eaw() && s->Version() != st.AktuelleVersion()) continue;
      if (ohneFixierte && s->Fixiert()) continue;
      k->EntferneSetzungIntern(s, true, !gemeldet);
      gemeldet = true;
      ++geloescht;
    }
  }
  if (geloescht > 0) schule_.SetzeGeaendert(true);
  return geloescht;
}

void TPlanLoescher::LoescheSpaeterErgaenzteRaeume() {
  const TPlanweit planweit(schule_);
  const std::vector<TKurs*> kurse = schule_.Kurse().Elemente();
  for (TKurs* k : kurse)
    while (!k->SpaeterRaeume().Leer()) k->EntferneRaum(k->SpaeterRaeume().Hole(1));
}

void TPlanLoescher::LoescheUnbenutzteRaeume() {
  const TPlanweit planweit(schule_);
  const std::vector<TKurs*> kurse = schule_.Kurse().Elemente();
  for (TKurs* k : kurse) {
    const std::vector<TRaum*> raeume = k->Raeume().Elemente();
    for (TRaum* r : raeume)
      if (!k->RaumVerplant(r)) k->EntferneRaum(r);
  }
}

void TPlanLoescher::LoescheTageNach(int letzterTag) {
  const TPlanweit planweit(schule_);
  const std::vector<TKurs*> kurse = schule_.Kurse().Elemente();
  for (TKurs* k : kurse) {
    const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
    for (TSetzung* s : setzungen)
      if (s->Tag() > letzterTag) k->EntferneSetzung(s);
  }
}

int TPlanLoescher::LetzterBelegterTag() const {
  int letzter = 0;
  for (const TKurs* k : schule_.Kurse())
    for (const TSetzung* s : k->Setzungen()) letzter = std::max(letzter, s->Tag());
  return letzter;
}

void TPlanLoescher::WechsleAuswahl(TWoElem& auswahl, int d1, int p1, int d2, int p2) {
  const bool an = !auswahl.Stunde(d1, p1);
  for (int d = std::min(d1, d2); d <= std::max(d1, d2); ++d)
    for (int p = std::min(p1, p2); p <= std::max(p1, p2); ++p) auswahl.SetzeStunde(d, p, an);
}

}  // namespace kolvar
