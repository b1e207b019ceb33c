// Exchanging two time slots for the whole school (a plan view's drag with Alt): every hour placed
// in one slot moves to the other, in the current version when acting on it only, else in every
// version.

#include <algorithm>
#include <string>
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

bool TSchule::TauschKonflikt(int tag1, int stunde1, int tag2, int stunde2) const {
  const TSchule& schule = *this;
  if (!SlotGueltig(tag1, stunde1) || !SlotGueltig(tag2, stunde2)) return false;
  if (tag1 == tag2 && stunde1 == stunde2) return false;
  int von, bis;
  Versionen(schule, von, bis);
  // Course by course: each course's grid is read once for all versions.
  for (const TKurs* k : schule.Kurse())
    for (int v = von; v <= bis; ++v) {
      if (const TSetzung* s = k->FindeSetzung(v, tag1, stunde1))
        if (s->Fixiert() || k->IstGesperrt(v, tag2, stunde2, s->Raum())) return true;
      if (const TSetzung* s = k->FindeSetzung(v, tag2, stunde2))
        if (s->Fixiert() || k->IstGesperrt(v, tag1, stunde1, s->Raum())) return true;
    }
  return false;
}

void TSchule::TauscheStunden(int tag1, int stunde1, int tag2, int stunde2) {
  TSchule& schule = *this;
  if (!SlotGueltig(tag1, stunde1) || !SlotGueltig(tag2, stunde2)) return;
  if (tag1 == tag2 && stunde1 == stunde2) return;
  // One action: every window refreshes once, not once per hour moved.
  TAktion aktion(*this);
  int von, bis;
  Versionen(schule, von, bis);
  // The courses holding either slot, per version, found course by course: each course's grid is
  // read once instead of once per version. A course's moves touch only its own placements, so
  // the lists stay true while the hours move version by version, in the school's course order.
  std::vector<std::vector<TKurs*>> betroffen(static_cast<std::size_t>(std::max(0, bis - von + 1)));
  for (TKurs* k : schule.Kurse())
    for (int v = von; v <= bis; ++v)
      if (k->HatSetzung(v, tag1, stunde1) || k->HatSetzung(v, tag2, stunde2))
        betroffen[static_cast<std::size_t>(v - von)].push_back(k);
  for (int v = von; v <= bis; ++v)
    for (TKurs* k : betroffen[static_cast<std::size_t>(v - von)]) {
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

std::vector<std::string> TSchule::TauschKonflikte(int dA, int pA, int dB, int pB) const {
  std::vector<std::string> zeilen;
  if (!SlotGueltig(dA, pA) || !SlotGueltig(dB, pB)) return zeilen;
  int von, bis;
  Versionen(*this, von, bis);
  auto pruefe = [&](const TKurs& k, int v, int d, int p, int zuD, int zuP) {
    const TSetzung* s = k.FindeSetzung(v, d, p);
    if (s == nullptr) return;
    if (k.IstGesperrt(v, zuD, zuP, s->Raum()))
      zeilen.push_back("gesperrt " + k.VersionsText(v, zuD, zuP, nullptr, false));
    if (s->Fixiert()) zeilen.push_back("fixiert " + k.VersionsText(v, d, p, nullptr, false));
  };
  for (const TKurs* k : kurse_) {
    for (int v = von; v <= bis; ++v) {
      pruefe(*k, v, dA, pA, dB, pB);
      pruefe(*k, v, dB, pB, dA, pA);
    }
  }
  return zeilen;
}

}  // namespace kolvar
