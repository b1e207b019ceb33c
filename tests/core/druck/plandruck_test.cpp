#include "druck/plandruck.h"

#include <gtest/gtest.h>

#include "ansicht/zeitfilter.h"
#include "druck/druckkopf.h"
#include "druckhilfen.h"
#include "model/datum.h"
#include "model/setzung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

struct TLauf {
  TZeichenMesser messer;
  TPrevPrinter printer{KleinesGeraet(), messer};
  TPlanDruckLayout layout;
};

std::unique_ptr<TLauf> Drucke(const TKleineSchule& s, TPlanDruckArt art, const TPlanDruckOptionen& o,
                              const std::vector<TPlanElement*>& elemente) {
  auto lauf = std::make_unique<TLauf>();
  TPlanDruck druck(*s.schule, art, o);
  lauf->printer.BeginRecord();
  druck.Drucke(lauf->printer, elemente);
  lauf->printer.EndRecord();
  lauf->layout = druck.Layout();
  return lauf;
}

class PlanDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
  }
  std::unique_ptr<TKleineSchule> s;
  TPlanDruckOptionen o;
};

// Class 5a with the default options: margins 79 px at 200 dpi, remark and title lines above
// the grid, row headers 40 wide and column headers 40 high, cells 150 x 40.
constexpr int kGx = 79 + 40, kGy = 79 + 3 * 20 + 20 + 20 + 40;

TEST_F(PlanDruck, PutsEachLessonsTextsInItsCell) {
  struct Fall {
    int tag, stunde;
    std::vector<std::string> texte;  // at +10, +60, +100 of the cell
  };
  const std::vector<Fall> faelle{{1, 1, {"MUE", "De", "R101"}},
                                 {2, 2, {"MUE", "De", "R101"}},
                                 {1, 3, {"SCH", "Ma", "R101"}},
                                 {2, 3, {"SCH", "Ma", "R101"}},
                                 {3, 5, {"SPO", "Sp"}}};
  auto lauf = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a});
  const TDruckSeite& seite = *lauf->printer.PageMetafile(1);
  EXPECT_EQ(lauf->layout.ZellBreite, 150);
  for (const Fall& f : faelle) {
    const int x = kGx + (f.tag - 1) * 150 + 10, y = kGy + (f.stunde - 1) * 40 + 10;
    const std::array<int, 3> versatz{0, 50, 90};
    for (std::size_t i = 0; i < f.texte.size(); ++i) {
      bool gefunden = false;
      for (const auto& t : Finde(seite, f.texte[i]))
        gefunden = gefunden || (t.x == x + versatz[i] && t.y == y);
      EXPECT_TRUE(gefunden) << f.texte[i] << " day " << f.tag << " period " << f.stunde;
    }
  }
  const std::string titel = "5a   " + s->k5a->Name() + "  (R101)  ( MUE SCH )";
  ASSERT_EQ(Finde(seite, titel).size(), 1u);
  EXPECT_EQ(Finde(seite, titel)[0].y, 79 + 80);
  EXPECT_EQ(Finde(seite, "Bemerkung")[0].y, 79 + 60);
}

TEST_F(PlanDruck, TextsKeepAMillimetreFromTheCellLinesOnEveryKindOfPlan) {
  for (const TPlanDruckArt art :
       {TPlanDruckArt::Klasse, TPlanDruckArt::Lehrer, TPlanDruckArt::Raum, TPlanDruckArt::Kopplung})
    for (const int ne : {0, 1})
      for (const int li : {0, 1}) {
        SCOPED_TRACE(static_cast<int>(art) * 10 + ne * 2 + li);
        TPlanDruckOptionen opt;
        opt.ne = ne;
        opt.li = li;
        opt.ko = true;
        opt.fe = true;
        TZeichenMesser messer;
        TPrevPrinter printer{TDruckGeraet{}, messer};  // 600 dpi: a millimetre is 24 pixels
        TPlanDruck druck(*s->schule, art, opt);
        printer.BeginRecord();
        const std::vector<TPlanElement*> elemente =
            art == TPlanDruckArt::Lehrer ? std::vector<TPlanElement*>{s->mue, s->sch}
            : art == TPlanDruckArt::Raum ? std::vector<TPlanElement*>{s->r101}
                                         : std::vector<TPlanElement*>{s->k5a, s->k6a};
        druck.Drucke(printer, elemente);
        printer.EndRecord();
        int geprueft = 0;
        EXPECT_EQ(TexteAmRand(*printer.PageMetafile(1), 24, geprueft), std::vector<std::string>{});
        EXPECT_GT(geprueft, 10);
      }
}

TEST_F(PlanDruck, ClassPlanShowsTheFirstLessonOfASlotTeacherPlanEveryOne) {
  s->deutsch5a->NeueSetzung(1, 4, 6, s->r101, false);
  s->mathe5a->NeueSetzung(1, 4, 6, s->r102, false);
  s->mathe5b->NeueSetzung(1, 4, 6, s->r102, false);
  auto klasse = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a});
  const int y = kGy + 5 * 40 + 10;
  int inZelle = 0;
  for (const auto& t : Texte(*klasse->printer.PageMetafile(1)))
    if (t.y == y && t.x == kGx + 3 * 150 + 10) ++inZelle;
  EXPECT_EQ(inZelle, 1);
  auto lehrer = Drucke(*s, TPlanDruckArt::Lehrer, o, {s->mue});
  int klassen = 0;
  for (const auto& t : Texte(*lehrer->printer.PageMetafile(1)))
    if (t.y == y && (t.text == "5a" || t.text == "5b")) ++klassen;
  EXPECT_EQ(klassen, 2);
}

TEST_F(PlanDruck, TilesPlansByRowAndColumnAndBreaksPages) {
  struct Fall {
    int rr, ru;
    bool d1s;
    int proZeile, proSpalte;
  };
  // Sheet 2000 x 2800, plans 840 x 460, margins left and top 79, three lines of header.
  const std::vector<Fall> faelle{
      {0, 0, false, 2, 5}, {6, 0, false, 1, 5}, {0, 6, false, 2, 4}, {0, 0, true, 1, 1}};
  std::vector<TPlanElement*> elemente;
  for (int i = 0; i < 11; ++i) elemente.push_back(i % 2 == 0 ? s->k5a : s->k5b);
  for (const Fall& f : faelle) {
    o.rr = f.rr;
    o.ru = f.ru;
    o.d1s = f.d1s;
    auto lauf = Drucke(*s, TPlanDruckArt::Klasse, o, elemente);
    const TPlanDruckLayout& l = lauf->layout;
    EXPECT_EQ(l.PlanBreite, 840);
    EXPECT_EQ(l.PlanHoehe, 460);
    EXPECT_EQ(l.ProZeile, f.proZeile);
    EXPECT_EQ(l.ProSpalte, f.proSpalte);
    const int proSeite = f.proZeile * f.proSpalte;
    EXPECT_EQ(lauf->printer.PageCount(), (11 + proSeite - 1) / proSeite);
    // Every plan's remark line sits in its tile; the tiles hang from the top margin.
    for (int seite = 1; seite <= lauf->printer.PageCount(); ++seite) {
      const auto bemerkungen = Finde(*lauf->printer.PageMetafile(seite), "Bemerkung");
      ASSERT_EQ(static_cast<int>(bemerkungen.size()), std::min(proSeite, 11 - (seite - 1) * proSeite));
      for (std::size_t k = 0; k < bemerkungen.size(); ++k) {
        EXPECT_EQ(bemerkungen[k].x, static_cast<int>(k) % f.proZeile * 840 + 79);
        EXPECT_EQ(bemerkungen[k].y, static_cast<int>(k) / f.proZeile * 460 + 79 + 60);
      }
    }
  }
}

TEST_F(PlanDruck, LeavesOutWhatLiesOutsideTheDayAndPeriodRange) {
  s->k5a->Sperrung().SetzeBereich(1, 1, 1, true);
  s->k5a->Sperrung().SetzeBereich(1, 2, 2, true);
  o.vt = 2;
  o.vs = 2;
  auto lauf = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a});
  const TDruckSeite& seite = *lauf->printer.PageMetafile(1);
  EXPECT_EQ(Finde(seite, "De").size(), 1u) << "only Tuesday's second period";
  int grau = 0;
  for (const TDruckBefehl& b : seite.Befehle)
    if (b.Art == TBefehlsArt::Fuellen && b.Pinsel.Farbe == 0xC0C0C0) ++grau;
  EXPECT_EQ(grau, 1);
  EXPECT_EQ(Finde(seite, " 1").size(), 0u);
  EXPECT_EQ(Finde(seite, "Mo").size(), 0u);
}

TEST_F(PlanDruck, WithoutEntriesEachLessonIsAMarkAndTheCellFitsAStar) {
  o.le = o.fa = o.ra = false;
  o.st = false;
  auto lauf = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a});
  const TDruckSeite& seite = *lauf->printer.PageMetafile(1);
  EXPECT_EQ(lauf->layout.ZellBreite, 40) << "the day label is wider than * + 20";
  EXPECT_EQ(Finde(seite, "+").size(), 4u);
  EXPECT_EQ(Finde(seite, "o").size(), 1u);
}

TEST_F(PlanDruck, PrintsOnlyPlansChangedStrictlyAfterTheMoment) {
  const int64_t moment = int64_t{TagesNummer(2020, 5, 4)} * 86400 + 8 * 3600;
  s->k5a->StempleDatum(moment);
  s->k5b->StempleDatum(moment + 1);
  s->k6a->StempleDatum(moment - 60);
  o.al = false;
  o.ad = TagesNummer(2020, 5, 4);
  o.at = 8 * 3600;
  auto lauf = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a, s->k5b, s->k6a});
  const TDruckSeite& seite = *lauf->printer.PageMetafile(1);
  const auto bemerkungen = Finde(seite, "Bemerkung");
  ASSERT_EQ(bemerkungen.size(), 1u);
  EXPECT_EQ(bemerkungen[0].x, 79) << "a plan left out takes no tile";
  EXPECT_EQ(Finde(seite, "5b   " + s->k5b->Name() + "  ( SCH )").size(), 1u);

  s->k5b->StempleDatum(moment);
  auto keiner = Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a, s->k5b, s->k6a});
  EXPECT_EQ(keiner->printer.PageCount(), 1);
  EXPECT_EQ(Texte(*keiner->printer.PageMetafile(1)).size(), 2u) << "only the header";
  o.al = true;
  EXPECT_EQ(Finde(*Drucke(*s, TPlanDruckArt::Klasse, o, {s->k5a, s->k5b, s->k6a})->printer.PageMetafile(1),
                  "Bemerkung")
                .size(),
            3u);
}

TEST_F(PlanDruck, CouplingReplacesTheClassInTheRoomPlanAndWidensItsColumn) {
  o.kl = true;
  o.le = true;
  o.fa = true;
  auto lauf = Drucke(*s, TPlanDruckArt::Raum, o, {s->th});
  EXPECT_EQ(lauf->layout.Eintrag[1], 50);
  const auto spo = Finde(*lauf->printer.PageMetafile(1), "SPO");
  ASSERT_EQ(spo.size(), 1u);
  EXPECT_EQ(Finde(*lauf->printer.PageMetafile(1), "SCH")[0].x + 50, spo[0].x);
}

TEST_F(PlanDruck, CouplingPlanListsEveryLessonOfASlotOnItsOwnLine) {
  o.mk = true;
  auto lauf = Drucke(*s, TPlanDruckArt::Kopplung, o, {s->k5a, s->k5b});
  ASSERT_EQ(lauf->printer.PageCount(), 2);
  const TDruckSeite& seite = *lauf->printer.PageMetafile(1);
  const auto sch = Finde(seite, "SCH");
  const auto ber = Finde(seite, "BER");
  ASSERT_FALSE(ber.empty());
  // Period 5 holds two coupled lessons and the coupling's line: three lines.
  const auto spo = Finde(seite, "SPO");
  ASSERT_FALSE(spo.empty());
  const int top = spo[0].y;
  bool zeile1 = false, zeile2 = false;
  for (const auto& t : sch) zeile1 = zeile1 || t.y == top + 20;
  for (const auto& t : ber) zeile2 = zeile2 || t.y == top + 40;
  EXPECT_TRUE(zeile1);
  EXPECT_TRUE(zeile2);
}

TEST_F(PlanDruck, StopsWhenTheUserCancelsTheRecording) {
  struct TAbbruch : IDruckMeldung {
    void Meldung(const std::string& text) override { abgebrochen = text == "Seite 2 wird aufgezeichnet."; }
    bool Abgebrochen() const override { return abgebrochen; }
    bool abgebrochen = false;
  } abbruch;
  TZeichenMesser messer;
  TPrevPrinter p(KleinesGeraet(), messer, &abbruch);
  o.d1s = true;
  p.BeginRecord();
  TPlanDruck(*s->schule, TPlanDruckArt::Klasse, o).Drucke(p, {s->k5a, s->k5b, s->k6a, s->k5a});
  EXPECT_EQ(p.PageCount(), 2) << "the plan on page 2 is the last one drawn";
}

TEST(DruckKopf, DatesInGermanAndNumbersTheVersionWhenThereAreSeveral) {
  EXPECT_EQ(DruckDatumsText(int64_t{TagesNummer(2010, 9, 13)} * 86400 + 14 * 3600 + 5 * 60),
            "Mo, 13. Sep 2010     14:05 Uhr      ");
  EXPECT_EQ(DruckDatumsText(int64_t{TagesNummer(2024, 3, 3)} * 86400), "So, 3. Mrz 2024     0:00 Uhr      ");
  for (int versionen : {1, 2}) {
    auto s = BaueKleineSchule(versionen);
    s->schule->SetzeTitel("Schule");
    TZeichenMesser messer;
    TPrevPrinter p(KleinesGeraet(), messer);
    p.BeginRecord();
    DruckeKopfPlan(p, *s->schule, 10, 10, 20, false);
    const auto texte = Texte(*p.Seite(1));
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].text, "Seite 1");
    EXPECT_EQ(texte[1].text, versionen == 1 ? "Schule" : "{1}  Schule");
    EXPECT_EQ(p.PenPos(), (TDruckPunkt{10, 50}));
  }
}

TEST(ZeitFilter, LowersADayThatTheMonthDoesNotHave) {
  struct Fall {
    int jahr, monat, tag, erwartet;
  };
  for (const Fall& f :
       std::vector<Fall>{{1996, 2, 31, 29}, {1997, 2, 31, 28}, {2030, 4, 31, 30}, {2039, 12, 31, 31}})
    EXPECT_EQ(PruefeDatum(f.jahr, f.monat, f.tag), f.erwartet) << f.jahr << "-" << f.monat;
  EXPECT_EQ(FilterMoment(1997, 2, 31, 23, 59),
            int64_t{TagesNummer(1997, 2, 28)} * 86400 + 23 * 3600 + 59 * 60);
}

}  // namespace
}  // namespace kolvar
