// The list printouts through the palette and their dialogs: each menu entry opens its dialog,
// "Fenster drucken..." on a workload or statistics window presets the printout and leaves the
// plan windows' route alone, and the dialogs' own controls.

#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
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
#include "print/anwendungsdrucker.h"
#include "print/druckdepform.h"
#include "print/druckinstallation.h"
#include "print/druckkueform.h"
#include "print/druckrestform.h"
#include "print/drucksvform.h"
#include "print/listendruckinstallation.h"
#include "print/previewform.h"
#include "support/schulbauer.h"
#include "views/deputatfenster.h"
#include "views/planfenster.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* mue = s.NeuerLehrer("MUE");
  s.NeuerLehrer("SCH");
  s.NeuerLehrer("BER");
  TKlasse* a = s.NeueKlasse("5a");
  s.NeueKlasse("5b");
  TFach* f = s.NeuesFach("De");
  s.ErzeugeKurs(mue, a, nullptr, f, nullptr, 3)->Setze(1, 2, nullptr, 2);
}

class ListenDruckTest : public GuiTest {
 protected:
  ListenDruckTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~ListenDruckTest() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    palette.reset();
  }
  void Aktiviere(IFenster* f) {
    palette->Schule().SetzeAktivesFenster(f);
    palette->MenusAnpassen();
  }
  TSchule& Schule() { return palette->Schule(); }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(ListenDruckTest, EveryListEntryOpensItsDialog) {
  namespace P = MenuePfad;
  for (const auto& [pfad, caption] :
       std::vector<std::pair<QString, QString>>{{P::DruckKuerzel, "Kürzel drucken"},
                                                {P::DruckDeputate, "Deputate drucken"},
                                                {P::DruckReststunden, "Drucke Reststunden"},
                                                {P::DruckStundenverteilung, "Drucke Stundenverteilungen"}}) {
    ASSERT_TRUE(palette->Menues().Aktion(pfad)->isEnabled()) << pfad.toStdString();
    dialoge.Klicke(caption, QStringLiteral("Abbrechen"));
    palette->Menues().Aktion(pfad)->trigger();
  }
}

TEST_F(ListenDruckTest, PrintingAWorkloadWindowPresetsItsKindAndElementAndPlansKeepTheirRoute) {
  standard.DeputatDruck.dda = 3;
  palette->Knopf(QStringLiteral("Dep"))->click();
  auto* lehrer = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Le")));
  ASSERT_NE(lehrer, nullptr);
  lehrer->Waehle(1);
  IFenster* dep = Schule().Lehrer().Hole(2)->DepForm();
  ASSERT_NE(dep, nullptr);
  Aktiviere(dep);
  dialoge.Bediene(QStringLiteral("Deputate drucken"), [](TKvDialog& d) {
    auto& form = static_cast<TDruckDepForm&>(d);
    EXPECT_EQ(form.Art(), 0);
    ASSERT_NE(form.KuerzelGrid()->item(0, 0), nullptr);
    EXPECT_EQ(form.KuerzelGrid()->item(0, 0)->text(), QStringLiteral("SCH"));
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  EXPECT_EQ(standard.DeputatDruck.dda, 3) << "Abbrechen stores nothing";

  palette->Knopf(QStringLiteral("Plan"))->click();
  auto* klassen = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
  ASSERT_NE(klassen, nullptr);
  klassen->Waehle(0);
  Aktiviere(static_cast<TPlanElement*>(Schule().Klassen().Hole(1))->PlnForm());
  dialoge.Klicke(QStringLiteral("Klassenpläne drucken"), QStringLiteral("Abbrechen"));
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
}

class ListenDialogTest : public GuiTest {
 protected:
  void SetUp() override { s = BaueKleineSchule(); }
  void TearDown() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
  }
  TListenDruckDialog::TPicker Picker() {
    return [this](TElementArt art, const QPoint&) -> TElement* {
      ++gefragt;
      EXPECT_EQ(art, erwarteteArt);
      return naechstes;
    };
  }

  std::unique_ptr<TKleineSchule> s;
  TElement* naechstes = nullptr;
  TElementArt erwarteteArt = TElementArt::Lehrer;
  int gefragt = 0;
};

TEST_F(ListenDialogTest, RangeButtonsKeepVonBeforeBisAndAKindSelectsItsWholeList) {
  TDruckRestForm form(*s->schule, Picker());
  form.LadeEinstellungen();
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("MUE"));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("BER"));
  struct Schritt {
    bool von;
    TElement* e;
    const char *erwartetVon, *erwartetBis;
  };
  for (const Schritt& x : std::vector<Schritt>{{true, s->ber, "BER", "BER"},
                                               {false, s->mue, "MUE", "MUE"},
                                               {false, s->sch, "MUE", "SCH"},
                                               {true, nullptr, "MUE", "SCH"}}) {
    naechstes = x.e;
    x.von ? form.VonKnopfClick() : form.BisKnopfClick();
    EXPECT_EQ(form.VonFeld()->text(), QString::fromUtf8(x.erwartetVon));
    EXPECT_EQ(form.BisFeld()->text(), QString::fromUtf8(x.erwartetBis));
  }
  EXPECT_EQ(form.Bereich().size(), 2u);
  form.ArtGroup()->button(2)->click();
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("De"));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("Sp"));
  erwarteteArt = TElementArt::Fach;
  naechstes = s->ma;
  form.BisKnopfClick();
  EXPECT_EQ(form.Bereich().size(), 2u);
  EXPECT_EQ(gefragt, 5);
}

TEST_F(ListenDialogTest, AllCoursesDisablesTheGridAndOnePagePerSheet) {
  TDruckDepForm form(*s->schule, {});
  form.LadeEinstellungen();
  QWidget* wahl = form.KuerzelGrid()->parentWidget();
  for (int art : {5, 2, 5, 0}) {
    form.ArtGroup()->button(art)->click();
    EXPECT_EQ(wahl->isEnabled(), art != 5);
    EXPECT_EQ(form.Box(QStringLiteral("1 Seite pro Deputat"))->isEnabled(), art != 5);
  }
}

TEST_F(ListenDialogTest, OnlyTheLeftMarginShowsAndAnsehenStoresTheOptions) {
  TDruckKueForm form(*s->schule);
  form.LadeEinstellungen();
  EXPECT_FALSE(form.RandSpin(0)->isHidden());
  for (int i = 1; i < 4; ++i) EXPECT_TRUE(form.RandSpin(i)->isHidden());
  form.Check(2)->setChecked(false);
  form.RandSpin(0)->setValue(3);
  dialoge.Bediene(QStringLiteral("Voransicht"), [](TKvDialog& d) { d.done(mrAbbrechen); });
  form.PreviewKnopfClick();
  EXPECT_FALSE(s->standard.KuerzelDruck.kko);
  EXPECT_TRUE(s->standard.KuerzelDruck.kle);
  EXPECT_EQ(s->standard.KuerzelDruck.ran, 3);
}

TEST_F(ListenDialogTest, HourDistributionStoresKindAndBoxes) {
  TDruckSVForm form(*s->schule, Picker());
  form.LadeEinstellungen();
  form.ArtGroup()->button(4)->click();
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("R101"));
  form.SpringCheck()->setChecked(true);
  dialoge.Bediene(QStringLiteral("Voransicht"), [](TKvDialog& d) { d.done(mrAbbrechen); });
  form.PreviewKnopfClick();
  EXPECT_EQ(s->standard.StundenVerteilungDruck.svda, 4);
  EXPECT_TRUE(s->standard.StundenVerteilungDruck.svsg);
  EXPECT_FALSE(s->standard.StundenVerteilungDruck.svsr);
}

}  // namespace
}  // namespace kolvar
