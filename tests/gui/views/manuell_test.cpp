// The manual planning window offscreen: its grids by layout and where they stand, placing by
// double click and taking it back, moving on to the next open course, removing another course's
// lesson, the school-wide swap and the move candidates of Schieben, courses deleted while it is
// open, and closing under each answer of its question.

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "core/engine/planhilfe.h"
#include "engine/kuerzelliste.h"
#include "masterdata/kueform.h"
#include "masterdata/sperrung.h"
#include "planumgebung.h"
#include "platform/gitter.h"
#include "views/manuellform.h"
#include "views/plnstandardform.h"

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

// Deleting in "Kürzel" what the window shows: each kind leaves its panels, the chosen room and the
// shown coupling; laying out, redrawing and painting afterwards read nothing freed.
TEST_F(ManuellTest, DeletedElementsLeaveTheWindow) {
  standard.PlanFenster.pma = 5;
  Oeffne({sportSch, deutsch5a}, Modus::Setzen);
  form->SetzeAktKurs(deutsch5a);
  // A press on the fourth grid makes its panel the active one.
  Sende(3, QEvent::MouseButtonPress, 0, 0, Qt::LeftButton, {});
  Sende(3, QEvent::MouseButtonRelease, 0, 0, Qt::NoButton, {});
  ASSERT_EQ(form->AktivesPanel(), 3);
  form->ZeigeImAktivenPanel(k5b);
  ASSERT_EQ(form->GitterElement(0), k5a);
  ASSERT_EQ(form->GitterElement(1), mue);
  ASSERT_EQ(form->GitterElement(2), r101);
  struct TFall {
    int art;  // the kind's button of "Kürzel"
    const char* kuerzel;
    const void* element;
    TKurs* aktuell;
  } faelle[] = {{1, "5a", k5a, deutsch5a}, {0, "MUE", mue, deutsch5a}, {4, "R101", r101, deutsch5a},
                {1, "5b", k5b, deutsch5a}, {2, "SPO", spo, sportSch},  {4, "TH", th, sportSch}};
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.kuerzel);
    form->SetzeAktKurs(f.aktuell);
    TKueForm kuerzel(*schule);
    kuerzel.show();
    kuerzel.ArtGruppe()->button(f.art)->click();
    kuerzel.KueFeld()->clear();
    QTest::keyClicks(kuerzel.KueFeld(), QString::fromLatin1(f.kuerzel));
    ASSERT_TRUE(kuerzel.LoeschKnopf()->isEnabled());
    dialoge.Antworte(QStringLiteral("Kürzel löschen"), mrJa);
    kuerzel.LoeschKnopf()->click();
    kuerzel.OkKnopf()->click();
    // What the palette does after the dialog: every window laid out and shown again.
    schule->AktualisiereAlleFenster();
    ASSERT_TRUE(Offen());
    for (int i = 0; i < form->Gitterzahl(); ++i) {
      EXPECT_NE(static_cast<const void*>(form->GitterElement(i)), f.element) << i;
      if (form->GitterElement(i) == nullptr) {
        EXPECT_EQ(form->Gitter(i)->Text(0, 0), QStringLiteral(" ")) << i;
      }
    }
    EXPECT_NE(static_cast<const void*>(form->Planung().Raum()), f.element);
    EXPECT_NE(static_cast<const void*>(form->Planung().GezeigteKopplung()), f.element);
    form->grab();
    for (int d = 1; d <= standard.mtn; ++d)
      for (int p = 1; p <= standard.pst; ++p)
        for (const TKonflikt& k : form->Planung().Gruende(d, p)) form->Planung().GrundText(k, d, p);
    Gesund();
  }
  EXPECT_EQ(form->Planung().Raum(), nullptr) << "TH was the sports course's last room";
  Antworte(QStringLiteral("Manuellfenster schließen"), QStringLiteral("Ja"));
  EXPECT_TRUE(form->SchliesseFrage());
}

// A double click reaches the slot: the pop-up of the first click waits the double-click time,
// and the second click drops it.
TEST_F(ManuellTest, RenamedElementsRetitleTheirPanels) {
  standard.PlanFenster.pma = 5;
  Oeffne({deutsch5a}, Modus::Zeigen);
  ASSERT_EQ(form->PanelTitel(0), QStringLiteral("5a"));
  ASSERT_EQ(TKuerzelListe(*schule, TElementArt::Klasse).Umbenenne(k5a, "5x"),
            TKuerzelListe::TUmbenennung::Umbenannt);
  ASSERT_EQ(TKuerzelListe(*schule, TElementArt::Lehrer).Umbenenne(mue, "MUX"),
            TKuerzelListe::TUmbenennung::Umbenannt);
  EXPECT_EQ(form->PanelTitel(0), QStringLiteral("5x"));
  EXPECT_EQ(form->PanelTitel(1), QStringLiteral("MUX"));
}

TEST_F(ManuellTest, DoubleClickIsNotEatenByThePopup) {
  mathe5b->Setze(1, 1, r102, 1);  // MUE is busy on Monday 1 and 2
  mathe5b->Setze(1, 1, r102, 2);
  mathe5a->Setze(1, 3, r101, 1);
  Oeffne({deutsch5a}, Modus::Setzen);
  ASSERT_FALSE(form->Planung().Gruende(1, 1).Leer());

  Antworte(QStringLiteral("Verdrängen"), QStringLiteral("Trotzdem setzen"));
  Doppel(0, 1, 1);
  EXPECT_TRUE(Hat(deutsch5a, 1, 1, 1));
  EXPECT_FALSE(Hat(mathe5b, 1, 1, 1));
  EXPECT_FALSE(form->MenueWartet());
  EXPECT_TRUE(popups.Angebote().empty()) << "a pop-up opened between the two clicks";

  // A single click shows the reasons once no second click came.
  Klicke(0, 1, 2, {});
  EXPECT_TRUE(popups.Angebote().empty());
  EXPECT_TRUE(form->MenueWartet());
  popups.WaehleNichts();
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_TRUE(popups.Angebote()[0].texte.join(' ').contains(QStringLiteral("besetzt")));

  // In Zeigen a double click on another course's lesson makes it current, nothing pops up.
  Modus(Modus::Zeigen);
  Doppel(0, 3, 1);
  EXPECT_EQ(form->AktKurs(), mathe5a);
  EXPECT_EQ(popups.Angebote().size(), 1u);
  form->Schliesse();
}

// A lock drawn in a teacher's lock grid redraws the window: the slot's reason is there at once.
TEST_F(ManuellTest, LockDrawnInAnEditorRedrawsTheWindow) {
  Oeffne({deutsch5a}, Modus::Setzen);
  ASSERT_TRUE(form->Planung().Gruende(2, 3).Leer());
  TSperrung sperrung;
  sperrung.Vorbereiten(standard);
  sperrung.SetzeQuelle(TSperrQuelle::VonElement(*mue), schule.get());
  sperrung.show();
  QWidget* g = sperrung.Gitter();
  const QPoint ort = sperrung.ZellRechteck(2, 3).center();
  for (QEvent::Type art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(art, QPointF(ort), QPointF(g->mapToGlobal(ort)), Qt::LeftButton,
                  art == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(g, &e);
  }
  ASSERT_TRUE(mue->Sperrung().Belegt(1, 2, 3));
  EXPECT_FALSE(form->Planung().Gruende(2, 3).Leer());
  EXPECT_TRUE(form->Planung().Bild(2, 3, nullptr).Schraffur);
  form->Schliesse();
}

// "3 quer" and Ok in the plan presets: the two new panels show the teacher and the room at once.
TEST_F(ManuellTest, NewPanelsOfALargerLayoutShowTheCoursesPlans) {
  standard.PlanFenster.pma = 0;
  Oeffne({deutsch5a}, Modus::Zeigen);
  ASSERT_EQ(form->Gitterzahl(), 1);
  TPlnStandardForm vorgaben(*schule);
  popups.WaehleText(QStringLiteral("3 quer"));
  vorgaben.ManWechselKnopf()->click();
  vorgaben.Knopf(QStringLiteral("Ok"))->click();
  ASSERT_EQ(form->Gitterzahl(), 3);
  EXPECT_EQ(form->GitterElement(0), k5a);
  EXPECT_EQ(form->GitterElement(1), mue);
  EXPECT_EQ(form->GitterElement(2), r101);
  EXPECT_EQ(form->Gitter(1)->Text(0, 0), QStringLiteral("L"));
  EXPECT_EQ(form->Gitter(2)->Text(0, 0), QStringLiteral("A"));
  const QLabel* label = form->Gitter(2)->parentWidget()->findChild<QLabel*>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("R101"));
  form->Schliesse();
}

// The coupling field turns red in Schieben and back in Setzen, in the small font of the other fields
// of the left box: a style sheet gave it the application's font instead.
TEST_F(ManuellTest, CouplingFieldTurnsRedInTheFontOfTheLeftBox) {
  Oeffne({sportSch}, Modus::Setzen);
  form->SetzeAktKurs(sportSch);
  QLabel* koppl = nullptr;
  QLabel* lehrer = nullptr;
  for (QLabel* l : form->findChild<QGroupBox*>()->findChildren<QLabel*>()) {
    if (l->text() == QStringLiteral("SPO")) koppl = l;
    if (l->text() == QStringLiteral("SCH")) lehrer = l;
  }
  ASSERT_NE(koppl, nullptr);
  ASSERT_NE(lehrer, nullptr);
  const QColor schwarz = lehrer->palette().color(QPalette::WindowText);
  for (int modus : {Modus::Schieben, Modus::Setzen, Modus::Schieben}) {
    Modus(modus);
    QCoreApplication::processEvents();
    EXPECT_EQ(koppl->font().toString(), lehrer->font().toString()) << modus;
    EXPECT_EQ(koppl->palette().color(QPalette::WindowText),
              modus == Modus::Schieben ? QColor(Qt::red) : schwarz)
        << modus;
  }
  Gesund();
}

}  // namespace
}  // namespace kolvar
