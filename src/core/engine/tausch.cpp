// Exchanging two time slots for the whole school (a plan view's drag with Alt): every hour placed
// in one slot moves to the other, in the current version when acting on it only, else in every
// version.

#include <algorithm>
#include <string>
#include <utility>
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

// Places the hour without the guard of TKurs::Setze, so an hour taken out always returns. The
// windows hear of the course once per swap, not here.
void SetzeZurueck(TKurs& k, int v, int d, int p, TRaum* r) {
  TSetzung* s = k.NeueSetzung(v, d, p, r, false);
  if (!s) return;
  if (k.Schule().Palette().UndoAufzeichnen()) TUndoElement::Merke(k, *s, TUndoElement::Gesetzt);
  k.StempleAenderung(r);
}

// A course's placements at the two slots in one version; erstes at the first of its versions
// the swap visits.
struct TBetroffen {
  TKurs* kurs;
  TSetzung* s1;
  TSetzung* s2;
  bool erstes;
};

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
  // The placements at either slot, per version, found course by course: a course's index keeps
  // a slot's versions together, so each course is read once for all versions, and not at all
  // where its counts per slot say it holds neither slot in any version. A course's moves touch
  // only its own placements of one version, so what is found stays true while the hours move
  // version by version, in the school's course order.
  std::vector<std::vector<TBetroffen>> betroffen(static_cast<std::size_t>(std::max(0, bis - von + 1)));
  const std::vector<TKurs*>& kurse = schule.Kurse().Elemente();
  std::vector<std::pair<int, TSetzung*>> an1, an2;
  constexpr std::size_t kKursWeit = 16, kKursNah = 8;
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    // The courses lie scattered over the heap as well: their counts are asked for early, then
    // where their slots begin in the index.
    if (i + kKursWeit < kurse.size()) kurse[i + kKursWeit]->HoleKursVor();
    if (i + kKursNah < kurse.size()) {
      kurse[i + kKursNah]->HoleSlotVor(tag1, stunde1);
      kurse[i + kKursNah]->HoleSlotVor(tag2, stunde2);
    }
    TKurs* k = kurse[i];
    if (k->SetzungenImSlot(tag1, stunde1) + k->SetzungenImSlot(tag2, stunde2) == 0) continue;
    an1.clear();
    an2.clear();
    k->JeSetzungImSlot(tag1, stunde1, von, bis, [&an1](TSetzung* s, int v) { an1.emplace_back(v, s); });
    k->JeSetzungImSlot(tag2, stunde2, von, bis, [&an2](TSetzung* s, int v) { an2.emplace_back(v, s); });
    // Both runs in version order: merged, each version's pair once.
    std::size_t a = 0, b = 0;
    bool erstes = true;
    while (a < an1.size() || b < an2.size()) {
      const int v = std::min(a < an1.size() ? an1[a].first : bis + 1, b < an2.size() ? an2[b].first : bis + 1);
      TSetzung* s1 = a < an1.size() && an1[a].first == v ? an1[a++].second : nullptr;
      TSetzung* s2 = b < an2.size() && an2[b].first == v ? an2[b++].second : nullptr;
      betroffen[static_cast<std::size_t>(v - von)].push_back({k, s1, s2, erstes});
      erstes = false;
    }
  }
  // The placements and their courses lie scattered over the heap: those a few moves ahead are
  // asked for early, and then what their removal changes.
  constexpr std::size_t kWeit = 8, kNah = 4;
  for (int v = von; v <= bis; ++v) {
    const std::vector<TBetroffen>& liste = betroffen[static_cast<std::size_t>(v - von)];
    for (std::size_t i = 0; i < liste.size(); ++i) {
      if (i + kWeit < liste.size()) {
        liste[i + kWeit].kurs->HoleKursVor();
        __builtin_prefetch(liste[i + kWeit].s1);
        __builtin_prefetch(liste[i + kWeit].s2);
      }
      if (i + kNah < liste.size()) {
        const TBetroffen& bald = liste[i + kNah];
        if (bald.s1) bald.kurs->HoleVor(bald.s1);
        if (bald.s2) bald.kurs->HoleVor(bald.s2);
      }
      const TBetroffen& b = liste[i];
      TKurs* k = b.kurs;
      // The notices of every move of the course, given where its first move gave them: within
      // the action the windows get the same set, elements in the same order.
      if (b.erstes) {
        k->KursGeaendert();
        k->SetzungenGeaendert();
      }
      TRaum* r1 = b.s1 ? b.s1->Raum() : nullptr;
      TRaum* r2 = b.s2 ? b.s2->Raum() : nullptr;
      if (b.s1) {
        k->LoeseSperrungen(v, tag2, stunde2, r1);
        k->EntferneSetzungIntern(b.s1, true, false);
      }
      if (b.s2) {
        k->LoeseSperrungen(v, tag1, stunde1, r2);
        k->EntferneSetzungIntern(b.s2, true, false);
      }
      if (b.s1) SetzeZurueck(*k, v, tag2, stunde2, r1);
      if (b.s2) SetzeZurueck(*k, v, tag1, stunde1, r2);
    }
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
