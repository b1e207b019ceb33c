#include "model/wochbereich.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace kolvar {
namespace {

TVersionsSicht Sicht(int n, int aktuell, bool nurAktuelle) { return TVersionsSicht{n, aktuell, nurAktuelle}; }

TEST(ZaehleBits, WieDieBibliothek) {
  // Every 16-bit day word, single bits and all bits of 64, and a spread of other words.
  for (uint32_t w = 0; w <= 0xFFFFu; ++w) ASSERT_EQ(ZaehleBits(w), std::popcount(w)) << w;
  for (int i = 0; i < 64; ++i) EXPECT_EQ(ZaehleBits(uint64_t{1} << i), 1) << i;
  EXPECT_EQ(ZaehleBits(~uint64_t{0}), 64);
  uint64_t x = 0x9E3779B97F4A7C15ull;
  for (int i = 0; i < 10000; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    ASSERT_EQ(ZaehleBits(x), std::popcount(x)) << x;
  }
}

TEST(TWochBereich, BlockeSetzenUndLoeschen) {
  const TVersionsSicht sicht = Sicht(3, 1, true);
  TWochBereich g(sicht);
  g.SetzeBereich(0, 0, 0, true);
  for (int v = 1; v <= 3; ++v)
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(g.Tag(v, d), 0xFFFFu);
  g.SetzeBereich(2, 3, 0, false);
  EXPECT_EQ(g.Tag(2, 3), 0u);
  EXPECT_EQ(g.Tag(2, 2), 0xFFFFu);
  EXPECT_EQ(g.Tag(1, 3), 0xFFFFu);
  g.SetzeBereich(1, 0, 16, false);
  EXPECT_FALSE(g.Belegt(1, 5, 16));
  EXPECT_TRUE(g.Belegt(1, 5, 15));
}

// The version rule for tests, values and writes: "eaw" off/on, v in {-1, 0, 2}.
TEST(TWochBereich, VersionsRegel) {
  struct Fall {
    bool nurAktuelle;
    int v;
    bool belegt;  // slot set only in version 3
    int32_t wert;  // hours 2, 3, -1
  };
  const Fall faelle[] = {
      {false, -1, true, 4}, {false, 0, true, 4}, {false, 2, false, 3},
      {true, -1, false, 3}, {true, 0, true, 4},  {true, 2, false, 3},
  };
  for (const Fall& f : faelle) {
    const TVersionsSicht sicht = Sicht(3, 2, f.nurAktuelle);
    TWochBereich g(sicht);
    g.SetzeBereich(3, 4, 5, true);
    EXPECT_EQ(g.Belegt(f.v, 4, 5), f.belegt) << f.nurAktuelle << " " << f.v;
    TWochenStunden h(sicht);
    h.SetzeStunden(1, 2);
    h.SetzeStunden(2, 3);
    h.SetzeStunden(3, -1);
    EXPECT_EQ(h.Stunden(f.v), f.wert) << f.nurAktuelle << " " << f.v;
  }
  // Writing to -1 without "eaw" writes every version; with it, the current one only.
  const TVersionsSicht alle = Sicht(3, 2, false);
  TWochenStunden h(alle);
  h.SetzeStunden(-1, 5);
  EXPECT_EQ(h.Stunden(0), 15);
  EXPECT_TRUE(h.VersionenGleich());
  const TVersionsSicht eine = Sicht(3, 2, true);
  TWochBereich g(eine);
  g.SetzeBereich(-1, 1, 1, true);
  EXPECT_FALSE(g.Belegt(1, 1, 1));
  EXPECT_TRUE(g.Belegt(2, 1, 1));
  EXPECT_FALSE(g.Belegt(3, 1, 1));
}

TEST(TWochBereich, AusserhalbDesGittersWirdNichtsBeruehrt) {
  const TVersionsSicht sicht = Sicht(2, 9, true);  // current version beyond the grid
  TWochBereich g(sicht);
  for (int v : {-2, 3, 55, 1000}) {
    g.SetzeBereich(v, 0, 0, true);
    g.SetzeTag(v, 1, 1);
    EXPECT_FALSE(g.Belegt(v, 1, 1));
    EXPECT_EQ(g.Woche(v), nullptr);
  }
  g.SetzeBereich(-1, 1, 1, true);
  EXPECT_FALSE(g.Belegt(-1, 1, 1));
  for (int d : {-1, 8}) g.SetzeBereich(1, d, 1, true);
  for (int p : {-1, 17}) g.SetzeBereich(1, 1, p, true);
  EXPECT_TRUE(g.Leer());
  EXPECT_FALSE(g.Belegt(1, 0, 1));
  EXPECT_FALSE(g.Belegt(1, 1, 0));
  // Day words keep 16 bits only (a sign-extended file word must not differ from one built bit by bit).
  g.SetzeTag(1, 2, 0xFFFF8000u);
  TWochBereich h(sicht);
  h.SetzeBereich(1, 2, 16, true);
  EXPECT_EQ(g.Tag(1, 2), h.Tag(1, 2));
  TWochenStunden s(sicht);
  s.SetzeStunden(7, 1);
  EXPECT_EQ(s.Stunden(0), 0);
  EXPECT_EQ(s.Stunden(-1), 0);
}

TEST(TWochBereich, GitterAlgebraUndVersionen) {
  const TVersionsSicht sicht = Sicht(2, 1, true);
  TWochBereich a(sicht), b(sicht), c(sicht);
  a.SetzeBereich(0, 1, 0, true);
  c.SetzeBereich(0, 0, 0, true);
  c.BeschraenkeAuf(b, TWochBereich(sicht));
  EXPECT_TRUE(c.Leer());
  b.SetzeBereich(2, 1, 3, true);
  b.SetzeBereich(1, 2, 3, true);
  c.Vereinige(a);
  c.BeschraenkeAuf(b, b);
  EXPECT_TRUE(c.Belegt(2, 1, 3));
  EXPECT_FALSE(c.Belegt(1, 1, 3));
  EXPECT_FALSE(c.Belegt(1, 2, 3));
  b.LoescheIn(a);
  EXPECT_FALSE(a.Belegt(2, 1, 3));
  EXPECT_TRUE(a.Belegt(1, 1, 3));

  // VersionenGleich compares school days only.
  TWochBereich g(sicht);
  g.SetzeBereich(2, 7, 1, true);
  EXPECT_TRUE(g.VersionenGleich(6));
  EXPECT_FALSE(g.VersionenGleich(7));
  EXPECT_TRUE(g.VersionenGleich(0));

  // Shrinking then growing keeps the old versions; new ones start empty or at 0.
  g.SetzeBereich(1, 1, 1, true);
  g.SetzeVersionen(1);
  g.SetzeVersionen(3);
  EXPECT_TRUE(g.Belegt(1, 1, 1));
  EXPECT_FALSE(g.Belegt(2, 7, 1));
  TWochenStunden h(sicht);
  h.SetzeStunden(0, 4);
  h.SetzeVersionen(1);
  EXPECT_TRUE(h.VersionenGleich());
  h.SetzeVersionen(2);
  EXPECT_EQ(h.Stunden(1), 4);
  EXPECT_EQ(h.Stunden(2), 0);
}

}  // namespace
}  // namespace kolvar
