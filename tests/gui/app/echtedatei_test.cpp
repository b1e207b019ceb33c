// The file commands over the real reader, writer and import: generated schools, the example
// school, a damaged file and a file of an older program; what the settings keep and the file not.
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/frageform.h"
#include "app/guidialoge.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "einstellungen/eckstandardform.h"
#include "einstellungen/zeitform.h"
#include "appumgebung.h"
#include "engine/pruefung.h"
#include "model/element.h"
#include "model/lehrer.h"
#include "pruefung/fehlerform.h"
#include "pruefung/keinfehlerform.h"
#include "storage/schreiber.h"
#include "storage/temporaerdatei.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

class EchteDateiTest : public AppTest {
 protected:
  // The generator's dates lie around its own today; the reader repairs dates in the future.
  EchteDateiTest() {
    uhr.Setze(int64_t{kGeneratorHeute} * 86400 + 36000);
    BauePalette(echte, &speicher);
  }
  QString Erzeuge(const QString& name, Profil profil = Profil::Klein) {
    TStandard st;
    auto schule = ErzeugeSchule(st, profil, 7);
    const QString pfad = ordner.filePath(name);
    TSchreiber().SchreibeDatei(*schule, pfad.toStdString());
    lehrer = static_cast<int>(schule->Lehrer().Anzahl());
    kurse = static_cast<int>(schule->Kurse().Anzahl());
    return pfad;
  }
  QByteArray Bytes(const QString& pfad) {
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }

  TSchulDateien echte;
  QTemporaryDir ordner;
  int lehrer = 0;
  int kurse = 0;
};

TEST_F(EchteDateiTest, OeffnenAendernSichernWiederOeffnen) {
  const QString pfad = Erzeuge(QStringLiteral("gym.kvr"));
  const QByteArray vorher = Bytes(pfad);
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [gym.kvr]"));
  EXPECT_EQ(static_cast<int>(Palette().Schule().Lehrer().Anzahl()), lehrer);
  EXPECT_EQ(static_cast<int>(Palette().Menues().KuerzelTexte(TElementArt::Lehrer).size()), lehrer);

  // Saving unchanged data gives the same bytes.
  Palette().Schule().SetzeGeaendert(true);
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_EQ(Bytes(pfad), vorher);

  Palette().Schule().NeuerLehrer("NEU");
  Palette().Schule().SetzeGeaendert(true);
  dialoge.Antworte(QStringLiteral("Daten sichern?"), mrJa);
  ASSERT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_EQ(static_cast<int>(Palette().Schule().Lehrer().Anzahl()), lehrer + 1);
  EXPECT_EQ(static_cast<int>(Palette().Schule().Kurse().Anzahl()), kurse);
  KeineFehler();
}

TEST_F(EchteDateiTest, BeschaedigteDateiUndZuAlteVersion) {
  const QString pfad = Erzeuge(QStringLiteral("a.kvr"));
  QByteArray bytes = Bytes(pfad);
  {
    QFile f(ordner.filePath(QStringLiteral("halb.kvr")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.left(bytes.size() / 2));
  }
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiOeffnen(ordner.filePath(QStringLiteral("halb.kvr"))));
  EXPECT_TRUE(dialoge.Protokoll().last().startsWith(QStringLiteral("Fehler: Die Datei")))
      << dialoge.Protokoll().last().toStdString();
  EXPECT_FALSE(Palette().DateiOffen());
  EXPECT_TRUE(Palette().Schule().Lehrer().Leer());

  // An older version word: the reader says so once, through the core's dialog.
  bytes[0] = static_cast<char>(0xFF);
  bytes[1] = static_cast<char>(0x20);
  {
    QFile f(ordner.filePath(QStringLiteral("alt.kvr")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  const auto meldungen = dialoge.Protokoll().size();
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiOeffnen(ordner.filePath(QStringLiteral("alt.kvr"))));
  EXPECT_EQ(dialoge.Protokoll().size(), meldungen + 1);
  EXPECT_EQ(dialoge.Protokoll().last(), QStringLiteral("Fehler")) << "the core's own error box";
  EXPECT_FALSE(Palette().DateiOffen());

  // A folder that cannot be written: the old state stays, the user is told.
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  Palette().Schule().SetzeGeaendert(true);
  dialoge.Antworte(QStringLiteral("Fehler"), mrOk);
  EXPECT_FALSE(Palette().DateiBefehle().DateiSichern(QStringLiteral("/proc/kein/ordner.kvr")));
  EXPECT_TRUE(Palette().Schule().Geaendert());
  EXPECT_EQ(Palette().Schule().Pfad(), QFileInfo(pfad).absoluteFilePath().toStdString());
  KeineFehler();
}

TEST_F(EchteDateiTest, BeispielschuleUndKursimport) {
  const QString daten = QString::fromLocal8Bit(qgetenv("KOLVAR_TESTDATEN"));
  const QDir beispiele(QDir::cleanPath(daten + QStringLiteral("/../../examples")));
  if (!beispiele.exists(QStringLiteral("schule.kvr"))) GTEST_SKIP() << "no example school";
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(beispiele.filePath(QStringLiteral("schule.kvr"))));
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8 [schule.kvr]"));
  EXPECT_TRUE(Palette().Menues().Menue(QStringLiteral("Le"))->menuAction()->isEnabled());
  EXPECT_TRUE(Palette().Menues().Menue(QStringLiteral("Kl"))->menuAction()->isEnabled());
  EXPECT_TRUE(Palette().DateiBefehle().SchliessenItemClick()) << "opening leaves the school unmodified";

  // The same courses as text, imported into the empty school; "Sichern" then asks for a name.
  dialoge.Antworte(QStringLiteral("Unbekannte Kürzel"), mrJa);
  ASSERT_TRUE(Palette().DateiBefehle().DateiImportieren(beispiele.filePath(QStringLiteral("schule.txt"))));
  EXPECT_FALSE(Palette().Schule().Kurse().Leer());
  EXPECT_FALSE(Palette().Schule().HatDatei());
  dateiDienst.Antworte(ordner.filePath(QStringLiteral("importiert")));
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_TRUE(QFile::exists(ordner.filePath(QStringLiteral("importiert.kvr"))));
  EXPECT_TRUE(QFile::exists(beispiele.filePath(QStringLiteral("schule.txt"))));
  EXPECT_FALSE(Palette().Schule().Geaendert());
  KeineFehler();
}

TEST_F(EchteDateiTest, PruefungenSchreibenInDieFehlerliste) {
  const QString pfad = Erzeuge(QStringLiteral("p.kvr"), Profil::Typisch);
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_TRUE(Aktiv(QStringLiteral("Daten/Prüfen")));
  EXPECT_EQ(Aktiv(QStringLiteral("Daten/Prüfen/Versionsunterschiede")), standard.mwn() > 1);

  // What the check finds, computed on the same school first (this school has bridges).
  const TPruefErgebnis erwartet = TPruefung(Palette().Schule()).PruefeBruecken();
  ASSERT_FALSE(erwartet.Zeilen.empty());
  QString ergebnis;
  dialoge.Bediene(QStringLiteral("Prüfergebnis"), [&](TKvDialog& d) {
    ergebnis = static_cast<TKeinFehlerForm&>(d).Ergebnis();
    d.done(mrOk);
  });
  Palette().Menues().Aktion(QStringLiteral("Daten/Prüfen/Brücken"))->trigger();
  EXPECT_EQ(ergebnis, QString::fromStdString(ErgebnisText(erwartet.Stufe)));
  auto* liste = dynamic_cast<TFehlerForm*>(Palette().Schule().EinzelFenster(FensterArt::Fehler));
  ASSERT_NE(liste, nullptr) << "a finding opens the list";

  // A second run keeps the earlier lines.
  dialoge.Antworte(QStringLiteral("Prüfergebnis"), mrOk);
  Palette().Menues().Aktion(MenuePfad::Pruefungen[1])->trigger();
  EXPECT_EQ(liste->Zeilen().size(), static_cast<qsizetype>(2 * erwartet.Zeilen.size()));
  EXPECT_EQ(liste->Zeilen().first(), QString::fromStdString(erwartet.Zeilen.front()));
  dialoge.Antworte(QStringLiteral("Prüfergebnis"), mrOk);
  Palette().Menues().Aktion(MenuePfad::Pruefungen[0])->trigger();
  EXPECT_EQ(Palette().Schule().Fenster().size(), 1u);
  KeineFehler();
  Palette().Schule().SetzeGeaendert(false);
  Palette().DateiBefehle().SchliessenItemClick();
}

// "Datei > Sichern" takes away what a save killed half-way left in the school's folder: the
// temporary file of a process that has ended, and nothing else.
TEST_F(EchteDateiTest, SichernRaeumtDieDateiEinesAbgebrochenenSicherns) {
  const QString pfad = Erzeuge(QStringLiteral("gym.kvr"));
  const pid_t kind = ::fork();
  ASSERT_GE(kind, 0);
  if (kind == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(kind, nullptr, 0), kind);
  const QString verwaist = QString::fromStdString(TemporaerName(kind, 0));
  const QString laufend = QString::fromStdString(TemporaerName(::getppid(), 0));
  const QStringList fremde{laufend, QStringLiteral("gym.kvr.tmp"), QStringLiteral(".kolvar-gym.tmp")};
  const QStringList alle = QStringList(fremde) << verwaist;
  for (const QString& name : alle) {
    QFile f(ordner.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(name.toUtf8());
  }
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  Palette().Schule().NeuerLehrer("NEU");
  Palette().Schule().SetzeGeaendert(true);
  Palette().Menues().Aktion(MenuePfad::Sichern)->trigger();
  EXPECT_FALSE(Palette().Schule().Geaendert());
  EXPECT_FALSE(QFile::exists(ordner.filePath(verwaist)));
  for (const QString& name : fremde)
    EXPECT_EQ(Bytes(ordner.filePath(name)), name.toUtf8()) << name.toStdString();
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), fremde.size() + 1);
  ASSERT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_EQ(static_cast<int>(Palette().Schule().Lehrer().Anzahl()), lehrer + 1);
  for (const std::string& fehler : PruefeModell(Palette().Schule())) ADD_FAILURE() << fehler;
  KeineFehler();
}

// The school days and the period labels are the user's settings, not the school's: changing them
// leaves the file's bytes alone, and they are kept when the program ends. Fresh settings show a
// seven-day week, also for a school whose lessons lie Monday to Friday.
TEST_F(EchteDateiTest, SchultageUndStundenbezeichnungenStehenInDenEinstellungen) {
  const QString pfad = Erzeuge(QStringLiteral("tage.kvr"));
  const QByteArray vorher = Bytes(pfad);
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_EQ(standard.mtn, 7);
  dialoge.Bediene(QStringLiteral("EckStandardForm"), [](TKvDialog& d) {
    dynamic_cast<TEckStandardForm&>(d).WochenGruppe()->button(0)->click();  // "5-Tagewoche"
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Palette().Menues().Aktion(MenuePfad::VorEckdaten)->trigger();
  EXPECT_EQ(standard.mtn, 5);
  dialoge.Bediene(QStringLiteral("ZeitForm"), [](TKvDialog& d) {
    dynamic_cast<TZeitForm&>(d).SetzeZelle(true, 2, QStringLiteral("14:00"));
    d.Knopf(QStringLiteral("Ok"))->click();
  });
  Palette().Menues().Aktion(MenuePfad::VorZeiten)->trigger();
  EXPECT_EQ(standard.sp[0][9], "14:00");
  Palette().Schule().SetzeGeaendert(true);
  Palette().DateiBefehle().SichernItemClick();
  EXPECT_EQ(Bytes(pfad), vorher);
  // Opened again, the file brings no days of its own.
  ASSERT_TRUE(Palette().DateiBefehle().SchliessenItemClick());
  ASSERT_TRUE(Palette().DateiBefehle().DateiOeffnen(pfad));
  EXPECT_EQ(standard.mtn, 5);
  Palette().Beende();
  TStandard geladen;
  geladen.LadeEinstellungen(speicher);
  EXPECT_EQ(geladen.mtn, 5);
  EXPECT_EQ(geladen.sp[0][9], "14:00");
  KeineFehler();
}

// The core's messages reach the user under their own title.
TEST_F(EchteDateiTest, MeldungDesKernsMitIhremTitel) {
  dialoge.Antworte(QStringLiteral("Lehrer doppelt in Kopplung"), mrOk);
  TGuiDialoge().Melde(TDialog::LehrerDoppelt, {"MUE", "K1"});
  EXPECT_EQ(dialoge.Protokoll().last(), QStringLiteral("Lehrer doppelt in Kopplung"));
  KeineFehler();
}

}  // namespace
}  // namespace kolvar
