// The conference, subject-overview and window printouts through the palette: each entry opens its
// dialog, "Fenster drucken..." prints the error list and still prints plan windows, the
// conference grids keep the school's order, and the subject range follows its chooser.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
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
#include "masterdata/uebersichten.h"
#include "masterdata/uvform.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"
#include "platform/dienste.h"
#include "platform/spaltenmenue.h"
#include "print/druckdialog.h"
#include "print/druckfuebform.h"
#include "print/druckinstallation.h"
#include "print/druckkonfform.h"
#include "print/druckparform.h"
#include "print/druckuvform.h"
#include "print/previewform.h"
#include "print/tabellendruckinstallation.h"
#include "pruefung/fehlerform.h"
#include "support/schulbauer.h"
#include "views/parform.h"
#include "views/planfenster.h"
#include "views/plnform.h"

namespace kolvar {
namespace {

void BaueSchule(TSchule& s) {
  TLehrer* l = s.NeuerLehrer("MUE");
  TKlasse* a = s.NeueKlasse("5a");
  s.NeueKlasse("5b");
  TFach* de = s.NeuesFach("De");
  s.NeuesFach("Ma");
  s.NeuesFach("Sp");
  s.ErzeugeKurs(l, a, nullptr, de, nullptr, 3)->Setze(1, 2, nullptr, 2);
  TUVTab* uv = s.NeueUVTab("UV1");
  uv->FuegeKlasseHinzu(a);
  uv->FuegeFachHinzu(de);
}

class TabellenDruckTest : public GuiTest {
 protected:
  TabellenDruckTest() {
    BauePalette(dateien);
    EXPECT_TRUE(palette->DateiBefehle().DateiOeffnen(QStringLiteral("/tmp/schule.kvr")));
  }
  ~TabellenDruckTest() override {
    EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialoge.AllesBeantwortet());
    palette.reset();
  }
  void Abbrechen(const QString& caption) {
    dialoge.Bediene(caption, [](TKvDialog& d) { d.Knopf(QStringLiteral("Abbrechen"))->click(); });
  }
  TSchule& Schule() { return palette->Schule(); }

  TGebauteSchule dateien{BaueSchule};
};

TEST_F(TabellenDruckTest, PrintMenuEntriesOpenTheirDialogs) {
  namespace P = MenuePfad;
  for (const auto& [pfad, caption] :
       std::vector<std::pair<QString, QString>>{{P::DruckFachkonferenzen, "Drucke Fachkonferenzen"},
                                                {P::DruckKlassenkonferenzen, "Drucke Klassenkonferenzen"},
                                                {P::DruckUebFaecher, "Drucke Fächerübersichten"}}) {
    ASSERT_TRUE(palette->Menues().Aktion(pfad)->isEnabled()) << pfad.toStdString();
    Abbrechen(caption);
    palette->Menues().Aktion(pfad)->trigger();
  }
}

TEST_F(TabellenDruckTest, WindowPrintServesTheErrorListAndLeavesPlanWindowsTheirRoute) {
  auto* fehler = new TFehlerForm(Schule(), &palette->FensterListe());
  fehler->Oeffne();
  fehler->ZeileAnfuegen(QStringLiteral("Doppelbelegung"));
  Schule().SetzeAktivesFenster(fehler);
  palette->MenusAnpassen();
  dialoge.Bediene(QStringLiteral("Drucke Fehlerliste"), [](TKvDialog& d) {
    auto& form = static_cast<TDruckDialog&>(d);
    EXPECT_TRUE(form.RandSpin(0)->isVisibleTo(&form));
    EXPECT_FALSE(form.RandSpin(1)->isVisibleTo(&form)) << "a left margin only";
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();

  palette->Knopf(QStringLiteral("Plan"))->click();
  auto* menue = qobject_cast<TSpaltenMenue*>(palette->Menues().Menue(QStringLiteral("Kl")));
  ASSERT_NE(menue, nullptr);
  menue->Waehle(0);
  auto* plan = dynamic_cast<TPlnForm*>(static_cast<TPlanElement*>(Schule().Klassen().Hole(1))->PlnForm());
  ASSERT_NE(plan, nullptr);
  Schule().SetzeAktivesFenster(plan);
  palette->MenusAnpassen();
  Abbrechen(QStringLiteral("Klassenpläne drucken"));
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
}

TEST_F(TabellenDruckTest, WindowPrintServesTheTableAndTheParallelCouplingsWithTheirOptions) {
  TUVForm* uv = OeffneUVFenster(palette->FensterArten(), Schule(), Schule().UVTabellen().Hole(1), true);
  ASSERT_NE(uv, nullptr);
  Schule().SetzeAktivesFenster(uv);
  palette->MenusAnpassen();
  dialoge.Bediene(QStringLiteral("Drucke UV-Tabelle"), [this](TKvDialog& d) {
    auto& form = static_cast<TDruckUVForm&>(d);
    form.FarbCheck()->setChecked(true);
    dialoge.Bediene(QStringLiteral("Voransicht"), [](TKvDialog& v) {
      EXPECT_EQ(static_cast<TPreviewForm&>(v).NrFeld()->text(), QStringLiteral("1"));
      v.done(mrAbbrechen);
    });
    d.Knopf(QStringLiteral("Ansehen"))->click();
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  EXPECT_TRUE(Schule().Standard().UVTabDruck.uvco);

  TParForm par(Schule(), palette.get());
  par.Oeffne();
  par.Baue();
  Schule().SetzeAktivesFenster(&par);
  palette->MenusAnpassen();
  dialoge.Bediene(QStringLiteral("Drucke parallele Kopplungen"), [](TKvDialog& d) {
    static_cast<TDruckParForm&>(d).KonfliktCheck()->setChecked(true);
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::FensterDrucken)->trigger();
  EXPECT_FALSE(Schule().Standard().ParallelDruck.pmk) << "Abbrechen stores nothing";
}

TEST_F(TabellenDruckTest, ConferenceChoiceKeepsTheSchoolsOrderAndIsStoredNowhere) {
  TDruckFaKonfForm form(Schule());
  form.LadeEinstellungen();
  ASSERT_EQ(form.LinksGrid()->rowCount(), 3);
  EXPECT_EQ(form.RechtsGrid()->rowCount(), 1);
  const auto rechts = [&form] {
    QStringList t;
    for (int z = 0; z < form.RechtsGrid()->rowCount(); ++z)
      t << (form.RechtsGrid()->item(z, 0) != nullptr ? form.RechtsGrid()->item(z, 0)->text() : QString());
    return t;
  };
  form.LinksGridDblClick(2);
  form.LinksGridDblClick(0);
  form.LinksGridDblClick(1);
  EXPECT_EQ(rechts(), (QStringList{"De", "Ma", "Sp"}));
  form.LinksGridDblClick(1);
  EXPECT_EQ(rechts(), (QStringList{"De", "Ma", "Sp"})) << "chosen once";
  EXPECT_EQ(form.RechtsGrid()->currentRow(), 1);
  form.RechtsGridDblClick(0);
  form.RechtsGridDblClick(7);
  EXPECT_EQ(rechts(), (QStringList{"Ma", "Sp"}));
  form.EinzelnCheck()->setChecked(false);
  form.EinsatzCheck()->setChecked(true);
  form.RandSpin(0)->setValue(4);
  dialoge.Bediene(QStringLiteral("Voransicht"), [](TKvDialog& d) {
    EXPECT_EQ(static_cast<TPreviewForm&>(d).NrFeld()->text(), QStringLiteral("1"));
    d.done(mrAbbrechen);
  });
  form.PreviewKnopfClick();
  const TFachKonferenzDruckOptionen& o = Schule().Standard().FachKonferenzDruck;
  EXPECT_FALSE(o.fksp);
  EXPECT_TRUE(o.fkfe);
  EXPECT_EQ(o.fkrd, 4);
  form.LadeEinstellungen();
  EXPECT_EQ(rechts(), (QStringList{""}));
}

TEST_F(TabellenDruckTest, SubjectRangeMovesTheOtherEndAlongAndWithoutSubjectsNothingPrints) {
  TFach* gewaehlt = nullptr;
  TDruckFUebForm form(Schule(), [&gewaehlt](const std::vector<TElement*>&, const QString&) {
    return gewaehlt != nullptr ? std::vector<TElement*>{gewaehlt} : std::vector<TElement*>{};
  });
  form.LadeEinstellungen();
  EXPECT_EQ(form.VonFeld()->text(), QStringLiteral("De"));
  EXPECT_EQ(form.BisFeld()->text(), QStringLiteral("Sp"));
  struct Schritt {
    int fach;  // 1-based, 0: nothing chosen
    bool von;
    const char *vonText, *bisText;
  };
  for (const Schritt& s : std::vector<Schritt>{
           {3, true, "Sp", "Sp"}, {1, false, "De", "De"}, {0, false, "De", "De"}, {2, false, "De", "Ma"}}) {
    gewaehlt = Schule().Faecher().Hole(s.fach);
    s.von ? form.VonKnopfClick() : form.BisKnopfClick();
    EXPECT_EQ(form.VonFeld()->text(), QString::fromUtf8(s.vonText));
    EXPECT_EQ(form.BisFeld()->text(), QString::fromUtf8(s.bisText));
  }
  // "Kopplung statt Klasse" needs the class column and excludes the coupling column.
  form.Box(QStringLiteral("mit Kopplung"))->click();
  EXPECT_FALSE(form.Box(QStringLiteral("Kopplung statt Klasse"))->isChecked());
  form.Box(QStringLiteral("Kopplung statt Klasse"))->click();
  EXPECT_FALSE(form.Box(QStringLiteral("mit Kopplung"))->isChecked());
  EXPECT_TRUE(form.Box(QStringLiteral("mit Klasse"))->isChecked());
  EXPECT_TRUE(form.Knopf(QStringLiteral("Ansehen"))->isEnabled());

  TKleineSchule ohne;
  ohne.schule = std::make_unique<TSchule>(ohne.standard, TUmgebung{&ohne.dialoge, &ohne.palette, &ohne.uhr});
  TDruckFUebForm leer(*ohne.schule, {});
  leer.LadeEinstellungen();
  EXPECT_EQ(leer.Von(), nullptr);
  EXPECT_FALSE(leer.Knopf(QStringLiteral("Ok"))->isEnabled());
  EXPECT_FALSE(leer.Knopf(QStringLiteral("Ansehen"))->isEnabled());
}

TEST_F(TabellenDruckTest, TheSubjectOverviewStartsWithoutARemark) {
  dialoge.Bediene(QStringLiteral("Drucke Fächerübersichten"), [](TKvDialog& d) {
    EXPECT_TRUE(static_cast<TDruckFUebForm&>(d).BemFeld()->text().isEmpty());
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::DruckUebFaecher)->trigger();
  EXPECT_EQ(Schule().Standard().FachUebersichtDruck.fubm, "");
}

TEST_F(TabellenDruckTest, VonAndBisPickTheSubjectFromThePalettesPopUpAtTheButton) {
  dialoge.Bediene(QStringLiteral("Drucke Fächerübersichten"), [this](TKvDialog& d) {
    auto& form = static_cast<TDruckFUebForm&>(d);
    d.show();
    QAbstractButton* von = d.Knopf(QStringLiteral("von"));
    QAbstractButton* bis = d.Knopf(QStringLiteral("bis"));
    ASSERT_TRUE(von != nullptr && bis != nullptr);
    struct Schritt {
      QAbstractButton* knopf;
      const char* wahl;  // null: the pop-up is left without a choice
      const char *vonText, *bisText;
    };
    for (const Schritt& x : std::vector<Schritt>{{von, "Ma", "Ma", "Sp"},
                                                 {bis, "De", "De", "De"},
                                                 {bis, nullptr, "De", "De"},
                                                 {bis, "Sp", "De", "Sp"},
                                                 {von, "Sp", "Sp", "Sp"}}) {
      x.wahl != nullptr ? popups.WaehleText(QString::fromUtf8(x.wahl)) : popups.WaehleNichts();
      const std::size_t vorher = popups.Angebote().size();
      x.knopf->click();
      ASSERT_EQ(popups.Angebote().size(), vorher + 1) << "one pop-up a click";
      const TSkriptPopupDienst::Angebot& angebot = popups.Angebote().back();
      EXPECT_EQ(angebot.texte, (QStringList{"De", "Ma", "Sp"})) << "the subjects, no \"ohne\"";
      EXPECT_EQ(angebot.ort, x.knopf->mapToGlobal(QPoint(0, x.knopf->height()))) << "at the button";
      EXPECT_EQ(form.VonFeld()->text(), QString::fromUtf8(x.vonText));
      EXPECT_EQ(form.BisFeld()->text(), QString::fromUtf8(x.bisText));
      EXPECT_EQ(palette->Wahl(TElementArt::Fach), nullptr) << "the pick is cleared";
    }
    EXPECT_FALSE(dialoge.Protokoll().contains(QStringLiteral("Fächer"))) << "no chooser window";
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  palette->Menues().Aktion(MenuePfad::DruckUebFaecher)->trigger();
  ErwarteKeineSkriptFehler();
}

}  // namespace
}  // namespace kolvar
