// The file commands: what they ask, where they write, the menu states they leave, and that no
// path drops a modified school without the user's word.
#include "app/savefrageform.h"
#include "appumgebung.h"
#include "model/lehrer.h"

namespace kolvar {
namespace {

class DateiTest : public AppTest {
 protected:
  DateiTest() {
    nurPalette = true;
    mitZwischenablage = true;
  }
  void Oeffne(const std::string& pfad, TFakeSchulDateien::TDatei datei = {{"AB"}, {"5a"}, 1, 1, {}}) {
    dateien.dateien[pfad] = datei;
    ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QString::fromStdString(pfad)));
  }
  void Aendere() {
    Palette().Schule().NeuerLehrer("XY");
    Palette().Schule().SetzeGeaendert(true);
  }
  void SichernFrage(int antwort) { dialoge.Antworte(QStringLiteral("Daten sichern?"), antwort); }
};

TEST_F(DateiTest, NeuFuehrtDurchDieVoreinstellungenUndSichernFragtNachDemNamen) {
  std::vector<std::string> reihenfolge;
  // The set-up dialogs, where the program has them, run in this order; registered as the
  // features do, with the menu entries that open them.
  auto dialog = [&](const QString& name, const QString& pfad, const char* kurz) {
    Palette().RegistriereDialog(
        name,
        [&, kurz] {
          reihenfolge.push_back(kurz);
          if (std::string(kurz) == "Kue") Aendere();
          return int{mrOk};
        },
        pfad);
  };
  dialog(DialogName::KursVorgaben, MenuePfad::VorKurse, "Kurse");
  dialog(DialogName::Kuerzel, MenuePfad::Kuerzel, "Kue");
  dialog(DialogName::Eckdaten, MenuePfad::VorEckdaten, "Eck");
  dialog(DialogName::Grunddaten, MenuePfad::VorGrunddaten, "Gr");
  Palette().DateiBefehle().NeuItemClick();
  EXPECT_EQ(reihenfolge, (std::vector<std::string>{"Eck", "Gr", "Kurse", "Kue"}));
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [ohne Titel]"));
  ErwarteAktiv(false, {"Datei/Neu", "Datei/Öffnen..."});
  ErwarteAktiv(true, {"Datei/Sichern unter...", "Datei/Datei schließen", "Daten/Kürzel..."});
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern"))) << "the abbreviations changed the school";
  EXPECT_TRUE(MenueAn("Le"));

  standard.opf = "/schulen";
  dateiDienst.Antworte(QStringLiteral("/schulen/neu"));
  Palette().DateiBefehle().SichernItemClick();
  ASSERT_EQ(dateiDienst.Anfragen().size(), 1u) << "a new school has no file yet";
  EXPECT_EQ(dateiDienst.Anfragen()[0].titel, QStringLiteral("Sichern als"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].ordner, QStringLiteral("/schulen"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].name, QStringLiteral("ohne Titel"));
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/schulen/neu.kvr"});
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [neu.kvr]"));
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern")));
  EXPECT_EQ(dateien.fortschrittsTitel.back(), QStringLiteral("Speichern"));
  KeineFehler();
}

TEST_F(DateiTest, SichernSchreibtDorthinWoherDieDateiKam) {
  standard.opf = "/woanders";
  Oeffne("/daten/schulen/gym.kvr");
  Aendere();
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/daten/schulen/gym.kvr"});
  EXPECT_TRUE(dateiDienst.Anfragen().empty());
  EXPECT_FALSE(Palette().Schule().Geaendert());
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern")));
  EXPECT_EQ(dateien.dateien["/daten/schulen/gym.kvr"].lehrer, (std::vector<std::string>{"AB", "XY"}));
  KeineFehler();
}

TEST_F(DateiTest, SichernUnterAbgebrochenAendertNichts) {
  standard.opf = "/alt";
  Oeffne("/alt/a.kvr");
  Aendere();
  dateiDienst.Antworte(QString());
  Palette().DateiBefehle().SichernUnterItemClick();
  EXPECT_EQ(standard.opf, "/alt");
  EXPECT_TRUE(dateien.geschrieben.empty());
  EXPECT_TRUE(Palette().Schule().Geaendert());
  EXPECT_EQ(Palette().Schule().Pfad(), "/alt/a.kvr");

  // A folder the file could not be written to is not remembered.
  dateien.schreibenScheitert = true;
  dateiDienst.Antworte(QStringLiteral("/proc/b"));
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  Palette().DateiBefehle().SichernUnterItemClick();
  EXPECT_EQ(standard.opf, "/alt");
  EXPECT_EQ(Palette().Schule().Pfad(), "/alt/a.kvr");
  dateien.schreibenScheitert = false;

  dateiDienst.Antworte(QStringLiteral("/neu/b"));
  Palette().DateiBefehle().SichernUnterItemClick();
  EXPECT_EQ(dateiDienst.Anfragen().back().name, QStringLiteral("a.kvr"));
  EXPECT_EQ(standard.opf, "/neu");
  EXPECT_EQ(Palette().Schule().Pfad(), "/neu/b.kvr");
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [b.kvr]"));
  KeineFehler();
}

// Every answer to "Daten sichern?" keeps to the data: nothing modified is dropped without
// the user's word, and a school that could not be saved stays open.
TEST_F(DateiTest, SchliessenFragtUndJedeAntwortHaeltSichAnDieDaten) {
  struct TFall {
    const char* wie;
    bool neu;          // a new school instead of a file
    bool geaendert;    // otherwise nothing is asked
    int antwort;       // to "Daten sichern?"
    const char* name;  // to the file dialog that "Mit einem anderem Namen" opens; nullptr: not asked
    bool scheitert;    // writing fails
    bool geschlossen;
    std::vector<std::string> geschrieben;
  };
  const TFall faelle[] = {
      {"Schließfeld", false, true, mrAbbrechen, nullptr, false, false, {}},
      {"anderer Name, abgebrochen", false, true, mrOk, "", false, false, {}},
      {"Ja, Schreiben scheitert", false, true, mrJa, nullptr, true, false, {}},
      {"Ja", false, true, mrJa, nullptr, false, true, {"/s/a.kvr"}},
      {"Nein", false, true, mrNein, nullptr, false, true, {}},
      {"anderer Name", false, true, mrOk, "/t/kopie.kvr", false, true, {"/t/kopie.kvr"}},
      {"unverändert", false, false, mrKeins, nullptr, false, true, {}},
      {"neu ohne Voreinstellungsfenster", true, false, mrKeins, nullptr, false, true, {}},
  };
  for (const TFall& fall : faelle) {
    SCOPED_TRACE(fall.wie);
    dateien.geschrieben.clear();
    if (fall.neu)
      Palette().DateiBefehle().NeuItemClick();
    else
      Oeffne("/s/a.kvr");
    if (fall.geaendert) Aendere();
    EXPECT_TRUE(Palette().DateiOffen());
    EXPECT_EQ(Aktiv(QStringLiteral("Datei/Sichern")), fall.geaendert) << "follows the modified flag";
    if (fall.geaendert) SichernFrage(fall.antwort);
    if (fall.name) dateiDienst.Antworte(QString::fromUtf8(fall.name));
    dateien.schreibenScheitert = fall.scheitert;
    if (fall.scheitert) dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
    EXPECT_EQ(Palette().DateiBefehle().SchliessenItemClick(), fall.geschlossen);
    dateien.schreibenScheitert = false;
    EXPECT_EQ(dateien.geschrieben, fall.geschrieben);
    if (fall.geschlossen) {
      ErwarteOhneDatei();
    } else {
      EXPECT_TRUE(Palette().DateiOffen());
      EXPECT_TRUE(Palette().Schule().Geaendert());
      EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [a.kvr]"));
      EXPECT_EQ(dialoge.Protokoll().last().contains(QStringLiteral("kann nicht erstellt werden")),
                fall.scheitert);
      SichernFrage(mrNein);
      ASSERT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
    }
    KeineFehler();
  }
  EXPECT_EQ(dialoge.Protokoll().count(QStringLiteral("Daten sichern?: ")), 0);
}

TEST_F(DateiTest, SaveFrageEscIstJaUndDasSchliessfeldZwei) {
  TSaveFrageForm frage;
  frage.show();
  QTest::keyClick(&frage, Qt::Key_Escape);
  EXPECT_EQ(frage.result(), mrJa);
  frage.setResult(mrKeins);
  frage.show();
  QTest::keyClick(&frage, Qt::Key_Return);
  EXPECT_EQ(frage.result(), mrJa);
  frage.show();
  frage.close();
  EXPECT_EQ(frage.result(), mrAbbrechen);
  frage.NeinKnopf()->click();
  EXPECT_EQ(frage.result(), mrNein);
  frage.NameKnopf()->click();
  EXPECT_EQ(frage.result(), mrOk);
}

TEST_F(DateiTest, BeschaedigteDateiLaesstKeineDateiOffen) {
  dateien.dateien["/s/kaputt.kvr"] = {{"AB"}, {}, 1, 1, "Die Version der Daten ist zu alt!"};
  for (const char* pfad : {"/s/kaputt.kvr", "/s/fehlt.kvr"}) {
    SCOPED_TRACE(pfad);
    dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
    EXPECT_FALSE(Palette().DateiBefehle().DateiOeffnen(QString::fromUtf8(pfad)));
    ErwarteOhneDatei();
  }
  EXPECT_EQ(dialoge.Protokoll()[0], QStringLiteral("Fehler: Die Version der Daten ist zu alt!"));
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_TRUE(dateien.geschrieben.empty()) << "nothing to overwrite the damaged file with";
  KeineFehler();
}

TEST_F(DateiTest, OeffnenMerktDenOrdnerUndNimmtDieVersionDerWoche) {
  standard.opf = "/vorher";
  dateien.dateien["/schulen/x.kvr"] = {{"AB"}, {}, 4, 3, {}};
  dateiDienst.Antworte(QStringLiteral("/schulen/x.kvr"));
  Palette().DateiBefehle().OeffnenItemClick();
  EXPECT_EQ(standard.opf, "/schulen");
  EXPECT_EQ(standard.mwn(), 4);
  EXPECT_EQ(standard.AktuelleVersion(), 3) << "the calendar of the day it is opened";
  EXPECT_EQ(Knopf("Vers")->text(), QStringLiteral("3"));

  // Cancelled dialog: nothing changes, also not the folder.
  Palette().DateiBefehle().SchliessenItemClick();
  dateiDienst.Antworte(QString());
  Palette().DateiBefehle().OeffnenItemClick();
  EXPECT_EQ(standard.opf, "/schulen");
  EXPECT_FALSE(Palette().DateiOffen());
  KeineFehler();
}

TEST_F(DateiTest, ImportSichertNieUeberDieTextdatei) {
  standard.ipf = "/importe";
  dateien.importe["/importe/kurse.txt"] = {"IM", "PO"};
  dateiDienst.Antworte(QStringLiteral("/importe/kurse.txt"));
  Palette().DateiBefehle().ImportItemClick();
  EXPECT_EQ(dateiDienst.Anfragen()[0].titel, QStringLiteral("Kolvar-Textdatei öffnen"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].ordner, QStringLiteral("/importe"));
  EXPECT_TRUE(Palette().DateiOffen());
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [kurse.txt]"));
  EXPECT_FALSE(Palette().Schule().HatDatei());
  EXPECT_EQ(dateien.fortschrittsTitel.back(), QStringLiteral("Importieren"));
  EXPECT_EQ(Palette().Menues().KuerzelTexte(TElementArt::Lehrer), (std::vector<QString>{"IM", "PO"}));

  dateiDienst.Antworte(QString());
  Palette().DateiBefehle().SichernItemClick();
  ASSERT_EQ(dateiDienst.Anfragen().size(), 2u) << "Sichern asks for a name";
  EXPECT_EQ(dateiDienst.Anfragen()[1].name, QStringLiteral("kurse.kvr"));
  EXPECT_TRUE(dateien.geschrieben.empty());

  // Importing into an open school keeps its file.
  SichernFrage(mrNein);
  Palette().DateiBefehle().SchliessenItemClick();
  Oeffne("/s/a.kvr");
  EXPECT_TRUE(Palette().DateiBefehle().DateiImportieren(QStringLiteral("/importe/kurse.txt")));
  EXPECT_EQ(Palette().Schule().Pfad(), "/s/a.kvr");
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/s/a.kvr"});

  // A failed import into the empty school leaves it empty.
  Palette().DateiBefehle().SchliessenItemClick();
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiImportieren(QStringLiteral("/importe/fehlt.txt")));
  ErwarteOhneDatei();
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
