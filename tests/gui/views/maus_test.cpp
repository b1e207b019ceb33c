// The mouse protocol of the plan views: moves refused, displacing and plain; removal of coupled
// lessons; the school-wide swap; the candidates of Ctrl-Schieben; the placing pop-ups; inactive
// windows. What the engine decides behind them is checked in the core's tests.

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "planumgebung.h"
#include "platform/gitter.h"

namespace kolvar {
namespace {

class MausTest : public PlanTest {
 protected:
  // A mouse event anywhere on the grid's viewport, also outside its cells.
  static void Maus(TPlnForm& f, QEvent::Type art, QPoint ort, Qt::MouseButtons knoepfe) {
    QWidget* ziel = f.PlnGrid->viewport();
    QMouseEvent ereignis(art, QPointF(ort), QPointF(ziel->mapToGlobal(ort)), Qt::LeftButton, knoepfe, {});
    QApplication::sendEvent(ziel, &ereignis);
  }
};

TEST_F(MausTest, MoveToAFreeSlotTakesTheRoomAlongAndClearsTheMarks) {
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(1, 2, r101, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  // Dropped on its own cell or on another hour of the course: nothing changes, nothing is asked.
  Ziehe(*plan, 1, 1, 1, 1);
  Ziehe(*plan, 1, 1, 2, 1);
  EXPECT_EQ(deutsch5a->Setzungen().Anzahl(), 2);
  EXPECT_TRUE(dialoge.Protokoll().isEmpty());
  Ziehe(*plan, 1, 1, 4, 2);
  EXPECT_FALSE(Hat(deutsch5a, 1, 1, 1));
  ASSERT_TRUE(Hat(deutsch5a, 1, 4, 2));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 4, 2)->Raum(), r101);
  // The open plan follows the model, and no mark survives the drag.
  EXPECT_EQ(plan->Zellen().Kurs(4, 2), deutsch5a);
  EXPECT_EQ(plan->Zellen().Kurs(1, 1), nullptr);
  for (int d = 1; d <= 5; ++d)
    for (int p = 1; p <= 6; ++p) EXPECT_NE(plan->Zellen().Marke(d, p), TMarke::Markiert);
}

TEST_F(MausTest, ADragReleasedOutsideTheBodyCellsOrCancelledWithEscChangesNothing) {
  deutsch5a->Setze(1, 1, r101, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  const QPoint ziel = Mitte(*plan, 3, 2);
  const QRect kopf = plan->PlnGrid->ZellRechteck(3, 0);
  const QRect stunde = plan->PlnGrid->ZellRechteck(0, 2);
  const QSize flaeche = plan->PlnGrid->viewport()->size();
  // Far right of the grid in the target's row, far below it in its column, on the day header,
  // on the period column: each cancels.
  for (const QPoint aussen : {QPoint(flaeche.width() + 400, ziel.y()),
                              QPoint(ziel.x(), flaeche.height() + 400), kopf.center(), stunde.center()}) {
    SCOPED_TRACE(testing::Message() << aussen.x() << "," << aussen.y());
    Druecke(*plan, 1, 1);
    Maus(*plan, QEvent::MouseMove, ziel, Qt::LeftButton);
    Maus(*plan, QEvent::MouseMove, aussen, Qt::LeftButton);
    Maus(*plan, QEvent::MouseButtonRelease, aussen, Qt::NoButton);
    EXPECT_FALSE(plan->PlnGrid->Zieht());
    EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
    EXPECT_EQ(deutsch5a->Setzungen().Anzahl(), 1);
    EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Keine);
  }
  // Esc over the target, then the release there.
  Druecke(*plan, 1, 1);
  Maus(*plan, QEvent::MouseMove, ziel, Qt::LeftButton);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(plan->PlnGrid, &esc);
  EXPECT_FALSE(plan->PlnGrid->Zieht());
  Maus(*plan, QEvent::MouseButtonRelease, ziel, Qt::NoButton);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_FALSE(Hat(deutsch5a, 1, 3, 2));
  EXPECT_TRUE(dialoge.Protokoll().isEmpty());
  // The next drag drops as before.
  Ziehe(*plan, 1, 1, 3, 2);
  EXPECT_TRUE(Hat(deutsch5a, 1, 3, 2));
}

TEST_F(MausTest, MoveOntoALockIsRefusedWithSetzungsverbot) {
  deutsch5a->Setze(1, 1, r101, 1);
  mue->Sperrung().SetzeBereich(1, 3, 1, true);
  auto plan = Oeffne<TLePlnForm>(mue, Modus::Schieben);
  TGezeigt verbot;
  Antworte(QStringLiteral("Setzungsverbot"), QStringLiteral("Ok"), &verbot);
  Ziehe(*plan, 1, 1, 3, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_FALSE(Hat(deutsch5a, 1, 3, 1));
  EXPECT_TRUE(verbot.felder.contains(QStringLiteral("Mi  1"))) << verbot.felder.join('|').toStdString();
  ASSERT_EQ(verbot.zeilen.size(), 1);
  EXPECT_TRUE(verbot.zeilen[0].contains(QStringLiteral("MUE"))) << verbot.zeilen[0].toStdString();
}

TEST_F(MausTest, MoveOntoAnUnfixedLessonDisplacesItOnlyWithTrotzdemSetzen) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 3);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Abbrechen"));
  Ziehe(*plan, 1, 1, 2, 3);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5a, 1, 2, 3));
  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Trotzdem setzen"));
  Ziehe(*plan, 1, 1, 2, 3);
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 3));
  EXPECT_FALSE(Hat(mathe5a, 1, 2, 3));
  EXPECT_EQ(plan->Zellen().Kurs(2, 3), deutsch5a);
}

TEST_F(MausTest, DisplacingACoupledLessonAsksWhichHoursGo) {
  deutsch5a->Setze(1, 1, r101, 1);
  sportSch->Setze(1, 5, th, 1);
  sportBer->Setze(1, 5, r102, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  dialoge.Klicke(QStringLiteral("Verdrängen"), QStringLiteral("Trotzdem setzen"));
  // "Kopplung" at the first coupled lesson takes the whole coupling: asked once.
  dialoge.Klicke(QStringLiteral("gekoppelten Kurs löschen"), QStringLiteral("Kopplung"));
  Ziehe(*plan, 1, 1, 5, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 5, 1));
  EXPECT_FALSE(Hat(sportSch, 1, 5, 1));
  EXPECT_FALSE(Hat(sportBer, 1, 5, 1));
}

TEST_F(MausTest, ShiftMovesOneCourseOfACouplingAlone) {
  sportSch->Setze(1, 1, th, 1);
  sportBer->Setze(1, 1, r102, 1);
  auto plan = Oeffne<TLePlnForm>(sch, Modus::Schieben);
  Ziehe(*plan, 1, 1, 2, 4, Qt::ShiftModifier);
  EXPECT_TRUE(Hat(sportSch, 1, 2, 4));
  EXPECT_TRUE(Hat(sportBer, 1, 1, 1));
  Ziehe(*plan, 2, 4, 1, 1);  // back beside its partner
  Ziehe(*plan, 1, 1, 4, 4);  // both together
  EXPECT_TRUE(Hat(sportSch, 1, 4, 4));
  EXPECT_TRUE(Hat(sportBer, 1, 4, 4));
}

TEST_F(MausTest, DeletingACoupledLessonAsksDieserKursOrKopplung) {
  // The answer, and whether the shown course and its partner keep their hour.
  const struct {
    const char* knopf;
    bool gezeigtBleibt, andererBleibt;
  } faelle[] = {{"Abbrechen", true, true}, {"Dieser Kurs", false, true}, {"Kopplung", false, false}};
  auto plan = Oeffne<TKlPlnForm>(k5b, Modus::Loeschen);
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.knopf);
    sportSch->Setze(1, 2, th, 2);
    sportBer->Setze(1, 2, r102, 2);
    plan->Aktualisiere();
    TKurs* gezeigt = plan->Zellen().Kurs(2, 2);
    ASSERT_NE(gezeigt, nullptr);
    TKurs* anderer = gezeigt == sportSch ? sportBer : sportSch;
    const QString kurs = QString::fromStdString(gezeigt->TextMitRaum(1, 2, 2));
    // Every course of the coupling, in the coupling's order.
    const QStringList gekoppelt{QString::fromStdString(sportSch->TextMitRaum(1, 2, 2)),
                                QString::fromStdString(sportBer->TextMitRaum(1, 2, 2))};
    TGezeigt frage;
    Antworte(QStringLiteral("gekoppelten Kurs löschen"), QString::fromUtf8(f.knopf), &frage);
    Doppelklicke(*plan, 2, 2);
    EXPECT_TRUE(frage.felder.contains(QStringLiteral("Di  2")));
    EXPECT_TRUE(frage.felder.contains(kurs));
    EXPECT_EQ(frage.zeilen, gekoppelt);
    EXPECT_EQ(Hat(gezeigt, 1, 2, 2), f.gezeigtBleibt);
    EXPECT_EQ(Hat(anderer, 1, 2, 2), f.andererBleibt);
    sportSch->EntferneAlleSetzungen();
    sportBer->EntferneAlleSetzungen();
  }
}

TEST_F(MausTest, DeletingAPlainLessonAsksNothingAndCtrlTakesOnlyTheRoom) {
  deutsch5a->Setze(1, 1, r101, 1);
  deutsch5a->Setze(1, 2, r101, 1);
  auto plan = Oeffne<TRaPlnForm>(r101, Modus::Loeschen);
  Doppelklicke(*plan, 1, 1, Qt::ControlModifier);
  ASSERT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), nullptr);
  EXPECT_EQ(plan->Zellen().Kurs(1, 1), nullptr);  // no longer in this room's plan
  Doppelklicke(*plan, 2, 1);
  EXPECT_FALSE(Hat(deutsch5a, 1, 2, 1));
  EXPECT_TRUE(dialoge.Protokoll().isEmpty());
}

TEST_F(MausTest, TakingTheRoomOffAnHourShowsInEveryOpenPlan) {
  deutsch5a->Setze(1, 1, r101, 1);
  auto lehrer = Oeffne<TLePlnForm>(mue);
  auto raum = Oeffne<TRaPlnForm>(r101);
  auto klasse = Oeffne<TKlPlnForm>(k5a, Modus::Loeschen);
  EXPECT_EQ(lehrer->ZellTexte(1, 1), (QStringList{"5a", "De", "R101"}));
  EXPECT_EQ(klasse->ZellTexte(1, 1), (QStringList{"MUE", "De", "R101"}));
  Doppelklicke(*klasse, 1, 1, Qt::ControlModifier);
  ASSERT_TRUE(Hat(deutsch5a, 1, 1, 1));
  // The hour has no room now, though its course keeps R101 in its list.
  EXPECT_EQ(lehrer->ZellTexte(1, 1), (QStringList{"5a", "De", ""}));
  EXPECT_EQ(klasse->ZellTexte(1, 1), (QStringList{"MUE", "De", ""}));
  EXPECT_EQ(raum->Zellen().Kurs(1, 1), nullptr);
}

TEST_F(MausTest, AltDragSwapsTwoSlotsForTheWholeSchoolAfterStundentausch) {
  deutsch5a->Setze(1, 1, r101, 1)->SetFixiert(true);
  mathe5a->Setze(1, 2, r101, 2);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  // Refused in either dialog: nothing moves. The fixed lesson is a conflict of the swap.
  TGezeigt tausch, konflikte;
  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Abbrechen"));
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  Antworte(QStringLiteral("Stundentausch"), QStringLiteral("Ok"), &tausch);
  Antworte(QStringLiteral("Tauschkonflikte"), QStringLiteral("Nein"), &konflikte);
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5a, 1, 2, 2));
  const int von = tausch.felder.indexOf(QStringLiteral("Mo  1"));
  EXPECT_GE(von, 0);
  EXPECT_GT(tausch.felder.indexOf(QStringLiteral("Di  2")), von);
  ASSERT_EQ(konflikte.zeilen.size(), 1);
  EXPECT_TRUE(konflikte.zeilen[0].startsWith(QStringLiteral("fixiert {1} MUE")))
      << konflikte.zeilen[0].toStdString();

  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Ok"));
  dialoge.Klicke(QStringLiteral("Tauschkonflikte"), QStringLiteral("Ja"));
  Ziehe(*plan, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 2));
  EXPECT_TRUE(Hat(mathe5a, 1, 1, 1));
  EXPECT_EQ(plan->Zellen().Kurs(2, 2), deutsch5a);
  // It moved unfixed: swapping back asks no conflicts. Ending on the starting cell asks nothing.
  dialoge.Klicke(QStringLiteral("Stundentausch"), QStringLiteral("Ok"));
  Ziehe(*plan, 2, 2, 1, 1, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  Ziehe(*plan, 1, 1, 1, 1, Qt::AltModifier);
}

TEST_F(MausTest, CtrlSchiebenMarksCandidatesUntilTheNextPress) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 1);
  mathe5a->Sperrung().SetzeBereich(1, 1, 1, true);  // mathe5a may not come to Monday 1
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
  Druecke(*plan, 1, 1, Qt::ControlModifier);
  LasseLos(*plan, 1, 1, Qt::ControlModifier);
  EXPECT_FALSE(plan->PlnGrid->Zieht());
  EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Markiert);  // its own hour could go back
  EXPECT_EQ(plan->Zellen().Marke(2, 1), TMarke::Keine);     // locked there
  Modus(Modus::Zeigen);
  Druecke(*plan, 4, 4);
  EXPECT_EQ(plan->Zellen().Marke(1, 1), TMarke::Keine);
}

TEST_F(MausTest, MouseUpInAWindowThatIsNotActiveDoesNothing) {
  deutsch5a->Setze(1, 1, r101, 1);
  auto plan = Oeffne<TLePlnForm>(mue, Modus::Zeigen);
  schule->SetzeAktivesFenster(nullptr);
  Klicke(*plan, 1, 1);
  EXPECT_TRUE(popups.Angebote().empty());
  schule->SetzeAktivesFenster(plan.get());
  popups.WaehleNichts();
  Klicke(*plan, 1, 1);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_TRUE(popups.Angebote()[0].texte.value(0).startsWith(QStringLiteral("{1} MUE")));
}

TEST_F(MausTest, EmptyCellPopUpOffersTheCoursesInColumnsOfAtLeastSixteen) {
  for (auto [eintraege, hoehe] : {std::pair{3, 16}, std::pair{17, 16}, std::pair{100, 17}})
    EXPECT_EQ(TPlnForm::MenueUmbrechen(eintraege), hoehe) << eintraege;
  auto plan = Oeffne<TLePlnForm>(mue);
  // The right button offers the placing entries in any mode.
  popups.WaehleNichts();
  Druecke(*plan, 1, 1, {}, Qt::RightButton);
  // 17 courses of the teacher: a new column after the 16th.
  for (int i = 0; i < 15; ++i) schule->ErzeugeKurs(mue, k5a, nullptr, ma, nullptr, 1);
  Modus(Modus::Setzen);
  popups.WaehleNichts();
  Klicke(*plan, 5, 6);
  ASSERT_EQ(popups.Angebote().size(), 2u);
  EXPECT_EQ(popups.Angebote()[0].texte.size(), 2);
  EXPECT_EQ(popups.Angebote()[1].texte.size(), 17);
  EXPECT_EQ(popups.Angebote()[1].spaltenHoehe, 16);
  // Each course entry carries its rooms as sub-items: "ohne Raum" first, then its room list.
  EXPECT_EQ(popups.Angebote()[1].unter[0], (QStringList{"ohne Raum", "R101"}));
  EXPECT_EQ(popups.Angebote()[1].unter[16].value(0), QStringLiteral("ohne Raum"));
  popups.WaehleUnter(QStringLiteral("[3] MUE     Ma 5b"), QStringLiteral("ohne Raum"));
  Klicke(*plan, 5, 6);
  ASSERT_TRUE(Hat(mathe5b, 1, 5, 6));
  EXPECT_EQ(mathe5b->FindeSetzung(1, 5, 6)->Raum(), nullptr);
  EXPECT_EQ(popups.Angebote().size(), 3u) << "no second pop-up for the room";
  // A room plan's entry places with its own room at once.
  auto raumplan = Oeffne<TRaPlnForm>(r102);
  popups.WaehleNichts();
  Klicke(*raumplan, 4, 1);
  EXPECT_TRUE(popups.Angebote().back().unter[0].isEmpty());
  popups.WaehleText(QStringLiteral("[2] MUE     Ma 5b"));
  Klicke(*raumplan, 4, 1);
  ASSERT_TRUE(Hat(mathe5b, 1, 4, 1));
  EXPECT_EQ(mathe5b->FindeSetzung(1, 4, 1)->Raum(), r102);
}

TEST_F(MausTest, ACourseDeletedWhileItsPlanIsOpenLeavesNoCellAndNoDragBehind) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r102, 1);
  auto plan = Oeffne<TKlPlnForm>(k5a, Modus::Schieben);
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
}

}  // namespace
}  // namespace kolvar
