// The file commands: what they ask, where they write, the menu states they leave, and that no
// path drops a modified school without the user's word.
#include "app/savefrageform.h"
#include "appumgebung.h"
#include "model/lehrer.h"

namespace kolvar {
namespace {

class DateiTest : public AppTest {
 protected:
  void Oeffne(const std::string& pfad, TFakeSchulDateien::TDatei datei = {{"AB"}, {"5a"}, 1, 1, {}}) {
    dateien.dateien[pfad] = datei;
    ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(QString::fromStdString(pfad)));
  }
  void Aendere() {
    Palette().Schule().NeuerLehrer("XY");
    Palette().Schule().SetzeGeaendert(true);
  }
  void ZustandOhneDatei() {
    EXPECT_FALSE(Palette().DateiOffen());
    EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8"));
    EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Neu")));
    EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Öffnen...")));
    EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern")));
    EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern unter...")));
    EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Datei schließen")));
    EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Export")));
    EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Import...")));
    EXPECT_TRUE(Palette().Schule().Lehrer().Leer());
    EXPECT_FALSE(Palette().Menues().Menue(QStringLiteral("Le"))->menuAction()->isEnabled());
  }
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
          if (std::string(kurz) == "Kue") {
            Palette().Schule().NeuerLehrer("NEU");
            Palette().Schule().SetzeGeaendert(true);
          }
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
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Neu")));
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Öffnen...")));
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern unter...")));
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Datei schließen")));
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern"))) << "the abbreviations changed the school";
  EXPECT_TRUE(Palette().Menues().Menue(QStringLiteral("Le"))->menuAction()->isEnabled());
  EXPECT_TRUE(Aktiv(QStringLiteral("Daten/Kürzel...")));

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

TEST_F(DateiTest, NeuOhneVoreinstellungsfensterUeberspringtSie) {
  Palette().DateiBefehle().NeuItemClick();
  EXPECT_TRUE(Palette().DateiOffen());
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern")));
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick()) << "nothing changed, nothing asked";
  ZustandOhneDatei();
  KeineFehler();
}

TEST_F(DateiTest, SichernSchreibtDorthinWoherDieDateiKam) {
  standard.opf = "/woanders";
  Oeffne("/daten/schulen/gym.kvr");
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern unter...")));
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Sichern")));
  Aendere();
  EXPECT_TRUE(Aktiv(QStringLiteral("Datei/Sichern"))) << "follows the modified flag";
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

TEST_F(DateiTest, SchliessenFragtUndJedeAntwortHaeltSichAnDieDaten) {
  Oeffne("/s/a.kvr");
  Aendere();

  // The close box: the school stays.
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrAbbrechen);
  EXPECT_FALSE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_TRUE(Palette().DateiOffen());
  EXPECT_TRUE(Palette().Schule().Geaendert());

  // Another name, then cancelled: the school stays.
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrOk);
  dateiDienst.Antworte(QString());
  EXPECT_FALSE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_TRUE(Palette().DateiOffen());

  // Ja, but the file cannot be written: the user is told and the school stays.
  dateien.schreibenScheitert = true;
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrJa);
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_TRUE(Palette().DateiOffen());
  EXPECT_TRUE(Palette().Schule().Geaendert());
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [a.kvr]"));
  EXPECT_TRUE(dialoge.Protokoll().last().contains(QStringLiteral("kann nicht erstellt werden")));
  dateien.schreibenScheitert = false;

  // Ja: saved where it came from, then closed.
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrJa);
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/s/a.kvr"});
  ZustandOhneDatei();
  EXPECT_EQ(dialoge.Protokoll().count(QStringLiteral("Daten sichern?: ")), 0);
  KeineFehler();
}

TEST_F(DateiTest, SchliessenMitNeinUndMitAnderemNamen) {
  Oeffne("/s/a.kvr");
  Aendere();
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_TRUE(dateien.geschrieben.empty());
  ZustandOhneDatei();

  Oeffne("/s/a.kvr");
  Aendere();
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrOk);
  dateiDienst.Antworte(QStringLiteral("/t/kopie.kvr"));
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/t/kopie.kvr"});
  ZustandOhneDatei();

  // Unchanged: closed without a question.
  Oeffne("/s/a.kvr");
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  KeineFehler();
}

TEST_F(DateiTest, SaveFrageEscIstJaUndDasSchliessfeldZwei) {
  TSaveFrageForm frage;
  frage.show();
  EXPECT_EQ(frage.windowTitle(), QStringLiteral("Daten sichern?"));
  EXPECT_EQ(frage.NameKnopf()->text(), QStringLiteral("Mit einem anderem Namen"));
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
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/kaputt.kvr")));
  EXPECT_EQ(dialoge.Protokoll().last(), QStringLiteral("Fehler: Die Version der Daten ist zu alt!"));
  ZustandOhneDatei();

  // A file that is not there.
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiOeffnen(QStringLiteral("/s/fehlt.kvr")));
  ZustandOhneDatei();
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
  EXPECT_EQ(Palette().Knopf(QStringLiteral("Vers"))->text(), QStringLiteral("3"));
  EXPECT_FALSE(Aktiv(QStringLiteral("Datei/Öffnen...")));

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
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
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
  ZustandOhneDatei();
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
