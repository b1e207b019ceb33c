#include "engine/raumsuche.h"

#include <algorithm>

namespace kolvar {

// Augmenting path from the course through rooms not yet given for good.
bool TRaumSuche::Erweitere(int kurs) {
  for (int r : (*kurse_)[static_cast<std::size_t>(kurs)].Raeume) {
    const auto ri = static_cast<std::size_t>(r);
    if (vergeben_[ri] || besucht_[ri] == runde_) continue;
    besucht_[ri] = runde_;
    if (kursVonRaum_[ri] < 0 || Erweitere(kursVonRaum_[ri])) {
      kursVonRaum_[ri] = kurs;
      raumVonKurs_[static_cast<std::size_t>(kurs)] = r;
      return true;
    }
  }
  return false;
}

void TRaumSuche::Beginne(const std::vector<TWunsch>& kurse, std::size_t n) {
  kurse_ = &kurse;
  int raeume = 0;
  for (std::size_t i = 0; i < n; ++i)
    for (int r : kurse[i].Raeume) raeume = std::max(raeume, r + 1);
  const auto rn = static_cast<std::size_t>(raeume);
  raumVonKurs_.assign(n, -1);
  kursVonRaum_.assign(rn, -1);
  vergeben_.assign(rn, 0);
  besucht_.assign(rn, 0);
  runde_ = 0;
}

bool TRaumSuche::Verteilbar(const std::vector<TWunsch>& kurse, std::size_t n) {
  n = std::min(n, kurse.size());
  Beginne(kurse, n);
  for (std::size_t i = 0; i < n; ++i) {
    if (kurse[i].OhneRaum) continue;
    ++runde_;
    if (!Erweitere(static_cast<int>(i))) return false;
  }
  return true;
}

bool TRaumSuche::VerteileRaeume(const std::vector<TWunsch>& kurse, std::vector<int>& wahl) {
  const std::size_t n = kurse.size();
  Beginne(kurse, n);
  wahl.assign(n, -1);

  // A maximum matching first: when it leaves a course without a room, no assignment exists.
  for (std::size_t i = 0; i < n; ++i) {
    if (kurse[i].OhneRaum) continue;
    ++runde_;
    if (!Erweitere(static_cast<int>(i))) return false;
  }

  // Fix the courses in order. A room is tried in list order and kept when the courses after
  // this one can still all be served (the matching then stays perfect), which is exactly the
  // first room the depth-first search would complete with.
  for (std::size_t i = 0; i < n; ++i) {
    if (kurse[i].OhneRaum) continue;
    const int kurs = static_cast<int>(i);
    bool fest = false;
    for (int r : kurse[i].Raeume) {
      const auto ri = static_cast<std::size_t>(r);
      if (vergeben_[ri]) continue;
      if (raumVonKurs_[i] == r) {
        fest = true;
      } else {
        sicherungKurs_ = raumVonKurs_;
        sicherungRaum_ = kursVonRaum_;
        const int alt = raumVonKurs_[i];
        if (alt >= 0) kursVonRaum_[static_cast<std::size_t>(alt)] = -1;
        const int anderer = kursVonRaum_[ri];
        raumVonKurs_[i] = r;
        kursVonRaum_[ri] = kurs;
        if (anderer < 0) {
          fest = true;
        } else {
          raumVonKurs_[static_cast<std::size_t>(anderer)] = -1;
          vergeben_[ri] = 1;
          ++runde_;
          fest = Erweitere(anderer);
          vergeben_[ri] = 0;
        }
        if (!fest) {
          raumVonKurs_ = sicherungKurs_;
          kursVonRaum_ = sicherungRaum_;
        }
      }
      if (fest) {
        vergeben_[ri] = 1;
        wahl[i] = r;
        break;
      }
    }
    if (!fest) return false;  // cannot happen: the matched room always completes
  }
  return true;
}

}  // namespace kolvar
