// Exchanging two time slots for the whole school: conflicts, the rows of the conflict list and
// the swap itself, on the occupancy grids as well as the placements.

#include <gtest/gtest.h>

#include "planhilfe.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class SchulTausch : public ::testing::Test {
 protected:
  void Baue(int versionen) {
    s = BaueKleineSchule(versionen);
    SetzeEinigeStunden(*s);  // mathe5a is fixed on Tuesday 3
  }
  void TearDown() override {
    for (const std::string& f : PruefeModell(*s->schule)) ADD_FAILURE() << f;
  }
  TSchule& Sch() { return *s->schule; }
  std::unique_ptr<TKleineSchule> s;
};

TEST_F(SchulTausch, FixierteUndGesperrteStundenSindKonflikte) {
  Baue(1);
  EXPECT_TRUE(Sch().TauschKonflikt(2, 3, 4, 4));
  EXPECT_TRUE(Sch().TauschKonflikt(4, 4, 2, 3));  // either direction
  EXPECT_FALSE(Sch().TauschKonflikt(1, 1, 4, 4));
  EXPECT_FALSE(Sch().TauschKonflikt(2, 3, 2, 3));
  // A lock of the class, the room or the teacher where the hour would land.
  s->k5a->Sperrung().SetzeBereich(1, 4, 4, true);
  EXPECT_TRUE(Sch().TauschKonflikt(1, 1, 4, 4));
  s->th->Sperrung().SetzeBereich(1, 4, 6, true);
  EXPECT_TRUE(Sch().TauschKonflikt(3, 5, 4, 6));  // the sport hour keeps its room TH
  EXPECT_FALSE(Sch().TauschKonflikt(1, 1, 5, 5));
  s->mue->Sperrung().SetzeBereich(1, 5, 5, true);
  EXPECT_TRUE(Sch().TauschKonflikt(1, 1, 5, 5));
  const std::vector<std::string> zeilen = Sch().TauschKonflikte(1, 1, 5, 5);
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].rfind("gesperrt {1} MUE", 0), 0u) << zeilen[0];
  // After the swap the teacher's lock has gone where the hour now stands.
  Sch().TauscheStunden(1, 1, 5, 5);
  EXPECT_FALSE(s->mue->Sperrung().Belegt(1, 5, 5));
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 5, 5), nullptr);
}

TEST_F(SchulTausch, StundenWechselnMitIhrenRaeumenUndZweiTauscheGebenDenAltenPlan) {
  Baue(1);
  s->mathe5a->FindeSetzung(1, 2, 3)->SetFixiert(false);
  const std::string vorher = Planstand(Sch());
  // One slot occupied: the hour moves with its room.
  EXPECT_FALSE(Sch().TauschKonflikt(1, 1, 4, 6));
  Sch().TauscheStunden(1, 1, 4, 6);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  ASSERT_NE(s->deutsch5a->FindeSetzung(1, 4, 6), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 4, 6)->Raum(), s->r101);
  Sch().TauscheStunden(4, 6, 1, 1);
  EXPECT_EQ(Planstand(Sch()), vorher);
  // Both occupied: exchanged, each with the room it had.
  Sch().TauscheStunden(1, 1, 1, 2);
  ASSERT_NE(s->deutsch5a->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 2)->Raum(), s->r101);
  ASSERT_NE(s->mathe5b->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 1)->Raum(), s->r102);
  // A fixed hour moves unfixed.
  s->mathe5a->FindeSetzung(1, 2, 3)->SetFixiert(true);
  Sch().TauscheStunden(2, 3, 4, 4);
  ASSERT_NE(s->mathe5a->FindeSetzung(1, 4, 4), nullptr);
  EXPECT_FALSE(s->mathe5a->FindeSetzung(1, 4, 4)->Fixiert());
}

TEST_F(SchulTausch, GekoppelteStundenWechselnGemeinsam) {
  Baue(1);
  s->deutsch5a->Setze(1, 3, s->r101, 1);  // Wednesday 1 and Wednesday 5 (sport)
  Sch().TauscheStunden(3, 1, 3, 5);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 3, 1), nullptr);
  ASSERT_NE(s->sportBer->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_EQ(s->sportBer->FindeSetzung(1, 3, 1)->Raum(), s->r102);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 3, 5), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_TRUE(s->k5b->Belegung().Belegt(1, 3, 1));
  EXPECT_FALSE(s->k5b->Belegung().Belegt(1, 3, 5));
}

TEST_F(SchulTausch, KeineStundeGehtVerloren) {
  Baue(1);
  s->deutsch6a->SetzeNichtVerplanen(true);
  s->mathe5b->SetzeStunden(1, 0);  // more placed than counted
  s->deutsch5a->SetzeStunden(1, -1);
  Sch().TauscheStunden(2, 1, 1, 2);
  Sch().TauscheStunden(1, 1, 3, 1);
  EXPECT_NE(s->deutsch6a->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_NE(s->mathe5b->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_EQ(s->deutsch6a->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->mathe5b->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->deutsch5a->Setzungen().Anzahl(), 2);
}

TEST_F(SchulTausch, GleicherSlotUndVersionen) {
  Baue(3);
  const std::string vorher = Fingerabdruck(Sch());
  Sch().TauscheStunden(2, 3, 2, 3);  // would unfix the fixed hour for nothing
  EXPECT_EQ(Fingerabdruck(Sch()), vorher);
  EXPECT_TRUE(s->mathe5a->FindeSetzung(1, 2, 3)->Fixiert());
  // Acting on every version: one row per version.
  s->standard.SetNurAktuelleVersion(false);
  s->mathe5a->FindeSetzung(2, 2, 3)->SetFixiert(false);
  const std::vector<std::string> zeilen = Sch().TauschKonflikte(2, 3, 4, 4);
  ASSERT_EQ(zeilen.size(), 2u);
  EXPECT_EQ(zeilen[0].rfind("fixiert {1} SCH", 0), 0u) << zeilen[0];
  EXPECT_EQ(zeilen[1].rfind("fixiert {3} SCH", 0), 0u) << zeilen[1];
  // Acting on the current version only sees and moves that one.
  s->standard.SetNurAktuelleVersion(true);
  s->standard.SetAktuelleVersion(2);
  EXPECT_TRUE(Sch().TauschKonflikte(2, 3, 4, 4).empty());
  EXPECT_FALSE(Sch().TauschKonflikt(2, 3, 4, 4));
  Sch().TauscheStunden(2, 3, 4, 4);
  EXPECT_NE(s->mathe5a->FindeSetzung(2, 4, 4), nullptr);
  EXPECT_NE(s->mathe5a->FindeSetzung(1, 2, 3), nullptr);
  Sch().TauscheStunden(1, 1, 6, 1);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(2, 6, 1), nullptr);
  s->standard.SetNurAktuelleVersion(false);
  Sch().TauscheStunden(1, 1, 6, 1);  // every version: version 1 moves, version 2 comes back
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 6, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(2, 1, 1), nullptr);
}

TEST_F(SchulTausch, WiderrufenStelltDenPlanWiederHer) {
  Baue(1);
  s->palette.undo = true;
  Sch().TauscheStunden(2, 1, 1, 1);
  Sch().TauscheStunden(1, 2, 3, 5);
  Sch().Widerrufe();
  s->palette.undo = false;
  EXPECT_NE(s->deutsch6a->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_NE(s->mathe5b->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 3, 5), nullptr);
  for (TKurs* k : Sch().Kurse())
    EXPECT_EQ(k->Setzungen().Anzahl(), k == s->mathe5a || k == s->deutsch5a ? 2 : 1);
}

}  // namespace
}  // namespace kolvar
