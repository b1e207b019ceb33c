// The manual planning window among the palette's commands: Ctrl+Z after a plan-wide tool, the
// palette's arrows and the arrow keys stepping through its courses, and Ctrl+Q asking what
// closing the window asks.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QToolButton>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "gui/support/gebauteschule.h"
#include "gui/support/skriptdienste.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/kindfenster.h"
#include "platform/kvdialog.h"
#include "support/modellpruefung.h"
#include "views/manuellfenster.h"
#include "views/manuellform.h"
#include "views/planwerkzeuge.h"

namespace kolvar {
namespace {

// De (2) and En (1) open; Ma (2) placed on Monday before the window opens.
void BaueSchule(TSchule& s) {
  TKlasse* k = s.NeueKlasse("5a");
  s.ErzeugeKurs(s.NeuerLehrer("MUE"), k, nullptr, s.NeuesFach("De"), s.NeuerRaum("R1"), 2);
  TKurs* ma = s.ErzeugeKurs(s.NeuerLehrer("SCH"), k, nullptr, s.NeuesFach("Ma"), s.NeuerRaum("R2"), 2);
  s.ErzeugeKurs(s.NeuerLehrer("BER"), k, nullptr, s.NeuesFach("En"), s.Raeume().Hole(1), 1);
  ma->Setze(1, 1, ma->Raeume().Hole(1), 1);
  ma->Setze(1, 1, ma->Raeume().Hole(1), 2);
}

class TAuswahlFenster : public TKindFenster {
 public:
  TAuswahlFenster(TSchule& schule, IFensterListe& liste)
      : TKindFenster(FensterArt::KursDep, schule, &liste) {}
  std::vector<TKurs*> MarkierteKurse() const override { return Schule().Kurse().Elemente(); }
};

class ManuellPaletteTest : public ::testing::Test {
 protected:
  ManuellPaletteTest() {
    TDienste::SetzeDialoge(&dialoge);
    TDienste::SetzePopups(&popups);
    palette = std::make_unique<TKolvarPalette>(standard, dateien);
    InstalliereManuellFenster(*palette);
    InstallierePlanWerkzeuge(*palette);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~ManuellPaletteTest() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    palette.reset();
    TDienste::Zuruecksetzen();
  }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join('\n').toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    EXPECT_TRUE(popups.Fehler().isEmpty()) << popups.Fehler().join('\n').toStdString();
    if (palette->DateiOffen())
      for (const std::string& f : PruefeModell(Schule())) ADD_FAILURE() << f;
  }

  TSchule& Schule() const { return palette->Schule(); }
  TKurs* Kurs(int i) const { return Schule().Kurse().Hole(i); }
  QAction* Aktion(const QString& pfad) const { return palette->Menues().Aktion(pfad); }

  // The manual window over every course, opened by the palette's command, the active window.
  TManuellForm* OeffneManuell() {
    auswahl = new TAuswahlFenster(Schule(), palette->FensterListe());
    auswahl->Oeffne();
    Schule().SetzeAktivesFenster(auswahl);
    auto* form = kolvar::OeffneManuell(*palette);
    if (form != nullptr) {
      palette->show();
      form->show();
      form->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(form));
      Schule().SetzeAktivesFenster(static_cast<TKindFenster*>(form));
    }
    return form;
  }
  // A key as the user presses it in the manual window's first grid.
  static void Taste(TManuellForm& form, Qt::Key taste, Qt::KeyboardModifiers m = {}) {
    // A dialog shown meanwhile took the activation with it.
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.Gitter(0), taste, m);
  }

  TStandard standard;
  TGebauteSchule dateien{BaueSchule};
  TSkriptDialogDienst dialoge;
  TSkriptPopupDienst popups;
  std::unique_ptr<TKolvarPalette> palette;
  TAuswahlFenster* auswahl = nullptr;
};

// Ma's Monday lessons were there before; De is placed by hand; "Pläne löschen" takes all three.
// Ctrl+Z afterwards must neither bring back the tool's removals nor anything of before.
TEST_F(ManuellPaletteTest, StrgZNachPlanweitemWerkzeugNimmtNichtsZurueck) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  ASSERT_NE(Kurs(1)->Setze(1, 2, Kurs(1)->Raeume().Hole(1), 1), nullptr);
  EXPECT_TRUE(Aktion(MenuePfad::Widerrufen)->isEnabled());

  dialoge.Bediene(QStringLiteral("Pläne löschen"),
                  [](TKvDialog& d) { d.Knopf(QStringLiteral("Ok"))->click(); });
  Aktion(MenuePfad::PlaeneLoeschen)->trigger();
  ASSERT_TRUE(Kurs(1)->Setzungen().Leer());
  ASSERT_TRUE(Kurs(2)->Setzungen().Leer());
  EXPECT_FALSE(Aktion(MenuePfad::Widerrufen)->isEnabled()) << "the tool ended what could be taken back";
  EXPECT_FALSE(Aktion(MenuePfad::UndoLoeschen)->isEnabled());

  Taste(*form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Kurs(1)->Setzungen().Leer());
  EXPECT_TRUE(Kurs(2)->Setzungen().Leer()) << "Ctrl+Z brought back what the tool removed";

  // Placing by hand afterwards is recorded again, and Ctrl+Z takes back just that.
  ASSERT_NE(Kurs(3)->Setze(1, 3, Kurs(3)->Raeume().Hole(1), 1), nullptr);
  EXPECT_TRUE(Aktion(MenuePfad::Widerrufen)->isEnabled());
  Taste(*form, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Kurs(3)->Setzungen().Leer());
  EXPECT_FALSE(Aktion(MenuePfad::Widerrufen)->isEnabled());
  EXPECT_TRUE(Kurs(2)->Setzungen().Leer());
}

// De, Ma (complete), En: the arrows step through all three, wrapping both ways; with Shift the
// complete Ma is passed over. The palette's buttons and the arrow keys do the same.
TEST_F(ManuellPaletteTest, PfeileBlaetternDurchDieKurseMitShiftNurOffene) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  TKurs *de = Kurs(1), *ma = Kurs(2), *en = Kurs(3);
  ASSERT_EQ(form->AktKurs(), de);
  Schule().SetzeGeaendert(false);

  QAbstractButton* rechts = palette->Knopf(QStringLiteral("PfeilRechts"));
  QAbstractButton* links = palette->Knopf(QStringLiteral("PfeilLinks"));
  ASSERT_NE(rechts, nullptr);
  ASSERT_TRUE(rechts->isEnabled());
  rechts->click();
  EXPECT_EQ(form->AktKurs(), ma);
  rechts->click();
  EXPECT_EQ(form->AktKurs(), en);
  rechts->click();
  EXPECT_EQ(form->AktKurs(), de) << "wraps at the end";
  links->click();
  EXPECT_EQ(form->AktKurs(), en) << "wraps at the start";

  Taste(*form, Qt::Key_Left);
  EXPECT_EQ(form->AktKurs(), ma);
  Taste(*form, Qt::Key_Right);
  EXPECT_EQ(form->AktKurs(), en);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), de);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), en) << "Ma has all its hours";
  Taste(*form, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), de);
  // The grids follow the current course.
  EXPECT_EQ(form->GitterElement(0), static_cast<TPlanElement*>(de->Klassen().Hole(1)));
  EXPECT_FALSE(Schule().Geaendert()) << "stepping changes nothing";

  // Every other course complete: Shift stays where it is.
  ASSERT_NE(en->Setze(1, 2, en->Raeume().Hole(1), 1), nullptr);
  Taste(*form, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(form->AktKurs(), de);
  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrJa);
  EXPECT_TRUE(form->SchliesseFrage());
}

// Ctrl+Q with open hours in the window asks its question; "Nein" keeps program and window.
TEST_F(ManuellPaletteTest, StrgQFragtWieDasSchliessenDesFensters) {
  TManuellForm* form = OeffneManuell();
  ASSERT_NE(form, nullptr);
  Schule().SetzeGeaendert(false);
  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrNein);
  Taste(*form, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(palette->IstBeendet());
  EXPECT_EQ(Schule().ManuellFenster(), static_cast<IManuellFenster*>(form));

  dialoge.Antworte(QStringLiteral("Manuellfenster schließen"), mrJa);
  Taste(*form, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(palette->IstBeendet());
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

}  // namespace
}  // namespace kolvar
