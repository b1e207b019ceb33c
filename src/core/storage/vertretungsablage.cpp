#include "storage/vertretungsablage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>

#include "storage/dateifehler.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr int kMaxNummer = 32767;

// Union-find over the records: a follow-up link between two records already joined would close
// a cycle, and freeing such a chain would never end.
class TVerbund {
 public:
  explicit TVerbund(std::size_t n) : eltern_(n) { std::iota(eltern_.begin(), eltern_.end(), std::size_t{0}); }
  std::size_t Wurzel(std::size_t i) {
    while (eltern_[i] != i) i = eltern_[i] = eltern_[eltern_[i]];
    return i;
  }
  bool Vereinige(std::size_t a, std::size_t b) {
    a = Wurzel(a), b = Wurzel(b);
    if (a == b) return false;
    eltern_[a] = b;
    return true;
  }

 private:
  std::vector<std::size_t> eltern_;
};

// The positions of the keys in their order, the keys packed into 128 bits each: every column
// from its least value in as many bits as its range takes, a missing element (INT64_MIN) below
// all. Comparing packed keys is what comparing the columns one by one is. False when the
// ranges need more bits.
bool SortiereGepackt(const std::vector<TVertrSchluessel>& schluessel, std::vector<std::size_t>& folge) {
  using TZahl = unsigned __int128;
  constexpr std::size_t kSpalten = std::tuple_size_v<TVertrSchluessel>;
  std::array<int64_t, kSpalten> min, max;
  std::array<bool, kSpalten> fehlt{};
  min.fill(INT64_MAX);
  max.fill(INT64_MIN);
  for (const TVertrSchluessel& k : schluessel)
    for (std::size_t c = 0; c < kSpalten; ++c) {
      if (k[c] == INT64_MIN) {
        fehlt[c] = true;
        continue;
      }
      min[c] = std::min(min[c], k[c]);
      max[c] = std::max(max[c], k[c]);
    }
  std::array<int, kSpalten> bits{};
  int summe = 0;
  for (std::size_t c = 0; c < kSpalten; ++c) {
    if (min[c] > max[c]) min[c] = max[c] = 0;  // only missing elements, or no keys
    const uint64_t weite = static_cast<uint64_t>(max[c]) - static_cast<uint64_t>(min[c]);
    if (fehlt[c] && weite == UINT64_MAX) return false;
    bits[c] = std::bit_width(weite + (fehlt[c] ? 1 : 0));
    summe += bits[c];
  }
  if (summe > 128) return false;
  struct TEintrag {
    TZahl schluessel;
    std::size_t index;
  };
  std::vector<TEintrag> eintraege(schluessel.size());
  for (std::size_t i = 0; i < schluessel.size(); ++i) {
    TZahl z = 0;
    for (std::size_t c = 0; c < kSpalten; ++c) {
      const int64_t w = schluessel[i][c];
      uint64_t u = static_cast<uint64_t>(w) - static_cast<uint64_t>(min[c]);
      if (fehlt[c]) u = w == INT64_MIN ? 0 : u + 1;
      // Shifting by the full width of an empty column would be undefined.
      if (bits[c] > 0) z = (z << bits[c]) | u;
    }
    eintraege[i] = {z, i};
  }
  std::sort(eintraege.begin(), eintraege.end(),
            [](const TEintrag& a, const TEintrag& b) { return a.schluessel < b.schluessel; });
  folge.resize(schluessel.size());
  for (std::size_t i = 0; i < eintraege.size(); ++i) folge[i] = eintraege[i].index;
  return true;
}

}  // namespace

void TVertretungsAblage::Ordne(const std::vector<std::size_t>& rang) {
  const std::size_t n = saetze_.size();
  if (rang.size() >= n && std::is_sorted(rang.begin(), rang.begin() + static_cast<std::ptrdiff_t>(n))) return;
  std::vector<std::pair<std::size_t, std::size_t>> folge(n);
  for (std::size_t i = 0; i < n; ++i) folge[i] = {i < rang.size() ? rang[i] : SIZE_MAX, i};
  std::sort(folge.begin(), folge.end());
  std::vector<int> neu(n);
  for (std::size_t j = 0; j < n; ++j) neu[folge[j].second] = static_cast<int>(j);
  std::vector<TVertretungsSatz> geordnet;
  geordnet.reserve(n);
  for (const auto& [r, i] : folge) geordnet.push_back(std::move(saetze_[i]));
  for (TVertretungsSatz& s : geordnet) {
    if (s.Statt >= 0) s.Statt = neu[static_cast<std::size_t>(s.Statt)];
    if (s.VerlegtAuf >= 0) s.VerlegtAuf = neu[static_cast<std::size_t>(s.VerlegtAuf)];
  }
  saetze_ = std::move(geordnet);
}

void TVertretungsAblage::Verknuepfe() {
  // Numbers are 16-bit in the file: a table by number instead of a map (a larger one names no
  // record).
  constexpr int kFrei = -2, kDoppelt = -1;
  int hoechste = 0;
  for (TVertretungsSatz& s : saetze_) {
    s.Statt = s.VerlegtAuf = -1;
    if (s.Nummer <= kMaxNummer) hoechste = std::max(hoechste, s.Nummer);
  }
  std::vector<int> nachNummer(static_cast<std::size_t>(hoechste) + 1, kFrei);
  auto satzMit = [&nachNummer](int nummer) -> int& { return nachNummer[static_cast<std::size_t>(nummer)]; };
  for (std::size_t i = 0; i < saetze_.size(); ++i) {
    // A number claimed twice names no record.
    if (const int nummer = saetze_[i].Nummer; nummer > 0 && nummer <= hoechste)
      satzMit(nummer) = satzMit(nummer) == kFrei ? static_cast<int>(i) : kDoppelt;
  }
  TVerbund verbund(saetze_.size());
  for (std::size_t i = 0; i < saetze_.size(); ++i) {
    TVertretungsSatz& r = saetze_[i];
    if (r.StattNr <= 0 || r.Nummer <= 0 || r.StattNr > hoechste || r.Nummer > hoechste) continue;
    if (satzMit(r.Nummer) != static_cast<int>(i)) continue;
    const int f = satzMit(r.StattNr);
    if (f < 0) continue;
    TVertretungsSatz& folge = saetze_[static_cast<std::size_t>(f)];
    if (f == static_cast<int>(i) || folge.VerlegtAuf >= 0 || folge.VerlegtAufNr != r.Nummer) continue;
    if (!verbund.Vereinige(i, static_cast<std::size_t>(f))) continue;
    r.Statt = f;
    folge.VerlegtAuf = static_cast<int>(i);
  }
}

void TVertretungsAblage::EntferneVeraltete(int32_t heute, int vtm) {
  const std::size_t n = saetze_.size();
  std::vector<char> weg(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    const int64_t tag = saetze_[i].Datum >= 0 ? saetze_[i].Datum / 86400 : (saetze_[i].Datum - 86399) / 86400;
    if (int64_t{heute} - tag >= vtm) weg[i] = 1;
  }
  Entferne(weg);
}

void TVertretungsAblage::Entferne(std::vector<char> weg) {
  const std::size_t n = saetze_.size();
  if (std::find(weg.begin(), weg.end(), 1) == weg.end()) return;
  // A record goes with the follow-ups it owns; each chain is walked once.
  for (std::size_t i = 0; i < n; ++i) {
    if (weg[i] != 1) continue;
    for (int j = saetze_[i].Statt; j >= 0 && !weg[static_cast<std::size_t>(j)];
         j = saetze_[static_cast<std::size_t>(j)].Statt)
      weg[static_cast<std::size_t>(j)] = 2;
  }
  std::vector<int> neu(n, -1);
  std::vector<TVertretungsSatz> bleiben;
  bleiben.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (weg[i]) continue;
    neu[i] = static_cast<int>(bleiben.size());
    bleiben.push_back(std::move(saetze_[i]));
  }
  for (TVertretungsSatz& s : bleiben) {
    if (s.Statt >= 0) s.Statt = neu[static_cast<std::size_t>(s.Statt)];
    if (s.VerlegtAuf >= 0) s.VerlegtAuf = neu[static_cast<std::size_t>(s.VerlegtAuf)];
  }
  saetze_ = std::move(bleiben);
}

void SortiereVertretungsliste(std::vector<TVertretung*>& liste, int vsa) {
  // Every order is strict, its last key the order the records were made in, which for records
  // just read is their place in the list: a plain sort gives what a stable one would.
  SortiereNachSchluessel(liste, vsa);
}

void SortiereVertretungsliste(std::vector<TVertretung*>& liste, int vsa,
                              const std::vector<std::size_t>& vermutung) {
  std::vector<TVertrSchluessel> schluessel;
  schluessel.reserve(liste.size());
  for (const TVertretung* v : liste) schluessel.push_back(VertrSchluessel(v, vsa));
  SortiereNachSchluesseln(liste, schluessel, vermutung);
}

void SortiereNachSchluesseln(std::vector<TVertretung*>& liste,
                             const std::vector<TVertrSchluessel>& schluessel,
                             const std::vector<std::size_t>& vermutung) {
  const std::size_t n = liste.size();
  if (schluessel.size() != n) return;
  // The guess is right when each record comes after the one ahead of it.
  bool passt = vermutung.size() == n;
  std::vector<char> gesehen(passt ? n : 0, 0);
  for (std::size_t i = 0; passt && i < n; ++i) {
    const std::size_t j = vermutung[i];
    passt = j < n && !gesehen[j] && (i == 0 || schluessel[vermutung[i - 1]] < schluessel[j]);
    if (passt) gesehen[j] = 1;
  }
  std::vector<std::size_t> folge;
  if (passt) {
    folge = vermutung;
  } else if (!SortiereGepackt(schluessel, folge)) {
    // The keys are unique (they end with the order of making): a plain sort is stable.
    folge.resize(n);
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::sort(folge.begin(), folge.end(),
              [&schluessel](std::size_t a, std::size_t b) { return schluessel[a] < schluessel[b]; });
  }
  std::vector<TVertretung*> sortiert(n);
  for (std::size_t i = 0; i < n; ++i) sortiert[i] = liste[folge[i]];
  liste = std::move(sortiert);
}

std::vector<int> VertretungsNummern(const std::vector<char>& verknuepft) {
  const std::size_t n = verknuepft.size();
  std::vector<int> nummer(n, 0);
  if (n <= static_cast<std::size_t>(kMaxNummer)) {
    for (std::size_t i = 0; i < n; ++i) nummer[i] = static_cast<int>(i) + 1;
    return nummer;
  }
  int m = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (!verknuepft[i]) continue;
    if (m == kMaxNummer)
      throw TDateiFehler("Die Datei kann nicht gesichert werden: mehr als 32767 verknüpfte Vertretungen.");
    nummer[i] = ++m;
  }
  return nummer;
}

bool TVertretungsAblage::Stimmig() const {
  const int n = static_cast<int>(saetze_.size());
  TVerbund verbund(saetze_.size());
  for (int i = 0; i < n; ++i) {
    const TVertretungsSatz& s = saetze_[static_cast<std::size_t>(i)];
    if (s.Statt >= n || s.VerlegtAuf >= n) return false;
    if (s.Statt >= 0 && saetze_[static_cast<std::size_t>(s.Statt)].VerlegtAuf != i) return false;
    if (s.VerlegtAuf >= 0 && saetze_[static_cast<std::size_t>(s.VerlegtAuf)].Statt != i) return false;
    if (s.Statt >= 0 && !verbund.Vereinige(static_cast<std::size_t>(i), static_cast<std::size_t>(s.Statt)))
      return false;
  }
  return true;
}

}  // namespace kolvar
