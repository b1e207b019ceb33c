#include "druck/fachuebersichtdruck.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class FachUebersichtDruck : public ::testing::Test {
 protected:
  void Baue(int versionen = 1) {
    s = BaueKleineSchule(versionen);
    SetzeEinigeStunden(*s);
  }
  std::unique_ptr<TPrevPrinter> Drucke(const TFach* von, const TFach* bis, int hoehe = 2800) {
    TDruckGeraet g = KleinesGeraet();
    g.Blatt.y = g.Seite.y = hoehe;
    auto p = std::make_unique<TPrevPrinter>(g, messer);
    TFachUebersichtDruck druck(*s->schule, o);
    p->BeginRecord();
    druck.Drucke(*p, von, bis);
    p->EndRecord();
    spalten = druck.Spalten();
    return p;
  }
  // The texts of the row at y, left to right.
  static std::vector<std::string> Zeile(const TDruckSeite& seite, int y) {
    std::vector<std::string> z;
    for (const TGefundenerText& t : Texte(seite))
      if (t.y == y) z.push_back(t.text);
    return z;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TFachUebersichtDruckOptionen o;
  TFachUebersichtSpalten spalten;
};

TEST_F(FachUebersichtDruck, OneSubjectTakesItsTitleFromTheHeaderAndListsItsHoursDayByDayInCourseOrder) {
  Baue();
  o.funa = false;
  auto p = Drucke(s->de, s->de);
  ASSERT_EQ(p->PageCount(), 1);
  const TDruckSeite& seite = *p->PageMetafile(1);
  // Date 79, title 99, remark 119, subject 159, rows from 199.
  ASSERT_EQ(Finde(seite, "De ").size(), 1u);
  EXPECT_EQ(Finde(seite, "De ").front().y, 159);
  EXPECT_EQ(Finde(seite, "Bemerkung").front().y, 119);
  const std::string& erste = s->standard.sp[0][0];
  const std::string& zweite = s->standard.sp[0][1];
  EXPECT_EQ(Zeile(seite, 199), (std::vector<std::string>{"Mo", erste, "5a", "R101", "MUE"}));
  EXPECT_EQ(Zeile(seite, 219), (std::vector<std::string>{"Di", zweite, "5a", "R101", "MUE"}));
  EXPECT_EQ(Zeile(seite, 239), (std::vector<std::string>{"Di", erste, "6a", "BER"})) << "no room";
  EXPECT_TRUE(Zeile(seite, 259).empty());
}

TEST_F(FachUebersichtDruck, TheProgramsSettingsPrintNoRemarkUnderTheHeader) {
  Baue();
  o = TStandard().FachUebersichtDruck;
  auto p = Drucke(s->de, s->ma, 300);
  ASSERT_GE(p->PageCount(), 2);
  for (int n = 1; n <= p->PageCount(); ++n) {
    const TDruckSeite& seite = *p->PageMetafile(n);
    EXPECT_TRUE(Finde(seite, "Bemerkung").empty()) << "page " << n;
    // Date 79, title 99, the subject right under them.
    EXPECT_EQ(Texte(seite).at(2).y, 119) << "page " << n;
  }
}

TEST_F(FachUebersichtDruck, EverySubjectOfTheRangeGetsItsTitleEvenWithoutHours) {
  Baue();
  TFach* ku = s->schule->NeuesFach("Ku");
  o.fubm.clear();
  auto p = Drucke(s->ma, ku);
  const auto texte = Texte(*p->PageMetafile(1));
  ASSERT_FALSE(texte.empty());
  EXPECT_EQ(texte.back().text, "Ku ");
  // Maths from the header at 119, its three hours, a blank line, then sport's title.
  EXPECT_EQ(Finde(*p->PageMetafile(1), "Ma ").front().y, 119);
  EXPECT_EQ(Finde(*p->PageMetafile(1), "Sp ").front().y, 159 + 3 * 20 + 20);
  EXPECT_EQ(texte.back().y, 159 + 3 * 20 + 20 + 20 + 2 * 20 + 20);
}

TEST_F(FachUebersichtDruck, CouplingInPlaceOfTheClassOrInItsOwnColumn) {
  Baue();
  o.fuku = o.funa = o.fura = false;
  struct Fall {
    bool fust, fuko;
    std::vector<std::string> zeile;
    int kopplungX;  // from the class column
  };
  for (const Fall& f : std::vector<Fall>{{true, false, {"SPO"}, 0}, {false, true, {"5a", "SPO"}, 1}}) {
    o.fust = f.fust;
    o.fuko = f.fuko;
    auto p = Drucke(s->sp, s->sp);
    const TDruckSeite& seite = *p->PageMetafile(1);
    const std::vector<std::string> zeile = Zeile(seite, 199);
    ASSERT_EQ(zeile.size(), 2 + f.zeile.size());
    EXPECT_EQ(std::vector<std::string>(zeile.begin() + 2, zeile.end()), f.zeile);
    const int x = 79 + spalten.Tag + spalten.Stunde;
    EXPECT_EQ(Finde(seite, "SPO").front().x, x + f.kopplungX * spalten.Klasse);
    EXPECT_EQ(spalten.Klasse, f.fust ? 50 : 40) << "in place of the class it takes the coupling's width";
  }
}

TEST_F(FachUebersichtDruck, OnlyTheCurrentVersionsHoursAppear) {
  Baue(2);
  s->deutsch5a->Setze(2, 4, s->r101, 1);
  for (int version : {1, 2}) {
    s->standard.SetAktuelleVersion(version);
    auto p = Drucke(s->de, s->de);
    EXPECT_EQ(Finde(*p->PageMetafile(1), "Do").size(), version == 2 ? 1u : 0u);
  }
}

TEST_F(FachUebersichtDruck, ARowWithLessThanFiveLinesLeftStartsAPageWithTheSubjectsHeader) {
  Baue();
  auto p = Drucke(s->de, s->de, 300);
  ASSERT_EQ(p->PageCount(), 3);
  for (int i = 1; i <= 3; ++i) {
    ASSERT_EQ(Finde(*p->PageMetafile(i), "De ").size(), 1u);
    EXPECT_EQ(Zeile(*p->PageMetafile(i), 199).size(), i == 3 ? 4u : 5u) << "teachers have no names";
  }
}

TEST_F(FachUebersichtDruck, AHeadingNeverStandsAloneAtTheFootOfAPage) {
  Baue();
  const std::vector<std::string> titel{TFachUebersichtDruck::TitelZeile(*s->de),
                                       TFachUebersichtDruck::TitelZeile(*s->ma),
                                       TFachUebersichtDruck::TitelZeile(*s->sp)};
  int umbrueche = 0;
  // From the smallest sheet that holds the head and one row.
  for (int hoehe = 300; hoehe <= 520; hoehe += 5) {
    auto p = Drucke(s->de, s->sp, hoehe);
    umbrueche += p->PageCount() - 1;
    for (int n = 1; n <= p->PageCount(); ++n) {
      const std::vector<TGefundenerText> texte = Texte(*p->PageMetafile(n));
      int unten = 0;
      for (const TGefundenerText& t : texte) unten = std::max(unten, t.y);
      for (const TGefundenerText& t : texte) {
        if (t.y != unten) continue;
        EXPECT_EQ(std::count(titel.begin(), titel.end(), t.text), 0)
            << t.text << " last on page " << n << " of a sheet " << hoehe << " high";
      }
    }
    // Every subject's heading is there, and its rows.
    int zeilen = 0;
    for (int n = 1; n <= p->PageCount(); ++n)
      zeilen += static_cast<int>(Finde(*p->PageMetafile(n), "5a").size());
    EXPECT_GT(zeilen, 0);
  }
  EXPECT_GT(umbrueche, 20);
}

TEST_F(FachUebersichtDruck, TitleLineCutsTheAbbreviationAndBlankAtEightAndTheWholeAtTwentyNine) {
  Baue();
  TFach* f = s->schule->NeuesFach("Deutsch");
  struct Fall {
    const char *name, *titel;
  };
  for (const Fall& fall : std::vector<Fall>{{"", "Deutsch "},
                                            {"Literatur", "Deutsch Literatur"},
                                            {"Deutsch als Fremdsprac", "Deutsch Deutsch als Fremdspra"}}) {
    f->SetzeName(fall.name);
    EXPECT_EQ(TFachUebersichtDruck::TitelZeile(*f), fall.titel);
  }
  EXPECT_EQ(TFachUebersichtDruck::TitelZeile(*s->de), "De ");
}

TEST_F(FachUebersichtDruck, NoSubjectRecordsNothing) {
  Baue();
  auto p = Drucke(nullptr, nullptr);
  ASSERT_EQ(p->PageCount(), 1);
  EXPECT_TRUE(Texte(*p->PageMetafile(1)).empty());
}

}  // namespace
}  // namespace kolvar
