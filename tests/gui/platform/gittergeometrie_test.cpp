#include "platform/gittergeometrie.h"

#include <gtest/gtest.h>

#include <random>

namespace kolvar {
namespace {

// 10 rows of 20 and 8 columns of 40 with one fixed row and column and 1-pixel lines.
TGitterGeometrie Plan(QSize flaeche) {
  TGitterGeometrie g;
  g.SetzeSpalten(8);
  g.SetzeZeilen(10);
  g.SetzeStandardBreite(40);
  g.SetzeStandardHoehe(20);
  g.SetzeFlaeche(flaeche);
  return g;
}

TEST(GitterGeometrie, ZelleBeiMitFestenZeilenUndSpalten) {
  TGitterGeometrie g = Plan({200, 100});
  EXPECT_EQ(g.ZelleBei({0, 0}), QPoint(0, 0));
  EXPECT_EQ(g.ZelleBei({40, 20}), QPoint(0, 0)) << "the grid line belongs to the cell before it";
  EXPECT_EQ(g.ZelleBei({41, 21}), QPoint(1, 1));
  EXPECT_EQ(g.ZelleBei({122, 62}), QPoint(2, 2));
  EXPECT_EQ(g.ZelleBei({123, 63}), QPoint(3, 3));
  EXPECT_EQ(g.ZelleBei({-1, 5}), QPoint(-1, -1));
  EXPECT_EQ(g.ZelleBei({5, 10 * 21}), QPoint(-1, -1)) << "below the last row";

  g.SetzeObersteZeile(4);
  g.SetzeLinkeSpalte(3);
  EXPECT_EQ(g.ZelleBei({5, 5}), QPoint(0, 0)) << "fixed cells never scroll";
  EXPECT_EQ(g.ZelleBei({41, 21}), QPoint(3, 4));
  EXPECT_EQ(g.ZelleBei({82, 42}), QPoint(4, 5));
  EXPECT_EQ(g.ZelleBei({5, 21}), QPoint(0, 4));
  EXPECT_TRUE(g.ZellRechteck(1, 1).isEmpty()) << "scrolled away";
  EXPECT_EQ(g.ZellRechteck(3, 4), QRect(41, 21, 40, 20));
  EXPECT_EQ(g.ZellRechteck(0, 5), QRect(0, 42, 40, 20));
}

TEST(GitterGeometrie, ScrollenNurUmGanzeZellenUndBisDasEndeSichtbarIst) {
  TGitterGeometrie g = Plan({200, 100});
  // 100 pixels hold the fixed row and three rows of 21 with the last line outside.
  EXPECT_EQ(g.SichtbareZeilen(), 3);
  EXPECT_EQ(g.MaxObersteZeile(), 7);
  EXPECT_FALSE(g.SetzeObersteZeile(0)) << "already at the first scrollable row";
  EXPECT_TRUE(g.SetzeObersteZeile(100));
  EXPECT_EQ(g.ObersteZeile(), 7);
  EXPECT_EQ(g.SichtbareZeilen(), 3);
  EXPECT_EQ(g.SichtbaresEndeY(), 21 + 3 * 21);

  // One pixel less and the third row no longer fits.
  g.SetzeFlaeche({200, 82});
  EXPECT_EQ(g.MaxObersteZeile(), 8);
  g.SetzeFlaeche({200, 83});
  EXPECT_EQ(g.MaxObersteZeile(), 7);

  // Growing the area scrolls back so that no empty space is left below the last row.
  g.SetzeObersteZeile(7);
  g.SetzeFlaeche({200, 400});
  EXPECT_EQ(g.ObersteZeile(), 1);
  EXPECT_EQ(g.SichtbareZeilen(), 9);
}

TEST(GitterGeometrie, ZeigeZelleScrolltSoWenigWieMoeglich) {
  TGitterGeometrie g = Plan({130, 100});
  EXPECT_EQ(g.SichtbareSpalten(), 2);
  EXPECT_TRUE(g.ZeigeZelle(5, 6));
  EXPECT_EQ(g.ObersteZeile(), 4) << "row 6 becomes the last visible row";
  EXPECT_EQ(g.LinkeSpalte(), 4) << "column 5 becomes the last visible column";
  EXPECT_FALSE(g.ZeigeZelle(5, 5)) << "already in view";
  EXPECT_TRUE(g.ZeigeZelle(2, 2));
  EXPECT_EQ(g.ObersteZeile(), 2) << "a row above becomes the top row";
  EXPECT_EQ(g.LinkeSpalte(), 2);
  EXPECT_FALSE(g.ZeigeZelle(0, 0)) << "fixed cells need no scrolling";
}

TEST(GitterGeometrie, ZelleGroesserAlsDieFlaeche) {
  TGitterGeometrie g = Plan({60, 30});
  g.SetzeZeilenHoehe(9, 500);
  EXPECT_EQ(g.SichtbareZeilen(), 0);
  EXPECT_EQ(g.MaxObersteZeile(), 9) << "the oversized last row can still be reached";
  EXPECT_TRUE(g.ZeigeZelle(1, 9));
  EXPECT_EQ(g.ObersteZeile(), 9);
  EXPECT_EQ(g.ZelleBei({50, 25}), QPoint(1, 9));
}

TEST(GitterGeometrie, LeereUndSchrumpfendeGitter) {
  TGitterGeometrie g = Plan({200, 100});
  g.SetzeObersteZeile(7);
  g.SetzeZeilen(3);
  EXPECT_EQ(g.ObersteZeile(), 1);
  g.SetzeZeilen(0);
  EXPECT_EQ(g.FesteZeilen(), 0);
  EXPECT_EQ(g.ZelleBei({5, 5}), QPoint(-1, -1));
  EXPECT_TRUE(g.ZellRechteck(0, 0).isEmpty());
  EXPECT_EQ(g.SichtbareZeilen(), 0);
  g.SetzeSpalten(0);
  EXPECT_EQ(g.GanzeGroesse(), QSize(0, 0));
  EXPECT_FALSE(g.ZeigeZelle(3, 3));
}

TEST(GitterGeometrie, OhneLinienUndOhneFesteZellen) {
  TGitterGeometrie g = Plan({100, 100});
  g.SetzeLinienBreite(0);
  g.SetzeFesteSpalten(0);
  g.SetzeFesteZeilen(0);
  EXPECT_EQ(g.ZelleBei({0, 0}), QPoint(0, 0));
  EXPECT_EQ(g.ZelleBei({40, 20}), QPoint(1, 1));
  EXPECT_EQ(g.SichtbareZeilen(), 5);
  EXPECT_EQ(g.MaxObersteZeile(), 5);
  EXPECT_EQ(g.GanzeGroesse(), QSize(320, 200));
}

// For random layouts: every visible cell is found at its own centre, the visible cells fit the
// area, and at the last top row the last row is fully in view.
TEST(GitterGeometrie, ZufaelligeLayoutsBleibenStimmig) {
  std::mt19937 zufall(4711);
  for (int lauf = 0; lauf < 200; ++lauf) {
    TGitterGeometrie g;
    g.SetzeSpalten(1 + zufall() % 12);
    g.SetzeZeilen(1 + zufall() % 30);
    g.SetzeFesteSpalten(zufall() % 3);
    g.SetzeFesteZeilen(zufall() % 3);
    g.SetzeLinienBreite(zufall() % 3);
    for (int s = 0; s < g.Spalten(); ++s) g.SetzeSpaltenBreite(s, 5 + zufall() % 60);
    for (int z = 0; z < g.Zeilen(); ++z) g.SetzeZeilenHoehe(z, 5 + zufall() % 40);
    g.SetzeFlaeche({static_cast<int>(20 + zufall() % 400), static_cast<int>(20 + zufall() % 400)});
    for (int oben = g.FesteZeilen(); oben <= g.MaxObersteZeile(); ++oben) {
      g.SetzeObersteZeile(oben);
      ASSERT_EQ(g.ObersteZeile(), oben);
      ASSERT_LE(g.SichtbaresEndeY() - g.LinienBreite(), std::max(g.Flaeche().height(), g.FesteHoehe()));
      for (int z = 0; z < g.Zeilen(); ++z)
        for (int s = 0; s < g.Spalten(); ++s) {
          const QRect r = g.ZellRechteck(s, z);
          if (r.isEmpty() || r.width() == 0) continue;
          ASSERT_EQ(g.ZelleBei(r.center()), QPoint(s, z)) << "run " << lauf;
        }
    }
    g.SetzeObersteZeile(g.MaxObersteZeile());
    if (g.Zeilen() > g.FesteZeilen() &&
        g.ZeilenHoehe(g.Zeilen() - 1) + g.FesteHoehe() <= g.Flaeche().height()) {
      EXPECT_EQ(g.ObersteZeile() + g.SichtbareZeilen(), g.Zeilen()) << "run " << lauf;
      // One row further up would no longer leave the end in view.
      if (g.ObersteZeile() > g.FesteZeilen()) {
        TGitterGeometrie h = g;
        h.SetzeObersteZeile(g.ObersteZeile() - 1);
        EXPECT_EQ(h.ObersteZeile(), g.ObersteZeile() - 1);
        EXPECT_LT(h.ObersteZeile() + h.SichtbareZeilen(), h.Zeilen()) << "run " << lauf;
      }
    }
  }
}

}  // namespace
}  // namespace kolvar
