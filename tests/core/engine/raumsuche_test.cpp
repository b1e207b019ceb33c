// The coupling room search: the same answer as a plain depth-first search, also where that
// search would take hours.

#include <gtest/gtest.h>

#include <random>

#include "engine/raumsuche.h"

namespace kolvar {
namespace {

using Wuensche = std::vector<TRaumSuche::TWunsch>;

// The unpruned search, as the literal backtracking does it.
bool Tiefensuche(const Wuensche& w, std::size_t i, std::vector<char>& belegt, std::vector<int>& wahl) {
  if (i == w.size()) return true;
  if (w[i].OhneRaum) {
    wahl[i] = -1;
    return Tiefensuche(w, i + 1, belegt, wahl);
  }
  for (int r : w[i].Raeume) {
    if (belegt[static_cast<std::size_t>(r)]) continue;
    belegt[static_cast<std::size_t>(r)] = 1;
    wahl[i] = r;
    if (Tiefensuche(w, i + 1, belegt, wahl)) return true;
    belegt[static_cast<std::size_t>(r)] = 0;
  }
  return false;
}

TEST(RaumSuche, GleichesErgebnisWieTiefensuche) {
  std::mt19937 zufall(7);
  TRaumSuche suche;  // one object for every case: no state may leak between searches
  int moeglich = 0, unmoeglich = 0;
  for (int fall = 0; fall < 4000; ++fall) {
    const int kurse = 1 + static_cast<int>(zufall() % 7);
    const int raeume = 1 + static_cast<int>(zufall() % 8);
    Wuensche w(static_cast<std::size_t>(kurse));
    for (auto& k : w) {
      k.OhneRaum = zufall() % 6 == 0;
      if (k.OhneRaum) continue;
      const int anzahl = static_cast<int>(zufall() % 4);
      for (int i = 0; i < anzahl; ++i) {
        const int r = static_cast<int>(zufall() % static_cast<unsigned>(raeume));
        if (std::find(k.Raeume.begin(), k.Raeume.end(), r) == k.Raeume.end()) k.Raeume.push_back(r);
      }
    }
    std::vector<char> belegt(static_cast<std::size_t>(raeume), 0);
    std::vector<int> erwartet(w.size(), -1);
    const bool ok = Tiefensuche(w, 0, belegt, erwartet);
    std::vector<int> wahl;
    ASSERT_EQ(suche.VerteileRaeume(w, wahl), ok) << "Fall " << fall;
    if (ok) {
      EXPECT_EQ(wahl, erwartet) << "Fall " << fall;
      ++moeglich;
    } else {
      ++unmoeglich;
    }
  }
  EXPECT_GT(moeglich, 500);
  EXPECT_GT(unmoeglich, 500);
}

TEST(RaumSuche, ErsterRaumDerListeGewinnt) {
  // Rooms [A, B] and [A]: the first course must leave A to the second.
  Wuensche w{{false, {0, 1}}, {false, {0}}};
  std::vector<int> wahl;
  ASSERT_TRUE(TRaumSuche().VerteileRaeume(w, wahl));
  EXPECT_EQ(wahl, (std::vector<int>{1, 0}));
  // A course without rooms takes none and blocks nothing.
  Wuensche ohne{{true, {}}, {false, {0}}};
  ASSERT_TRUE(TRaumSuche().VerteileRaeume(ohne, wahl));
  EXPECT_EQ(wahl, (std::vector<int>{-1, 0}));
  // A course with rooms but none usable: no assignment.
  Wuensche keiner{{false, {}}, {true, {}}};
  EXPECT_FALSE(TRaumSuche().VerteileRaeume(keiner, wahl));
}

TEST(RaumSuche, GrosseKopplungOhneLoesung) {
  // 15 courses sharing a pool of 14 rooms: the literal search walks about 14! branches.
  Wuensche w(15);
  for (auto& k : w)
    for (int r = 0; r < 14; ++r) k.Raeume.push_back(r);
  std::vector<int> wahl;
  EXPECT_FALSE(TRaumSuche().VerteileRaeume(w, wahl));
  // With 16 rooms, rotated lists: an assignment in list order.
  Wuensche voll(15);
  for (std::size_t i = 0; i < voll.size(); ++i)
    for (int r = 0; r < 16; ++r) voll[i].Raeume.push_back((r + static_cast<int>(i)) % 16);
  ASSERT_TRUE(TRaumSuche().VerteileRaeume(voll, wahl));
  std::vector<char> gesehen(16, 0);
  for (std::size_t i = 0; i < wahl.size(); ++i) {
    EXPECT_EQ(wahl[i], static_cast<int>(i));
    EXPECT_FALSE(gesehen[static_cast<std::size_t>(wahl[i])]);
    gesehen[static_cast<std::size_t>(wahl[i])] = 1;
  }
}

}  // namespace
}  // namespace kolvar
