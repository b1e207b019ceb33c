// The parallel-couplings window reached through the palette: the menu entry with its options
// dialog, the "Automat" button searching while the window is active, and the saved window
// coming back with the stored table.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/parliste.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "views/automatik.h"
#include "views/parfenster.h"
#include "views/parform.h"
#include "views/parstartform.h"

namespace kolvar {
namespace {

void BaueKopplungen(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  TKlasse* a = s.NeueKlasse("5a");
  TKopplung* rel = s.NeueKopplung("REL");
  s.ErzeugeKurs(mue, a, rel, nullptr, nullptr, 2);
  TParListe& par = s.ParListe();
  par.Leere();
  par.SetzeZeilen(3);
  par.SetzeSpalten(2);
  for (int i = 0; i < 6; ++i) par.Zellen().Haenge(i == 3 ? rel : nullptr);
  s.SetzeGeaendert(false);
}

class PalettenParTest : public GuiTest {
 protected:
  PalettenParTest() { BauePalette(dateien); }
  ~PalettenParTest() override {
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    palette.reset();
  }
  QAction* Eintrag() { return palette->Menues().Aktion(QStringLiteral("Daten/Parallele Kopplungen")); }
  TParForm* Fenster() { return dynamic_cast<TParForm*>(palette->Schule().EinzelFenster(FensterArt::Par)); }

  TGebauteSchule dateien{BaueKopplungen};
};

TEST_F(PalettenParTest, MenueSucheUndWiederOeffnen) {
  EXPECT_FALSE(Eintrag()->isEnabled());
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  EXPECT_TRUE(Eintrag()->isEnabled());
  // "Abbrechen" opens nothing; "Ok" takes the stored 3 x 2 table.
  dialoge.Antworte(QStringLiteral("ParStartForm"), mrAbbrechen);
  Eintrag()->trigger();
  EXPECT_EQ(Fenster(), nullptr);
  dialoge.Bediene(QStringLiteral("ParStartForm"), [](TKvDialog& d) {
    auto& f = static_cast<TParStartForm&>(d);
    f.UebernehmenFeld()->setChecked(true);
    f.Knopf(QStringLiteral("Ok"))->click();
  });
  Eintrag()->trigger();
  TParForm* f = Fenster();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->Tabelle().Zeilen(), 10);
  EXPECT_EQ(f->Tabelle().Zelle(2, 2).Kopplung, palette->Schule().Kopplungen().Hole(1));
  // While it is active the "Automat" button searches its table.
  palette->Schule().SetzeAktivesFenster(f);
  palette->MenusAnpassen();
  QToolButton* automat = palette->Knopf(QStringLiteral("Automat"));
  ASSERT_TRUE(automat->isEnabled());
  dialoge.Bediene(QStringLiteral("Suche Lösung"),
                  [](TKvDialog& d) { d.Knopf(QStringLiteral("Start"))->click(); });
  automat->click();
  // Of its ten arrangements the last found puts REL into row 1.
  EXPECT_EQ(f->Tabelle().Zelle(1, 2).Kopplung, palette->Schule().Kopplungen().Hole(1));
  // Saved and closed, the window comes back with the table.
  f->SchliesseFrage();
  EXPECT_EQ(Fenster(), nullptr);
  EXPECT_EQ(palette->Schule().ParListe().Zeilen(), 10);
  standard.pue = false;
  palette->FensterWiederOeffnen(TFenster{.Art = FensterArt::Par, .Titel = "Parallele Kopplungen"});
  ASSERT_NE(Fenster(), nullptr);
  EXPECT_EQ(Fenster()->Tabelle().Zeilen(), 10);
  EXPECT_NE(Fenster()->Gitter()->Objekt(2, 1), nullptr);
}

// Right clicks with real mouse events: the pop-up opens when the button comes up, and nothing in
// it is chosen by that release; a row placed completely still shows its free common slots.
TEST_F(PalettenParTest, RechtsklickOeffnetBeimLoslassenUndZeigtAuchVolleZeilen) {
  ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  dialoge.Bediene(QStringLiteral("ParStartForm"), [](TKvDialog& d) {
    static_cast<TParStartForm&>(d).UebernehmenFeld()->setChecked(true);
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Eintrag()->trigger();
  TParForm* f = Fenster();
  ASSERT_NE(f, nullptr);
  palette->Schule().SetzeAktivesFenster(f);
  TGitter& g = *f->Gitter();
  auto rechts = [&](int spalte, int zeile, bool loslassen) {
    const QPoint mitte = g.ZellRechteck(spalte, zeile).center();
    QTest::mousePress(g.viewport(), Qt::RightButton, {}, mitte);
    if (loslassen) QTest::mouseRelease(g.viewport(), Qt::RightButton, {}, mitte);
  };
  // The column header: the press alone shows nothing; the release shows the class pop-up and,
  // dismissed, the column stays empty.
  rechts(1, 0, false);
  EXPECT_TRUE(popups.Angebote().empty());
  popups.WaehleNichts();
  QTest::mouseRelease(g.viewport(), Qt::RightButton, {}, g.ZellRechteck(1, 0).center());
  ASSERT_EQ(popups.Angebote().size(), 1u);
  EXPECT_TRUE(popups.Angebote()[0].texte.contains(QStringLiteral("5a")));
  for (int z = 1; z <= f->Tabelle().Zeilen(); ++z) EXPECT_EQ(f->Tabelle().Zelle(z, 1).Kopplung, nullptr) << z;
  // Pressed on one cell and released on another is no click.
  QTest::mousePress(g.viewport(), Qt::RightButton, {}, g.ZellRechteck(1, 1).center());
  QTest::mouseRelease(g.viewport(), Qt::RightButton, {}, g.ZellRechteck(1, 3).center());
  EXPECT_EQ(popups.Angebote().size(), 1u);

  // REL's row with both hours placed: its header still offers the days, Monday 1 taken.
  TKurs* rel = palette->Schule().Kurse().Hole(1);
  rel->Setze(1, 1, nullptr, 1);
  rel->Setze(1, 2, nullptr, 1);
  popups.WaehleNichts();
  rechts(0, 2, true);
  ASSERT_EQ(popups.Angebote().size(), 2u);
  const auto& tage = popups.Angebote()[1];
  EXPECT_EQ(tage.texte.size(), standard.mtn);
  EXPECT_EQ(tage.texte.value(0), QString::fromStdString(standard.spn[0]));
  ASSERT_FALSE(tage.unter.empty());
  EXPECT_EQ(tage.unter[0].size(), standard.pst);
  EXPECT_EQ(rel->Setzungen().Anzahl(), 2);
}

}  // namespace
}  // namespace kolvar
