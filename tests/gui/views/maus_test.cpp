// The mouse protocol of the plan views, checked on the model: moves refused, displacing and
// plain; removal of coupled lessons; fixing across versions; the school-wide swap; the
// candidates of Ctrl-Schieben; inactive windows.

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "engine/konfliktliste.h"
#include "planumgebung.h"
#include "platform/gitter.h"
#include "support/modellpruefung.h"
#include "views/setzdialoge.h"

namespace kolvar {
namespace {

bool Hat(const TKurs* k, int v, int d, int p) {
  return k->FindeSetzung(v, d, p) != nullptr;
}

class MausTest : public PlanTest {};

TEST_F(MausTest, MoveToAFreeSlotTakesTheRoomAlongAndClearsTheMarks) {
  deutsch5a->Setze(1, 1, r101, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);
  Ziehe(*plan, 1, 1, 4, 2);
  EXPECT_FALSE(Hat(deutsch5a, 1, 1, 1));
  ASSERT_TRUE(Hat(deutsch5a, 1, 4, 2));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 4, 2)->Raum(), r101);
  // The open plan follows the model, and no mark survives the drag.
  EXPECT_EQ(plan->Zellen().Kurs(4, 2), deutsch5a);
  EXPECT_EQ(plan->Zellen().Kurs(1, 1), nullptr);
  for (int d = 1; d <= 5; ++d)
    for (int p = 1; p <= 6; ++p) EXPECT_NE(plan->Zellen().Marke(d, p), TMarke::Markiert);
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

TEST_F(MausTest, DropOnItsOwnCellOrOnAnotherHourOfTheCourseChangesNothing) {
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(1, 2, r101, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);
  Ziehe(*plan, 1, 1, 1, 1);
  Ziehe(*plan, 1, 1, 2, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 1));
  EXPECT_EQ(deutsch5a->Setzungen().Anzahl(), 2);
  EXPECT_TRUE(dialoge.Protokoll().isEmpty());
  KeineFehler();
}

TEST_F(MausTest, MoveOntoALockIsRefusedWithSetzungsverbot) {
  deutsch5a->Setze(1, 1, r101, 1);
  mue->Sperrung().SetzeBereich(1, 3, 1, true);
  auto plan = Oeffne<TLePlnForm>(mue);
  Modus(Modus::Schieben);
  QStringList konflikte;
  dialoge.Bediene(QStringLiteral("Setzungsverbot"), [&](TKvDialog& d) {
    auto& form = dynamic_cast<TSetzVerbForm&>(d);
    EXPECT_EQ(form.ZeitFeld->text(), QStringLiteral("Mi  1"));
    for (int i = 0; i < form.KonflGrid->Zeilen(); ++i) konflikte << form.KonflGrid->Text(0, i);
    form.Knopf(QStringLiteral("Ok"))->click();
  });
  Ziehe(*plan, 1, 1, 3, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_FALSE(Hat(deutsch5a, 1, 3, 1));
  ASSERT_EQ(konflikte.size(), 1);
  EXPECT_TRUE(konflikte[0].contains(QStringLiteral("MUE"))) << konflikte[0].toStdString();
  KeineFehler();
}

TEST_F(MausTest, MoveOntoAnUnfixedLessonDisplacesItOnlyWithTrotzdemSetzen) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 3);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);

  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Abbrechen"));
  Ziehe(*plan, 1, 1, 2, 3);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5a, 1, 2, 3));

  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Trotzdem setzen"));
  Ziehe(*plan, 1, 1, 2, 3);
  EXPECT_FALSE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 3));
  EXPECT_FALSE(Hat(mathe5a, 1, 2, 3));
  EXPECT_EQ(plan->Zellen().Kurs(2, 3), deutsch5a);
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

TEST_F(MausTest, DisplacingACoupledLessonAsksWhichHoursGo) {
  deutsch5a->Setze(1, 1, r101, 1);
  sportSch->Setze(1, 5, th, 1);
  sportBer->Setze(1, 5, r102, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);
  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Trotzdem setzen"));
  // "Kopplung" at the first coupled lesson takes the whole coupling: asked once.
  dialoge.Klicke(QStringLiteral("gekoppelten Kurs löschen"), QStringLiteral("Kopplung"));
  Ziehe(*plan, 1, 1, 5, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 5, 1));
  EXPECT_FALSE(Hat(sportSch, 1, 5, 1));
  EXPECT_FALSE(Hat(sportBer, 1, 5, 1));
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

TEST_F(MausTest, ShiftMovesOneCourseOfACouplingAlone) {
  sportSch->Setze(1, 1, th, 1);
  sportBer->Setze(1, 1, r102, 1);
  auto plan = Oeffne<TLePlnForm>(sch);
  Modus(Modus::Schieben);
  Ziehe(*plan, 1, 1, 2, 4, Qt::ShiftModifier);
  EXPECT_TRUE(Hat(sportSch, 1, 2, 4));
  EXPECT_TRUE(Hat(sportBer, 1, 1, 1));
  Ziehe(*plan, 2, 4, 1, 1);  // back beside its partner
  EXPECT_TRUE(Hat(sportSch, 1, 1, 1));
  Ziehe(*plan, 1, 1, 4, 4);  // both together
  EXPECT_TRUE(Hat(sportSch, 1, 4, 4));
  EXPECT_TRUE(Hat(sportBer, 1, 4, 4));
  KeineFehler();
}

TEST_F(MausTest, DeletingACoupledLessonAsksDieserKursOrKopplung) {
  Modus(Modus::Loeschen);
  for (int runde = 0; runde < 3; ++runde) {
    sportSch->Setze(1, 2, th, 2);
    sportBer->Setze(1, 2, r102, 2);
    auto plan = Oeffne<TKlPlnForm>(k5b);
    const QString knopf = runde == 0   ? QStringLiteral("Abbrechen")
                          : runde == 1 ? QStringLiteral("Dieser Kurs")
                                       : QStringLiteral("Kopplung");
    QStringList gekoppelt;
    dialoge.Bediene(QStringLiteral("gekoppelten Kurs löschen"), [&](TKvDialog& d) {
      auto& form = dynamic_cast<TKursLoeschForm&>(d);
      EXPECT_EQ(form.ZeitFeld->text(), QStringLiteral("Di  2"));
      for (int i = 0; i < form.KursGrid->Zeilen(); ++i) gekoppelt << form.KursGrid->Text(0, i);
      form.Knopf(knopf)->click();
    });
    TKurs* gezeigt = plan->Zellen().Kurs(2, 2);
    ASSERT_NE(gezeigt, nullptr);
    TKurs* anderer = gezeigt == sportSch ? sportBer : sportSch;
    Doppelklicke(*plan, 2, 2);
    EXPECT_EQ(gekoppelt.size(), 2);
    EXPECT_EQ(Hat(gezeigt, 1, 2, 2), runde == 0) << runde;
    EXPECT_EQ(Hat(anderer, 1, 2, 2), runde != 2) << runde;
    sportSch->EntferneAlleSetzungen();
    sportBer->EntferneAlleSetzungen();
  }
  KeineFehler();
}

TEST_F(MausTest, DeletingAPlainLessonAsksNothingAndCtrlTakesOnlyTheRoom) {
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(1, 2, r101, 1);
  auto plan = Oeffne<TRaPlnForm>(r101);
  Modus(Modus::Loeschen);
  Doppelklicke(*plan, 1, 1, Qt::ControlModifier);
  ASSERT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), nullptr);
  EXPECT_EQ(plan->Zellen().Kurs(1, 1), nullptr);  // no longer in this room's plan
  Doppelklicke(*plan, 2, 1);
  EXPECT_FALSE(Hat(deutsch5a, 1, 2, 1));
  EXPECT_TRUE(dialoge.Protokoll().isEmpty());
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

class FixierTest : public PlanTest {
 protected:
  FixierTest() : PlanTest(2) {}
};

TEST_F(FixierTest, AllVersionsTakeTheValueOfTheFirstVersion) {
  standard.SetNurAktuelleVersion(false);
  for (int v = 1; v <= 2; ++v) {
    deutsch5a->Setze(v, 1, r101, 1);
    sportSch->Setze(v, 3, th, 4);
    sportBer->Setze(v, 3, r102, 4);
  }
  deutsch5a->FindeSetzung(2, 1, 1)->SetFixiert(true);
  sportBer->FindeSetzung(2, 3, 4)->SetFixiert(true);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Fixieren);
  schule->SetzeGeaendert(false);

  Doppelklicke(*plan, 1, 1);
  EXPECT_TRUE(deutsch5a->IstFixiert(1, 1, 1));
  EXPECT_TRUE(deutsch5a->IstFixiert(2, 1, 1));
  EXPECT_TRUE(schule->Geaendert());
  Doppelklicke(*plan, 1, 1);
  EXPECT_FALSE(deutsch5a->IstFixiert(1, 1, 1));
  EXPECT_FALSE(deutsch5a->IstFixiert(2, 1, 1));

  Doppelklicke(*plan, 3, 4);
  for (int v = 1; v <= 2; ++v) {
    EXPECT_TRUE(sportSch->IstFixiert(v, 3, 4)) << v;
    EXPECT_TRUE(sportBer->IstFixiert(v, 3, 4)) << v;
  }
  // An empty cell marks the school modified and fixes nothing.
  schule->SetzeGeaendert(false);
  Doppelklicke(*plan, 5, 6);
  EXPECT_TRUE(schule->Geaendert());
  KeineFehler();
}

TEST_F(FixierTest, OnlyTheCurrentVersionWhenActingOnItAlone) {
  standard.SetNurAktuelleVersion(true);
  standard.SetAktuelleVersion(2);
  for (int v = 1; v <= 2; ++v) deutsch5a->Setze(v, 1, r101, 1);
  auto plan = Oeffne<TLePlnForm>(mue);
  Modus(Modus::Fixieren);
  Doppelklicke(*plan, 1, 1);
  EXPECT_FALSE(deutsch5a->IstFixiert(1, 1, 1));
  EXPECT_TRUE(deutsch5a->IstFixiert(2, 1, 1));
  // A fixed lesson is drawn underlined: the cell still holds it.
  EXPECT_EQ(plan->Zellen().Kurs(1, 1), deutsch5a);
  KeineFehler();
}

TEST_F(MausTest, AltDragSwapsTwoSlotsForTheWholeSchool) {
  deutsch5a->Setze(1, 1, r101, 1);  // MUE 5a
  mathe5b->Setze(1, 1, r102, 1);    // MUE 5b: the teacher is locked nowhere
  mathe5a->Setze(1, 2, r101, 2);    // SCH 5a
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);

  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Abbrechen"));
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));

  QString von, bis;
  dialoge.Bediene(QStringLiteral("Stundentausch"), [&](TKvDialog& d) {
    auto& form = dynamic_cast<TSchulTauschForm&>(d);
    von = form.vonFeld->text();
    bis = form.bisFeld->text();
    form.Knopf(QStringLiteral("Ok"))->click();
  });
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_EQ(von, QStringLiteral("Mo  1"));
  EXPECT_EQ(bis, QStringLiteral("Di  2"));
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 2));
  EXPECT_TRUE(Hat(mathe5b, 1, 2, 2));  // another class's hour went along
  EXPECT_TRUE(Hat(mathe5a, 1, 1, 1));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 2, 2)->Raum(), r101);
  EXPECT_TRUE(PruefeModell(*schule).empty());

  // Ending on the starting cell asks nothing.
  Ziehe(*plan, 2, 2, 2, 2, Qt::AltModifier);
  KeineFehler();
}

TEST_F(MausTest, SwapWithAFixedLessonAsksTauschkonflikte) {
  deutsch5a->Setze(1, 1, r101, 1)->SetFixiert(true);
  mathe5a->Setze(1, 2, r101, 2);
  mue->Sperrung().SetzeBereich(1, 2, 2, true);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);

  QStringList zeilen;
  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Ok"));
  dialoge.Bediene(QStringLiteral("Tauschkonflikte"), [&](TKvDialog& d) {
    auto& form = dynamic_cast<TTauschKonflForm&>(d);
    for (int i = 0; i < form.KonflGrid->Zeilen(); ++i) zeilen << form.KonflGrid->Text(0, i);
    form.Knopf(QStringLiteral("Nein"))->click();
  });
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5a, 1, 2, 2));
  // Locked at the other slot and fixed where it stands: two rows for the one lesson.
  ASSERT_EQ(zeilen.size(), 2);
  EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("gesperrt {1} MUE"))) << zeilen[0].toStdString();
  EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral("fixiert {1} MUE"))) << zeilen[1].toStdString();

  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Ok"));
  dialoge.Klicke(QStringLiteral("Tauschkonflikte"), QStringLiteral("Ja"));
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  ASSERT_TRUE(Hat(deutsch5a, 1, 2, 2));
  EXPECT_FALSE(deutsch5a->IstFixiert(1, 2, 2));
  EXPECT_FALSE(mue->Sperrung().Belegt(1, 2, 2));  // the teacher's lock gave way
  EXPECT_TRUE(Hat(mathe5a, 1, 1, 1));
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

TEST_F(MausTest, CtrlSchiebenMarksCandidatesAndLeavesTheGridsAsTheyWere) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 1);
  sportSch->Setze(1, 3, th, 1);
  sportBer->Setze(1, 3, r102, 1);
  mathe5a->Sperrung().SetzeBereich(1, 1, 1, true);  // mathe5a may not come to Monday 1
  const TWochBereich vorherLehrer = mue->Belegung();
  const TWochBereich vorherKlasse = k5a->Belegung();
  const TWochBereich vorherRaum = r101->Belegung();
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);
  Druecke(*plan, 1, 1, Qt::ControlModifier);
  LasseLos(*plan, 1, 1, Qt::ControlModifier);
  EXPECT_FALSE(plan->PlnGrid->Zieht());
  EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Markiert);  // its own hour could go back
  EXPECT_EQ(plan->Zellen().Marke(2, 1), TMarke::Keine);     // locked there
  EXPECT_EQ(plan->Zellen().Marke(3, 1), TMarke::Markiert);  // the coupling fits
  EXPECT_EQ(mue->Belegung(), vorherLehrer);
  EXPECT_EQ(k5a->Belegung(), vorherKlasse);
  EXPECT_EQ(r101->Belegung(), vorherRaum);
  EXPECT_TRUE(PruefeModell(*schule).empty());
  // The next press clears the marks.
  Modus(Modus::Zeigen);
  Druecke(*plan, 4, 4);
  EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Keine);
  KeineFehler();
}

TEST_F(MausTest, MouseUpInAWindowThatIsNotActiveDoesNothing) {
  deutsch5a->Setze(1, 1, r101, 1);
  auto plan = Oeffne<TLePlnForm>(mue);
  schule->SetzeAktivesFenster(nullptr);
  Modus(Modus::Zeigen);
  Klicke(*plan, 1, 1);
  EXPECT_TRUE(popups.Angebote().empty());
  schule->SetzeAktivesFenster(plan.get());
  popups.WaehleNichts();
  Klicke(*plan, 1, 1);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_TRUE(popups.Angebote()[0].texte.value(0).startsWith(QStringLiteral("{1} MUE")));
  KeineFehler();
}

TEST_F(MausTest, SetzenOnAnEmptyCellPlacesWithTheRoomChosenNext) {
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Setzen);
  popups.WaehleText(QStringLiteral("[4] MUE     De 5a"));
  popups.WaehleText(QStringLiteral("R101"));
  Klicke(*plan, 2, 3);
  ASSERT_TRUE(Hat(deutsch5a, 1, 2, 3));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 2, 3)->Raum(), r101);
  EXPECT_EQ(plan->Zellen().Kurs(2, 3), deutsch5a);
  // The room plan's pop-up places with its own room at once.
  auto raumplan = Oeffne<TRaPlnForm>(r102);
  popups.WaehleText(QStringLiteral("[3] MUE     Ma 5b"));
  Klicke(*raumplan, 4, 1);
  ASSERT_TRUE(Hat(mathe5b, 1, 4, 1));
  EXPECT_EQ(mathe5b->FindeSetzung(1, 4, 1)->Raum(), r102);
  KeineFehler();
}

TEST_F(MausTest, RightButtonOffersThePlacingEntriesOfTheSlot) {
  auto plan = Oeffne<TLePlnForm>(mue);
  popups.WaehleNichts();
  Druecke(*plan, 1, 1, {}, Qt::RightButton);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte.size(), 2);
  KeineFehler();
}

TEST_F(MausTest, PopUpsAreBrokenIntoColumnsOfAtLeastSixteen) {
  EXPECT_EQ(TPlnForm::MenueUmbrechen(3), 16);
  EXPECT_EQ(TPlnForm::MenueUmbrechen(17), 16);
  EXPECT_EQ(TPlnForm::MenueUmbrechen(100), 17);
  // 17 courses of a teacher in one empty-cell pop-up: a new column after the 16th.
  for (int i = 0; i < 15; ++i) schule->ErzeugeKurs(mue, k5a, nullptr, ma, nullptr, 1);
  auto plan = Oeffne<TLePlnForm>(mue);
  Modus(Modus::Setzen);
  popups.WaehleNichts();
  Klicke(*plan, 5, 6);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_EQ(popups.Angebote()[0].texte.size(), 17);
  EXPECT_EQ(popups.Angebote()[0].spaltenHoehe, 16);
  KeineFehler();
}

TEST_F(MausTest, ACourseDeletedWhileItsPlanIsOpenLeavesNoCellAndNoDragBehind) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r102, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a);
  Modus(Modus::Schieben);
  Druecke(*plan, 1, 1);
  ASSERT_TRUE(plan->PlnGrid->Zieht());
  schule->LoescheKurs(deutsch5a);
  // The dragged course is gone: its drag ends, and no cell still points at it.
  EXPECT_FALSE(plan->PlnGrid->Zieht());
  for (int d = 1; d < plan->PlnGrid->Spalten(); ++d)
    for (int p = 1; p < plan->PlnGrid->Zeilen(); ++p)
      EXPECT_EQ(plan->Zellen().Kurs(d, p) == nullptr, d != 2 || p != 1);
  LasseLos(*plan, 4, 2);
  QImage bild(plan->PlnGrid->viewport()->size(), QImage::Format_RGB32);
  QPainter maler(&bild);
  plan->PlnGrid->Male(maler, bild.rect());
  maler.end();
  EXPECT_EQ(mathe5a->Setzungen().Anzahl(), 1);
  EXPECT_TRUE(PruefeModell(*schule).empty());
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
