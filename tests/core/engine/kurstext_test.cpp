// Courses as clipboard text: copying, and pasting all or nothing.

#include <gtest/gtest.h>

#include "engine/kurstext.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

std::string Text(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& z : zeilen) text += z + "\r\n";
  return text;
}

class KursTextTest : public ::testing::Test {
 protected:
  KursTextTest() : s(BaueKleineSchule()) {}
  std::unique_ptr<TKleineSchule> s;
};

TEST_F(KursTextTest, ACourseWithTwoClassesAndRoomsGetsOneContinuationLineUnlessShift) {
  s->sportSch->FuegeRaumHinzu(s->r101, false);
  s->sportSch->SetzeInfo("Halle");
  s->sportSch->SetzeNichtZaehlenLehrer(true);
  s->sportSch->SetzeEinzelstunden(0);
  EXPECT_EQ(TKursText::Zeilen({s->sportSch}, false),
            (std::vector<std::string>{"1\t2\tSCH\tSp\t5a\tSPO\tTH\tHalle\t1\t0\t1\tFALSE\tTRUE\tFALSE",
                                      "\t\t\t\t5b\t\tR101\t\t\t\t\t\t\t"}));
  EXPECT_EQ(TKursText::Zeilen({s->sportSch}, true).size(), 1u);
  EXPECT_TRUE(TKursText::Zeilen({}, false).empty());
}

TEST_F(KursTextTest, PastingTheCopyRecreatesEqualCourses) {
  s->sportSch->FuegeRaumHinzu(s->r101, false);
  s->sportSch->SetFaktor(3);
  s->sportSch->SetzeStundenProTag(2);
  s->sportSch->SetzeEinzelstunden(1);
  s->sportSch->SetzeTabelle(4);
  s->sportSch->SetzeNichtVerplanen(true);
  const std::vector<TKurs*> quelle{s->sportSch, s->deutsch6a};
  const TKursText text = TKursText::Lies(Text(TKursText::Zeilen(quelle, false)));
  ASSERT_TRUE(text.Gueltig());
  EXPECT_TRUE(text.KuerzelPruefen(*s->schule));
  const int vorher = s->schule->Kurse().Anzahl();
  const std::vector<TKurs*> neu = text.KurseEinfuegen(*s->schule);
  ASSERT_EQ(neu.size(), 2u);
  EXPECT_EQ(s->schule->Kurse().Anzahl(), vorher + 2);
  for (std::size_t i = 0; i < neu.size(); ++i) {
    const TKurs& a = *quelle[i];
    const TKurs& b = *neu[i];
    EXPECT_EQ(b.Lehrer(), a.Lehrer());
    EXPECT_EQ(b.Fach(), a.Fach());
    EXPECT_EQ(b.Kopplung(), a.Kopplung());
    EXPECT_EQ(b.Klassen().Elemente(), a.Klassen().Elemente());
    EXPECT_EQ(b.Raeume().Elemente(), a.Raeume().Elemente());
    EXPECT_EQ(b.Stunden(-1), a.Stunden(-1));
    EXPECT_EQ(b.Faktor(), a.Faktor());
    EXPECT_EQ(b.StundenProTag(), a.StundenProTag());
    EXPECT_EQ(b.Einzelstunden(), a.Einzelstunden());
    EXPECT_EQ(b.Tabelle(), a.Tabelle());
    EXPECT_EQ(b.NichtVerplanen(), a.NichtVerplanen());
  }
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(KursTextTest, FlagsAreTrueInAnyCase) {
  for (const char* wahr : {"true", "True", "TRUE"}) {
    const TKursText t = TKursText::Lies(std::string("1\t2\t\t\t\t\t\t\t1\t0\t1\t") + wahr + "\tx\tFALSE");
    ASSERT_TRUE(t.Gueltig());
    EXPECT_TRUE(t.Eintraege()[0].NichtVerplanen);
    EXPECT_FALSE(t.Eintraege()[0].NichtZaehlenLehrer);
  }
}

TEST_F(KursTextTest, ABadLineAnywhereRefusesTheWholeText) {
  const std::string gut = "1\t2\tMUE\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE\tFALSE\tFALSE";
  struct Fall {
    const char* name;
    std::string zeile;
  } faelle[] = {
      {"factor not a number", "x\t2\tMUE\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE\tFALSE\tFALSE"},
      {"hours not a number", "1\t2.5\tMUE\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE\tFALSE\tFALSE"},
      {"table not a number", "1\t2\tMUE\tDe\t5a\t\tR101\t\t1\t0\t\tFALSE\tFALSE\tFALSE"},
      {"too few fields", "1\t2\tMUE\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE"},
      {"abbreviation too long", "1\t2\tMUELLERX\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE\tFALSE\tFALSE"},
      {"empty line", ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const TKursText t = TKursText::Lies(gut + "\n" + gut + "\n" + f.zeile + "\n" + gut);
    EXPECT_FALSE(t.Gueltig());
    EXPECT_EQ(t.FehlerZeile(), 3);
    const int vorher = s->schule->Kurse().Anzahl();
    EXPECT_TRUE(t.KurseEinfuegen(*s->schule).empty());
    EXPECT_EQ(s->schule->Kurse().Anzahl(), vorher);
  }
  // A continuation before any course line.
  const TKursText fort = TKursText::Lies("\t\t\t\t5b\t\t\t\t\t\t\t\t\t\n" + gut);
  EXPECT_FALSE(fort.Gueltig());
  EXPECT_EQ(fort.FehlerZeile(), 1);
  EXPECT_TRUE(TKursText::Lies("").Gueltig());
}

TEST_F(KursTextTest, UnknownAbbreviationsAreFoundAndCreatedAtTheEndOfTheirLists) {
  const TKursText t = TKursText::Lies(
      "1\t2\tNEU\tDe\t5a\t\tR101\t\t1\t0\t1\tFALSE\tFALSE\tFALSE\n"
      "\t\t\t\t7c\t\tR999\t\t\t\t\t\t\t");
  ASSERT_TRUE(t.Gueltig());
  EXPECT_FALSE(t.KuerzelPruefen(*s->schule));
  const int lehrer = s->schule->Lehrer().Anzahl();
  const std::vector<TKurs*> neu = t.KurseEinfuegen(*s->schule);
  ASSERT_EQ(neu.size(), 1u);
  EXPECT_EQ(s->schule->Lehrer().Anzahl(), lehrer + 1);
  EXPECT_EQ(s->schule->Lehrer().Hole(lehrer + 1), neu[0]->Lehrer());
  EXPECT_EQ(neu[0]->Klassen().Anzahl(), 2);
  EXPECT_EQ(neu[0]->Raeume().Hole(2)->Kuerzel(), "R999");
  EXPECT_TRUE(t.KuerzelPruefen(*s->schule));
}

}  // namespace
}  // namespace kolvar
