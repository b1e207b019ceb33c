#include "appumgebung.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/fortschrittsform.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "zwischenablage/zwischenablage.h"

namespace kolvar {

std::unique_ptr<TSchule> TFakeSchulDateien::Lies(const std::string& pfad, TStandard& standard,
                                                 TUmgebung umgebung, IFortschritt& fortschritt,
                                                 std::vector<TFenster>& fenster, std::string& fehler) {
  gelesen.push_back(pfad);
  fortschrittsTitel.push_back(dynamic_cast<TFortschrittsForm&>(fortschritt).windowTitle());
  fenster = gespeicherteFenster;
  auto it = dateien.find(pfad);
  if (it == dateien.end()) {
    fehler = "Datei " + pfad + " kann nicht geöffnet werden";
    return nullptr;
  }
  if (!it->second.fehler.empty()) {
    fehler = it->second.fehler;
    return nullptr;
  }
  standard.SetVersionszahl(it->second.versionen);
  auto schule = std::make_unique<TSchule>(standard, umgebung);
  for (const std::string& l : it->second.lehrer) schule->NeuerLehrer(l);
  for (const std::string& k : it->second.klassen) schule->NeueKlasse(k);
  const int woche = (umgebung.Zeit->Heute() - kErsterSchulMontag) / 7 % kWochen + 1;
  schule->SetzeWochenVersion(woche, static_cast<uint8_t>(it->second.versionDieseWoche));
  schule->SetzeTitel(QFileInfo(QString::fromStdString(pfad)).fileName().toStdString());
  schule->SetzePfad(pfad);
  schule->SetzeGeaendert(false);
  return schule;
}

bool TFakeSchulDateien::Schreibe(TSchule& schule, const std::string& pfad,
                                 const std::vector<TFenster>& fenster, IFortschritt& fortschritt,
                                 std::string& fehler) {
  fortschrittsTitel.push_back(dynamic_cast<TFortschrittsForm&>(fortschritt).windowTitle());
  if (schreibenScheitert) {
    fehler = "Datei " + pfad + " kann nicht erstellt werden";
    return false;
  }
  geschrieben.push_back(pfad);
  geschriebeneFenster = fenster;
  TDatei datei;
  for (TLehrer* l : schule.Lehrer()) datei.lehrer.push_back(l->Kuerzel());
  for (TKlasse* k : schule.Klassen()) datei.klassen.push_back(k->Kuerzel());
  dateien[pfad] = datei;
  schule.SetzeTitel(QFileInfo(QString::fromStdString(pfad)).fileName().toStdString());
  schule.SetzePfad(pfad);
  schule.SetzeGeaendert(false);
  return true;
}

bool TFakeSchulDateien::Importiere(TSchule& schule, const std::string& pfad, IFortschritt& fortschritt,
                                   std::string& fehler) {
  fortschrittsTitel.push_back(dynamic_cast<TFortschrittsForm&>(fortschritt).windowTitle());
  auto it = importe.find(pfad);
  if (it == importe.end()) {
    fehler = "Datei " + pfad + " kann nicht geöffnet werden";
    return false;
  }
  for (const std::string& l : it->second) schule.NeuerLehrer(l);
  schule.SetzeGeaendert(true);
  return true;
}

AppTest::AppTest() {
  uhr.Setze(int64_t{46000} * 86400 + 36000);
}

// Closed windows are deleted later; they go before the school they belong to.
AppTest::~AppTest() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  palette.reset();
}

TKolvarPalette& AppTest::Palette() {
  if (!palette) {
    BauePalette(dateien, &speicher, !nurPalette);
    if (nurPalette && mitZwischenablage) InstalliereZwischenablage(*palette);
  }
  return *palette;
}

bool AppTest::Aktiv(const QString& pfad) {
  QAction* aktion = Palette().Menues().Aktion(pfad);
  EXPECT_NE(aktion, nullptr) << pfad.toStdString();
  return aktion != nullptr && aktion->isEnabled();
}

void AppTest::ErwarteAktiv(bool aktiv, std::initializer_list<const char*> pfade) {
  for (const char* pfad : pfade) EXPECT_EQ(Aktiv(QString::fromUtf8(pfad)), aktiv) << pfad;
}

void AppTest::ErwarteOhneDatei() {
  EXPECT_FALSE(Palette().DateiOffen());
  EXPECT_EQ(Palette().windowTitle(), QStringLiteral("WinKolvar 2.3.8"));
  EXPECT_TRUE(Palette().Schule().Lehrer().Leer());
  ErwarteAktiv(false, {"Datei/Datei schließen", "Datei/Fenster schließen", "Datei/Sichern",
                       "Datei/Sichern unter...", "Datei/Fenster drucken...", "Datei/Drucken", "Datei/Export",
                       "Bearbeiten/Löschen", "Bearbeiten/Alles auswählen"});
  ErwarteAktiv(false, {"Bearbeiten/Voreinstellungen/Planversionen", "Bearbeiten/Werkzeuge/Neuer Kurs",
                       "Bearbeiten/Werkzeuge/Setzen", "Bearbeiten/Werkzeuge/Fixieren",
                       "Bearbeiten/Werkzeuge/Automatik", "Daten/Kürzel...", "Daten/Kurse"});
  ErwarteAktiv(false, {"Daten/Parallele Kopplungen", "Daten/UV-Statistik", "Daten/Pläne", "Daten/Vertretung",
                       "Daten/Prüfen", "Daten/Prüfen/Versionsunterschiede"});
  ErwarteAktiv(true, {"Datei/Neu", "Datei/Öffnen...", "Datei/Import...", "Datei/Beenden",
                      "Bearbeiten/Widerrufen", "Bearbeiten/Werkzeuge/Zeigen", "Bearbeiten/Werkzeuge/Plan",
                      "Bearbeiten/Voreinstellungen/Kennwort", "Fenster/Zwischenablage", "Hilfe/Hilfethemen"});
  for (const char* m : {"Le", "Kl", "Ko", "Fa", "Ra", "UV"}) EXPECT_FALSE(MenueAn(m)) << m;
}

void AppTest::KeineFehler() {
  EXPECT_TRUE(dialoge.Fehler().isEmpty()) << dialoge.Fehler().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(dialoge.AllesBeantwortet());
}

}  // namespace kolvar
