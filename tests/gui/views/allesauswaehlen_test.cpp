// "Alles auswählen" in a plan window: the whole week is selected, so that "Manuell" then takes
// every lesson of the plan, whichever cell was clicked before.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "platform/gitter.h"
#include "platform/spaltenmenue.h"
#include "support/modellpruefung.h"
#include "views/manuellform.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

// 5a: De (2) on Monday 1 and Wednesday 3, Ma (2) on Tuesday 2 and Friday 4; En (1) not placed.
// 5b: Bio (1) on Monday 1.
void BaueSchule(TSchule& s) {
  TKlasse* a = s.NeueKlasse("5a");
  TKlasse* b = s.NeueKlasse("5b");
  TRaum* r = s.NeuerRaum("R1");
  TKurs* de = s.ErzeugeKurs(s.NeuerLehrer("MUE"), a, nullptr, s.NeuesFach("De"), r, 2);
  TKurs* ma = s.ErzeugeKurs(s.NeuerLehrer("SCH"), a, nullptr, s.NeuesFach("Ma"), r, 2);
  s.ErzeugeKurs(s.NeuerLehrer("BER"), a, nullptr, s.NeuesFach("En"), r, 1);
  TKurs* bio = s.ErzeugeKurs(s.Lehrer().Hole(1), b, nullptr, s.NeuesFach("Bio"), nullptr, 1);
  de->Setze(1, 1, r, 1);
  de->Setze(1, 3, r, 3);
  ma->Setze(1, 2, r, 2);
  ma->Setze(1, 5, r, 4);
  bio->Setze(1, 1, nullptr, 2);
}

class AllesAuswaehlenTest : public GuiTest {
 protected:
  AllesAuswaehlenTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
    palette->show();
  }
  ~AllesAuswaehlenTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
  }
  void TearDown() override {
    ErwarteKeineSkriptFehler();
    for (const std::string& f : PruefeModell(palette->Schule())) ADD_FAILURE() << f;
  }

  // "Pläne", then the class from the "Kl" menu: its plan, the active window.
  TKlPlnForm* Plan(int klasse) {
    palette->Knopf(QStringLiteral("Plan"))->click();
    auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
    EXPECT_NE(menue, nullptr);
    if (menue == nullptr) return nullptr;
    menue->Waehle(klasse - 1);
    auto* plan = dynamic_cast<TKlPlnForm*>(palette->Schule().Klassen().Hole(klasse)->PlnForm());
    if (plan == nullptr) return nullptr;
    plan->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(plan));
    palette->Schule().SetzeAktivesFenster(plan);
    palette->MenusAnpassen();
    return plan;
  }
  static void Klicke(TPlnForm& plan, int tag, int stunde) {
    QTest::mouseClick(plan.PlnGrid->viewport(), Qt::LeftButton, {},
                      plan.PlnGrid->ZellRechteck(tag, stunde).center());
  }

  TKurs* Kurs(int i) const { return palette->Schule().Kurse().Hole(i); }

  TGebauteSchule dateien{BaueSchule};
};

// Ctrl+A in the class plan after a click into an empty cell: the whole week from Monday, period 1;
// "Manuell" then takes the plan's placed lessons, each once, row by row.
TEST_F(AllesAuswaehlenTest, StrgAWaehltDieWocheUndManuellNimmtJedenKurs) {
  TKlPlnForm* plan = Plan(1);
  ASSERT_NE(plan, nullptr);
  Klicke(*plan, 4, 5);
  ASSERT_EQ(plan->PlnGrid->Auswahl(), (TGitterAuswahl{4, 5, 4, 5}));
  ASSERT_TRUE(plan->MarkierteKurse().empty());
  ASSERT_TRUE(palette->Menues().Aktion(MenuePfad::AllesAuswaehlen)->isEnabled());

  QTest::keyClick(plan->PlnGrid, Qt::Key_A, Qt::ControlModifier);
  const TSchule& s = palette->Schule();
  EXPECT_EQ(plan->PlnGrid->Auswahl(), (TGitterAuswahl{1, 1, s.Standard().mtn, s.Standard().pst}));
  // Row by row: De on Monday 1, Ma on Tuesday 2, De on Wednesday 3, Ma on Friday 4.
  EXPECT_EQ(plan->MarkierteKurse(), (std::vector<TKurs*>{Kurs(1), Kurs(2), Kurs(1), Kurs(2)}));
  EXPECT_FALSE(s.Geaendert()) << "selecting changes nothing";

  palette->Knopf(QStringLiteral("Manuell"))->click();
  auto* manuell = dynamic_cast<TManuellForm*>(palette->Schule().ManuellFenster());
  ASSERT_NE(manuell, nullptr);
  EXPECT_EQ(manuell->Planung().Kurse(), (std::vector<TKurs*>{Kurs(1), Kurs(2)}));
  EXPECT_EQ(manuell->AktKurs(), Kurs(1));
  manuell->Schliesse();
}

// The menu entry does the same in the plan of another class.
TEST_F(AllesAuswaehlenTest, MenueeintragWaehltAuchImZweitenPlan) {
  TKlPlnForm* plan = Plan(2);
  ASSERT_NE(plan, nullptr);
  Klicke(*plan, 3, 3);
  palette->Menues().Aktion(MenuePfad::AllesAuswaehlen)->trigger();
  EXPECT_EQ(plan->PlnGrid->Auswahl().links, 1);
  EXPECT_EQ(plan->PlnGrid->Auswahl().oben, 1);
  EXPECT_EQ(plan->MarkierteKurse(), (std::vector<TKurs*>{Kurs(4)}));
}

}  // namespace
}  // namespace kolvar
