// "Widerrufen" and "Löschen" of the palette while the manual planning window is open: their
// names and enabling follow the window's undo list, and taking back every step starts the
// window again from its first course.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/guitest.h"
#include "gui/support/skriptdienste.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/kindfenster.h"
#include "views/manuellfenster.h"
#include "views/manuellform.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TKlasse* k = s.NeueKlasse("5a");
  s.ErzeugeKurs(s.NeuerLehrer("MUE"), k, nullptr, s.NeuesFach("De"), s.NeuerRaum("R1"), 2);
  s.ErzeugeKurs(s.NeuerLehrer("SCH"), k, nullptr, s.NeuesFach("Ma"), s.NeuerRaum("R2"), 2);
}

// The window whose selection the manual window takes.
class TAuswahlFenster : public TKindFenster {
 public:
  TAuswahlFenster(TSchule& schule, IFensterListe& liste)
      : TKindFenster(FensterArt::KursDep, schule, &liste) {}
  std::vector<TKurs*> MarkierteKurse() const override { return Schule().Kurse().Elemente(); }
};

class WiderrufenTest : public GuiTest {
 protected:
  WiderrufenTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~WiderrufenTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
  }
  QAction* Aktion(const QString& pfad) const { return palette->Menues().Aktion(pfad); }
  std::pair<bool, bool> Frei() const {
    return {Aktion(MenuePfad::Widerrufen)->isEnabled(), Aktion(MenuePfad::UndoLoeschen)->isEnabled()};
  }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(WiderrufenTest, EintraegeFolgenDerUndoListeUndWiderrufenBeginntBeimErstenKurs) {
  TSchule& schule = palette->Schule();
  auto* auswahl = new TAuswahlFenster(schule, palette->FensterListe());
  auswahl->Oeffne();
  schule.SetzeAktivesFenster(auswahl);
  EXPECT_EQ(Frei(), std::make_pair(true, false)) << "without the window: the notice, nothing to empty";

  TManuellForm* form = OeffneManuell(*palette);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Aktion(MenuePfad::Widerrufen)->text(), QStringLiteral("Widerrufen Protokoll"));
  EXPECT_EQ(Aktion(MenuePfad::UndoLoeschen)->text(), QStringLiteral("Löschen Protokoll"));
  EXPECT_EQ(Frei(), std::make_pair(false, false)) << "nothing to take back yet";

  // Working on the second course: a lesson placed is a step; both entries come on.
  TKurs* erster = schule.Kurse().Hole(1);
  TKurs* zweiter = schule.Kurse().Hole(2);
  form->SetzeAktKurs(zweiter);
  ASSERT_NE(zweiter->Setze(1, 1, zweiter->Raeume().Hole(1), 1), nullptr);
  EXPECT_EQ(Frei(), std::make_pair(true, true));

  Aktion(MenuePfad::Widerrufen)->trigger();
  EXPECT_EQ(zweiter->Setzungen().Anzahl(), 0);
  EXPECT_EQ(Frei(), std::make_pair(false, false));
  EXPECT_EQ(form->AktKurs(), erster);

  // "Löschen" empties the list without taking anything back.
  ASSERT_NE(erster->Setze(1, 2, erster->Raeume().Hole(1), 1), nullptr);
  Aktion(MenuePfad::UndoLoeschen)->trigger();
  EXPECT_EQ(erster->Setzungen().Anzahl(), 1);
  EXPECT_EQ(Frei(), std::make_pair(false, false));

  // Closed (open hours are left: the window asks): the plain names, "Widerrufen" back on.
  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrJa);
  EXPECT_TRUE(form->SchliesseFrage());
  EXPECT_EQ(Aktion(MenuePfad::Widerrufen)->text(), QStringLiteral("Widerrufen"));
  EXPECT_EQ(Aktion(MenuePfad::UndoLoeschen)->text(), QStringLiteral("Löschen"));
  EXPECT_EQ(Frei(), std::make_pair(true, false));
  EXPECT_TRUE(auswahl->SchliesseFrage());
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join('\n').toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

}  // namespace
}  // namespace kolvar
