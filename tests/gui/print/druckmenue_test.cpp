// The print menu's entries through the palette: enabled with a school, each opens its dialog,
// and "Fenster drucken..." on a plan window takes the window's element into the grid.

#include <gtest/gtest.h>

#include <QAction>
#include <QTableWidget>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/spaltenmenue.h"
#include "print/druckdialog.h"
#include "print/druckinstallation.h"
#include "views/planfenster.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* l = s.NeuerLehrer("MUE");
  TKlasse* a = s.NeueKlasse("5a");
  s.NeueKlasse("5b");
  TFach* f = s.NeuesFach("De");
  s.ErzeugeKurs(l, a, nullptr, f, nullptr, 3)->Setze(1, 2, nullptr, 2);
}

class DruckMenueTest : public GuiTest {
 protected:
  DruckMenueTest() { BauePalette(dateien); }
  ~DruckMenueTest() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    palette.reset();
  }
  // Answers the dialog of that caption with "Abbrechen", after noting the grid's first row.
  void Erwarte(const QString& caption, QString* ersteZeile = nullptr) {
    dialoge.Bediene(caption, [ersteZeile](TKvDialog& d) {
      auto& dialog = static_cast<TDruckDialog&>(d);
      if (ersteZeile != nullptr && dialog.KuerzelGrid()->item(0, 0) != nullptr)
        *ersteZeile = dialog.KuerzelGrid()->item(0, 0)->text();
      d.Knopf(QStringLiteral("Abbrechen"))->click();
    });
  }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(DruckMenueTest, EveryPlanAndOverviewEntryOpensItsDialogOnceASchoolIsOpen) {
  namespace P = MenuePfad;
  const std::vector<std::pair<QString, QString>> eintraege{
      {P::DruckLehrerplaene, "Lehrerpläne drucken"},
      {P::DruckKlassenplaene, "Klassenpläne drucken"},
      {P::DruckRaumplaene, "Drucke Raumpläne"},
      {P::DruckKopplungsplaene, "Drucke Kopplungspläne"},
      {P::DruckUebLehrer, "Drucke Lehrerübersichten"},
      {P::DruckUebKlassen, "Drucke Klassenübersichten"},
      {P::DruckUebRaeume, "Drucke Raumübersichten"},
      {P::DruckUebKombination, "Drucke Übersichten für Kombinationen von Planelementen"}};
  EXPECT_FALSE(palette->Menues().Aktion(P::Drucken)->isEnabled());
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  EXPECT_TRUE(palette->Menues().Aktion(P::Drucken)->isEnabled());
  EXPECT_TRUE(palette->Menues().Aktion(P::Papierformat)->isEnabled());
  for (const auto& [pfad, caption] : eintraege) {
    ASSERT_TRUE(palette->Menues().Aktion(pfad)->isEnabled()) << pfad.toStdString();
    Erwarte(caption);
    palette->Menues().Aktion(pfad)->trigger();
  }
}

TEST_F(DruckMenueTest, PrintingAPlanWindowTakesItsElementFirst) {
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  palette->Knopf(QStringLiteral("Plan"))->click();
  auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
  ASSERT_NE(menue, nullptr);
  menue->Waehle(1);
  TElement* k5b = palette->Schule().Klassen().Hole(2);
  auto* plan = dynamic_cast<TPlnForm*>(static_cast<TPlanElement*>(k5b)->PlnForm());
  ASSERT_NE(plan, nullptr);
  palette->Schule().SetzeAktivesFenster(plan);
  palette->MenusAnpassen();
  QString erste;
  Erwarte(QStringLiteral("Klassenpläne drucken"), &erste);
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  EXPECT_EQ(erste, QStringLiteral("5b"));
}

}  // namespace
}  // namespace kolvar
