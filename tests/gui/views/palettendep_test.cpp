// Workload windows reached through the palette: the view button and element menus open and
// reuse them, "Kurse" opens all courses once, saved windows come back, and copy, cut and
// paste of the main menu act on the active window; the rows a window was opened with stay
// through the refreshes of later commands, and a long list opens with its frame on the screen.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/ablage.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kvdialog.h"
#include "platform/spaltenmenue.h"
#include "support/modellpruefung.h"
#include "views/depform.h"
#include "views/deputatfenster.h"

namespace kolvar {
namespace {

void BaueZweiLehrer(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  TKlasse* a = s.NeueKlasse("5a");
  TFach* de = s.NeuesFach("De");
  TFach* ma = s.NeuesFach("Ma");
  s.ErzeugeKurs(mue, a, nullptr, de, nullptr, 3);
  s.ErzeugeKurs(mue, a, nullptr, ma, nullptr, 4);
}

class PalettenDepTest : public GuiTest {
 protected:
  PalettenDepTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~PalettenDepTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    palette.reset();
  }
  TLeDepForm* Deputat(int lehrer) {
    palette->Knopf(QStringLiteral("Dep"))->click();
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Le")));
    if (menue == nullptr) return nullptr;
    menue->Waehle(lehrer);
    auto* f = dynamic_cast<TLeDepForm*>(palette->Schule().Lehrer().Hole(lehrer + 1)->DepForm());
    if (f != nullptr) Aktiviere(f);
    return f;
  }
  // As the window manager's activation does: the menus follow the active window.
  void Aktiviere(IFenster* f) {
    palette->Schule().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  void Menue(const char* pfad) { palette->Menues().Aktion(QString::fromUtf8(pfad))->trigger(); }

  TGebauteSchule dateien{BaueZweiLehrer};
};

TEST_F(PalettenDepTest, MenusOpenWorkloadsAndAllCoursesOnce) {
  TSchule& s = palette->Schule();
  TLeDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  EXPECT_EQ(mue->Caption(), QStringLiteral("Deputat MUE"));
  EXPECT_EQ(mue->Zeilen().Anzahl(), 2);
  // The active workload is taken over by the next teacher.
  TLeDepForm* sch = Deputat(1);
  EXPECT_EQ(sch, mue);
  EXPECT_EQ(s.Lehrer().Hole(1)->DepForm(), nullptr);
  Menue("Daten/Kurse");
  IFenster* alle = s.EinzelFenster(FensterArt::KursDep);
  ASSERT_NE(alle, nullptr);
  Menue("Daten/Kurse");
  EXPECT_EQ(s.EinzelFenster(FensterArt::KursDep), alle);
  alle->Schliesse();
  palette->FensterWiederOeffnen(TFenster{.Art = FensterArt::KursDep, .Titel = "alle Kurse"});
  EXPECT_NE(s.EinzelFenster(FensterArt::KursDep), nullptr);
  EXPECT_FALSE(s.Geaendert());
}

TEST_F(PalettenDepTest, CopiedLinesPasteIntoAllCoursesAndNowhereElse) {
  TSchule& s = palette->Schule();
  TLeDepForm* mue = Deputat(0);
  ASSERT_NE(mue, nullptr);
  Menue("Bearbeiten/Alles auswählen");
  Menue("Bearbeiten/Kopieren");
  EXPECT_EQ(ablage.Text().count(QLatin1Char('\n')), 2);
  // A teacher's workload takes no paste.
  dialoge.Bediene(QStringLiteral("Einsetzen"), [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Menue("Bearbeiten/Einsetzen");
  EXPECT_EQ(s.Kurse().Anzahl(), 2);
  Menue("Daten/Kurse");
  Aktiviere(s.EinzelFenster(FensterArt::KursDep));
  Menue("Bearbeiten/Einsetzen");
  EXPECT_EQ(s.Kurse().Anzahl(), 4);
  EXPECT_EQ(s.Lehrer().Hole(1)->Kurse().Anzahl(), 4);
  // Cut from the teacher's workload.
  Aktiviere(mue);
  Menue("Bearbeiten/Alles auswählen");
  dialoge.Bediene(QStringLiteral("Kures löschen?"),
                  [](TKvDialog& d) { d.Knopf(QStringLiteral("Ja"))->click(); });
  Menue("Bearbeiten/Ausschneiden");
  EXPECT_EQ(s.Kurse().Anzahl(), 0);
  EXPECT_EQ(mue->Zeilen().Anzahl(), 0);
}

TEST_F(PalettenDepTest, RefreshesKeepTheRowsTheWindowOpenedWith) {
  TSchule& s = palette->Schule();
  TLehrer* mue = s.Lehrer().Hole(1);
  TKurs* mathe = mue->Kurse().Hole(2);
  {
    TSchule::TAktion aktion(s);
    mathe->SetzeNichtVerplanen(true);  // no open hours to place
  }
  TLeDepForm* dep = Deputat(0);
  ASSERT_NE(dep, nullptr);
  Menue("Daten/Kurse");
  auto* alle = dynamic_cast<TKursDepForm*>(s.EinzelFenster(FensterArt::KursDep));
  ASSERT_NE(alle, nullptr);
  ASSERT_EQ(dep->Zeilen().Anzahl(), 2);
  ASSERT_EQ(alle->Zeilen().Anzahl(), 2);
  // Ctrl+click on the version button toggles acting on all versions and refreshes every window;
  // the Ctrl of that click filters no list.
  QToolButton* vers = palette->Knopf(QStringLiteral("Vers"));
  for (int i = 0; i < 2; ++i) {
    const bool eaw = standard.eaw();
    QTest::mouseClick(vers, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_NE(standard.eaw(), eaw) << "the click held Ctrl";
    EXPECT_EQ(dep->Zeilen().Kurse(), mue->Kurse().Elemente());
    EXPECT_EQ(alle->Zeilen().Kurse(), s.Kurse().Elemente());
  }
  // Opened with Ctrl held, a workload lists the courses with open hours, and keeps to them
  // through refreshes with and without Ctrl.
  dep->SchliesseFrage();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  palette->ShiftMerken(Taste::Strg);
  dep = Deputat(0);
  ASSERT_NE(dep, nullptr);
  EXPECT_EQ(dep->Zeilen().Kurse(), std::vector<TKurs*>{mue->Kurse().Hole(1)});
  palette->ShiftMerken(0);
  popups.WaehleText(QStringLiteral("1"));
  QTest::mouseClick(vers, Qt::LeftButton);
  EXPECT_EQ(dep->Zeilen().Kurse(), std::vector<TKurs*>{mue->Kurse().Hole(1)});
  QTest::mouseClick(vers, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(dep->Zeilen().Kurse(), std::vector<TKurs*>{mue->Kurse().Hole(1)});
  EXPECT_EQ(alle->Zeilen().Anzahl(), 2);
  ErwarteKeineSkriptFehler();
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << f;
}

// A key as Qt delivers it: to the focused widget of the active window, else to the window.
void TasteAnPalette(TKolvarPalette& p, Qt::Key taste) {
  p.show();
  p.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
  QWidget* ziel = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &p;
  ASSERT_EQ(ziel->window(), &p);
  QTest::keyClick(ziel, taste);
}

TEST_F(PalettenDepTest, ThePalettesArrowKeysStepAndLeaveTheViewButtonsAlone) {
  TSchule& s = palette->Schule();
  QToolButton* grDat = palette->Knopf(QStringLiteral("GrDat"));
  ASSERT_TRUE(grDat->isChecked());
  // No window open: the arrows have nothing to step through, and the view stays.
  for (const Qt::Key taste : {Qt::Key_Right, Qt::Key_Left}) {
    TasteAnPalette(*palette, taste);
    EXPECT_TRUE(grDat->isChecked());
    EXPECT_EQ(s.Ansichtsgruppe(), 0);
  }
  // A teacher's workload, then the palette active: Right shows the next teacher's workload.
  ASSERT_NE(Deputat(0), nullptr);
  TasteAnPalette(*palette, Qt::Key_Right);
  EXPECT_TRUE(palette->Knopf(QStringLiteral("Dep"))->isChecked());
  EXPECT_EQ(s.Lehrer().Hole(1)->DepForm(), nullptr);
  ASSERT_NE(s.Lehrer().Hole(2)->DepForm(), nullptr);
  ASSERT_EQ(s.Fenster().size(), 1u) << "no plan took its place";
  Aktiviere(s.Lehrer().Hole(2)->DepForm());
  TasteAnPalette(*palette, Qt::Key_Left);
  EXPECT_NE(s.Lehrer().Hole(1)->DepForm(), nullptr);
  EXPECT_EQ(s.Fenster().size(), 1u);
  EXPECT_FALSE(s.Geaendert());
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << f;
}

TEST_F(PalettenDepTest, CtrlShiftWClosesEveryWindowAsTheEntryWithShiftDoes) {
  TSchule& s = palette->Schule();
  auto offen = [&s] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return s.Fenster().size();
  };
  // The menus' shortcuts reach the active window of the program while the palette shows.
  palette->show();
  auto taste = [](QWidget* w, Qt::KeyboardModifiers m) {
    w->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->window()));
    QTest::keyClick(w, Qt::Key_W, m);
  };
  TLeDepForm* dep = Deputat(0);
  ASSERT_NE(dep, nullptr);
  Menue("Daten/Kurse");
  Aktiviere(dep);
  ASSERT_EQ(offen(), 2u);
  // Ctrl+W closes the active window alone.
  taste(dep->DepGrid, Qt::ControlModifier);
  ASSERT_EQ(offen(), 1u);
  EXPECT_NE(s.EinzelFenster(FensterArt::KursDep), nullptr);
  dep = Deputat(0);
  ASSERT_NE(dep, nullptr);
  ASSERT_EQ(offen(), 2u);
  // With Shift, every window.
  taste(dep->DepGrid, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(offen(), 0u);
  EXPECT_EQ(palette->Tasten(), 0) << "the Shift was the shortcut's";
  // Without an active window the entry is off, and so is its shortcut.
  taste(palette.get(), Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(offen(), 0u);
  EXPECT_EQ(s.Lehrer().Hole(1)->Kurse().Anzahl(), 2);
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << f;
}

void BaueVieleKurse(TSchule& s) {
  TLehrer* l = s.NeuerLehrer("MUE");
  TKlasse* k = s.NeueKlasse("5a");
  TFach* f = s.NeuesFach("De");
  for (int i = 0; i < 120; ++i) s.ErzeugeKurs(l, k, nullptr, f, nullptr, 1);
}

class VieleKurseTest : public GuiTest {
 protected:
  VieleKurseTest() {
    BauePalette(dateien);
    palette->show();
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/viele.kvr")));
  }
  ~VieleKurseTest() override { palette.reset(); }
  TGebauteSchule dateien{BaueVieleKurse};
};

TEST_F(VieleKurseTest, AllCoursesOpensWithItsFrameOnTheScreen) {
  palette->Menues().Aktion(QStringLiteral("Daten/Kurse"))->trigger();
  auto* alle = dynamic_cast<TKursDepForm*>(palette->Schule().EinzelFenster(FensterArt::KursDep));
  ASSERT_NE(alle, nullptr);
  ASSERT_TRUE(alle->isVisible());
  // Shown but not yet framed: the title bar the window manager is about to add must fit below
  // the rows as well.
  const QRect flaeche = alle->screen()->availableGeometry();
  const int titel = alle->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  EXPECT_LE(alle->frameGeometry().top() + titel + alle->height(), flaeche.bottom() + 1);
  // It is cut to the screen, not to a few rows.
  EXPECT_GT(alle->height(), flaeche.height() / 2);
  EXPECT_EQ(alle->Zeilen().Anzahl(), 120);
}

}  // namespace
}  // namespace kolvar
