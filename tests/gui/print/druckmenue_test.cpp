// The print menu's entries through the palette: enabled with a school, each opens its dialog,
// "Fenster drucken..." on a plan window takes the window's element into the grid, and every
// preview, empty or full, closes by each of its exits without harm (the sanitizers watch); an
// empty element grid gives a notice instead of a preview.

#include <gtest/gtest.h>

#include <QAction>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "app/menuform.h"
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
#include "print/tabellendruckinstallation.h"
#include "print/vertrdruckinstallation.h"
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
  // Answers the dialog of that caption with "Abbrechen", after noting the grid's first row and
  // the dialog's name.
  void Erwarte(const QString& caption, QString* ersteZeile = nullptr, QString* name = nullptr) {
    dialoge.Bediene(caption, [ersteZeile, name](TKvDialog& d) {
      auto& dialog = static_cast<TDruckDialog&>(d);
      if (name != nullptr) *name = d.objectName();
      if (ersteZeile != nullptr && dialog.KuerzelGrid()->item(0, 0) != nullptr)
        *ersteZeile = dialog.KuerzelGrid()->item(0, 0)->text();
      d.Knopf(QStringLiteral("Abbrechen"))->click();
    });
  }

  TGebauteSchule dateien{BaueSchule};
};

// Each entry opens its dialog, named as the printouts of its kind are known.
TEST_F(DruckMenueTest, EveryPlanAndOverviewEntryOpensItsDialogOnceASchoolIsOpen) {
  namespace P = MenuePfad;
  const std::vector<std::array<QString, 3>> eintraege{
      {P::DruckLehrerplaene, "Lehrerpläne drucken", "TDruckLPlnForm"},
      {P::DruckKlassenplaene, "Klassenpläne drucken", "TDruckKPlnForm"},
      {P::DruckRaumplaene, "Drucke Raumpläne", "TDruckRPlnForm"},
      {P::DruckKopplungsplaene, "Drucke Kopplungspläne", "TDruckKoPlnForm"},
      {P::DruckUebLehrer, "Drucke Lehrerübersichten", "TDruckLUebForm"},
      {P::DruckUebKlassen, "Drucke Klassenübersichten", "TDruckKUebForm"},
      {P::DruckUebRaeume, "Drucke Raumübersichten", "TDruckRUebForm"},
      {P::DruckUebKombination, "Drucke Übersichten für Kombinationen von Planelementen", "TDruckKoUebForm"}};
  EXPECT_FALSE(palette->Menues().Aktion(P::Drucken)->isEnabled());
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  EXPECT_TRUE(palette->Menues().Aktion(P::Drucken)->isEnabled());
  EXPECT_TRUE(palette->Menues().Aktion(P::Papierformat)->isEnabled());
  for (const auto& [pfad, caption, form] : eintraege) {
    ASSERT_TRUE(palette->Menues().Aktion(pfad)->isEnabled()) << pfad.toStdString();
    QString name;
    Erwarte(caption, nullptr, &name);
    palette->Menues().Aktion(pfad)->trigger();
    EXPECT_EQ(name, form);
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

enum class TAusgang { Abbrechen, Esc, Schliessfeld };

// Leaves the shown preview by one of its exits.
void Verlasse(TKvDialog& vorschau, TAusgang ausgang) {
  vorschau.show();
  switch (ausgang) {
    case TAusgang::Abbrechen:
      vorschau.Knopf(QStringLiteral("Abbrechen"))->click();
      break;
    case TAusgang::Esc:
      QTest::keyClick(&vorschau, Qt::Key_Escape);
      break;
    case TAusgang::Schliessfeld:
      vorschau.close();
      break;
  }
}

TEST_F(DruckMenueTest, EveryPreviewEmptyOrFullClosesByEachExit) {
  namespace P = MenuePfad;
  struct Fall {
    QString pfad, caption;
    QString knopf;       // the button that fills the grid from a list; empty: nothing to choose
    bool gitter = true;  // prints the grid's elements: with none there is no preview but a notice
  };
  const std::vector<Fall> faelle{
      {P::DruckLehrerplaene, "Lehrerpläne drucken", "Auswahl"},
      {P::DruckKlassenplaene, "Klassenpläne drucken", "Auswahl"},
      {P::DruckRaumplaene, "Drucke Raumpläne", {}},
      {P::DruckKopplungsplaene, "Drucke Kopplungspläne", "Auswahl"},
      {P::DruckUebLehrer, "Drucke Lehrerübersichten", "Auswahl"},
      {P::DruckUebKlassen, "Drucke Klassenübersichten", "Auswahl"},
      {P::DruckUebRaeume, "Drucke Raumübersichten", {}},
      {P::DruckUebKombination, "Drucke Übersichten für Kombinationen von Planelementen", "Klassen"},
      {P::DruckUebFaecher, "Drucke Fächerübersichten", {}, false},
      {P::DruckVertretungsstunden, "Vertretene Stunden drucken", {}, false},
      {P::DruckVertretungsuebersicht, "Drucke Vertretungsübersicht", {}, false}};
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  for (const Fall& fall : faelle)
    for (const bool voll : {false, true}) {
      if (voll && fall.knopf.isEmpty()) continue;
      for (const TAusgang ausgang : {TAusgang::Abbrechen, TAusgang::Esc, TAusgang::Schliessfeld}) {
        SCOPED_TRACE(fall.caption.toStdString() + (voll ? " voll " : " leer ") +
                     std::to_string(static_cast<int>(ausgang)));
        int zeilen = -1;
        int ergebnis = -1;
        dialoge.Bediene(fall.caption, [&](TKvDialog& d) {
          auto& dialog = static_cast<TDruckDialog&>(d);
          if (voll) d.Knopf(fall.knopf)->click();
          zeilen = static_cast<int>(dialog.Elemente().size());
          d.Knopf(QStringLiteral("Ansehen"))->click();
          d.Knopf(QStringLiteral("Abbrechen"))->click();
        });
        if (voll) {
          dialoge.Bediene(QStringLiteral("MenuForm"), [](TKvDialog& d) {
            static_cast<TMenuForm&>(d).ZelleGeklickt(0, 0, Qt::ControlModifier);
            d.Knopf(QStringLiteral("Ok"))->click();
          });
        }
        const bool hinweis = !voll && fall.gitter;
        if (hinweis) {
          dialoge.Antworte(QStringLiteral("Drucken"), mrOk);
        } else {
          dialoge.Bediene(QStringLiteral("Voransicht"), [&](TKvDialog& d) {
            Verlasse(d, ausgang);
            ergebnis = d.result();
          });
        }
        palette->Menues().Aktion(fall.pfad)->trigger();
        EXPECT_TRUE(dialoge.AllesBeantwortet());
        EXPECT_EQ(ergebnis, hinweis ? -1 : mrAbbrechen);
        if (voll) {
          EXPECT_GT(zeilen, 0);
        }
        // The program is still there and answers.
        EXPECT_TRUE(palette->Menues().Aktion(fall.pfad)->isEnabled());
      }
    }
}

}  // namespace
}  // namespace kolvar
