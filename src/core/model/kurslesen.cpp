// A course's placements as the data file reader appends them: all of a lesson at once, the
// counts and records left to the reader, which does them for the whole school in one pass.

#include <algorithm>

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
  // Once per lesson instead of a search for each placement; the slots are unique.
  nachSlot_.clear();
  nachSlot_.reserve(static_cast<std::size_t>(setzungen_.Anzahl()));
  jeSlot_.fill(0);
  for (TSetzung* s : setzungen_) {
    nachSlot_.push_back({SlotSchluessel(s->Version(), s->Tag(), s->Stunde()), s});
    ++jeSlot_[SlotIndex(s->Tag(), s->Stunde())];
  }
  std::sort(nachSlot_.begin(), nachSlot_.end(),
            [](const TSlotEintrag& a, const TSlotEintrag& b) { return a.schluessel < b.schluessel; });
}

}  // namespace kolvar
