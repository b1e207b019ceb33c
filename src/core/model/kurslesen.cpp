// A course's placements as the data file reader appends them: all of a lesson at once, the
// counts and records left to the reader, which does them for the whole school in one pass.

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/kurs.h"
#include "model/setzung.h"

namespace kolvar {

TSetzung* TKurs::HaengeSetzungAn(int v, int d, int p, TRaum* r, bool fixiert) {
  TWoElem* w = gesetzt_.Woche(v);
  if (w == nullptr || d < 1 || d > kTage || p < 1 || p > kStunden || w->Stunde(d, p)) return nullptr;
  auto* s = new (*this) TSetzung(*this, v, d, p, r, fixiert);
  setzungen_.Haenge(s);
  w->SetzeStunde(d, p, true);
  if (TWoElem* b = belegung_.Woche(v)) b->SetzeStunde(d, p, true);
  return s;
}

void TKurs::OrdneGeleseneSetzungen() {
  // Once per lesson instead of a search for each placement; the slots are unique and in the
  // week. Filed by slot with the counts per slot; a file in version order then leaves each
  // slot's versions in order already, else they are sorted.
  jeSlot_.fill(0);
  for (const TSetzung* s : setzungen_) ++jeSlot_[SlotIndex(s->Tag(), s->Stunde())];
  std::array<uint32_t, kTage * kStunden> stelle{};
  for (std::size_t i = 1; i < stelle.size(); ++i) stelle[i] = stelle[i - 1] + jeSlot_[i - 1];
  nachSlot_.resize(static_cast<std::size_t>(setzungen_.Anzahl()));
  for (TSetzung* s : setzungen_)
    nachSlot_[stelle[SlotIndex(s->Tag(), s->Stunde())]++] = {
        SlotSchluessel(s->Version(), s->Tag(), s->Stunde()), s};
  const auto vor = [](const TSlotEintrag& a, const TSlotEintrag& b) { return a.schluessel < b.schluessel; };
  if (!std::is_sorted(nachSlot_.begin(), nachSlot_.end(), vor))
    std::sort(nachSlot_.begin(), nachSlot_.end(), vor);
}

}  // namespace kolvar
