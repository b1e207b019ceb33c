// The tool modes other than Schieben on coupled courses and several plan versions: the placing
// pop-up, deleting with and without Ctrl, fixing, and the lesson pop-up of Zeigen.

#include "planumgebung.h"
#include "platform/fensterartregister.h"
#include "platform/fensterliste.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "views/planfenster.h"

namespace kolvar {
namespace {

class ModiTest : public PlanTest {
 protected:
  ModiTest() : PlanTest(3) { standard.SetNurAktuelleVersion(false); }
  // The room of the course's hour in every version ("" where it has none, "-" without room).
  static QStringList Raeume(const TKurs* k, int tag, int stunde) {
    QStringList raeume;
    for (int v = 1; v <= 3; ++v) {
      const TSetzung* s = k->FindeSetzung(v, tag, stunde);
      raeume << (s == nullptr           ? ""
                 : s->Raum() == nullptr ? "-"
                                        : QString::fromStdString(s->Raum()->Kuerzel()));
    }
    return raeume;
  }
  void SetzeSport(int tag, int stunde) {
    for (int v = 1; v <= 3; ++v) {
      sportSch->Setze(v, tag, th, stunde);
      sportBer->Setze(v, tag, r102, stunde);
    }
  }
};

// What a plan asks of the palette to open the plans of its lesson: each opens as the program's
// plan opener opens it, a window of its own while a key is held.
class TPlanOeffnerPalette : public IPalette, public IFensterListe {
 public:
  TPlanOeffnerPalette(TSchule& schule, const TPlanPalette& zustand) : schule_(schule), zustand_(zustand) {
    arten_.Registriere(FensterArt::LePln, "TLePlnForm",
                       [&schule] { return new TLePlnForm(schule, nullptr); });
    arten_.Registriere(FensterArt::KlPln, "TKlPlnForm",
                       [&schule] { return new TKlPlnForm(schule, nullptr); });
    arten_.Registriere(FensterArt::RaPln, "TRaPlnForm",
                       [&schule] { return new TRaPlnForm(schule, nullptr); });
  }
  IFensterListe& FensterListe() override { return *this; }
  uint8_t Tasten() const override { return zustand_.Tasten(); }
  bool Beschaeftigt() const override { return false; }
  void ClickLinks() override {}
  void ClickRechts() override {}
  void TextInZwischenablage(const QString&) override {}
  bool WaehleElement(TElementArt, bool, const QPoint&) override { return false; }
  TElement* Wahl(TElementArt) const override { return nullptr; }
  void OeffneElementFenster(TElement* element, int gruppe, uint8_t tasten) override {
    if (gruppe == 2) OeffnePlanFenster(arten_, schule_, dynamic_cast<TPlanElement*>(element), tasten != 0);
  }
  void FensterAnmelden(TKindFenster&) override {}
  void FensterAbmelden(TKindFenster&) override {}
  void FensterAktiviert(TKindFenster&) override {}

 private:
  TSchule& schule_;
  const TPlanPalette& zustand_;
  TFensterArtRegister arten_;
};

const QStringList kTH{"TH", "TH", "TH"}, kR101{"R101", "R101", "R101"}, kR102{"R102", "R102", "R102"};

TEST_F(ModiTest, SetzenACoupledCoursePlacesTheCouplingInEveryVersion) {
  standard.SetAktuelleVersion(2);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Setzen);
  // The open hours of all three versions.
  popups.WaehleUnter(QString::fromStdString("[6] " + sportSch->Text()), QStringLiteral("TH"));
  Klicke(*plan, 2, 3);
  // One pop-up: the rooms are the entry's sub-items.
  ASSERT_EQ(popups.Angebote().size(), 1u);
  const auto& angebot = popups.Angebote()[0];
  const int sport =
      static_cast<int>(angebot.texte.indexOf(QString::fromStdString("[6] " + sportSch->Text())));
  ASSERT_GE(sport, 0);
  EXPECT_EQ(angebot.unter[static_cast<std::size_t>(sport)], (QStringList{"ohne Raum", "TH"}));
  EXPECT_EQ(Raeume(sportSch, 2, 3), kTH);
  EXPECT_EQ(Raeume(sportBer, 2, 3), kR102);
  Gesund();
  // The room pop-up of the placed lesson: R101 goes to every version of the shown course.
  TKurs* gezeigt = plan->Zellen().Kurs(2, 3);
  ASSERT_NE(gezeigt, nullptr);
  popups.WaehleText(gezeigt->Raeume().Position(r101) ? QStringLiteral("R101") : QStringLiteral("<R101>"));
  Klicke(*plan, 2, 3);
  EXPECT_EQ(Raeume(gezeigt, 2, 3), kR101);
}

TEST_F(ModiTest, SetzenInARoomPlanOffersNoPlacingIntoTheRoomHeldInAnotherVersion) {
  standard.SetAktuelleVersion(1);
  // A lesson of another teacher and class holds the room in version 2 only.
  TKurs* fremd =
      schule->ErzeugeKurs(schule->NeuerLehrer("XY"), schule->NeueKlasse("6a"), nullptr, ma, r102, 2);
  fremd->Setze(2, 3, r102, 3);
  auto plan = Oeffne<TRaPlnForm>(r102, Modus::Setzen);
  ASSERT_EQ(plan->Zellen().Kurs(3, 3), nullptr);
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
  EXPECT_EQ(Raeume(sportBer, 3, 3), (QStringList{"R102", "", ""}));
}

TEST_F(ModiTest, SetzenOnALessonGivesEveryMarkedHourTheChosenRoom) {
  for (int v = 1; v <= 3; ++v) {
    deutsch5a->Setze(v, 1, r101, 1);
    deutsch5a->Setze(v, 2, nullptr, 3);
  }
  SetzeSport(4, 2);
  // In a teacher plan without Ctrl: every hour of the course.
  auto plan = Oeffne<TLePlnForm>(mue, Modus::Setzen);
  popups.WaehleText(QStringLiteral("<TH>"));
  Klicke(*plan, 1, 1);
  EXPECT_EQ(Raeume(deutsch5a, 1, 1), kTH);
  EXPECT_EQ(Raeume(deutsch5a, 2, 3), kTH);
  Gesund();
  // In a room plan: the clicked hour leaves this room's plan for the chosen one.
  auto raumplan = Oeffne<TRaPlnForm>(th);
  ASSERT_EQ(raumplan->Zellen().Kurs(4, 2), sportSch);
  popups.WaehleText(QStringLiteral("<R101>"));
  Klicke(*raumplan, 4, 2);
  EXPECT_EQ(Raeume(sportSch, 4, 2), kR101);
  EXPECT_EQ(raumplan->Zellen().Kurs(4, 2), nullptr);
  EXPECT_FALSE(th->Belegung().Belegt(2, 4, 2));
}

TEST_F(ModiTest, LoeschenWithAndWithoutCtrlActsOnEveryVersion) {
  SetzeSport(4, 1);
  auto plan = Oeffne<TRaPlnForm>(th, Modus::Loeschen);
  Doppelklicke(*plan, 4, 1, Qt::ControlModifier);
  EXPECT_EQ(Raeume(sportSch, 4, 1), (QStringList{"-", "-", "-"}));
  EXPECT_EQ(Raeume(sportBer, 4, 1), kR102);
  EXPECT_FALSE(th->Belegung().Belegt(2, 4, 1));
  Gesund();
  auto klassenplan = Oeffne<TKlPlnForm>(k5b);
  Antworte(QStringLiteral("gekoppelten Kurs löschen"), QStringLiteral("Kopplung"));
  Doppelklicke(*klassenplan, 4, 1);
  EXPECT_EQ(Raeume(sportSch, 4, 1), (QStringList{"", "", ""}));
  EXPECT_EQ(Raeume(sportBer, 4, 1), (QStringList{"", "", ""}));
  EXPECT_EQ(klassenplan->Zellen().Kurs(4, 1), nullptr);
}

TEST_F(ModiTest, FixierenTogglesAnHourThatTheFirstVersionLacks) {
  // Placed in versions 2 and 3 only (placed while acting on one version): every double click
  // used to fix it, so it could never be unfixed with the mouse.
  for (int v = 2; v <= 3; ++v) {
    deutsch5a->Setze(v, 1, r101, 2);
    sportSch->Setze(v, 5, th, 3);
    sportBer->Setze(v, 5, r102, 3);
  }
  standard.SetAktuelleVersion(2);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Fixieren);
  for (const bool fest : {true, false}) {
    schule->SetzeGeaendert(false);
    Doppelklicke(*plan, 1, 2);
    Doppelklicke(*plan, 5, 3);
    EXPECT_TRUE(schule->Geaendert());
    for (int v = 2; v <= 3; ++v) {
      EXPECT_EQ(deutsch5a->IstFixiert(v, 1, 2), fest) << fest << " " << v;
      EXPECT_EQ(sportSch->IstFixiert(v, 5, 3), fest) << fest << " " << v;
      EXPECT_EQ(sportBer->IstFixiert(v, 5, 3), fest) << fest << " " << v;
    }
  }
  // An empty cell marks the school modified and fixes nothing.
  schule->SetzeGeaendert(false);
  Doppelklicke(*plan, 5, 6);
  EXPECT_TRUE(schule->Geaendert());
}

TEST_F(ModiTest, ZeigenOffersEveryVersionAndClassAndShowsTheChosenCourse) {
  SetzeSport(3, 2);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Zeigen);
  TKurs* gezeigt = plan->Zellen().Kurs(3, 2);
  ASSERT_NE(gezeigt, nullptr);
  TKurs* anderer = gezeigt == sportSch ? sportBer : sportSch;
  popups.WaehleIndex(anderer == sportSch ? 0 : 6);  // per course: three versions, two classes
  Klicke(*plan, 3, 2);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte.size(), 12);
  EXPECT_EQ(plan->Zellen().Kurs(3, 2), anderer);
  // Deleting now takes the chosen course's hour.
  Modus(Modus::Loeschen);
  Antworte(QStringLiteral("gekoppelten Kurs löschen"), QStringLiteral("Dieser Kurs"));
  Doppelklicke(*plan, 3, 2);
  EXPECT_FALSE(Hat(anderer, 2, 3, 2));
  EXPECT_TRUE(Hat(gezeigt, 2, 3, 2));
}

TEST_F(ModiTest, ZeigenCtrlDoubleClickOpensThePlansOfTheLesson) {
  schule->SetzeAnsichtsgruppe(2);
  standard.SetAktuelleVersion(3);
  sportBer->Setze(3, 2, r102, 5);
  sportSch->Setze(3, 2, th, 5);
  TPlanOeffnerPalette oeffner(*schule, palette);
  auto plan = Oeffne<TKlPlnForm>(k5b, Modus::Zeigen, &oeffner);
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
  EXPECT_TRUE(raum && lehrer);
  for (TPlnForm* f : neue) delete f;
  EXPECT_EQ(schule->Fenster().size(), 1u);
}

TEST_F(ModiTest, FewerVersionsWhileAPlanShowsTheLastOne) {
  for (int v = 1; v <= 2; ++v) deutsch5a->Setze(v, 2, r101, 2);
  standard.SetAktuelleVersion(3);
  auto plan = Oeffne<TLePlnForm>(mue);
  ASSERT_TRUE(schule->LoeschePlanversionen(2));
  EXPECT_LE(standard.AktuelleVersion(), 2);
  schule->AktualisiereAlleFenster();
  EXPECT_EQ(plan->Zellen().Kurs(2, 2), deutsch5a);
  // Every tool on the shrunken week.
  Modus(Modus::Fixieren);
  Doppelklicke(*plan, 2, 2);
  Modus(Modus::Setzen);
  popups.WaehleNichts();
  Klicke(*plan, 4, 4);
  Modus(Modus::Loeschen);
  Doppelklicke(*plan, 2, 2);
  EXPECT_FALSE(Hat(deutsch5a, 1, 2, 2));
}

}  // namespace
}  // namespace kolvar
