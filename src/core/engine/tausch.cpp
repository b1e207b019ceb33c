#include "engine/tausch.h"

#include <vector>

#include "model/ipalettezustand.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/undoelement.h"

namespace kolvar {

namespace {

bool SlotGueltig(int d, int p) {
  return d >= 1 && d <= kTage && p >= 1 && p <= kStunden;
}

void Versionen(const TSchule& schule, int& von, int& bis) {
  const TStandard& st = schule.Standard();
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
}

// Places the hour without the guard of TKurs::Setze, so an hour taken out always returns.
void SetzeZurueck(TKurs& k, int v, int d, int p, TRaum* r) {
  TSetzung* s = k.NeueSetzung(v, d, p, r, false);
  if (!s) return;
  if (k.Schule().Palette().UndoAufzeichnen()) TUndoElement::Merke(k, *s, TUndoElement::Gesetzt);
  k.StempleAenderung(r);
  k.KursGeaendert();
  k.SetzungenGeaendert();
}

}  // namespace

bool TauschKonflikt(const TSchule& schule, int tag1, int stunde1, int tag2, int stunde2) {
  if (!SlotGueltig(tag1, stunde1) || !SlotGueltig(tag2, stunde2)) return false;
  if (tag1 == tag2 && stunde1 == stunde2) return false;
  int von, bis;
  Versionen(schule, von, bis);
  for (int v = von; v <= bis; ++v)
    for (const TKurs* k : schule.Kurse()) {
      if (const TSetzung* s = k->FindeSetzung(v, tag1, stunde1))
        if (s->Fixiert() || k->IstGesperrt(v, tag2, stunde2, s->Raum())) return true;
      if (const TSetzung* s = k->FindeSetzung(v, tag2, stunde2))
        if (s->Fixiert() || k->IstGesperrt(v, tag1, stunde1, s->Raum())) return true;
    }
  return false;
}

void TauscheStunden(TSchule& schule, int tag1, int stunde1, int tag2, int stunde2) {
  if (!SlotGueltig(tag1, stunde1) || !SlotGueltig(tag2, stunde2)) return;
  if (tag1 == tag2 && stunde1 == stunde2) return;
  int von, bis;
  Versionen(schule, von, bis);
  const std::vector<TKurs*> kurse = schule.Kurse().Elemente();
  for (int v = von; v <= bis; ++v)
    for (TKurs* k : kurse) {
      TSetzung* s1 = k->FindeSetzung(v, tag1, stunde1);
      TSetzung* s2 = k->FindeSetzung(v, tag2, stunde2);
      const bool hat1 = s1 != nullptr, hat2 = s2 != nullptr;
      if (!hat1 && !hat2) continue;
      TRaum* r1 = s1 ? s1->Raum() : nullptr;
      TRaum* r2 = s2 ? s2->Raum() : nullptr;
      if (hat1) {
        k->LoeseSperrungen(v, tag2, stunde2, r1);
        k->EntferneSetzung(s1);
      }
      if (hat2) {
        k->LoeseSperrungen(v, tag1, stunde1, r2);
        k->EntferneSetzung(s2);
      }
      if (hat1) SetzeZurueck(*k, v, tag2, stunde2, r1);
      if (hat2) SetzeZurueck(*k, v, tag1, stunde1, r2);
    }
}

}  // namespace kolvar
