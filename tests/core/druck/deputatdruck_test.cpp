#include "druck/deputatdruck.h"

#include <gtest/gtest.h>

#include "ansicht/statistik.h"
#include "druckhilfen.h"
#include "model/fensterart.h"
#include "model/stundentext.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class DepDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
    s->mue->SetzeSoll(1, 24);
    s->mue->SetzeName("Müller");
  }
  std::unique_ptr<TPrevPrinter> Drucke(const std::vector<TElement*>& elemente,
                                       TDruckGeraet geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    TDeputatDruck druck(*s->schule, o);
    p->BeginRecord();
    druck.Drucke(*p, elemente);
    p->EndRecord();
    layout = druck.Layout();
    return p;
  }
  static int Seite(const TPrevPrinter& p, const std::string& anfang) {
    for (int n = 1; n <= p.PageCount(); ++n)
      for (const auto& t : Texte(*p.PageMetafile(n)))
        if (t.text.rfind(anfang, 0) == 0) return n;
    return 0;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TDeputatDruckOptionen o;
  TDepDruckLayout layout;
};

TEST_F(DepDruck, TitlesAndHoursLinesByKind) {
  TDeputatDruck druck(*s->schule, o);
  EXPECT_EQ(druck.TitelZeile(*s->mue), "Lehrerdeputat MUE  Müller ( 5a )");
  EXPECT_EQ(druck.TitelZeile(*s->sch), "Lehrerdeputat SCH   ( 5a 5b )");
  EXPECT_EQ(druck.TitelZeile(*s->k5a), "Klassendeputat 5a   ( R101 MUE SCH )");
  EXPECT_EQ(druck.TitelZeile(*s->k6a), "Klassendeputat 6a   ( )");
  EXPECT_EQ(druck.TitelZeile(*s->spo), "Kopplungsdeputat SPO  ");
  EXPECT_EQ(druck.TitelZeile(*s->de), "Fachdeputat De  ");
  EXPECT_EQ(druck.TitelZeile(*s->th), "Raumdeputat TH  ");
  EXPECT_EQ(druck.StundenZeile(*s->sp), "Lehrer: 2  Klassen: " + std::to_string(s->sp->Klassen().Anzahl()));
  EXPECT_EQ(druck.StundenZeile(*s->spo), "");
  EXPECT_EQ(druck.StundenZeile(*s->r101), "");
}

TEST_F(DepDruck, TheHoursLineAgreesWithTheStatistics) {
  TDeputatDruck druck(*s->schule, o);
  for (const TElement* e : std::vector<TElement*>{s->mue, s->sch, s->ber, s->k5a, s->k5b, s->k6a}) {
    const int art = e->Art() == TElementArt::Lehrer ? FensterArt::LeStat : FensterArt::KlStat;
    const auto z = StatistikZeile(art, *e, s->standard);
    EXPECT_EQ(druck.StundenZeile(*e), "Soll: " + z[0] + "  Ist: " + z[1] + "  Rest: " + z[3]) << e->Kuerzel();
  }
}

TEST_F(DepDruck, ASheetHasTitleHoursHeadingAndARightAlignedLinePerCourse) {
  auto p = Drucke({s->mue});
  ASSERT_EQ(p->PageCount(), 1);
  const TDruckSeite& seite = *p->PageMetafile(1);
  ASSERT_EQ(Finde(seite, "Lehrerdeputat MUE  Müller ( 5a )").size(), 1u);
  EXPECT_EQ(Finde(seite, "Lehrerdeputat MUE  Müller ( 5a )")[0].y, 79 + 3 * 20);
  // Columns: Wert 60 ("SummeA"), Std 50 ("FaktA"), Le 40, Fa 30, Kl 30, Ko 40, Ra 50.
  ASSERT_EQ(layout.Rechts.size(), 7u);
  EXPECT_EQ(layout.Rechts[0], 79 + 60);
  EXPECT_EQ(layout.Rechts[6], 79 + 60 + 50 + 40 + 30 + 30 + 40 + 50);
  const auto wert = Finde(seite, "Wert");
  ASSERT_EQ(wert.size(), 1u);
  EXPECT_EQ(wert[0].x, 79 + 60 - 40);
  EXPECT_EQ(wert[0].y, 79 + 5 * 20);
  // MUE's two courses: De 5a and Ma 5b under the heading, right-aligned in their columns.
  const auto de = Finde(seite, "De"), ma = Finde(seite, "Ma");
  ASSERT_EQ(de.size(), 1u);
  ASSERT_EQ(ma.size(), 1u);
  EXPECT_EQ(de[0].y, 79 + 6 * 20);
  EXPECT_EQ(ma[0].y, 79 + 7 * 20);
  EXPECT_EQ(de[0].x, layout.Rechts[3] - 20);
  EXPECT_EQ(Finde(seite, "4,0").size() + Finde(seite, " 4,0").size(), 1u);
}

TEST_F(DepDruck, OnePagePerSheetKeepsTheFirstUnderTheHeader) {
  o.d1s = true;
  auto p = Drucke({s->mue, s->sch, s->ber});
  ASSERT_EQ(p->PageCount(), 3);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat MUE"), 1);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat SCH"), 2);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat BER"), 3);
  o.d1s = false;
  EXPECT_EQ(Drucke({s->mue, s->sch, s->ber})->PageCount(), 1);
}

TEST_F(DepDruck, ClassListPutsFurtherClassesAloneOnTheirLines) {
  s->sportSch->FuegeKlasseHinzu(s->k6a);
  o.dkl = true;
  TDeputatDruck druck(*s->schule, o);
  EXPECT_EQ(druck.Zeilen(*s->sportSch), 3);
  EXPECT_EQ(druck.Zeilen(*s->deutsch5a), 1);
  auto p = Drucke({s->spo});
  const TDruckSeite& seite = *p->PageMetafile(1);
  const auto sch = Finde(seite, "SCH");
  ASSERT_EQ(sch.size(), 1u);
  const int y = sch[0].y;
  for (const auto& [klasse, zeile] : std::vector<std::pair<std::string, int>>{{"5b", 1}, {"6a", 2}}) {
    const auto t = Finde(seite, klasse);
    ASSERT_GE(t.size(), 1u) << klasse;
    EXPECT_EQ(t[0].y, y + zeile * 20) << klasse;
    EXPECT_EQ(t[0].x, layout.Rechts[4] - 20) << klasse;
    for (const auto& anderer : Texte(seite))
      if (anderer.y == t[0].y) {
        EXPECT_EQ(anderer.text, klasse);
      }
  }
}

TEST_F(DepDruck, AllCoursesPrintOnlyCourseLines) {
  o.dda = 5;
  auto p = Drucke({});
  const TDruckSeite& seite = *p->PageMetafile(1);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat"), 0);
  EXPECT_EQ(Seite(*p, "Soll:"), 0);
  EXPECT_TRUE(Finde(seite, "Wert").empty());
  int zeilen = 0;
  for (const auto& t : Texte(seite))
    if (t.x + 10 * static_cast<int>(t.text.size()) == layout.Rechts[1] && t.y > 79 + 20) ++zeilen;
  EXPECT_EQ(zeilen, s->schule->Kurse().Anzahl());
}

TEST_F(DepDruck, FlaggedCoursesPrintInItalics) {
  s->mathe5b->SetzeNichtZaehlenLehrer(true);
  auto p = Drucke({s->mue});
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle) {
    if (b.Art != TBefehlsArt::Text) continue;
    const bool markiert = b.Text == "Ma" || b.Text == "5b";
    const bool normal = b.Text == "De" || b.Text == "5a" || b.Text == "Wert";
    if (markiert || normal) {
      EXPECT_EQ(b.Schrift.Kursiv, markiert) << b.Text;
    }
  }
}

TEST_F(DepDruck, AnItalicFontStaysItalicOnEveryLineWithTheFlaggedCoursesToo) {
  o.Schrift.Kursiv = true;
  o.Schrift.Fett = true;
  s->mathe5b->SetzeNichtVerplanen(true);
  for (bool alle : {false, true}) {
    o.dda = alle ? 5 : 0;
    auto p = Drucke({s->mue, s->sch, s->ber});
    int texte = 0;
    for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle) {
      if (b.Art != TBefehlsArt::Text) continue;
      ++texte;
      EXPECT_TRUE(b.Schrift.Kursiv && b.Schrift.Fett) << b.Text;
    }
    EXPECT_GT(texte, 20);
  }
}

TEST_F(DepDruck, ColourFillsTheBandUpToTheRoomColumn) {
  s->deutsch5a->SetzeFarbe(0x00FF00);
  o.dco = true;
  auto p = Drucke({s->mue});
  int baender = 0;
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle)
    if (b.Art == TBefehlsArt::Fuellen && b.Pinsel.Farbe == 0x00FF00) {
      ++baender;
      EXPECT_EQ(b.Ort.links, 79);
      EXPECT_EQ(b.Ort.rechts, layout.Rechts[6]);
      EXPECT_EQ(b.Ort.unten - b.Ort.oben, 20);
    }
  EXPECT_EQ(baender, 1);
}

TEST_F(DepDruck, ASheetThatDoesNotFitStartsANewPage) {
  TDruckGeraet kurz = KleinesGeraet();
  // Page 1 holds MUE's sheet (header, 3 lines, 2 courses, a blank line); SCH needs 2 + 1 more.
  kurz.Blatt.y = kurz.Seite.y = 79 + 3 * 20 + 6 * 20 + 2 * 20;
  auto p = Drucke({s->mue, s->sch}, kurz);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat MUE"), 1);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat SCH"), 2);
  kurz.Blatt.y = kurz.Seite.y = 79 + 3 * 20 + 6 * 20 + 3 * 20;
  p = Drucke({s->mue, s->sch}, kurz);
  EXPECT_EQ(Seite(*p, "Lehrerdeputat SCH"), 1);
}

TEST_F(DepDruck, NoElementsPrintTheHeaderOnly) {
  auto p = Drucke({});
  ASSERT_EQ(p->PageCount(), 1);
  EXPECT_EQ(Texte(*p->PageMetafile(1)).size(), 2u);
}

TEST_F(DepDruck, ExtraInfoAddsItsColumnsAndTheInfoText) {
  o.dzu = true;
  s->deutsch5a->SetzeInfo("Förder");
  auto p = Drucke({s->mue});
  ASSERT_EQ(layout.Rechts.size(), 12u);
  const TDruckSeite& seite = *p->PageMetafile(1);
  for (const char* kopf : {"Fakt", "SpT", "Einz", "Tab", "Summe", "Info"})
    EXPECT_EQ(Finde(seite, kopf).size(), 1u);
  const auto info = Finde(seite, "Förder");
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(info[0].x, layout.Rechts[11] + 10);
  EXPECT_EQ(Finde(seite, "Info")[0].x, layout.Rechts[11] + 20);
}

}  // namespace
}  // namespace kolvar
