// The tool modes other than Schieben on coupled courses and several plan versions: the placing
// pop-up, deleting with and without Ctrl, fixing, and the lesson pop-up of Zeigen.

#include <QAbstractButton>

#include "planumgebung.h"
#include "platform/gitter.h"
#include "support/modellpruefung.h"
#include "views/planfenster.h"
#include "views/setzdialoge.h"

namespace kolvar {
namespace {

bool Hat(const TKurs* k, int v, int d, int p) {
  return k->FindeSetzung(v, d, p) != nullptr;
}

class ModiTest : public PlanTest {
 protected:
  ModiTest() : PlanTest(3) { standard.SetNurAktuelleVersion(false); }
  void Gesund() {
    for (const std::string& f : PruefeModell(*schule)) ADD_FAILURE() << f;
  }
};

TEST_F(ModiTest, SetzenACoupledCoursePlacesTheCouplingInEveryVersion) {
  standard.SetAktuelleVersion(2);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Setzen);
  // The open hours of all three versions.
  popups.WaehleText(QString::fromStdString("[6] " + sportSch->Text()));
  popups.WaehleText(QStringLiteral("TH"));
  Klicke(*plan, 2, 3);
  for (int v = 1; v <= 3; ++v) {
    ASSERT_TRUE(Hat(sportSch, v, 2, 3)) << v;
    ASSERT_TRUE(Hat(sportBer, v, 2, 3)) << v;
    EXPECT_EQ(sportSch->FindeSetzung(v, 2, 3)->Raum(), th);
    EXPECT_EQ(sportBer->FindeSetzung(v, 2, 3)->Raum(), r102);
  }
  Gesund();
  // The room pop-up of the placed lesson: R101 goes to every version of the shown course.
  TKurs* gezeigt = plan->Zellen().Kurs(2, 3);
  ASSERT_NE(gezeigt, nullptr);
  popups.WaehleText(gezeigt->Raeume().Position(r101) ? QStringLiteral("R101") : QStringLiteral("<R101>"));
  Klicke(*plan, 2, 3);
  for (int v = 1; v <= 3; ++v) EXPECT_EQ(gezeigt->FindeSetzung(v, 2, 3)->Raum(), r101) << v;
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, SetzenInARoomPlanOffersNoPlacingIntoTheRoomHeldInAnotherVersion) {
  standard.SetAktuelleVersion(1);
  // A lesson of another teacher and class holds the room in version 2 only.
  TKurs* fremd =
      schule->ErzeugeKurs(schule->NeuerLehrer("XY"), schule->NeueKlasse("6a"), nullptr, ma, r102, 2);
  fremd->Setze(2, 3, r102, 3);
  auto plan = Oeffne<TRaPlnForm>(r102);
  ASSERT_EQ(plan->Zellen().Kurs(3, 3), nullptr);
  Modus(Modus::Setzen);
  popups.WaehleNichts();
  Klicke(*plan, 3, 3);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  const auto& angebot = popups.Angebote()[0];
  const QString sport = QString::fromStdString("[6] " + sportBer->Text());
  ASSERT_TRUE(angebot.texte.contains(sport));
  EXPECT_FALSE(angebot.aktiv[static_cast<std::size_t>(angebot.texte.indexOf(sport))]);
  // Acting on the current version alone, the room is free there.
  standard.SetNurAktuelleVersion(true);
  popups.WaehleText(QString::fromStdString("[2] " + sportBer->Text()));
  Klicke(*plan, 3, 3);
  EXPECT_TRUE(Hat(sportBer, 1, 3, 3));
  EXPECT_EQ(sportBer->FindeSetzung(1, 3, 3)->Raum(), r102);
  EXPECT_FALSE(Hat(sportBer, 2, 3, 3));
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, SetzenOnALessonGivesEveryMarkedHourTheChosenRoom) {
  for (int v = 1; v <= 3; ++v) {
    deutsch5a->Setze(v, 1, r101, 1);
    deutsch5a->Setze(v, 2, nullptr, 3);
    sportSch->Setze(v, 4, th, 2);
    sportBer->Setze(v, 4, r102, 2);
  }
  // In a teacher plan without Ctrl: every hour of the course.
  auto plan = Oeffne<TLePlnForm>(mue);
  Modus(Modus::Setzen);
  popups.WaehleText(QStringLiteral("<TH>"));
  Klicke(*plan, 1, 1);
  for (int v = 1; v <= 3; ++v) {
    EXPECT_EQ(deutsch5a->FindeSetzung(v, 1, 1)->Raum(), th) << v;
    EXPECT_EQ(deutsch5a->FindeSetzung(v, 2, 3)->Raum(), th) << v;
  }
  Gesund();
  // In a room plan: the clicked hour leaves this room's plan for the chosen one.
  auto raumplan = Oeffne<TRaPlnForm>(th);
  ASSERT_EQ(raumplan->Zellen().Kurs(4, 2), sportSch);
  popups.WaehleText(QStringLiteral("<R101>"));
  Klicke(*raumplan, 4, 2);
  for (int v = 1; v <= 3; ++v) EXPECT_EQ(sportSch->FindeSetzung(v, 4, 2)->Raum(), r101) << v;
  EXPECT_EQ(raumplan->Zellen().Kurs(4, 2), nullptr);
  EXPECT_FALSE(th->Belegung().Belegt(2, 4, 2));
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, LoeschenWithAndWithoutCtrlActsOnEveryVersion) {
  for (int v = 1; v <= 3; ++v) {
    sportSch->Setze(v, 4, th, 1);
    sportBer->Setze(v, 4, r102, 1);
  }
  auto plan = Oeffne<TRaPlnForm>(th);
  Modus(Modus::Loeschen);
  Doppelklicke(*plan, 4, 1, Qt::ControlModifier);
  for (int v = 1; v <= 3; ++v) {
    ASSERT_TRUE(Hat(sportSch, v, 4, 1));
    EXPECT_EQ(sportSch->FindeSetzung(v, 4, 1)->Raum(), nullptr);
    EXPECT_EQ(sportBer->FindeSetzung(v, 4, 1)->Raum(), r102);
  }
  EXPECT_FALSE(th->Belegung().Belegt(2, 4, 1));
  Gesund();

  auto klassenplan = Oeffne<TKlPlnForm>(k5b);
  dialoge.Bediene(QStringLiteral("gekoppelten Kurs löschen"), [](TKvDialog& d) {
    dynamic_cast<TKursLoeschForm&>(d).Knopf(QStringLiteral("Kopplung"))->click();
  });
  Doppelklicke(*klassenplan, 4, 1);
  for (int v = 1; v <= 3; ++v) {
    EXPECT_FALSE(Hat(sportSch, v, 4, 1)) << v;
    EXPECT_FALSE(Hat(sportBer, v, 4, 1)) << v;
  }
  EXPECT_EQ(klassenplan->Zellen().Kurs(4, 1), nullptr);
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, FixierenTogglesAnHourThatTheFirstVersionLacks) {
  // Placed in versions 2 and 3 only (placed while acting on one version).
  for (int v = 2; v <= 3; ++v) {
    deutsch5a->Setze(v, 1, r101, 2);
    sportSch->Setze(v, 5, th, 3);
    sportBer->Setze(v, 5, r102, 3);
  }
  standard.SetAktuelleVersion(2);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Fixieren);
  for (int runde = 1; runde <= 2; ++runde) {
    const bool fest = runde == 1;
    Doppelklicke(*plan, 1, 2);
    Doppelklicke(*plan, 5, 3);
    for (int v = 2; v <= 3; ++v) {
      EXPECT_EQ(deutsch5a->IstFixiert(v, 1, 2), fest) << runde << " " << v;
      EXPECT_EQ(sportSch->IstFixiert(v, 5, 3), fest) << runde << " " << v;
      EXPECT_EQ(sportBer->IstFixiert(v, 5, 3), fest) << runde << " " << v;
    }
  }
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, ZeigenOffersEveryVersionAndClassAndShowsTheChosenCourse) {
  for (int v = 1; v <= 3; ++v) {
    sportSch->Setze(v, 3, th, 2);
    sportBer->Setze(v, 3, r102, 2);
  }
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Zeigen);
  TKurs* gezeigt = plan->Zellen().Kurs(3, 2);
  ASSERT_NE(gezeigt, nullptr);
  TKurs* anderer = gezeigt == sportSch ? sportBer : sportSch;
  const int index = anderer == sportSch ? 0 : 6;  // per course: three versions, two classes
  popups.WaehleIndex(index);
  Klicke(*plan, 3, 2);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte.size(), 12);
  EXPECT_EQ(plan->Zellen().Kurs(3, 2), anderer);
  // Deleting now takes the chosen course's hour.
  Modus(Modus::Loeschen);
  dialoge.Bediene(QStringLiteral("gekoppelten Kurs löschen"), [](TKvDialog& d) {
    dynamic_cast<TKursLoeschForm&>(d).Knopf(QStringLiteral("Dieser Kurs"))->click();
  });
  Doppelklicke(*plan, 3, 2);
  EXPECT_FALSE(Hat(anderer, 2, 3, 2));
  EXPECT_TRUE(Hat(gezeigt, 2, 3, 2));
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, ZeigenCtrlDoubleClickOpensThePlansOfTheLesson) {
  schule->SetzeAnsichtsgruppe(2);
  standard.SetAktuelleVersion(3);
  sportBer->Setze(3, 2, r102, 5);
  sportSch->Setze(3, 2, th, 5);
  auto plan = Oeffne<TKlPlnForm>(k5b);
  Modus(Modus::Zeigen);
  TKurs* gezeigt = plan->Zellen().Kurs(2, 5);
  ASSERT_NE(gezeigt, nullptr);
  // Each click of a double click shows the lesson pop-up first.
  for (int i = 0; i < 4; ++i) popups.WaehleNichts();
  Doppelklicke(*plan, 2, 5);  // without Ctrl: nothing yet
  EXPECT_EQ(schule->Fenster().size(), 1u);
  Doppelklicke(*plan, 2, 5, Qt::ControlModifier);
  // The room and teacher plans open; the first class's plan is another window than this one.
  std::vector<TPlnForm*> neue;
  for (IFenster* f : schule->Fenster())
    if (f != plan.get()) neue.push_back(dynamic_cast<TPlnForm*>(f));
  ASSERT_EQ(neue.size(), 3u);
  bool raum = false, lehrer = false;
  for (TPlnForm* f : neue) {
    ASSERT_NE(f, nullptr);
    raum = raum || f->Element() == gezeigt->FindeSetzung(3, 2, 5)->Raum();
    lehrer = lehrer || f->Element() == gezeigt->Lehrer();
    EXPECT_NE(f->Zellen().Kurs(2, 5), nullptr);
  }
  EXPECT_TRUE(raum);
  EXPECT_TRUE(lehrer);
  for (TPlnForm* f : neue) delete f;
  EXPECT_EQ(schule->Fenster().size(), 1u);
  Gesund();
  KeineFehler();
}

TEST_F(ModiTest, FewerVersionsWhileAPlanShowsTheLastOne) {
  for (int v = 1; v <= 2; ++v) deutsch5a->Setze(v, 2, r101, 2);
  standard.SetAktuelleVersion(3);
  auto plan = Oeffne<TLePlnForm>(mue);
  ASSERT_TRUE(schule->LoeschePlanversionen(2));
  EXPECT_LE(standard.AktuelleVersion(), 2);
  schule->AktualisiereAlleFenster();
  EXPECT_EQ(plan->Zellen().Kurs(2, 2), deutsch5a);
  Modus(Modus::Fixieren);
  Doppelklicke(*plan, 2, 2);
  Modus(Modus::Setzen);
  popups.WaehleNichts();
  Klicke(*plan, 4, 4);
  Modus(Modus::Loeschen);
  Doppelklicke(*plan, 2, 2);
  EXPECT_FALSE(Hat(deutsch5a, 1, 2, 2));
  Gesund();
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
