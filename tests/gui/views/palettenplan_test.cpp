// Plan windows reached through the palette: the view button and the element menus open and
// reuse them, "Kopieren" copies the active plan, the workload takes the element over.

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/fensterverwaltung.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/oeffnerstellvertreter.h"
#include "model/ipalettezustand.h"
#include "planumgebung.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/spaltenmenue.h"
#include "views/planfenster.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* l = s.NeuerLehrer("MUE");
  TKlasse* a = s.NeueKlasse("5a");
  s.NeueKlasse("5b");
  TFach* f = s.NeuesFach("De");
  TKurs* k = s.ErzeugeKurs(l, a, nullptr, f, nullptr, 3);
  k->Setze(1, 2, nullptr, 2);
}

class PalettenPlanTest : public GuiTest {
 protected:
  PalettenPlanTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~PalettenPlanTest() override { palette.reset(); }
  void Klasse(int index) {
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
    ASSERT_NE(menue, nullptr);
    menue->Waehle(index);
  }
  // The view button, then 5a from the class menu: its plan, made the active window.
  TKlPlnForm* Plan5a() {
    palette->Knopf(QStringLiteral("Plan"))->click();
    Klasse(0);
    auto* plan = dynamic_cast<TKlPlnForm*>(palette->Schule().Klassen().Hole(1)->PlnForm());
    if (plan != nullptr) palette->Schule().SetzeAktivesFenster(plan);
    return plan;
  }

  // A mouse event on the middle of a body cell of the plan's grid.
  static void Maus(TPlnForm& plan, QEvent::Type art, int tag, int stunde, Qt::MouseButton knopf,
                   Qt::MouseButtons knoepfe) {
    QWidget* ziel = plan.PlnGrid->viewport();
    const QPoint ort = plan.PlnGrid->ZellRechteck(tag, stunde).center();
    QMouseEvent ereignis(art, QPointF(ort), QPointF(ziel->mapToGlobal(ort)), knopf, knoepfe, {});
    QApplication::sendEvent(ziel, &ereignis);
  }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(PalettenPlanTest, ElementMenusOpenPlansAndReuseTheActiveOne) {
  TSchule& s = palette->Schule();
  TKlasse* a = s.Klassen().Hole(1);
  TKlasse* b = s.Klassen().Hole(2);
  TKlPlnForm* plan = Plan5a();
  ASSERT_NE(plan, nullptr);
  EXPECT_EQ(s.Ansichtsgruppe(), 2);
  EXPECT_TRUE(s.IstAngemeldet(plan));
  ASSERT_EQ(palette->Fenster().FensterAktionen().size(), 1u);
  EXPECT_EQ(palette->Fenster().FensterAktionen()[0]->text(), QStringLiteral("Plan 5a"));
  Klasse(1);
  EXPECT_EQ(b->PlnForm(), plan);  // taken over
  EXPECT_EQ(a->PlnForm(), nullptr);
  ASSERT_EQ(palette->Fenster().FensterAktionen().size(), 1u);
  EXPECT_EQ(palette->Fenster().FensterAktionen()[0]->text(), QStringLiteral("Plan 5b"));
  EXPECT_FALSE(s.Geaendert());
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
}

TEST_F(PalettenPlanTest, KopierenCopiesTheActivePlan) {
  ASSERT_NE(Plan5a(), nullptr);
  palette->MenusAnpassen();
  QAction* kopieren = palette->Menues().Aktion(QStringLiteral("Bearbeiten/Kopieren"));
  ASSERT_NE(kopieren, nullptr);
  ASSERT_TRUE(kopieren->isEnabled());
  kopieren->trigger();
  const QStringList zeilen = ablage.Text().split(QLatin1Char('\n'));
  ASSERT_GE(zeilen.size(), 3);
  EXPECT_EQ(zeilen[0], QStringLiteral("\tMo\tDi\tMi\tDo\tFr"));
  EXPECT_TRUE(zeilen[2].startsWith(QStringLiteral(" 2\t---\tMUE")));
}

TEST_F(PalettenPlanTest, AWorkloadOpenerAndThePlansKeepTheirOwnGroups) {
  // The plans alone: the recorder stands in for the workload windows no feature builds then.
  palette.reset();
  BauePalette(dateien, nullptr, false);
  InstallierePlanFenster(*palette);
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  TSchule& s = palette->Schule();
  std::vector<TElement*> deputate;
  SetzeElementFensterOeffner(*palette, 1, [&deputate](TElement* e, uint8_t) { deputate.push_back(e); });
  ASSERT_NE(Plan5a(), nullptr) << "the plan opener is still there";
  // "Deputate" switches the class from its plan to its workload: the plan closes.
  palette->Knopf(QStringLiteral("Dep"))->click();
  EXPECT_EQ(deputate, std::vector<TElement*>{s.Klassen().Hole(1)});
  EXPECT_EQ(s.Klassen().Hole(1)->PlnForm(), nullptr);
  EXPECT_TRUE(palette->Fenster().FensterAktionen().empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(PalettenPlanTest, CtrlNextGoesOnlyToAClassWithAnHourWithoutARoom) {
  TSchule& s = palette->Schule();
  TKlPlnForm* plan = Plan5a();
  ASSERT_NE(plan, nullptr);
  palette->MenusAnpassen();
  // 5a's hour has no room, 5b has none: with Ctrl the step comes back to 5a and opens nothing.
  palette->SetzeTasten(Taste::Strg);
  palette->Knopf(QStringLiteral("PfeilRechts"))->click();
  EXPECT_EQ(s.Klassen().Hole(1)->PlnForm(), plan);
  EXPECT_EQ(s.Klassen().Hole(2)->PlnForm(), nullptr);
  palette->SetzeTasten(0);
  palette->Knopf(QStringLiteral("PfeilRechts"))->click();
  EXPECT_EQ(s.Klassen().Hole(2)->PlnForm(), plan);
  // From 5b, Ctrl leads back to 5a, in a window of its own since a key is held.
  palette->SetzeTasten(Taste::Strg);
  palette->Knopf(QStringLiteral("PfeilLinks"))->click();
  EXPECT_NE(s.Klassen().Hole(1)->PlnForm(), nullptr);
  EXPECT_EQ(s.Klassen().Hole(2)->PlnForm(), plan);
  palette->SetzeTasten(0);
  EXPECT_FALSE(s.Geaendert());
}

TEST_F(PalettenPlanTest, AWindowClosedWhileItsPopUpIsOpenLivesUntilThePopUpHasReturned) {
  TSchule& s = palette->Schule();
  // The right button's pop-up opens on the press, the one of "Zeigen" on the release.
  for (const bool rechts : {true, false}) {
    SCOPED_TRACE(rechts);
    TKlPlnForm* plan = Plan5a();
    ASSERT_NE(plan, nullptr);
    s.SetzeModus(Modus::Zeigen);
    palette->MenusAnpassen();
    QPointer<TKlPlnForm> zeiger(plan);
    bool lebt = false;
    popups.WaehrendDesNaechsten([&] {
      // "Fenster schließen" (Ctrl+W) while the pop-up is open, then whatever the loop does.
      palette->Menues().Aktion(QStringLiteral("Datei/Fenster schließen"))->trigger();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      lebt = !zeiger.isNull() && zeiger->isHidden();
    });
    popups.WaehleNichts();  // Esc
    if (rechts) {
      Maus(*plan, QEvent::MouseButtonPress, 1, 3, Qt::RightButton, Qt::RightButton);
      Maus(*plan, QEvent::MouseButtonRelease, 1, 3, Qt::RightButton, Qt::NoButton);
    } else {
      Maus(*plan, QEvent::MouseButtonPress, 2, 2, Qt::LeftButton, Qt::LeftButton);
      Maus(*plan, QEvent::MouseButtonRelease, 2, 2, Qt::LeftButton, Qt::NoButton);
    }
    ASSERT_EQ(popups.Angebote().size(), rechts ? 1u : 2u);
    EXPECT_TRUE(lebt);
    EXPECT_FALSE(s.IstAngemeldet(zeiger.data()));
    EXPECT_EQ(s.Klassen().Hole(1)->PlnForm(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zeiger.isNull());
  }
  EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace kolvar
