// The manual planning window offscreen: its grids by layout and where they stand, placing by
// double click and taking it back, moving on to the next open course, removing another course's
// lesson, the school-wide swap and the move candidates of Schieben, courses deleted while it is
// open, and closing under each answer of its question.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

#include "core/engine/planhilfe.h"
#include "planumgebung.h"
#include "platform/gitter.h"
#include "views/manuellform.h"

namespace kolvar {
namespace {

class ManuellTest : public PlanTest {
 protected:
  ~ManuellTest() override { delete form; }

  TManuellForm* Oeffne(const std::vector<TKurs*>& kurse, int modus, bool ohneGruende = false) {
    form = new TManuellForm(*schule, nullptr);
    form->MitKursliste(kurse, ohneGruende);
    form->Oeffne();
    QCoreApplication::processEvents();
    schule->SetzeAktivesFenster(static_cast<TKindFenster*>(form.data()));
    Modus(modus);
    return form;
  }

  // A real double click on the body cell of grid i.
  void Doppel(int i, int tag, int stunde) {
    TGitter* g = form->Gitter(i);
    g->ZeigeZelle(tag, stunde);
    const QPoint ort = g->ZellRechteck(tag, stunde).center();
    for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                             QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons knoepfe = art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(art, QPointF(ort), QPointF(g->viewport()->mapToGlobal(ort)), Qt::LeftButton, knoepfe, {});
      QApplication::sendEvent(g->viewport(), &e);
    }
  }

  void Sende(int i, QEvent::Type art, int tag, int stunde, Qt::MouseButtons knoepfe,
             Qt::KeyboardModifiers m) {
    TGitter* g = form->Gitter(i);
    const QPoint ort = g->ZellRechteck(tag, stunde).center();
    QMouseEvent e(art, QPointF(ort), QPointF(g->viewport()->mapToGlobal(ort)), Qt::LeftButton, knoepfe, m);
    QApplication::sendEvent(g->viewport(), &e);
  }
  void Klicke(int i, int tag, int stunde, Qt::KeyboardModifiers m) {
    Sende(i, QEvent::MouseButtonPress, tag, stunde, Qt::LeftButton, m);
    Sende(i, QEvent::MouseButtonRelease, tag, stunde, Qt::NoButton, m);
  }
  // Press on the source, move over the target, release there with the modifiers.
  void Ziehe(int i, int vonTag, int vonStunde, int zuTag, int zuStunde, Qt::KeyboardModifiers m) {
    Sende(i, QEvent::MouseButtonPress, vonTag, vonStunde, Qt::LeftButton, {});
    Sende(i, QEvent::MouseMove, zuTag, zuStunde, Qt::LeftButton, m);
    Sende(i, QEvent::MouseButtonRelease, zuTag, zuStunde, Qt::NoButton, m);
  }
  // The marked cells of every grid of the layout.
  std::vector<std::vector<std::pair<int, int>>> Marken() const {
    std::vector<std::vector<std::pair<int, int>>> marken;
    for (int i = 0; i < form->Gitterzahl(); ++i) marken.push_back(form->Zellen(i).Markierte());
    return marken;
  }

  bool Offen() const { return !form.isNull() && form->IstAngemeldet(); }

  QPointer<TManuellForm> form;
};

TEST_F(ManuellTest, LayoutsShowClassTeacherAndRoomOfTheCurrentCourse) {
  struct TFall {
    int pma;
    int gitter;
  } faelle[] = {{0, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 3}, {5, 4}};
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.pma);
    standard.PlanFenster.pma = f.pma;
    Oeffne({deutsch5a}, Modus::Zeigen);
    ASSERT_EQ(form->Gitterzahl(), f.gitter);
    const std::vector<TPlanElement*> erwartet{k5a, mue, r101, nullptr};
    for (int i = 0; i < f.gitter; ++i)
      EXPECT_EQ(form->GitterElement(i), erwartet[static_cast<std::size_t>(i)]);
    EXPECT_EQ(form->Gitter(0)->Text(0, 0), QStringLiteral("K"));
    form->Schliesse();
    EXPECT_FALSE(Offen());
    delete form;
  }
}

TEST_F(ManuellTest, PlacingByDoubleClickIsTakenBackByUndo) {
  standard.PlanFenster.pma = 5;
  const std::string vorher = Planstand(*schule);
  Oeffne({deutsch5a, mathe5a}, Modus::Setzen);
  EXPECT_TRUE(palette.undo);
  Doppel(0, 1, 1);
  Doppel(1, 2, 3);  // the teacher's grid places too
  ASSERT_TRUE(Hat(deutsch5a, 1, 1, 1));
  ASSERT_TRUE(Hat(deutsch5a, 1, 2, 3));
  EXPECT_EQ(deutsch5a->FindeSetzung(1, 1, 1)->Raum(), r101);
  EXPECT_EQ(form->Zellen(2).Kurs(1, 1), deutsch5a);  // the room's grid follows
  EXPECT_EQ(form->RestFeld->text(), QStringLiteral("2"));
  // Removing one of them in Löschen is recorded too.
  Modus(Modus::Loeschen);
  Doppel(0, 1, 1);
  EXPECT_FALSE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_EQ(schule->UndoSchritte().Anzahl(), 3);
  schule->Widerrufe();
  EXPECT_EQ(Planstand(*schule), vorher);
  EXPECT_TRUE(schule->UndoSchritte().Leer());
  Antworte(QStringLiteral("Manuellfenster schließen"), QStringLiteral("Ja"));
  EXPECT_TRUE(form->SchliesseFrage());
  EXPECT_FALSE(palette.undo);
}

TEST_F(ManuellTest, SchiebenPlacesTheLastOpenHourAndMovesOnWrapping) {
  Oeffne({mathe5b, deutsch5b}, Modus::Schieben);
  form->SetzeAktKurs(deutsch5b);
  Doppel(0, 1, 1);
  EXPECT_EQ(form->AktKurs(), deutsch5b);
  Doppel(0, 1, 2);
  EXPECT_EQ(form->AktKurs(), mathe5b);  // complete: on to the start of the list
  for (int p = 3; p <= 5; ++p) Doppel(0, 1, p);
  EXPECT_EQ(form->AktKurs(), mathe5b);  // nothing open left: it stays
  EXPECT_EQ(mathe5b->GesetzteStunden(-1), 3);
  EXPECT_TRUE(form->SchliesseFrage());  // all complete: no question
  EXPECT_FALSE(Offen());
}

TEST_F(ManuellTest, RemovingAnotherCoursesLessonTakesItIntoTheList) {
  mathe5a->Setze(1, 3, r101, 2);
  Oeffne({deutsch5a}, Modus::Loeschen);
  Doppel(0, 3, 2);
  EXPECT_FALSE(Hat(mathe5a, 1, 3, 2));
  const auto& kurse = form->Planung().Kurse();
  EXPECT_NE(std::find(kurse.begin(), kurse.end(), mathe5a), kurse.end());
  form->Schliesse();
}

TEST_F(ManuellTest, DeletedCoursesLeaveTheListAndTheLastOneClosesTheWindow) {
  Oeffne({deutsch5a, mathe5a, mathe5b}, Modus::Zeigen);
  schule->LoescheKurs(mathe5a);
  EXPECT_EQ(form->AktKurs(), deutsch5a);
  schule->LoescheKurs(deutsch5a);
  EXPECT_EQ(form->AktKurs(), mathe5b);
  EXPECT_EQ(form->GitterElement(0), k5b);
  EXPECT_EQ(form->Planung().Kurse().size(), 1u);
  schule->LoescheKurs(mathe5b);  // nothing asked although hours were open
  EXPECT_FALSE(Offen());
  EXPECT_EQ(schule->ManuellFenster(), nullptr);
}

TEST_F(ManuellTest, ClosingAsksOnlyTheUserAndOnlyWithOpenHours) {
  struct TFall {
    const char* knopf;
    bool offenDanach;
  } faelle[] = {{"Nein", true}, {"Ja", false}};
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.knopf);
    if (form.isNull()) Oeffne({deutsch5a}, Modus::Zeigen);
    Antworte(QStringLiteral("Manuellfenster schließen"), QString::fromLatin1(f.knopf));
    form->SchliesseFrage();
    EXPECT_EQ(Offen(), f.offenDanach);
    EXPECT_EQ(schule->ManuellFenster() != nullptr, f.offenDanach);
    if (!f.offenDanach) delete form;
  }
  // The school goes (or the program ends): the window closes without its question.
  Oeffne({deutsch5a}, Modus::Zeigen);
  form->Schliesse();
  EXPECT_FALSE(Offen());
  EXPECT_FALSE(palette.undo);
}

TEST_F(ManuellTest, LeftBoxAndLabelsStandWhereTheLayoutPutsThem) {
  standard.PlanFenster.pma = 1;  // "2 hoch"
  Oeffne({deutsch5a}, Modus::Zeigen);
  const QWidget* panel = form->Gitter(1)->parentWidget();
  const QLabel* label = panel->findChild<QLabel*>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("MUE"));
  EXPECT_EQ(label->pos(), QPoint(panel->width() / 2 - 20, 5));
  EXPECT_EQ(form->Gitter(0)->parentWidget()->pos(), QPoint(90, 5));
  EXPECT_EQ(panel->pos(), QPoint(90 + panel->width() + 5, 5));
  EXPECT_EQ(form->LinksBox->geometry(), QRect(5, 5, 80, panel->height()));
  // Rows of two lines with the mark strip under each, one header line, the label above; the
  // left box wants 395.
  const int zeile = standard.PlanZeilenHoehe;
  const int hoehe = std::max(395, standard.pst * (2 * zeile + 5) + zeile + 45);
  EXPECT_EQ(panel->height(), hoehe);
  EXPECT_EQ(form->size(), QSize(90 + 2 * (panel->width() + 5), hoehe + 10));
  form->Schliesse();
}

TEST_F(ManuellTest, AltDragSwapsTheTwoSlotsForTheWholeSchool) {
  deutsch5a->Setze(1, 1, r101, 1);
  mathe5a->Setze(1, 2, r101, 2);
  mathe5b->Setze(1, 1, r102, 1);
  Oeffne({deutsch5a}, Modus::Schieben);
  Antworte(QStringLiteral("Stundentausch"), QStringLiteral("Ok"));
  Ziehe(0, 1, 1, 2, 2, Qt::AltModifier);
  EXPECT_TRUE(Hat(deutsch5a, 1, 2, 2));
  EXPECT_TRUE(Hat(mathe5a, 1, 1, 1));
  EXPECT_TRUE(Hat(mathe5b, 1, 2, 2));  // not in the window's plans, swapped all the same
  EXPECT_EQ(Marken(), decltype(Marken())(static_cast<std::size_t>(form->Gitterzahl())));
  form->Schliesse();
}

TEST_F(ManuellTest, CtrlInSchiebenMarksWhatCouldGoThereWithTheChosenRoomInEveryGrid) {
  // SCH's Ma 5a could go to Wed 3 in its own room, not in R101 (MUE's Ma 5b holds it there).
  standard.PlanFenster.pma = 5;
  mathe5a->Setze(1, 1, r102, 2);
  mathe5b->Setze(1, 3, r101, 3);
  struct TFall {
    Qt::KeyboardModifiers m;
    bool markiert;
  } faelle[] = {{Qt::ControlModifier, false}, {Qt::ControlModifier | Qt::ShiftModifier, true}};
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.markiert);
    if (form.isNull()) Oeffne({deutsch5a}, Modus::Schieben);
    ASSERT_EQ(form->Planung().Raum(), r101);
    Klicke(0, 3, 3, f.m);
    const std::vector<std::pair<int, int>> erwartet =
        f.markiert ? std::vector<std::pair<int, int>>{{1, 2}} : std::vector<std::pair<int, int>>{};
    EXPECT_EQ(Marken(), decltype(Marken())(4, erwartet));
  }
  EXPECT_TRUE(Hat(mathe5a, 1, 1, 2));  // only marked
  form->Schliesse();
}

TEST_F(ManuellTest, LettingGoOfCtrlInSchiebenClearsTheMarks) {
  mathe5a->Setze(1, 1, r102, 2);
  Oeffne({deutsch5a}, Modus::Schieben);
  Klicke(0, 3, 3, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_FALSE(form->Zellen(0).Markierte().empty());
  // The palette hands every change of the keys to the windows with the cursors.
  palette.ShiftMerken(Taste::Strg | Taste::Shift);
  schule->SetzeCursor();
  EXPECT_FALSE(form->Zellen(0).Markierte().empty());  // Shift alone let go: kept
  palette.ShiftMerken(Taste::Shift);
  schule->SetzeCursor();
  EXPECT_TRUE(form->Zellen(0).Markierte().empty());
  form->Schliesse();
}

}  // namespace
}  // namespace kolvar
