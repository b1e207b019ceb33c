// The INI store in the user's config folder: XDG_CONFIG_HOME points at a temporary folder
// before the first QSettings is made, since QSettings keeps the folder once it has read it.

#include "platform/inieinstellungsspeicher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "model/standard.h"
#include "storage/einstellungenimspeicher.h"

namespace kolvar {
namespace {

// The shared test environment points XDG_CONFIG_HOME at a temporary folder.
QString KonfigOrdner() {
  return qEnvironmentVariable("XDG_CONFIG_HOME");
}

TEST(TIniEinstellungsSpeicher, WerteUndGrossKleinschreibung) {
  const QString datei = QDir(KonfigOrdner()).filePath("einzeln.ini");
  {
    TIniEinstellungsSpeicher speicher(datei);
    speicher.Schreibe("Urbo0", "abc", "klein");
    speicher.Schreibe("Urbo0", "ABC", "groß");
    speicher.Schreibe("Urbo32", "bem1", " Text, mit Komma; = # \"Zeichen\" äöüß € ");
    speicher.Schreibe("Urbo0", "leer", "");
    EXPECT_TRUE(speicher.Sichere());
  }
  TIniEinstellungsSpeicher speicher(datei);
  EXPECT_EQ(speicher.Lies("Urbo0", "abc"), "klein");
  EXPECT_EQ(speicher.Lies("Urbo0", "ABC"), "groß");
  EXPECT_EQ(speicher.Lies("urbo0", "abc"), std::nullopt);
  EXPECT_EQ(speicher.Lies("Urbo32", "bem1"), " Text, mit Komma; = # \"Zeichen\" äöüß € ");
  EXPECT_EQ(speicher.Lies("Urbo0", "leer"), "");
  EXPECT_EQ(speicher.Lies("Urbo1", "abc"), std::nullopt);
}

// A hand-edited line with a comma and no quotes still reads as its text.
TEST(TIniEinstellungsSpeicher, HandbearbeiteteDatei) {
  const QString datei = QDir(KonfigOrdner()).filePath("hand.ini");
  QFile f(datei);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Urbo1]\ndvs=0\nmtn=fünf\n[Urbo32]\nbem2=eins, zwei\n[Urbo0]\nspg=$Mo$Di\n");
  f.close();
  TIniEinstellungsSpeicher speicher(datei);
  EXPECT_EQ(speicher.Lies("Urbo32", "bem2"), "eins, zwei");
  TStandard s;
  s.LadeEinstellungen(speicher);
  EXPECT_EQ(s.dvs, 1);
  EXPECT_EQ(s.mtn, 7);
  EXPECT_EQ(s.StandardBemerkung[1], "eins, zwei");
  EXPECT_EQ(s.spg[0], "Mo");
}

TEST(TIniEinstellungsSpeicher, EinstellungenHinUndZurueck) {
  TStandard a;
  a.SetVersionszahl(4);
  a.SetNurAktuelleVersion(false);
  a.SetKennwort("Kennwort");
  a.SetStundenBezeichnungen(4, {"1. Std", "2, Std", "3; Std", "4 = Std", "Bücher"});
  a.SetTagNamen({"Montag,", "  ", "", "Do", "Fr", "Sa", "So"});
  a.StandardBemerkung[2] = "Hinweis, bitte \"beachten\"";
  a.AllgBemerkung[3] = {"Zeile 1", "Zeile, 2"};
  a.opf = "/home/lehrer/Pläne 2026";
  a.LehrerPlanDruck.ad = TagesNummer(2026, 8, 31);
  a.LehrerPlanDruck.at = 8 * 3600;
  a.KuerzelDruck.Schrift = {"DejaVu Sans", 10};
  a.kus.SetzeStunde(2, 3, true);
  a.FreieTage[400] = 0x41;
  {
    TIniEinstellungsSpeicher speicher;
    ASSERT_TRUE(a.SpeichereEinstellungen(speicher));
  }
  ASSERT_FALSE(KonfigOrdner().isEmpty());
  EXPECT_TRUE(QFile::exists(QDir(KonfigOrdner()).filePath("WKolvar/WKolvar.ini"))) << "in the config folder";

  TIniEinstellungsSpeicher speicher;
  TStandard b;
  b.LadeEinstellungen(speicher);
  TEinstellungenImSpeicher ma, mb;
  a.SpeichereEinstellungen(ma);
  b.SpeichereEinstellungen(mb);
  EXPECT_EQ(ma.Werte(), mb.Werte());
}

// A malformed line (read as the store reads it) is no failed save: saving over it reports
// success and writes every value. Only a write that did not happen is reported.
TEST(TIniEinstellungsSpeicher, FehlerhafteZeileIstKeinFehlerBeimSichern) {
  struct Fall {
    const char* name;
    const char* inhalt;
    bool schreibbar;
  };
  const Fall faelle[] = {
      {"header without bracket", "[Urbo1\nmtn=5\n", true},
      {"line without =", "[Urbo1]\nmtn=5\nkaputt\n[Urbo2]\npst=4\n", true},
      {"both, in an unread section", "[Fremd\nx\n[Urbo1]\nmtn=6\n", true},
      {"folder gone", "[Urbo1]\nmtn=5\nkaputt\n", false},
  };
  TStandard gesetzt;
  gesetzt.SetVersionszahl(3);
  gesetzt.StandardBemerkung[0] = "gespeichert";
  TEinstellungenImSpeicher erwartet;
  gesetzt.SpeichereEinstellungen(erwartet);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString ordner = QDir(KonfigOrdner()).filePath(QStringLiteral("fehlerhaft"));
    QDir(ordner).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(ordner));
    const QString datei = QDir(ordner).filePath(QStringLiteral("WKolvar.ini"));
    {
      QFile aus(datei);
      ASSERT_TRUE(aus.open(QIODevice::WriteOnly));
      aus.write(f.inhalt);
    }
    {
      TIniEinstellungsSpeicher speicher(datei);
      TStandard s;
      s.LadeEinstellungen(speicher);
      if (!f.schreibbar) {
        // Even root cannot write below a plain file.
        ASSERT_TRUE(QDir().rename(ordner, ordner + QStringLiteral("-weg")));
        QFile stoerer(ordner);
        ASSERT_TRUE(stoerer.open(QIODevice::WriteOnly));
      }
      EXPECT_EQ(gesetzt.SpeichereEinstellungen(speicher), f.schreibbar);
    }
    if (f.schreibbar) {
      TIniEinstellungsSpeicher speicher(datei);
      TStandard b;
      b.LadeEinstellungen(speicher);
      TEinstellungenImSpeicher gelesen;
      b.SpeichereEinstellungen(gelesen);
      EXPECT_EQ(gelesen.Werte(), erwartet.Werte());
    } else {
      QFile::remove(ordner);
      QDir(ordner + QStringLiteral("-weg")).removeRecursively();
    }
  }
}

}  // namespace
}  // namespace kolvar
