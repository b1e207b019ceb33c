// The plan views' mouse tools on the model: fixing across versions and couplings, the move
// candidates of Ctrl-Schieben, and the cells a plan shows.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ansicht/planzellen.h"
#include "ansicht/planzuege.h"
#include "core/engine/planhilfe.h"
#include "engine/stundenklick.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/standard.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TZellen = std::vector<std::pair<int, int>>;

// Per version 1..3: -1 no hour at the slot, 0 placed, 1 placed and fixed.
using TStand = std::array<int, 3>;

void Lege(TKurs* k, const TStand& stand, int d, int p) {
  for (int v = 1; v <= 3; ++v) {
    if (stand[v - 1] < 0) continue;
    TSetzung* s = k->Setze(v, d, nullptr, p);
    ASSERT_NE(s, nullptr);
    s->SetFixiert(stand[v - 1] == 1);
  }
}

TStand Stand(const TKurs* k, int d, int p) {
  TStand stand{};
  for (int v = 1; v <= 3; ++v) {
    const TSetzung* s = k->FindeSetzung(v, d, p);
    stand[v - 1] = s == nullptr ? -1 : (s->Fixiert() ? 1 : 0);
  }
  return stand;
}

struct TFixFall {
  const char* name;
  bool nurAktuelle;
  int aktuelle;
  bool gekoppelt;  // the sport course of the coupling is clicked, else the German course
  TStand kurs, sportBer;
  TStand kursNachher, sportBerNachher;
  bool fest;
};

// sportBer stands at the slot in every case: the coupling's partner, or a stranger to the
// uncoupled course that must stay as it is.
const TFixFall kFixFaelle[] = {
    {"AllVersionsBecomeFixed", false, 1, false, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, true},
    {"VersionsDifferFirstDecides", false, 1, false, {1, 0, 0}, {1, -1, 0}, {0, 0, 0}, {1, -1, 0}, false},
    {"FirstVersionUnfixedFixesAll", false, 2, false, {0, 1, 1}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, true},
    {"HourMissingInTheFirstVersion", false, 1, false, {-1, 1, 0}, {0, 0, 0}, {-1, 0, 0}, {0, 0, 0}, false},
    {"OnlyTheCurrentVersion", true, 2, false, {1, 0, 1}, {0, 0, 0}, {1, 1, 1}, {0, 0, 0}, true},
    {"NoHourInTheCurrentVersion", true, 1, false, {-1, 0, 0}, {0, 0, 0}, {-1, 0, 0}, {0, 0, 0}, false},
    {"CouplingTakesClickedValue", false, 1, true, {0, 0, -1}, {1, -1, 0}, {1, 1, -1}, {1, -1, 1}, true},
    {"PartnersFirstVersionDoesNotCount", false, 1, true, {-1, 1, 0}, {0, 0, 0}, {-1, 0, 0}, {0, 0, 0}, false},
    {"CouplingInTheCurrentVersionOnly", true, 3, true, {0, 0, 1}, {0, 1, -1}, {0, 0, 0}, {0, 1, -1}, false},
    {"PartnerWithoutTheHourThere", true, 2, true, {1, 0, 0}, {1, -1, 1}, {1, 1, 0}, {1, -1, 1}, true},
};

class FixierenTest : public testing::TestWithParam<TFixFall> {
 protected:
  void SetUp() override {
    const TFixFall& f = GetParam();
    kurs = f.gekoppelt ? s->sportSch : s->deutsch5a;
    Lege(kurs, f.kurs, 2, 3);
    Lege(s->sportBer, f.sportBer, 2, 3);
    s->standard.SetNurAktuelleVersion(f.nurAktuelle);
    s->standard.SetAktuelleVersion(f.aktuelle);
  }

  std::unique_ptr<TKleineSchule> s = BaueKleineSchule(3);
  TKurs* kurs = nullptr;
};

TEST_P(FixierenTest, EveryVersionAndCourseTakesOneValue) {
  const TFixFall& f = GetParam();
  s->deutsch5a->Setze(1, 4, nullptr, 3)->SetFixiert(true);  // another slot stays as it is

  EXPECT_EQ(WechsleFixierung(*kurs, 2, 3), f.fest);
  EXPECT_EQ(Stand(kurs, 2, 3), f.kursNachher);
  EXPECT_EQ(Stand(s->sportBer, 2, 3), f.sportBerNachher);
  EXPECT_TRUE(s->deutsch5a->IstFixiert(1, 4, 3));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_P(FixierenTest, ASecondClickGivesEveryVersionTheOtherValue) {
  const TFixFall& f = GetParam();
  WechsleFixierung(*kurs, 2, 3);
  const bool zweiter = WechsleFixierung(*kurs, 2, 3);
  bool gehalten = false;
  std::vector<const TKurs*> kurse{kurs};
  if (f.gekoppelt) kurse.push_back(s->sportBer);
  for (const TKurs* k : kurse) {
    const TStand nachher = Stand(k, 2, 3);
    for (int v = 1; v <= 3; ++v) {
      if ((f.nurAktuelle && v != f.aktuelle) || nachher[v - 1] < 0) continue;
      EXPECT_EQ(nachher[v - 1] == 1, zweiter) << k->KurzText() << " " << v;
      gehalten = gehalten || k == kurs;
    }
  }
  EXPECT_EQ(zweiter, gehalten && !f.fest);
}

INSTANTIATE_TEST_SUITE_P(Faelle, FixierenTest, testing::ValuesIn(kFixFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// What a case adds to class 5a's plan in version 1: German (MUE, R101) Monday 1, maths (SCH,
// R101) Tuesday 1, the sport coupling (SCH in TH, BER in R102) Wednesday 1.
enum class TZusatz {
  Nichts,
  MatheGesperrt,     // maths may not come to Monday 1
  KlasseGesperrt,    // 5a is locked on Tuesday 1, where maths stands
  BerBelegt,         // BER teaches 6a on Monday 1
  BerBelegtInR101,   // ... in R101
  BerAnderswo,       // ... and BER's sport hour is on Thursday 1
  Mathe5bFreitag,    // MUE teaches 5b, in R102, on Friday 2
  BerBelegtVersion2  // BER teaches 6a on Monday 1 in version 2
};

void Lege(TKleineSchule& s, TZusatz zusatz) {
  switch (zusatz) {
    case TZusatz::Nichts:
      break;
    case TZusatz::MatheGesperrt:
      s.mathe5a->Sperrung().SetzeBereich(1, 1, 1, true);
      break;
    case TZusatz::KlasseGesperrt:
      s.k5a->Sperrung().SetzeBereich(1, 2, 1, true);
      break;
    case TZusatz::BerAnderswo:
      s.sportBer->EntferneStunde(1, 3, 1, false);
      s.sportBer->Setze(1, 4, s.r102, 1);
      [[fallthrough]];
    case TZusatz::BerBelegt:
      s.deutsch6a->Setze(1, 1, nullptr, 1);
      break;
    case TZusatz::BerBelegtInR101:
      s.deutsch6a->Setze(1, 1, s.r101, 1);
      break;
    case TZusatz::Mathe5bFreitag:
      s.mathe5b->Setze(1, 5, s.r102, 2);
      break;
    case TZusatz::BerBelegtVersion2:
      s.deutsch6a->Setze(2, 1, nullptr, 1);
      break;
  }
}

struct TKandidatenFall {
  const char* name;
  int versionen;
  bool nurAktuelle;
  TZusatz zusatz;
  int d, p;
  bool ohneRaum;
  TZellen erwartet;
};

const TKandidatenFall kKandidatenFaelle[] = {
    {"EveryLessonFitsTheLiftedSlot", 1, true, TZusatz::Nichts, 1, 1, false, {{1, 1}, {2, 1}, {3, 1}}},
    {"ACourseLockedAtTheSlotStays", 1, true, TZusatz::MatheGesperrt, 1, 1, false, {{1, 1}, {3, 1}}},
    {"ALockedCellOfThePlanIsNoCandidate", 1, true, TZusatz::KlasseGesperrt, 1, 1, false, {{1, 1}, {3, 1}}},
    {"ACouplingMovesOnlyWhenEveryMemberThereCan", 1, true, TZusatz::BerBelegt, 1, 1, false, {{1, 1}, {2, 1}}},
    {"AMemberElsewhereNeedNotMove", 1, true, TZusatz::BerAnderswo, 1, 1, false, {{1, 1}, {2, 1}, {3, 1}}},
    {"ABusyRoomKeepsTheLessonsOut", 1, true, TZusatz::BerBelegtInR101, 1, 1, false, {}},
    {"WithoutRoomsTheRoomDoesNotCount", 1, true, TZusatz::BerBelegtInR101, 1, 1, true, {{1, 1}, {2, 1}}},
    {"TheWholeCouplingIsLifted", 1, true, TZusatz::Nichts, 3, 1, false, {{1, 1}, {2, 1}, {3, 1}}},
    // MUE and 5b are busy there: German and the coupling stay out.
    {"AnEmptySlotLiftsNothing", 1, true, TZusatz::Mathe5bFreitag, 5, 2, false, {{2, 1}}},
    {"AnotherVersionCountsWithoutEaw", 2, false, TZusatz::BerBelegtVersion2, 1, 1, false, {{1, 1}, {2, 1}}},
    {"EawOnlyCurrentVersion", 2, true, TZusatz::BerBelegtVersion2, 1, 1, false, {{1, 1}, {2, 1}, {3, 1}}},
};

class KandidatenTest : public testing::TestWithParam<TKandidatenFall> {};

TEST_P(KandidatenTest, CandidatesOfTheClassPlanAndTheGridsAsTheyWere) {
  const TKandidatenFall& f = GetParam();
  auto s = BaueKleineSchule(f.versionen);
  s->standard.SetAktuelleVersion(1);
  s->standard.SetNurAktuelleVersion(f.nurAktuelle);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5a->Setze(1, 2, s->r101, 1);
  s->sportSch->Setze(1, 3, s->th, 1);
  s->sportBer->Setze(1, 3, s->r102, 1);
  Lege(*s, f.zusatz);
  TPlanZellen plan;
  plan.Leere(5, 6);
  plan.Fuelle(*s->k5a, 1);
  const std::string vorher = Planstand(*s->schule);

  EXPECT_EQ(SchiebeKandidaten(plan, f.d, f.p, f.ohneRaum, 1), f.erwartet);
  EXPECT_EQ(Planstand(*s->schule), vorher);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

INSTANTIATE_TEST_SUITE_P(Faelle, KandidatenTest, testing::ValuesIn(kKandidatenFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanZellenTest, ARoomPlanShowsItsRoomsHoursAndLockedCellsAreNeverMarked) {
  auto s = BaueKleineSchule(2);
  s->standard.SetNurAktuelleVersion(true);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5a->Setze(1, 1, s->r102, 2);  // another room
  s->mathe5a->Setze(2, 1, s->r101, 3);  // another version
  s->mathe5b->Setze(1, 5, s->r101, 6);  // beyond the days shown
  s->r101->Sperrung().SetzeBereich(1, 1, 1, true);
  s->r101->Sperrung().SetzeBereich(1, 2, 2, true);
  TPlanZellen plan;
  plan.Leere(4, 6);
  plan.Fuelle(*s->r101, 1);
  TZellen belegt;
  for (int d = 0; d <= 5; ++d)
    for (int p = 0; p <= 7; ++p)
      if (plan.Kurs(d, p) != nullptr) belegt.emplace_back(d, p);
  EXPECT_EQ(belegt, (TZellen{{1, 1}}));
  EXPECT_EQ(plan.Marke(1, 1), TMarke::Gesperrt);  // a lesson in a locked slot stays one

  plan.MarkiereWo([](int, int) { return true; });
  plan.Markiere(0, 1);
  plan.Markiere(5, 1);
  EXPECT_EQ(plan.Markierte().size(), 4u * 6u - 2u);
  EXPECT_EQ(plan.Markierte().front(), (std::pair{1, 2}));
  plan.LoescheMarken();
  EXPECT_TRUE(plan.Markierte().empty());
  EXPECT_EQ(plan.Marke(2, 2), TMarke::Gesperrt);
  EXPECT_EQ(plan.Marke(3, 3), TMarke::Keine);
}

// The cells as the rule says: per slot the last course of the element's list with a placement of
// the version there (in a room's plan, a placement in that room), read from the placements.
std::vector<const TKurs*> ErwarteteZellen(const TPlanElement& e, int v, int tage, int stunden) {
  std::vector<const TKurs*> zellen(static_cast<std::size_t>(tage * stunden), nullptr);
  for (const TKurs* k : e.Kurse())
    for (const TSetzung* s : k->Setzungen()) {
      if (s->Version() != v || s->Tag() > tage || s->Stunde() > stunden) continue;
      if (e.Art() == TElementArt::Raum && static_cast<const TElement*>(s->Raum()) != &e) continue;
      zellen[static_cast<std::size_t>((s->Tag() - 1) * stunden + s->Stunde() - 1)] = k;
    }
  return zellen;
}

TEST(PlanZellenTest, EveryPlanOfAGeneratedSchoolShowsItsPlacementsBeforeAndAfterASwap) {
  TStandard standard;
  auto schule = ErzeugeSchule(standard, Profil::Typisch, 3);
  standard.SetNurAktuelleVersion(false);
  auto pruefe = [&](const TPlanElement& e) {
    for (int v = 1; v <= standard.mwn(); ++v) {
      TPlanZellen plan;
      plan.Leere(4, 7);  // fewer days and periods than placed: the rest is not shown
      plan.Fuelle(e, v);
      std::vector<const TKurs*> zellen;
      for (int d = 1; d <= 4; ++d)
        for (int p = 1; p <= 7; ++p) zellen.push_back(plan.Kurs(d, p));
      ASSERT_EQ(zellen, ErwarteteZellen(e, v, 4, 7)) << e.Kuerzel() << " version " << v;
    }
  };
  for (int runde = 0; runde < 2; ++runde) {
    for (const TLehrer* l : schule->Lehrer()) pruefe(*l);
    for (const TKlasse* k : schule->Klassen()) pruefe(*k);
    for (const TRaum* r : schule->Raeume()) pruefe(*r);
    // Swapped hours are placed anew at the end of their courses' lists.
    schule->TauscheStunden(1, 2, 3, 4);
  }
}

}  // namespace
}  // namespace kolvar
