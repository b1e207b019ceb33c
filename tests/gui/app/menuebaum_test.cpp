// The parts features install into: menu paths that must exist, window commands sent to the
// active window, element-window openers kept apart by view group, dialogs opened by name.
#include <QLineEdit>
#include <stdexcept>

#include "app/kennwortform.h"
#include "appumgebung.h"
#include "gui/support/oeffnerstellvertreter.h"
#include "model/lehrer.h"
#include "platform/kindfenster.h"
#include "platform/spaltenmenue.h"

namespace kolvar {
namespace {

namespace P = MenuePfad;

// A window that records the window commands it receives.
class TBefehlsFenster : public TKindFenster {
 public:
  TBefehlsFenster(int tag, TSchule& schule, IFensterListe& liste, QStringList& protokoll)
      : TKindFenster(tag, schule, &liste), protokoll_(protokoll) {
    SetzeCaption(QStringLiteral("Fenster %1").arg(tag));
  }
  void Kopieren() override { protokoll_ << Caption() + QStringLiteral(": Kopieren"); }
  void AllesAuswaehlen() override { protokoll_ << Caption() + QStringLiteral(": Alles"); }
  void FensterDrucken() override { protokoll_ << Caption() + QStringLiteral(": Drucken"); }

 private:
  QStringList& protokoll_;
};

class MenueBaumTest : public AppTest {
 protected:
  MenueBaumTest() { nurPalette = true; }
  TBefehlsFenster* Fenster(int tag) {
    auto* f = new TBefehlsFenster(tag, Palette().Schule(), Palette().FensterListe(), protokoll);
    f->Oeffne();
    Palette().Schule().SetzeAktivesFenster(f);
    Palette().MenusAnpassen();
    return f;
  }
  void Schliesse(TKindFenster* f) {
    EXPECT_TRUE(f->SchliesseFrage());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QStringList protokoll;
};

TEST_F(MenueBaumTest, EinUnbekannterPfadIstEinFehlerMitDemPfad) {
  TMenueBaum& m = Palette().Menues();
  for (const char* pfad : {"Datei/Neuu", "", "Datei", "datei/neu", "Datei/Neu/", "/Datei/Neu",
                           "Daten/Prüfen/Einzel-", "Hilfe/Über WinKolvar"}) {
    const QString p = QString::fromUtf8(pfad);
    try {
      m.SetzeBefehl(p, [] {});
      ADD_FAILURE() << "accepted: " << pfad;
    } catch (const std::invalid_argument& fehler) {
      EXPECT_NE(std::string(fehler.what()).find(pfad), std::string::npos) << fehler.what();
    }
    EXPECT_THROW(m.Aktion(p), std::invalid_argument) << pfad;
    EXPECT_THROW(m.HatBefehl(p), std::invalid_argument) << pfad;
  }
  // A sub-menu has no command of its own; the top-level menus are found by title only.
  EXPECT_THROW(m.SetzeBefehl(P::Drucken, [] {}), std::invalid_argument);
  EXPECT_FALSE(m.HatBefehl(P::Drucken));
  EXPECT_THROW(m.Menue(QStringLiteral("Extras")), std::invalid_argument);
  EXPECT_EQ(m.Menue(P::Daten)->title(), P::Daten);
}

TEST_F(MenueBaumTest, JederBenanntePfadFuehrtZuSeinemEintrag) {
  TMenueBaum& m = Palette().Menues();
  // Captions that hold '/' themselves, sub-menus, the ends of each menu.
  const std::vector<std::pair<QString, QString>> faelle{
      {P::Pruefungen[6], QStringLiteral("Einzel-/Mehrfachstunden")},
      {P::PruefVersionen, QStringLiteral("Versionsunterschiede")},
      {P::DruckVertretungsuebersicht, QStringLiteral("Vertretungsübersicht...")},
      {P::DruckPlaene, QStringLiteral("Pläne")},
      {P::Plaene, QStringLiteral("Pläne")},
      {P::UndoLoeschen, QStringLiteral("Löschen")},
      {P::WzLoeschen, QStringLiteral("Löschen")},
      {P::VoreinstellungsSeiten[11], QStringLiteral("HTML-Farben")},
      {P::Beenden, QStringLiteral("Beenden")},
      {P::Ueber, QStringLiteral("Über WinKolvar...")}};
  for (const auto& [pfad, text] : faelle) EXPECT_EQ(m.Aktion(pfad)->text(), text) << pfad.toStdString();
  EXPECT_NE(m.Aktion(P::DruckPlaene), m.Aktion(P::Plaene));
  EXPECT_NE(m.Aktion(P::UndoLoeschen), m.Aktion(P::WzLoeschen));
  // The settings pages in the order "Wechseln" numbers them.
  const QStringList seiten = TEinstellungsDialog::StandardSeiten();
  for (std::size_t i = 0; i < P::VoreinstellungsSeiten.size(); ++i)
    EXPECT_EQ(m.Aktion(P::VoreinstellungsSeiten[i])->text(), seiten[static_cast<int>(i)]);
}

TEST_F(MenueBaumTest, FensterbefehleGehenAnDasAktiveFenster) {
  Palette().DateiBefehle().NeuItemClick();
  EXPECT_TRUE(Aktiv(P::Kopieren)) << "without a window it beeps";
  EXPECT_FALSE(Aktiv(P::AllesAuswaehlen));
  EXPECT_FALSE(Aktiv(P::FensterDrucken));

  // Statistics select all; a class editor does not.
  struct TFall {
    int art;
    bool alles;
  };
  for (const TFall& fall : {TFall{FensterArt::LeStat, true}, TFall{FensterArt::KlGr, false}}) {
    protokoll.clear();
    TBefehlsFenster* f = Fenster(fall.art);
    EXPECT_EQ(Aktiv(P::AllesAuswaehlen), fall.alles) << fall.art;
    EXPECT_TRUE(Aktiv(P::FensterDrucken)) << fall.art;
    for (const QString& pfad : {P::Kopieren, P::AllesAuswaehlen, P::FensterDrucken})
      Palette().Menues().Aktion(pfad)->trigger();
    QStringList erwartet{f->Caption() + ": Kopieren"};
    if (fall.alles) erwartet << f->Caption() + ": Alles";
    erwartet << f->Caption() + ": Drucken";
    EXPECT_EQ(protokoll, erwartet) << fall.art;
    Schliesse(f);
  }
  protokoll.clear();
  Palette().Befehle().KopierenItemClick();
  EXPECT_TRUE(protokoll.isEmpty()) << "no window left to copy from";
  KeineFehler();
}

TEST_F(MenueBaumTest, OeffnerJeAnsichtsgruppeErsetzenEinanderNicht) {
  dateien.dateien["/s/a.kvr"] = {{"AB", "CD"}, {}, 1, 1, {}};
  dateien.gespeicherteFenster = {{FensterArt::LeDep, "Deputat CD", 0, 0, 0, 0},
                                 {FensterArt::LePln, "Plan AB", 0, 0, 0, 0},
                                 {FensterArt::LeGr, "Lehrer AB", 0, 0, 0, 0},
                                 {FensterArt::LeStat, "Statistik", 0, 0, 0, 0}};
  std::vector<std::string> geoeffnet;
  const auto oeffner = [&geoeffnet](int gruppe) {
    return [&geoeffnet, gruppe](TElement* e, uint8_t) {
      geoeffnet.push_back(std::to_string(gruppe) + " " + e->Kuerzel());
    };
  };
  EXPECT_THROW(SetzeElementFensterOeffner(Palette(), 3, oeffner(3)), std::out_of_range);
  EXPECT_THROW(SetzeElementFensterOeffner(Palette(), -1, oeffner(-1)), std::out_of_range);
  // A workload feature and the plan feature, installed one after the other.
  SetzeElementFensterOeffner(Palette(), 1, oeffner(1));
  SetzeElementFensterOeffner(Palette(), 2, oeffner(2));

  // Saved windows: each by the group of its kind; no master-data opener, nothing for it.
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/a.kvr")));
  EXPECT_EQ(geoeffnet, (std::vector<std::string>{"1 CD", "2 AB"}));

  // The element menu opens by the current view group; group 0 has no opener yet.
  auto* le = static_cast<TSpaltenMenue*>(Palette().Menues().Menue("Le"));
  geoeffnet.clear();
  for (const char* knopf : {"Dep", "Plan", "GrDat"}) {
    Knopf(knopf)->click();
    le->Waehle(1);
  }
  EXPECT_EQ(geoeffnet, (std::vector<std::string>{"1 CD", "2 CD"}));
  EXPECT_TRUE(Palette().Oeffner().HatElementOeffner(1));
  EXPECT_FALSE(Palette().Oeffner().HatElementOeffner(0));
  Palette().DateiBefehle().SchliessenItemClick();
  KeineFehler();
}

TEST_F(MenueBaumTest, DialogeNachNamen) {
  TDialogRegister& dialoge = Palette().DialogRegister();
  EXPECT_EQ(dialoge.Oeffne(QStringLiteral("Gibt es nicht")), mrKeins);
  EXPECT_FALSE(dialoge.Hat(DialogName::Eckdaten));
  EXPECT_FALSE(Aktiv(P::VorEckdaten));
  int gezeigt = 0;
  Palette().RegistriereDialog(
      DialogName::Eckdaten,
      [&gezeigt] {
        ++gezeigt;
        return int{mrAbbrechen};
      },
      P::VorEckdaten);
  EXPECT_TRUE(Aktiv(P::VorEckdaten)) << "the entry follows its dialog";
  Palette().Menues().Aktion(P::VorEckdaten)->trigger();
  EXPECT_EQ(dialoge.Oeffne(DialogName::Eckdaten), mrAbbrechen);
  EXPECT_EQ(gezeigt, 2);

  // The password page is the palette's own: "Abbrechen" keeps the password.
  standard.SetKennwort("alt");
  this->dialoge.Bediene(QStringLiteral("Kennwortänderung"), [](TKvDialog& d) {
    static_cast<TKennwortForm&>(d).KWFeld()->setText(QStringLiteral("neu"));
    d.Knopf(QStringLiteral("Abbrechen"))->click();
  });
  Palette().Menues().Aktion(P::VorKennwort)->trigger();
  EXPECT_TRUE(standard.KennwortStimmt("alt"));
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
