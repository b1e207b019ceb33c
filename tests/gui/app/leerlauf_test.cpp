// The palette's idle passes on the program's clock: the save reminder across a change of day,
// what its answers do, the close the session asks for and the idle screen.
#include <QLocale>
#include <QPlainTextEdit>
#include <QTime>

#include "app/leerlaufsteuerung.h"
#include "app/pausenform.h"
#include "appumgebung.h"

namespace kolvar {
namespace {

constexpr int64_t kMinute = 60 * 1000;
constexpr int64_t kTag = 46000;

class LeerlaufTest : public AppTest {
 protected:
  LeerlaufTest() {
    nurPalette = true;
    // 23:55, five minutes before the day changes.
    uhr.Setze(kTag * 86400 + 23 * 3600 + 55 * 60);
    standard.spz = 10;
  }
  void Geaendert() {
    Palette().DateiBefehle().NeuItemClick();
    Palette().Schule().SetzeGeaendert(true);
  }
  void Pass() { Palette().Leerlauf().AppIdle(); }
};

TEST_F(LeerlaufTest, ErinnerungNachEinemTageswechsel) {
  Geaendert();
  uhr.Vorruecken(10 * kMinute);
  Pass();
  EXPECT_TRUE(dialoge.Protokoll().isEmpty()) << "exactly ten minutes are not more than ten";
  // Past midnight: the reminder comes, and "Ja" saves (after "Neu" under a name asked for).
  uhr.Vorruecken(1000);
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrJa);
  dateiDienst.Antworte(QStringLiteral("/s/neu.kvr"));
  Pass();
  EXPECT_EQ(dialoge.Protokoll(), QStringList{"Daten sichern?"});
  EXPECT_EQ(dateien.geschrieben, std::vector<std::string>{"/s/neu.kvr"});
  EXPECT_EQ(standard.LetzteSicherungsZeit, 5 * 60 + 1) << "00:05:01";

  // Unmodified when the next falls due: nothing shows, and the one after comes an interval later.
  uhr.Vorruecken(10 * kMinute + 1000);
  Pass();
  Palette().Schule().SetzeGeaendert(true);
  uhr.Vorruecken(9 * kMinute);
  Pass();
  EXPECT_EQ(dialoge.Protokoll().size(), 1);
  // "Nein" and the close box leave the school as it is; "Mit einem anderem Namen" asks for one.
  for (int antwort : {int{mrNein}, int{mrAbbrechen}, int{mrOk}}) {
    uhr.Vorruecken(10 * kMinute + 1000);
    dialoge.Antworte(QStringLiteral("Daten sichern?"), antwort);
    if (antwort == mrOk) dateiDienst.Antworte(QStringLiteral("/s/anders.kvr"));
    Pass();
    EXPECT_EQ(Palette().Schule().Geaendert(), antwort != mrOk) << antwort;
  }
  EXPECT_EQ(dateien.geschrieben, (std::vector<std::string>{"/s/neu.kvr", "/s/anders.kvr"}));
  KeineFehler();
}

TEST_F(LeerlaufTest, AbgelehntesBeendenLaesstErinnerungUndSpaeteresBeendenZu) {
  Geaendert();
  TLeerlauf& kern = Palette().Leerlauf().Kern();
  // The session ends; the user closes "Daten sichern?" with its close box and keeps the program.
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrAbbrechen);
  kern.BeendenAnfordern();
  kern.BeendeWennAngefordert(true);
  EXPECT_FALSE(Palette().IstBeendet());
  EXPECT_FALSE(kern.BeendenAngefordert());
  EXPECT_FALSE(kern.FrageMarke());
  // The reminder still comes.
  uhr.Vorruecken(11 * kMinute);
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  Pass();
  EXPECT_EQ(dialoge.Protokoll().size(), 2);
  // A later end goes through: "Nein" drops the changes.
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrNein);
  kern.BeendenAnfordern();
  kern.BeendeWennAngefordert(true);
  EXPECT_TRUE(Palette().IstBeendet());
  KeineFehler();
}

TEST_F(LeerlaufTest, Wartezeit) {
  // 00:10 shows "since 23:37"; the title of the open school; one of the nine lines.
  TPausenForm pause(QStringLiteral("schule.kvr"), QTime(0, 10), nullptr);
  EXPECT_EQ(pause.Zeit(), QLocale::system().toString(QTime(23, 37), QLocale::ShortFormat));
  EXPECT_EQ(pause.DateiName(), QStringLiteral("schule.kvr"));
  EXPECT_TRUE(pause.FreiSpeicher().endsWith(QStringLiteral(" Kilobytes")))
      << pause.FreiSpeicher().toStdString();
  EXPECT_TRUE(TPausenForm::Texte().contains(pause.Memo())) << pause.Memo().toStdString();
  EXPECT_EQ(TPausenForm::Texte().size(), 9);
  EXPECT_TRUE(pause.findChild<QPlainTextEdit*>()->isReadOnly());
  // "Weiterarbeiten" is 1, also by Enter and Esc.
  for (const char* taste : {"Weiterarbeiten", "Esc"}) {
    dialoge.Bediene(QStringLiteral("Wartezeit"), [taste](TKvDialog& d) {
      if (std::string(taste) == "Esc")
        QTest::keyClick(&d, Qt::Key_Escape);
      else
        d.Knopf(QStringLiteral("Weiterarbeiten"))->click();
    });
    EXPECT_EQ(pause.Zeige(), mrOk) << taste;
  }

  // Through the palette: the school's title, or "ohne Titel" without a file.
  QString titel;
  dialoge.Bediene(QStringLiteral("Wartezeit"), [&titel](TKvDialog& d) {
    titel = static_cast<TPausenForm&>(d).DateiName();
    d.Knopf(QStringLiteral("Weiterarbeiten"))->click();
  });
  Palette().Leerlauf().ZeigePause();
  EXPECT_EQ(titel, QStringLiteral("ohne Titel"));
  KeineFehler();
}

TEST_F(LeerlaufTest, UnterbrechbarUeberDerPaletteNichtUnterEinemModalenDialog) {
  TLeerlaufSteuerung& leerlauf = Palette().Leerlauf();
  Palette().show();
  Palette().activateWindow();
  if (!QTest::qWaitForWindowActive(&Palette(), 1000))
    GTEST_SKIP() << "this platform does not activate windows";
  EXPECT_TRUE(leerlauf.Unterbrechbar());
  // A modal dialog is open: the end and the idle screen wait for it.
  TPausenForm dialog(QStringLiteral("x"), QTime(12, 0), &Palette());
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  EXPECT_FALSE(leerlauf.Unterbrechbar());
  dialog.hide();
  Palette().hide();
}

}  // namespace
}  // namespace kolvar
