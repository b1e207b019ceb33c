// The grid of a lesson-distribution table: extra lines for further courses of a class, the
// course hooks, the copy text and the selection's courses.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ansicht/uvlayout.h"
#include "model/stundentext.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class UVLayoutTest : public ::testing::Test {
 protected:
  UVLayoutTest() : s(BaueKleineSchule()) {}
  std::unique_ptr<TKleineSchule> s;
  TSchule& Sch() { return *s->schule; }

  TUVLayout Gebaut(uint8_t ausrichtung) {
    s->uv->SetzeArt(ausrichtung);
    TUVLayout l;
    l.Aufbauen(*s->uv);
    return l;
  }
  // Every body cell of the course as (column, row).
  static std::vector<std::pair<int, int>> Zellen(const TUVLayout& l, const TKurs* k) {
    std::vector<std::pair<int, int>> z;
    for (int r = 1; r < l.Zeilen(); ++r)
      for (int c = 1; c < l.Spalten(); ++c)
        if (l.Kurs(c, r) == k) z.emplace_back(c, r);
    return z;
  }
  // No course stands twice in one class's lines of one column, and the index counts the line.
  static void PruefeInvarianten(const TUVLayout& l) {
    for (int r = 1; r < l.Zeilen(); ++r)
      for (int c = 1; c < l.Spalten(); ++c) {
        const TKurs* k = l.Kurs(c, r);
        if (!k) continue;
        const TKlasse* klasse = l.KlasseBei(c, r);
        EXPECT_TRUE(k->Klassen().Position(klasse) != 0);
        int erste = l.NachFaechern() ? r : c;
        while (erste > 1 && (l.NachFaechern() ? l.ZeilenKopf(erste - 1) : l.SpaltenKopf(erste - 1)) == klasse)
          --erste;
        EXPECT_EQ(l.Index(c, r), (l.NachFaechern() ? r : c) - erste);
      }
  }
};

TEST_F(UVLayoutTest, BySubjectsAClassWithTwoCoursesOfOneSubjectTakesAnExtraRow) {
  TUVLayout l = Gebaut(1);
  ASSERT_EQ(l.Zeilen(), 3);   // 5a, 5b
  ASSERT_EQ(l.Spalten(), 3);  // De, Ma
  EXPECT_EQ(l.SpaltenKopf(1), s->de);
  EXPECT_EQ(l.ZeilenKopf(2), s->k5b);
  EXPECT_EQ(l.Kurs(1, 1), s->deutsch5a);
  EXPECT_EQ(l.Kurs(2, 2), s->mathe5b);

  TKurs* zweiter = Sch().ErzeugeKurs(s->sch, s->k5a, nullptr, s->de, nullptr, 2);
  l.Aufbauen(*s->uv);
  ASSERT_EQ(l.Zeilen(), 4);
  EXPECT_EQ(l.ZeilenKopf(2), s->k5a);
  EXPECT_EQ(l.Kurs(1, 2), zweiter);
  EXPECT_EQ(l.Index(1, 2), 1);
  EXPECT_EQ(l.Kurs(2, 2), nullptr);
  PruefeInvarianten(l);

  // Removing leaves the cell empty; the next course of the class fills it, no row is added.
  l.KursEntfernen(zweiter);
  EXPECT_TRUE(Zellen(l, zweiter).empty());
  TKurs* dritter = Sch().ErzeugeKurs(s->ber, s->k5a, nullptr, s->de, nullptr, 1);
  l.KursEintragen(dritter);
  EXPECT_EQ(l.Zeilen(), 4);
  EXPECT_EQ(l.Kurs(1, 2), dritter);
  // Entering it again changes nothing.
  l.KursEintragen(dritter);
  EXPECT_EQ(Zellen(l, dritter).size(), 1u);
  PruefeInvarianten(l);
}

TEST_F(UVLayoutTest, ByTeachersATeacherWithTwoCoursesInOneClassTakesAnExtraColumn) {
  TUVLayout l = Gebaut(0);
  // MUE, SCH down; SCH has Ma and Sp in 5a: 5a takes two columns, then 5b.
  ASSERT_EQ(l.Zeilen(), 3);
  ASSERT_EQ(l.Spalten(), 4);
  EXPECT_EQ(l.SpaltenKopf(1), s->k5a);
  EXPECT_EQ(l.SpaltenKopf(2), s->k5a);
  EXPECT_EQ(l.SpaltenKopf(3), s->k5b);
  EXPECT_EQ(l.ZeilenKopf(2), s->sch);
  EXPECT_EQ(Zellen(l, s->sportSch).size(), 2u);  // once in 5a, once in 5b
  EXPECT_EQ(l.ZweiterText(*s->mathe5b, false), "Ma");
  EXPECT_EQ(l.ZweiterText(*s->sportSch, true), "SPO");
  PruefeInvarianten(l);
}

TEST_F(UVLayoutTest, ACourseOfTwoClassesIsItalicInTheSecondClassOnly) {
  s->uv->FuegeFachHinzu(s->sp);
  TUVLayout l = Gebaut(1);
  std::map<const TKlasse*, int> je;
  for (auto [c, r] : Zellen(l, s->sportBer)) {
    ++je[l.KlasseBei(c, r)];
    EXPECT_EQ(l.Kursiv(c, r), l.KlasseBei(c, r) == s->k5b);
  }
  EXPECT_EQ(je[s->k5a], 1);
  EXPECT_EQ(je[s->k5b], 1);
}

TEST_F(UVLayoutTest, AClassWhoseLinesAreTheLastGetsANewLineWhenAllAreTaken) {
  for (uint8_t ausrichtung : {uint8_t{0}, uint8_t{1}}) {
    SCOPED_TRACE(ausrichtung);
    TUVLayout l = Gebaut(ausrichtung);
    const int vorher = ausrichtung ? l.Zeilen() : l.Spalten();
    // 5b is the last class; a second Ma course of MUE in 5b needs a further line in both orientations.
    TKurs* neu = Sch().ErzeugeKurs(s->mue, s->k5b, nullptr, s->ma, nullptr, 1);
    l.KursEintragen(neu);
    EXPECT_EQ(ausrichtung ? l.Zeilen() : l.Spalten(), vorher + 1);
    const auto z = Zellen(l, neu);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(l.Index(z[0].first, z[0].second), 1);
    PruefeInvarianten(l);
    Sch().LoescheKurs(neu);
  }
}

TEST_F(UVLayoutTest, AChangedCourseMovesOnlyWhereItNoLongerBelongs) {
  TUVLayout l = Gebaut(1);
  // Into the empty cell a course was made in; a refresh keeps it there.
  TKurs* neu = Sch().ErzeugeKurs(s->ber, s->k5b, nullptr, s->de, nullptr, 1);
  ASSERT_TRUE(l.SetzeKurs(1, 2, neu));
  EXPECT_FALSE(l.SetzeKurs(1, 2, s->deutsch6a));
  l.KursAktualisieren(neu);
  EXPECT_EQ(Zellen(l, neu), (std::vector<std::pair<int, int>>{{1, 2}}));
  // Another subject: the old cell empties, the new column takes it.
  neu->SetzeFach(s->ma);
  l.KursAktualisieren(neu);
  ASSERT_EQ(Zellen(l, neu).size(), 1u);
  EXPECT_EQ(l.SpaltenKopf(Zellen(l, neu)[0].first), s->ma);
  EXPECT_EQ(l.Kurs(1, 2), nullptr);
  // A subject the table does not show: it leaves the table.
  neu->SetzeFach(s->sp);
  l.KursAktualisieren(neu);
  EXPECT_TRUE(Zellen(l, neu).empty());
  PruefeInvarianten(l);
}

TEST_F(UVLayoutTest, CoursesOutsideTheTableAreNotEntered) {
  TUVLayout l = Gebaut(1);
  const TKurs* ohneKlasse = Sch().ErzeugeKurs(s->mue, nullptr, nullptr, s->de, nullptr, 1);
  TKurs* fremdesFach = Sch().ErzeugeKurs(s->mue, s->k5a, nullptr, s->sp, nullptr, 1);
  TKurs* fremdeKlasse = Sch().ErzeugeKurs(s->mue, s->k6a, nullptr, s->de, nullptr, 1);
  for (TKurs* k : {const_cast<TKurs*>(ohneKlasse), fremdesFach, fremdeKlasse, static_cast<TKurs*>(nullptr)})
    l.KursEintragen(k);
  EXPECT_EQ(l.Zeilen(), 3);
  EXPECT_TRUE(Zellen(l, fremdesFach).empty());
  EXPECT_TRUE(Zellen(l, fremdeKlasse).empty());
}

TEST_F(UVLayoutTest, AnEmptyTableHasOnlyTheCornerCell) {
  TUVTab* leer = Sch().NeueUVTab("LEER");
  leer->FuegeKlasseHinzu(s->k5a);  // classes without subjects
  TUVLayout l;
  l.Aufbauen(*leer);
  EXPECT_EQ(l.Zeilen(), 1);
  EXPECT_EQ(l.Spalten(), 1);
  EXPECT_EQ(l.Kurs(1, 1), nullptr);
  EXPECT_EQ(l.ZeilenKopf(1), nullptr);
  EXPECT_FALSE(l.ExtraLinie(1));
  EXPECT_EQ(l.Kopiertext(s->standard, false), std::vector<std::string>{""});
}

TEST_F(UVLayoutTest, AnExtraLineFollowsItsClassAndCountsTheLinesAfterIt) {
  TKurs* zweiter = Sch().ErzeugeKurs(s->sch, s->k5a, nullptr, s->de, nullptr, 2);
  TUVLayout l = Gebaut(1);
  ASSERT_EQ(l.Kurs(1, 2), zweiter);
  EXPECT_TRUE(l.ExtraLinie(1));
  EXPECT_EQ(l.Zeilen(), 5);
  EXPECT_EQ(l.ZeilenKopf(2), s->k5a);
  EXPECT_EQ(l.Kurs(1, 2), nullptr);
  EXPECT_EQ(l.Kurs(1, 3), zweiter);
  EXPECT_EQ(l.Index(1, 3), 2);
  PruefeInvarianten(l);
}

TEST_F(UVLayoutTest, TheCopyTextHasTwoTabsPerHeaderAndZeroForEmptyCells) {
  TUVLayout l = Gebaut(1);
  const std::string vier = FormatiereStunden(4, s->standard), drei = FormatiereStunden(3, s->standard);
  const std::vector<std::string> erwartet{"\t\tDe\t\tMa", "5a\t" + vier + "\tMUE\t" + vier + "\tSCH",
                                          "5b\t0\t\t" + drei + "\tMUE"};
  EXPECT_EQ(l.Kopiertext(s->standard, false), erwartet);
}

TEST_F(UVLayoutTest, ASelectionHoldingACourseInSeveralCellsYieldsItOnceBottomRowFirst) {
  s->uv->FuegeFachHinzu(s->sp);
  TUVLayout l = Gebaut(1);
  const std::vector<TKurs*> kurse = l.KurseIn(0, 0, l.Spalten() - 1, l.Zeilen() - 1);
  std::vector<TKurs*> sortiert = kurse,
                      erwartet{s->deutsch5a, s->mathe5b, s->mathe5a, s->sportSch, s->sportBer};
  std::sort(sortiert.begin(), sortiert.end());
  std::sort(erwartet.begin(), erwartet.end());
  EXPECT_EQ(sortiert, erwartet);
  // The bottom row is 5b's.
  EXPECT_NE(kurse.front()->Klassen().Position(s->k5b), 0);
  EXPECT_EQ(kurse.back()->Klassen().Position(s->k5b), 0);
}

}  // namespace
}  // namespace kolvar
