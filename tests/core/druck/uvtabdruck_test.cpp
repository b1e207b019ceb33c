#include "druck/uvtabdruck.h"

#include <gtest/gtest.h>

#include "ansicht/uvlayout.h"
#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class UVTabDruck : public ::testing::Test {
 protected:
  void SetUp() override { s = BaueKleineSchule(); }
  std::unique_ptr<TPrevPrinter> Drucke(TDruckPunkt blatt = {2000, 2800}, bool mitKopplung = false) {
    TDruckGeraet g = KleinesGeraet();
    g.Blatt = g.Seite = blatt;
    auto p = std::make_unique<TPrevPrinter>(g, messer);
    TUVLayout layout;
    layout.Aufbauen(*s->uv);
    TUVTabDruck druck(*s->schule, o);
    p->BeginRecord();
    druck.Drucke(*p, *s->uv, layout, mitKopplung);
    p->EndRecord();
    masse = druck.Masse();
    return p;
  }
  static std::vector<TDruckBefehl> Fuellungen(const TDruckSeite& seite) {
    std::vector<TDruckBefehl> f;
    for (const TDruckBefehl& b : seite.Befehle)
      if (b.Art == TBefehlsArt::Fuellen) f.push_back(b);
    return f;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TUVTabDruckOptionen o;
  TUVTabMasse masse;
};

TEST_F(UVTabDruck, BlocksHoldTheRemainingDataColumnsAndRowsAndNoPageOfLabelsAlone) {
  // W = 50 + "99,0" 40 + 10 = 100: 450 pixels hold 2 data columns, 330 pixels 2 rows; a sheet
  // narrower than a cell still takes one data column per page.
  struct Fall {
    TDruckPunkt blatt;
    bool mitSport;
    int seiten;
  };
  for (const Fall& f : std::vector<Fall>{{{450, 2800}, false, 1},
                                         {{450, 2800}, true, 2},
                                         {{2000, 2800}, true, 1},
                                         {{2000, 330}, false, 1},
                                         {{2000, 330}, true, 2},
                                         {{450, 330}, true, 4},
                                         {{100, 2800}, false, 2}}) {
    SetUp();
    if (f.mitSport) s->uv->FuegeFachHinzu(s->sp);  // a third column and a second line per class
    auto p = Drucke(f.blatt);
    EXPECT_EQ(masse.W, 100);
    ASSERT_EQ(p->PageCount(), f.seiten) << f.blatt.x << "x" << f.blatt.y << " " << f.mitSport;
    for (int i = 1; i <= p->PageCount(); ++i) {
      const TDruckSeite& seite = *p->PageMetafile(i);
      EXPECT_EQ(Finde(seite, "UV-Tabelle UV5").size(), 1u);
      // Every tile repeats the label row and column and has at least one data column.
      EXPECT_GE(Finde(seite, "5a").size() + Finde(seite, "5b").size(), 1u) << i;
      EXPECT_GE(Finde(seite, "De").size() + Finde(seite, "Ma").size() + Finde(seite, "Sp").size(), 1u) << i;
    }
  }
}

TEST_F(UVTabDruck, CellsAreWhiteWithoutColourAndItalicWhereTheClassIsNotTheCoursesFirst) {
  s->uv->FuegeFachHinzu(s->sp);
  s->sportSch->SetzeFarbe(0x00FF00);
  s->sportBer->SetzeFarbe(0x00FF00);
  for (bool farbe : {false, true}) {
    o.uvco = farbe;
    auto p = Drucke();
    const auto fuellungen = Fuellungen(*p->PageMetafile(1));
    ASSERT_EQ(fuellungen.size(), 7u) << "De, Ma and two sport cells in 5a; Ma and two sport cells in 5b";
    const auto gruen = std::count_if(fuellungen.begin(), fuellungen.end(),
                                     [](const TDruckBefehl& b) { return b.Pinsel.Farbe == 0x00FF00; });
    EXPECT_EQ(gruen, farbe ? 4 : 0);
  }
  int kursiv = 0, gerade = 0;
  auto p = Drucke();
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle)
    if (b.Art == TBefehlsArt::Text && (b.Text == "SCH" || b.Text == "BER"))
      ++(b.Schrift.Kursiv ? kursiv : gerade);
  EXPECT_EQ(kursiv, 2) << "both sport courses in 5b";
  EXPECT_EQ(gerade, 3) << "both sport courses and SCH's maths in 5a";
}

TEST_F(UVTabDruck, AnItalicFontStaysItalicInEveryCellAfterTheFirstCourse) {
  s->uv->FuegeFachHinzu(s->sp);
  o.Schrift.Kursiv = true;
  o.uvft = true;
  auto p = Drucke();
  int texte = 0;
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle) {
    if (b.Art != TBefehlsArt::Text) continue;
    ++texte;
    EXPECT_TRUE(b.Schrift.Kursiv) << b.Text << " at " << b.Ort.links << "," << b.Ort.oben;
  }
  EXPECT_GT(texte, 15);
}

TEST_F(UVTabDruck, HeaderWithoutVersionAndTeacherRowsWithTheirRestHoursBesideTheName) {
  s->uv->SetzeArt(0);
  s->mue->SetzeSoll(1, 20);
  auto p = Drucke();
  const TDruckSeite& seite = *p->PageMetafile(1);
  const auto texte = Texte(seite);
  ASSERT_GE(texte.size(), 3u);
  EXPECT_EQ(texte[1].text, s->schule->Titel());
  EXPECT_EQ(texte[2].text, "UV-Tabelle UV5");
  EXPECT_EQ(texte[2].y, 79 + 3 * 20);
  // MUE teaches 4 + 3 hours: 13 left of his 20, right of the abbreviation column.
  const auto mue = Finde(seite, "MUE");
  ASSERT_EQ(mue.size(), 1u);
  const auto rest = Finde(seite, "13,0");
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest.front().y, mue.front().y);
  EXPECT_EQ(rest.front().x, mue.front().x + masse.A);
}

}  // namespace
}  // namespace kolvar
