// The parallel-couplings window reached through the palette: the menu entry with its options
// dialog, the "Automat" button searching while the window is active, and the saved window
// coming back with the stored table.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/kopplung.h"
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
  palette->FensterWiederOeffnen(TFensterSatz{.Art = FensterArt::Par, .Titel = "Parallele Kopplungen"});
  ASSERT_NE(Fenster(), nullptr);
  EXPECT_EQ(Fenster()->Tabelle().Zeilen(), 10);
  EXPECT_NE(Fenster()->Gitter()->Objekt(2, 1), nullptr);
}

}  // namespace
}  // namespace kolvar
