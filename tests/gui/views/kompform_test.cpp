// The compressing window: a school without classes, and "Abbrechen", the close box and
// "nächste Klasse" while the pass runs.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "planumgebung.h"
#include "views/kompform.h"

namespace kolvar {
namespace {

class KompFormTest : public PlanTest {};

TEST_F(KompFormTest, OhneKlassenLeereFelderUndKeinStart) {
  TSchule leer(standard, TUmgebung{&guiDialoge, &palette, &uhr});
  TKompForm form(leer);
  EXPECT_FALSE(form.StartKnopf()->isEnabled());
  EXPECT_TRUE(form.KlasseFeld()->text().isEmpty());
  EXPECT_TRUE(form.VersionFeld()->text().isEmpty());
  EXPECT_TRUE(form.LueckenFeld()->text().isEmpty());
  form.StartKnopfClick();
  EXPECT_FALSE(form.Laeuft());
}

TEST_F(KompFormTest, EinstellungenBeimKlick) {
  TKompForm form(*schule);
  EXPECT_EQ(form.KlasseFeld()->text(), QStringLiteral("5a"));
  form.BrueckenFeld()->click();
  EXPECT_TRUE(standard.kmpb);
  form.MehrfachFeld()->click();
  EXPECT_TRUE(standard.kmpm);
}

// Stopping after the first class: the pass ends there and the window closes afterwards.
TEST_F(KompFormTest, AnhaltenWaehrendDesLaufs) {
  enum { Abbrechen, Schliessen, Naechste };
  for (int wie : {Abbrechen, Schliessen, Naechste}) {
    TKompForm form(*schule);
    int takte = 0;
    form.ImTakt = [&] {
      ++takte;
      EXPECT_TRUE(form.Laeuft());
      if (wie == Abbrechen) form.AbbrechenKnopf()->click();
      if (wie == Schliessen) form.reject();  // what the close box does
      if (wie == Naechste) form.NaechsteKnopf()->click();
    };
    form.StartKnopfClick();
    EXPECT_FALSE(form.Laeuft());
    EXPECT_EQ(form.Komprimierer().Angehalten(), wie != Naechste) << wie;
    // Both classes were visited unless the pass was stopped after the first.
    EXPECT_EQ(takte, wie == Naechste ? 2 : 1) << wie;
    EXPECT_EQ(form.result(), mrOk) << wie;
  }
}

}  // namespace
}  // namespace kolvar
