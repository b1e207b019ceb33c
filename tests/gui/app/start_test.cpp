// Start-up as the program runs it: settings from the store, the palette, the password prompt,
// the start file; and the end: close query, save question, settings back to the store.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>
#include <functional>

#include "app/kwform.h"
#include "app/programm.h"
#include "appumgebung.h"

namespace kolvar {
namespace {

class StartTest : public AppTest {
 protected:
  // The password prompt answered with this entry (and the button).
  void KennwortEingabe(const QString& eingabe, const QString& knopf = QStringLiteral("Ok")) {
    dialoge.Bediene(QStringLiteral("Kennworteingabe"), [eingabe, knopf](TKvDialog& d) {
      auto& form = static_cast<TKWForm&>(d);
      form.KWFeld()->setText(eingabe);
      form.Knopf(knopf)->click();
    });
  }
  // Settings in the store as a former run left them.
  void Gespeichert(const std::function<void(TStandard&)>& setze) {
    TStandard s;
    setze(s);
    s.SpeichereEinstellungen(speicher);
  }
};

TEST_F(StartTest, MitDateiargumentOhneKennwort) {
  dateien.dateien["/daten/schule.kvr"] = {{"AB", "CD"}, {"5a"}, 1, 1, {}};
  Gespeichert([](TStandard& s) { s.opf = "/anderswo"; });
  TProgramm programm(speicher, dateien);
  ASSERT_TRUE(programm.Starte({QStringLiteral("winkolvar"), QStringLiteral("/daten/schule.kvr")}));
  TKolvarPalette& p = *programm.Palette();
  EXPECT_TRUE(p.isVisible());
  EXPECT_TRUE(p.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(p.windowTitle(), QStringLiteral("WinKolvar 2.3.8 [schule.kvr]"));
  EXPECT_EQ(p.Schule().Pfad(), "/daten/schule.kvr");
  EXPECT_EQ(programm.Standard().opf, "/anderswo") << "a start file leaves the folder as it was";
  EXPECT_EQ(programm.Standard().StartZeit, 10 * 3600) << "the save reminder counts from the start";
  EXPECT_EQ(programm.Standard().LetzteSicherungsZeit, 10 * 3600);
  EXPECT_EQ(dateien.fortschrittsTitel, std::vector<QString>{QStringLiteral("Einlesen")});
  EXPECT_TRUE(dateiDienst.Anfragen().empty());
  EXPECT_TRUE(p.Menues().Menue("Kl")->menuAction()->isEnabled()) << "the element menus follow the file";
  KeineFehler();
}

TEST_F(StartTest, OhneArgumentFragtDerOeffnenDialog) {
  Gespeichert([](TStandard& s) { s.opf = "/schulen"; });
  dateiDienst.Antworte(QString());  // cancelled
  TProgramm programm(speicher, dateien);
  ASSERT_TRUE(programm.Starte({QStringLiteral("winkolvar")}));
  ASSERT_EQ(dateiDienst.Anfragen().size(), 1u);
  EXPECT_EQ(dateiDienst.Anfragen()[0].titel, QStringLiteral("WinKolvar-Datei öffnen"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].ordner, QStringLiteral("/schulen"));
  EXPECT_EQ(dateiDienst.Anfragen()[0].filter, QStringLiteral("Kolvar-Dateien (*.KVR)|*.kvr"));
  EXPECT_FALSE(programm.Palette()->DateiOffen());
  EXPECT_EQ(programm.Palette()->windowTitle(), QStringLiteral("WinKolvar 2.3.8"));
  EXPECT_TRUE(dateien.gelesen.empty());
  KeineFehler();
}

TEST_F(StartTest, KennwortRichtigFalschMitBlanksUndAbbrechen) {
  Gespeichert([](TStandard& s) { s.SetKennwort("geheim"); });
  dateien.dateien["/s.kvr"] = {};
  struct TFall {
    const char* eingabe;
    const char* knopf;
    bool startet;
  };
  // Trailing blanks are the padding; an empty entry is no password when one is set. A refused
  // start ends the program: no palette, no file opened, no settings saved.
  for (const TFall& fall :
       {TFall{"falsch", "Ok", false}, TFall{"geheim", "Abbrechen", false}, TFall{"", "Ok", false},
        TFall{"geheim   ", "Ok", true}, TFall{"geheim", "Ok", true}}) {
    SCOPED_TRACE(std::string(fall.eingabe) + " " + fall.knopf);
    const auto vorher = speicher.Werte();
    const std::size_t gelesen = dateien.gelesen.size();
    KennwortEingabe(QString::fromUtf8(fall.eingabe), QString::fromUtf8(fall.knopf));
    TProgramm programm(speicher, dateien);
    EXPECT_EQ(programm.Starte({QStringLiteral("winkolvar"), QStringLiteral("/s.kvr")}), fall.startet);
    EXPECT_EQ(programm.Palette() != nullptr, fall.startet);
    EXPECT_EQ(dateien.gelesen.size() > gelesen, fall.startet);
    if (fall.startet) {
      EXPECT_TRUE(programm.Palette()->DateiOffen());
    } else {
      EXPECT_EQ(speicher.Werte(), vorher);
    }
  }
  KeineFehler();
}

TEST_F(StartTest, KennwortFeldNimmtNurWasDerVerschluesslerKennt) {
  TKWForm form(standard);
  EXPECT_EQ(form.KWFeld()->maxLength(), 20);
  EXPECT_EQ(form.KWFeld()->echoMode(), QLineEdit::Password);
  const QValidator* pruefer = form.KWFeld()->validator();
  ASSERT_NE(pruefer, nullptr);
  // Beyond the file's characters a password could not be typed again or would mean "?".
  for (const auto& [eingabe, gut] : {std::pair{QStringLiteral("Straße § 1"), true},
                                     {QStringLiteral("Öl ‚é‘"), true},
                                     {QStringLiteral("a✓b"), false},
                                     {QStringLiteral("5 €"), false},
                                     {QStringLiteral("a\tb"), false}}) {
    QString text = eingabe;
    int pos = 0;
    EXPECT_EQ(pruefer->validate(text, pos), gut ? QValidator::Acceptable : QValidator::Invalid)
        << text.toStdString();
  }
}

TEST_F(StartTest, BeendenSpeichertDieEinstellungenEinmal) {
  dateien.dateien["/s.kvr"] = {{"AB"}, {}, 1, 1, {}};
  TProgramm programm(speicher, dateien);
  ASSERT_TRUE(programm.Starte({QStringLiteral("winkolvar"), QStringLiteral("/s.kvr")}));
  TKolvarPalette& p = *programm.Palette();
  p.move(120, 80);
  p.Schule().NeuerLehrer("NEU");
  p.Schule().SetzeGeaendert(true);

  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrAbbrechen);  // close box
  EXPECT_FALSE(p.close());
  EXPECT_TRUE(p.isVisible());
  EXPECT_TRUE(p.Schule().Geaendert());
  EXPECT_FALSE(p.IstBeendet());

  p.SetzeBeschaeftigt(true);
  EXPECT_FALSE(p.close()) << "refused while a dialog waits for a pop-up choice";
  p.SetzeBeschaeftigt(false);

  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  EXPECT_TRUE(p.close());
  EXPECT_TRUE(p.IstBeendet());
  EXPECT_FALSE(p.DateiOffen()) << "the school was closed";
  EXPECT_TRUE(dateien.geschrieben.empty()) << "Nein saves nothing";
  TStandard geladen;
  geladen.LadeEinstellungen(speicher);
  EXPECT_EQ(geladen.pal, p.pos().x());
  EXPECT_EQ(geladen.pat, p.pos().y());
  KeineFehler();
}

// Closing the palette ends the message loop in every layout, tool window or not.
TEST_F(StartTest, BeendenEndetDasProgrammInJedemLayout) {
  for (int pas = 0; pas <= 6; ++pas) {
    standard.pas = pas;
    TKolvarPalette p(standard, dateien, &speicher);
    p.show();
    QTimer::singleShot(0, &p, [&p] { p.close(); });
    // A loop that keeps running ends here instead of hanging the test.
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notbremse.start(3000);
    EXPECT_EQ(QApplication::exec(), 0) << "layout " << pas;
    EXPECT_TRUE(p.IstBeendet());
  }
}

TEST_F(StartTest, NichtGespeicherteEinstellungenWerdenGemeldet) {
  class TVollerSpeicher : public TEinstellungenImSpeicher {
   public:
    bool Sichere() override { return false; }
  } voll;
  TKolvarPalette p(standard, dateien, &voll);
  dialoge.Antworte(QStringLiteral("WinKolvar"), mrOk);
  EXPECT_TRUE(p.close());
  EXPECT_EQ(dialoge.Protokoll().last(),
            QStringLiteral("WinKolvar: Die Einstellungen konnten nicht gespeichert werden."));
  KeineFehler();
}

// Qt's own dialogs and standard buttons speak German while the program runs.
TEST_F(StartTest, QtsEigeneTexteSindDeutsch) {
  const auto knopfText = [](QDialogButtonBox::StandardButton k) {
    QDialogButtonBox leiste(k);
    return leiste.button(k)->text().remove(QLatin1Char('&'));
  };
  dateiDienst.Antworte(QString());
  {
    TProgramm programm(speicher, dateien);
    ASSERT_TRUE(programm.Starte({QStringLiteral("winkolvar")}));
    const std::pair<QDialogButtonBox::StandardButton, const char*> knoepfe[] = {
        {QDialogButtonBox::Cancel, "Abbrechen"}, {QDialogButtonBox::Save, "Speichern"},
        {QDialogButtonBox::Open, "Öffnen"},      {QDialogButtonBox::Yes, "Ja"},
        {QDialogButtonBox::No, "Nein"},          {QDialogButtonBox::Close, "Schließen"}};
    for (const auto& [knopf, text] : knoepfe) EXPECT_EQ(knopfText(knopf), QString::fromUtf8(text));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
  }
  EXPECT_EQ(knopfText(QDialogButtonBox::Cancel), QStringLiteral("Cancel"))
      << "the catalogue goes with the program";
}

TEST_F(StartTest, PositionAusserhalbDesBildschirmsWirdNull) {
  standard.pal = 100000;
  standard.pat = 40;
  EXPECT_EQ(Palette().pos().x(), 0);
  EXPECT_EQ(Palette().pos().y(), 40);
}

}  // namespace
}  // namespace kolvar
