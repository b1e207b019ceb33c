// Editing the slot tables: swaps keep each cell's link mark and the table a permutation, links
// toggle only between periods of one day, and the arrow strip is hit where it is drawn.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "ansicht/tabellenbearbeitung.h"

namespace kolvar {
namespace {

// Default table 1 has order 1 at Wednesday period 1, linked to period 2.
TEST(TabellenBearbeitung, TauschenBehaeltVerbindungen) {
  TTabellenBearbeitung b(TStandard::StandardTabellen());
  int d50 = 0, p50 = 0;
  for (int d = 1; d <= 7; ++d)
    for (int p = 1; p <= 16; ++p)
      if (std::abs(b.Eintrag(1, d, p)) == 50) d50 = d, p50 = p;
  ASSERT_EQ(b.Eintrag(1, 3, 1), -1);
  const bool link50 = b.Verbunden(1, d50, p50);
  b.Tausche(1, 3, 1, d50, p50);
  EXPECT_EQ(b.Eintrag(1, 3, 1), -50);
  EXPECT_EQ(b.Eintrag(1, d50, p50), link50 ? -1 : 1);
  b.Tausche(1, 3, 1, 3, 1);  // onto itself: nothing
  b.Tausche(1, 3, 1, 8, 1);  // outside: nothing
  EXPECT_EQ(b.Eintrag(1, 3, 1), -50);
  EXPECT_TRUE(TStandard::AutomatikTabellenGueltig(b.Tabellen()));
  EXPECT_EQ(b.Tabellen()[1], TStandard::StandardTabellen()[1]);
}

TEST(TabellenBearbeitung, VerbindungNurInnerhalbDesTages) {
  TTabellenBearbeitung b(TStandard::StandardTabellen());
  struct TFall {
    int p;
    bool wechselt;
  };
  for (const TFall f :
       {TFall{1, true}, TFall{15, true}, TFall{16, false}, TFall{0, false}, TFall{17, false}}) {
    const int vorher = b.Eintrag(2, 4, f.p);
    b.SchalteVerbindung(2, 4, f.p);
    EXPECT_EQ(b.Eintrag(2, 4, f.p), f.wechselt ? -vorher : vorher) << f.p;
  }
  EXPECT_TRUE(TStandard::AutomatikTabellenGueltig(b.Tabellen()));
}

TEST(TabellenBearbeitung, TrefferImPfeilstreifen) {
  using T = TTabellenBearbeitung::TTreffer;
  struct TFall {
    int x, y, periode;
    T treffer;
  };
  for (const TFall f :
       {TFall{10, 3, 5, T::Ziehen}, TFall{33, 3, 5, T::Ziehen}, TFall{34, 3, 5, T::LinkOben},
        TFall{39, 7, 2, T::LinkOben}, TFall{39, 3, 1, T::Nichts}, TFall{36, 8, 5, T::LinkUnten},
        TFall{36, 15, 15, T::LinkUnten}, TFall{36, 15, 16, T::Nichts}})
    EXPECT_EQ(TTabellenBearbeitung::Treffer(f.x, f.y, 41, f.periode), f.treffer) << f.x << "," << f.y;
}

}  // namespace
}  // namespace kolvar
