#include "druck/uebersichtdruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "model/setzung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class UebersichtDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
  }
  // Records the overview; the layout of the run comes back through lauf.
  std::unique_ptr<TPrevPrinter> Drucke(TUebersichtArt art, const std::vector<TPlanElement*>& elemente,
                                       const TDruckGeraet& geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    TUebersichtDruck druck(*s->schule, art, o);
    p->BeginRecord();
    druck.Drucke(*p, elemente);
    p->EndRecord();
    layout = druck.Layout();
    return p;
  }
  static int Balken(const TDruckSeite& seite) {
    int n = 0;
    for (const TDruckBefehl& b : seite.Befehle)
      if (b.Art == TBefehlsArt::Rechteck && !b.Pinsel.Leer && b.Pinsel.Farbe == 0x808080) ++n;
    return n;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TUebersichtDruckOptionen o;
  TUebersichtLayout layout;
};

TEST_F(UebersichtDruck, OneElementGivesTheLabelColumnAndOneColumnWithABarUnderEveryDayButTheLast) {
  struct Fall {
    int vt, bt, balken;
  };
  for (const Fall& f : std::vector<Fall>{{1, 3, 4}, {2, 2, 0}, {1, 5, 8}}) {
    o.vt = f.vt;
    o.bt = f.bt;
    auto p = Drucke(TUebersichtArt::Klasse, {s->k5a});
    ASSERT_EQ(p->PageCount(), 1);
    EXPECT_EQ(Balken(*p->PageMetafile(1)), f.balken) << f.vt << ".." << f.bt;
    EXPECT_EQ(Finde(*p->PageMetafile(1), "Mo").size(), f.vt == 1 ? 9u : 0u);
  }
}

TEST_F(UebersichtDruck, TextsKeepAMillimetreFromTheCellLines) {
  for (const TUebersichtArt art :
       {TUebersichtArt::Klasse, TUebersichtArt::Lehrer, TUebersichtArt::Raum, TUebersichtArt::Kombination})
    for (const bool un : {false, true}) {
      SCOPED_TRACE(static_cast<int>(art) * 2 + (un ? 1 : 0));
      o.un = un;
      o.ko = true;
      o.fe = true;
      // 600 dpi: a millimetre is 24 pixels.
      const std::vector<TPlanElement*> elemente =
          art == TUebersichtArt::Lehrer        ? std::vector<TPlanElement*>{s->mue, s->sch}
          : art == TUebersichtArt::Raum        ? std::vector<TPlanElement*>{s->r101}
          : art == TUebersichtArt::Kombination ? std::vector<TPlanElement*>{s->k5a, s->mue, s->r101}
                                               : std::vector<TPlanElement*>{s->k5a, s->k6a};
      auto p = Drucke(art, elemente, TDruckGeraet{});
      int geprueft = 0;
      EXPECT_EQ(TexteAmRand(*p->PageMetafile(1), 24, geprueft), std::vector<std::string>{});
      EXPECT_GT(geprueft, 10);
    }
}

TEST_F(UebersichtDruck, ColumnsPerPageFollowTheMarginsAndBreakPages) {
  std::vector<TPlanElement*> elemente;
  for (int i = 0; i < 12; ++i) elemente.push_back(s->k5a);
  for (auto [rechts, spalten] : std::vector<std::pair<int, int>>{{0, 11}, {6, 8}}) {
    o.rr = rechts;
    auto p = Drucke(TUebersichtArt::Klasse, elemente);
    EXPECT_EQ(layout.ZellBreite, 150);
    EXPECT_EQ(layout.Schritt, 160);
    EXPECT_EQ(layout.ProSeite, spalten);
    EXPECT_EQ(p->PageCount(), 2);
    // The element's abbreviation is centred over every column: 79 + 80 + 10 + 65 for the first.
    const auto titel = Finde(*p->PageMetafile(1), "5a");
    ASSERT_GE(titel.size(), 1u);
    EXPECT_EQ(titel.front().x, 79 + 80 + 10 + 65);
    EXPECT_EQ(titel.front().y, 79 + 5 * 20 - 20 - 10);
  }
}

TEST_F(UebersichtDruck, ClassOverviewShowsTheFirstLessonOfASlotTeacherOverviewEveryOne) {
  s->deutsch5a->NeueSetzung(1, 4, 6, s->r101, false);
  s->mathe5a->NeueSetzung(1, 4, 6, s->r102, false);
  s->mathe5b->NeueSetzung(1, 4, 6, s->r102, false);
  auto klasse = Drucke(TUebersichtArt::Klasse, {s->k5a});
  EXPECT_EQ(Finde(*klasse->PageMetafile(1), "De").size() + Finde(*klasse->PageMetafile(1), "Ma").size(), 5u)
      << "two German and two maths lessons and only one of the two in Thursday's sixth period";
  auto lehrer = Drucke(TUebersichtArt::Lehrer, {s->mue});
  EXPECT_EQ(Finde(*lehrer->PageMetafile(1), "5b").size(), 2u);
}

TEST_F(UebersichtDruck, CombinationMixesKindsInSlotsOfTheWidestAbbreviation) {
  auto p = Drucke(TUebersichtArt::Kombination, {s->k5a, s->mue, s->th});
  EXPECT_EQ(layout.Slot, 60);
  EXPECT_EQ(layout.ZellBreite, 180);
  const TDruckSeite& seite = *p->PageMetafile(1);
  EXPECT_EQ(Finde(seite, "SPO").size(), 3u) << "both coupled lessons of the class, one of the room";
  EXPECT_FALSE(Finde(seite, "5a").empty());
}

}  // namespace
}  // namespace kolvar
