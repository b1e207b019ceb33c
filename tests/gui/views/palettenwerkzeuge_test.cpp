// The plan-wide tools reached through the palette's menu: their entries are enabled by the open
// file and the number of versions, and each does its work after its question.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/kvdialog.h"
#include "views/planwerkzeuge.h"
#include "views/wochenwahl.h"

namespace kolvar {
namespace {

// MUE De 5a with rooms R1 (used by its lesson), R2 (never used) and R3 (added in the plans).
void BaueSchule(TSchule& s) {
  TKurs* k = s.ErzeugeKurs(s.NeuerLehrer("MUE"), s.NeueKlasse("5a"), nullptr, s.NeuesFach("De"),
                           s.NeuerRaum("R1"), 3);
  k->FuegeRaumHinzu(s.NeuerRaum("R2"), false);
  k->FuegeRaumHinzu(s.NeuerRaum("R3"), true);
  k->Setze(1, 2, s.Raeume().Hole(1), 2);
  k->Setze(1, 3, s.Raeume().Hole(3), 1);
}

class PalettenWerkzeugeTest : public GuiTest {
 protected:
  void Oeffne(int versionen) {
    dateien.versionen = versionen;
    BauePalette(dateien);
    ASSERT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~PalettenWerkzeugeTest() override { palette.reset(); }
  QAction* Aktion(const QString& pfad) const { return palette->Menues().Aktion(pfad); }
  TKurs* Kurs() const { return palette->Schule().Kurse().Hole(1); }
  std::vector<std::string> Raeume() const {
    std::vector<std::string> r;
    for (const TRaum* raum : Kurs()->Raeume()) r.push_back(raum->Kuerzel());
    return r;
  }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(PalettenWerkzeugeTest, PlanversionenNurMitMehrerenVersionen) {
  for (int versionen : {1, 2}) {
    Oeffne(versionen);
    EXPECT_EQ(Aktion(MenuePfad::VorPlanversionen)->isEnabled(), versionen > 1);
    for (const QString& pfad :
         {MenuePfad::PlaeneLoeschen, MenuePfad::NichtBelegteRaeume, MenuePfad::SpaeterEingetrageneRaeume})
      EXPECT_TRUE(Aktion(pfad)->isEnabled()) << pfad.toStdString();
  }
}

TEST_F(PalettenWerkzeugeTest, RaeumeAufraeumenUndPlaeneLoeschenNachDerFrage) {
  Oeffne(1);
  dialoge.Antworte(QStringLiteral("RaLoeschForm"), mrAbbrechen);
  Aktion(MenuePfad::NichtBelegteRaeume)->trigger();
  EXPECT_EQ(Raeume(), (std::vector<std::string>{"R1", "R2", "R3"}));
  dialoge.Antworte(QStringLiteral("RaLoeschForm"), mrOk);
  Aktion(MenuePfad::NichtBelegteRaeume)->trigger();
  EXPECT_EQ(Raeume(), (std::vector<std::string>{"R1", "R3"}));
  dialoge.Antworte(QStringLiteral("ErgRaLoeForm"), mrOk);
  Aktion(MenuePfad::SpaeterEingetrageneRaeume)->trigger();
  EXPECT_EQ(Raeume(), (std::vector<std::string>{"R1"}));
  EXPECT_EQ(Kurs()->FindeSetzung(1, 3, 1)->Raum(), nullptr);
  EXPECT_TRUE(palette->Schule().Geaendert());
  dialoge.Bediene(QStringLiteral("Pläne löschen"),
                  [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Aktion(MenuePfad::PlaeneLoeschen)->trigger();
  EXPECT_TRUE(Kurs()->Setzungen().Leer());
}

// The week grid of "Pläne löschen" is headed by the plan views' period labels and day names.
TEST_F(PalettenWerkzeugeTest, PlaeneLoeschenZeigtDieStundenbezeichnungen) {
  standard.sp[0][0] = "7:45";
  standard.sp[0][6] = "13:10-13:55";
  standard.spg[0] = "Mon";
  Oeffne(1);
  QStringList gesehen;
  int breite = 0;
  dialoge.Bediene(QStringLiteral("Pläne löschen"), [&](TKvDialog& d) {
    const TWochenWahl* woche = d.findChild<TWochenWahl*>();
    ASSERT_NE(woche, nullptr);
    gesehen = woche->StundenTexte();
    breite = woche->width();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Aktion(MenuePfad::PlaeneLoeschen)->trigger();
  ASSERT_EQ(gesehen.size(), kStunden);
  EXPECT_EQ(gesehen[0], QStringLiteral("7:45"));
  EXPECT_EQ(gesehen[6], QStringLiteral("13:10-13:55"));
  EXPECT_EQ(gesehen[1], QString::fromStdString(standard.sp[0][1]));
  // The long label fits beside the cells.
  EXPECT_GT(breite, QFontMetrics(QApplication::font()).horizontalAdvance(gesehen[6]));
  EXPECT_FALSE(Kurs()->Setzungen().Leer());
}

// An action that leaves lessons after the last period shown raises "Std/Tag" to them and says so
// once; the next action, with nothing new out of sight, says nothing.
TEST_F(PalettenWerkzeugeTest, StundenNachStdProTagWerdenGezeigt) {
  Oeffne(1);
  standard.pst = 6;
  palette->Menues().SetzeBefehl(MenuePfad::Komprimieren, [this] {
    Kurs()->SetzeStunden(1, 5);
    Kurs()->Setze(1, 4, nullptr, 7);
    Kurs()->Setze(1, 5, nullptr, 8);
  });
  dialoge.Antworte(QStringLiteral("Std/Tag"), mrOk);
  Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_EQ(standard.pst, 8);
  EXPECT_TRUE(dialoge.Protokoll().contains(
      QStringLiteral("Std/Tag: 2 Stunden liegen nach der 6. Stunde; Std/Tag ist jetzt 8.")))
      << dialoge.Protokoll().join(QLatin1Char('\n')).toStdString();
  palette->Menues().SetzeBefehl(MenuePfad::Komprimieren, [] {});
  Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_EQ(standard.pst, 8);
  // "Std/Tag" set lower on purpose (the plan presets) stays so.
  palette->Menues().SetzeBefehl(MenuePfad::Komprimieren, [this] { standard.pst = 5; });
  Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_EQ(standard.pst, 5);
  EXPECT_EQ(dialoge.Protokoll().size(), 1);
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

// 5a has a gap on Tuesday; "Nein" leaves it, "Ja" and "Start" move Tuesday's second hour into
// Monday's first, and the window closes after its pass.
TEST_F(PalettenWerkzeugeTest, KomprimierenNachDerWarnung) {
  Oeffne(1);
  dialoge.Antworte(QStringLiteral("KompWarnForm"), mrNein);
  Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_NE(Kurs()->FindeSetzung(1, 2, 2), nullptr);
  dialoge.Antworte(QStringLiteral("KompWarnForm"), mrJa);
  dialoge.Bediene(QStringLiteral("Komprimieren"), [](TKvDialog& d) {
    EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LueckenFeld"))->text(), QStringLiteral("1"));
    d.Knopf(QStringLiteral("Start"))->click();
  });
  Aktion(MenuePfad::Komprimieren)->trigger();
  EXPECT_EQ(Kurs()->FindeSetzung(1, 2, 2), nullptr);
  EXPECT_NE(Kurs()->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_TRUE(palette->Schule().Geaendert());
}

}  // namespace
}  // namespace kolvar
