#include "ansicht/planzuege.h"

#include <algorithm>

#include "ansicht/planzellen.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

// Lifts a coupling's hour out of the occupancy grids for a search and always puts it back.
class TBelegungAus {
 public:
  TBelegungAus(TKurs* kurs, int d, int p) : kurs_(kurs), tag_(d), stunde_(p) {
    if (kurs_ != nullptr) kurs_->SchalteBelegung(-1, tag_, stunde_, true, false);
  }
  ~TBelegungAus() {
    if (kurs_ != nullptr) kurs_->SchalteBelegung(-1, tag_, stunde_, true, true);
  }
  TBelegungAus(const TBelegungAus&) = delete;
  TBelegungAus& operator=(const TBelegungAus&) = delete;

 private:
  TKurs* kurs_;
  int tag_, stunde_;
};

// raumVon(member, cell day, cell period): the room a member is tried with.
template <class RaumVon>
std::vector<std::pair<int, int>> Kandidaten(const TPlanZellen& plan, int d, int p, int v, RaumVon raumVon) {
  std::vector<std::pair<int, int>> kandidaten;
  const TBelegungAus aus(plan.Kurs(d, p), d, p);
  for (int zd = 1; zd <= plan.Tage(); ++zd) {
    for (int zp = 1; zp <= plan.Stunden(); ++zp) {
      TKurs* k = plan.Kurs(zd, zp);
      if (k == nullptr || plan.Marke(zd, zp) == TMarke::Gesperrt) continue;
      auto passt = [&](const TKurs* m) { return m->KannSetzen(-1, d, raumVon(m, zd, zp), p); };
      // Only the members of the coupling that are placed at the cell have to move.
      auto bleibtOderPasst = [&](const TKurs* m) { return !m->Belegung().Belegt(v, zd, zp) || passt(m); };
      const TKopplung* ko = k->Kopplung();
      const bool moeglich = ko == nullptr ? passt(k) : std::ranges::all_of(ko->Kurse(), bleibtOderPasst);
      if (moeglich) kandidaten.emplace_back(zd, zp);
    }
  }
  return kandidaten;
}

}  // namespace

std::vector<std::pair<int, int>> SchiebeKandidaten(const TPlanZellen& plan, int d, int p, bool ohneRaum,
                                                   int v) {
  return Kandidaten(plan, d, p, v, [&](const TKurs* m, int zd, int zp) {
    return ohneRaum ? nullptr : m->RaumAnStunde(v, zd, zp);
  });
}

std::vector<std::pair<int, int>> SchiebeKandidatenMitRaum(const TPlanZellen& plan, int d, int p,
                                                          const TRaum* raum, int v) {
  return Kandidaten(plan, d, p, v, [raum](const TKurs*, int, int) { return raum; });
}

}  // namespace kolvar
