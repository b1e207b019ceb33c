// Exchanging two time slots for the whole school: conflicts, the rows of the conflict list and
// the swap itself, on the occupancy grids as well as the placements.

#include <gtest/gtest.h>

#include "planhilfe.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

TEST(SchulTausch, AnHourAloneMovesToTheOtherSlotAndTwoSwapsGiveTheOldPlan) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  s->mathe5a->FindeSetzung(1, 2, 3)->SetFixiert(false);
  TSchule& sch = *s->schule;
  const std::string vorher = Planstand(sch);
  EXPECT_FALSE(sch.TauschKonflikt(1, 1, 4, 6));
  sch.TauscheStunden(1, 1, 4, 6);  // Monday 1 held by deutsch5a only
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  ASSERT_NE(s->deutsch5a->FindeSetzung(1, 4, 6), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 4, 6)->Raum(), s->r101);
  EXPECT_TRUE(PruefeModell(sch).empty());
  sch.TauscheStunden(4, 6, 1, 1);
  EXPECT_EQ(Planstand(sch), vorher);
}

TEST(SchulTausch, CoupledHoursAndHoursOfBothSlotsChangePlaces) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  s->deutsch5a->Setze(1, 3, s->r101, 1);  // Wednesday 1 and Wednesday 5 (sport)
  sch.TauscheStunden(3, 1, 3, 5);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_NE(s->sportBer->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_EQ(s->sportBer->FindeSetzung(1, 3, 1)->Raum(), s->r102);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 3, 5), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_TRUE(s->k5b->Belegung().Belegt(1, 3, 1));
  EXPECT_FALSE(s->k5b->Belegung().Belegt(1, 3, 5));
  EXPECT_TRUE(PruefeModell(sch).empty());
}

TEST(SchulTausch, FixedHoursAndLocksAtTheOtherSlotAreConflicts) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);  // mathe5a is fixed on Tuesday 3
  TSchule& sch = *s->schule;
  EXPECT_TRUE(sch.TauschKonflikt(2, 3, 5, 5));
  EXPECT_TRUE(sch.TauschKonflikt(5, 5, 2, 3));  // either direction
  EXPECT_FALSE(sch.TauschKonflikt(1, 1, 5, 5));
  s->mue->Sperrung().SetzeBereich(1, 5, 5, true);
  EXPECT_TRUE(sch.TauschKonflikt(1, 1, 5, 5));  // MUE is locked where deutsch5a would go
  const std::vector<std::string> zeilen = sch.TauschKonflikte(1, 1, 5, 5);
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].rfind("gesperrt {1} MUE", 0), 0u) << zeilen[0];
  // After the swap the teacher's lock has gone where the hour now stands; the hour is unfixed.
  sch.TauscheStunden(1, 1, 5, 5);
  EXPECT_FALSE(s->mue->Sperrung().Belegt(1, 5, 5));
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 5, 5), nullptr);
  EXPECT_TRUE(PruefeModell(sch).empty());
}

TEST(SchulTausch, EveryVersionGivesItsOwnRowsWhenActingOnAll) {
  auto s = BaueKleineSchule(3);
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  s->standard.SetNurAktuelleVersion(false);
  s->mathe5a->FindeSetzung(2, 2, 3)->SetFixiert(false);
  const std::vector<std::string> zeilen = sch.TauschKonflikte(2, 3, 4, 4);
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_EQ(zeilen[0].rfind("fixiert {1} SCH", 0), 0u) << zeilen[0];
  EXPECT_EQ(zeilen[1].rfind("fixiert {3} SCH", 0), 0u) << zeilen[1];
  // Acting on the current version only sees that one.
  s->standard.SetNurAktuelleVersion(true);
  s->standard.SetAktuelleVersion(2);
  EXPECT_TRUE(sch.TauschKonflikte(2, 3, 4, 4).empty());
  EXPECT_FALSE(sch.TauschKonflikt(2, 3, 4, 4));
  sch.TauscheStunden(2, 3, 4, 4);
  EXPECT_NE(s->mathe5a->FindeSetzung(2, 4, 4), nullptr);
  EXPECT_NE(s->mathe5a->FindeSetzung(1, 2, 3), nullptr);  // other versions stay
  EXPECT_TRUE(PruefeModell(sch).empty());
}

}  // namespace
}  // namespace kolvar
