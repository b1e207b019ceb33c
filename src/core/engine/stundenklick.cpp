#include "engine/stundenklick.h"

#include <vector>

#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/wochbereich.h"

namespace kolvar {

bool WechsleFixierung(TKurs& kurs, int d, int p) {
  const TStandard& st = kurs.Schule().Standard();
  int von, bis;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  // The value comes from the first version that holds the hour: a version without it would
  // make every click fix, and the hour could never be unfixed with the mouse.
  const TSetzung* erste = nullptr;
  for (int v = von; v <= bis && erste == nullptr; ++v) erste = kurs.FindeSetzung(v, d, p);
  const bool fest = !(erste != nullptr && erste->Fixiert());
  // Every version takes the same value, coupled or not: inverting each version on its own
  // would keep versions that differ apart for ever.
  const std::vector<TKurs*> kurse =
      kurs.Kopplung() != nullptr ? kurs.Kopplung()->Kurse().Elemente() : std::vector<TKurs*>{&kurs};
  bool gesetzt = false;
  for (int v = von; v <= bis; ++v) {
    for (TKurs* k : kurse) {
      TSetzung* s = k->FindeSetzung(v, d, p);
      if (s == nullptr) continue;
      s->SetFixiert(fest);
      gesetzt = true;
    }
  }
  for (TKurs* k : kurse) k->SetzungenGeaendert();
  return gesetzt && fest;
}

bool StundeDoppelklick(TSchule& schule, TKurs* kurs, int d, int p, bool strg) {
  switch (schule.Werkzeugmodus()) {
    case Modus::Loeschen:
      if (kurs == nullptr || !strg) return false;
      kurs->LoeseRaumAnStunde(-1, d, p);
      return true;
    case Modus::Fixieren:
      schule.SetzeGeaendert(true);
      if (kurs == nullptr) return false;
      WechsleFixierung(*kurs, d, p);
      return true;
    default:
      return false;
  }
}

}  // namespace kolvar
