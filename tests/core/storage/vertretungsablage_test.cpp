#include "storage/vertretungsablage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

namespace kolvar {
namespace {

// Records are only moved around by the sort, never looked at: stand-ins by address do.
struct TStandIns {
  std::vector<char> speicher;
  std::vector<TVertretung*> liste;
  explicit TStandIns(std::size_t n) : speicher(n) {
    for (char& c : speicher) liste.push_back(reinterpret_cast<TVertretung*>(&c));
  }
};

// What sorting the keys column by column gives.
std::vector<TVertretung*> Erwartet(const std::vector<TVertretung*>& liste,
                                   const std::vector<TVertrSchluessel>& schluessel) {
  std::vector<std::size_t> folge(liste.size());
  std::iota(folge.begin(), folge.end(), std::size_t{0});
  std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
    return std::lexicographical_compare(schluessel[a].begin(), schluessel[a].end(), schluessel[b].begin(),
                                        schluessel[b].end());
  });
  std::vector<TVertretung*> aus;
  for (std::size_t i : folge) aus.push_back(liste[i]);
  return aus;
}

// Keys as records give them (unique by their last column, the order of making), with columns of
// every kind of range: narrow, negative, missing elements, the whole 64 bits, a constant.
TEST(VertretungsSortierung, JedeSpaltenweiteSortiertWieSpaltenweise) {
  std::mt19937_64 zufall(7);
  const std::vector<std::function<int64_t(std::size_t)>> arten = {
      [&](std::size_t) { return static_cast<int64_t>(zufall() % 5); },
      [&](std::size_t) { return -static_cast<int64_t>(zufall() % 300) - 40000; },
      [&](std::size_t) { return zufall() % 4 == 0 ? INT64_MIN : static_cast<int64_t>(zufall() % 80); },
      [&](std::size_t) { return INT64_MIN; },
      [&](std::size_t) { return int64_t{46000}; },
      [&](std::size_t) { return static_cast<int64_t>(zufall()); },
      [&](std::size_t) { return zufall() % 2 ? INT64_MIN + 1 : INT64_MAX; },
      [&](std::size_t) { return zufall() % 3 == 0 ? INT64_MIN : INT64_MAX; },
  };
  for (std::size_t a = 0; a < arten.size(); ++a)
    for (std::size_t b = 0; b < arten.size(); ++b) {
      SCOPED_TRACE(std::to_string(a) + "/" + std::to_string(b));
      const std::size_t n = 500;
      TStandIns s(n);
      std::vector<TVertrSchluessel> schluessel(n);
      for (std::size_t i = 0; i < n; ++i) {
        TVertrSchluessel& k = schluessel[i];
        k = {static_cast<int64_t>(zufall() % 3) + 46000,
             arten[a](i),
             arten[b](i),
             arten[(a + b) % arten.size()](i),
             0,
             static_cast<int64_t>(zufall() % 2),
             0};
        k[6] = static_cast<int64_t>(1000 + n - i);  // made in the reverse order
      }
      const std::vector<TVertretung*> erwartet = Erwartet(s.liste, schluessel);
      std::vector<TVertretung*> liste = s.liste;
      SortiereNachSchluesseln(liste, schluessel, {});
      EXPECT_TRUE(liste == erwartet);
    }
}

// A guess is taken only when it is the sorted order; a wrong, short, repeating or out-of-range
// guess sorts. Without keys or with keys of another length nothing moves.
TEST(VertretungsSortierung, VermutungNurWennSieStimmt) {
  const std::size_t n = 6;
  TStandIns s(n);
  const std::vector<TVertrSchluessel> schluessel = {
      {3, 0, INT64_MIN, 1, 0, 0, 1}, {1, 0, 5, 2, 0, 0, 2}, {3, 0, 2, 1, 0, 0, 3},
      {1, 4, 5, 2, 0, 0, 4},         {2, 0, 0, 0, 0, 0, 5}, {1, 0, 5, 2, 0, 0, 6},
  };
  const std::vector<TVertretung*> erwartet = Erwartet(s.liste, schluessel);
  std::vector<std::size_t> richtig;
  for (TVertretung* v : erwartet) richtig.push_back(static_cast<std::size_t>(v - s.liste[0]));
  std::vector<std::size_t> falsch = richtig;
  std::swap(falsch[0], falsch[1]);
  std::vector<std::size_t> doppelt = richtig;
  doppelt[2] = doppelt[1];
  std::vector<std::size_t> ausserhalb = richtig;
  ausserhalb[5] = n;
  const std::vector<std::size_t> kurz(richtig.begin(), richtig.end() - 1);
  for (const auto& vermutung : {richtig, falsch, doppelt, ausserhalb, kurz, std::vector<std::size_t>{}}) {
    std::vector<TVertretung*> liste = s.liste;
    SortiereNachSchluesseln(liste, schluessel, vermutung);
    EXPECT_TRUE(liste == erwartet);
  }
  std::vector<TVertretung*> liste = s.liste;
  SortiereNachSchluesseln(liste, {schluessel.begin(), schluessel.end() - 1}, {});
  EXPECT_TRUE(liste == s.liste);
  std::vector<TVertretung*> leer;
  SortiereNachSchluesseln(leer, {}, {});
  EXPECT_TRUE(leer.empty());
}

}  // namespace
}  // namespace kolvar
