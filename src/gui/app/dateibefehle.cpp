#include "app/dateibefehle.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/dialogregister.h"
#include "app/fensterverwaltung.h"
#include "app/fortschrittsform.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/savefrageform.h"
#include "app/schuldateien.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/kindfenster.h"
#include "platform/uhr.h"

namespace kolvar {

namespace {

const QString kOhneTitelAnzeige = QStringLiteral("ohne Titel");

}  // namespace

TDateiBefehle::TDateiBefehle(TKolvarPalette& palette, ISchulDateien& dateien)
    : palette_(palette), dateien_(dateien) {}

void TDateiBefehle::Melde(const QString& text) {
  TDienste::Dialoge().Hinweis(QStringLiteral("Fehler"), text, TMeldungsArt::Fehler);
}

bool TDateiBefehle::FrageSichernVorSchliessen() {
  TSchule& schule = palette_.Schule();
  if (!schule.Geaendert()) return true;
  saveFrageOffen_ = true;
  TSaveFrageForm frage(&palette_);
  const int antwort = frage.Zeige();
  saveFrageOffen_ = false;
  switch (antwort) {
    case mrJa:
      SichernItemClick();
      return !palette_.Schule().Geaendert();
    case mrOk:
      SichernUnterItemClick();
      return !palette_.Schule().Geaendert();
    case mrNein:
      schule.SetzeGeaendert(false);
      return true;
    default:
      return false;
  }
}

void TDateiBefehle::Verwerfen() {
  palette_.ErsetzeSchule(std::make_unique<TSchule>(palette_.Standard(), palette_.Umgebung()));
  dateiOffen_ = false;
}

void TDateiBefehle::NeuItemClick() {
  if (dateiOffen_) return;
  palette_.Schule().SetzeTitel(kOhneTitelAnzeige.toStdString());
  palette_.Schule().SetzePfad({});
  dateiOffen_ = true;
  palette_.Menues().DateiMenusAnpassen();
  // Basic settings, master-data defaults, course defaults.
  for (const QString& dialog : {DialogName::Eckdaten, DialogName::Grunddaten, DialogName::KursVorgaben})
    palette_.DialogRegister().Oeffne(dialog);
  // The abbreviation lists: their feature registers this dialog; until then the step is skipped.
  palette_.DialogRegister().Oeffne(DialogName::Kuerzel);
  palette_.KuerzelMenusAnlegen();
  palette_.VersionsMenuAufbauen();
  palette_.Menues().DateiMenusAnpassen();
  palette_.MenusAnpassen();
}

void TDateiBefehle::OeffnenItemClick() {
  if (dateiOffen_) return;
  TStandard& standard = palette_.Standard();
  TDateiAuswahl auswahl{QStringLiteral("WinKolvar-Datei öffnen"), kKolvarFilter, kKolvarEndung,
                        QString::fromStdString(standard.opf), QString()};
  const QString pfad = TDienste::Dateien().Oeffnen(auswahl);
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  // The folder is remembered only when the file opened: a folder that failed (a system folder
  // such as /proc) must not become the next dialog's start.
  if (DateiOeffnen(pfad)) standard.opf = QFileInfo(pfad).absolutePath().toStdString();
}

bool TDateiBefehle::DateiOeffnen(const QString& pfad) {
  // Only the empty school of the no-file state is ever replaced here; ask anyway, data first.
  if (dateiOffen_ && !FrageSichernVorSchliessen()) return false;
  std::unique_ptr<TSchule> neu;
  std::string fehler;
  gespeicherteFenster_.clear();
  {
    TSanduhr sanduhr;
    TFortschrittsForm lesen(TFortschrittsArt::Einlesen, &palette_);
    lesen.Datei(QFileInfo(pfad).fileName().toStdString(), static_cast<std::size_t>(QFileInfo(pfad).size()));
    lesen.ZeigeSofort();
    neu = dateien_.Lies(pfad.toStdString(), palette_.Standard(), palette_.Umgebung(), lesen,
                        gespeicherteFenster_, fehler);
  }
  if (!neu) {
    // Nothing half-read stays: an empty school and the no-file state.
    Verwerfen();
    if (!fehler.empty()) Melde(QString::fromStdString(fehler));
    palette_.KuerzelMenusAnlegen();
    palette_.VersionsMenuAufbauen();
    palette_.Menues().DateiMenusAnpassen();
    palette_.MenusAnpassen();
    return false;
  }
  palette_.ErsetzeSchule(std::move(neu));
  TSchule& schule = palette_.Schule();
  schule.SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  schule.SetzePfad(QFileInfo(pfad).absoluteFilePath().toStdString());
  dateiOffen_ = true;
  NachDemLaden();
  for (const TFenster& satz : gespeicherteFenster_) palette_.FensterWiederOeffnen(satz);
  // Opening windows changes nothing of the school.
  schule.SetzeGeaendert(false);
  return true;
}

void TDateiBefehle::AktuelleVersionNachKalender() {
  palette_.Standard().SetAktuelleVersion(palette_.Schule().VersionDerWoche(TDienste::Uhr().Heute()));
}

void TDateiBefehle::NachDemLaden() {
  palette_.KuerzelMenusAnlegen();
  AktuelleVersionNachKalender();
  palette_.VersionsMenuAufbauen();
  palette_.Menues().DateiMenusAnpassen();
  palette_.MenusAnpassen();
}

void TDateiBefehle::ImportItemClick() {
  TStandard& standard = palette_.Standard();
  TDateiAuswahl auswahl{QStringLiteral("Kolvar-Textdatei öffnen"),
                        QStringLiteral("Textdateien (*.TXT)|*.txt"), QStringLiteral("txt"),
                        QString::fromStdString(standard.ipf), QString()};
  const QString pfad = TDienste::Dateien().Oeffnen(auswahl);
  if (pfad.isEmpty()) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  standard.ipf = QFileInfo(pfad).absolutePath().toStdString();
  DateiImportieren(pfad);
}

bool TDateiBefehle::DateiImportieren(const QString& pfad) {
  std::string fehler;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TFortschrittsForm importieren(TFortschrittsArt::Importieren, &palette_);
    importieren.Datei(QFileInfo(pfad).fileName().toStdString(),
                      static_cast<std::size_t>(QFileInfo(pfad).size()));
    importieren.ZeigeSofort();
    ok = dateien_.Importiere(palette_.Schule(), pfad.toStdString(), importieren, fehler);
  }
  if (!ok) {
    if (!fehler.empty()) Melde(QString::fromStdString(fehler));
    if (!dateiOffen_) {
      // Whatever a failed import left in the empty school goes.
      Verwerfen();
      palette_.KuerzelMenusAnlegen();
      palette_.Menues().DateiMenusAnpassen();
      palette_.MenusAnpassen();
    }
    return false;
  }
  // The title shows what was imported; the save path stays that of the school file (none
  // after importing into an empty school), so "Sichern" never writes over the text file.
  palette_.Schule().SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  dateiOffen_ = true;
  NachDemLaden();
  return true;
}

void TDateiBefehle::SichernItemClick() {
  if (!dateiOffen_) return;
  TSchule& schule = palette_.Schule();
  if (schule.HatDatei())
    DateiSichern(QString::fromStdString(schule.Pfad()));
  else
    SichernUnterItemClick();
}

void TDateiBefehle::SichernUnterItemClick() {
  if (!dateiOffen_) return;
  TStandard& standard = palette_.Standard();
  // The name offered is the title, always with the school file's suffix.
  QString name = QString::fromStdString(palette_.Schule().Titel());
  const QFileInfo titel(name);
  if (titel.suffix().compare(kKolvarEndung, Qt::CaseInsensitive) != 0 && !titel.suffix().isEmpty())
    name = titel.completeBaseName() + QLatin1Char('.') + kKolvarEndung;
  TDateiAuswahl auswahl{QStringLiteral("Sichern als"), kKolvarFilter, kKolvarEndung,
                        QString::fromStdString(standard.opf), name};
  const QString pfad = TDienste::Dateien().Sichern(auswahl);
  if (pfad.isEmpty()) return;
  if (DateiSichern(MitEndung(pfad, kKolvarEndung)))
    standard.opf = QFileInfo(pfad).absolutePath().toStdString();
}

bool TDateiBefehle::DateiSichern(const QString& pfad) {
  TSchule& schule = palette_.Schule();
  std::string fehler;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TFortschrittsForm speichern(TFortschrittsArt::Speichern, &palette_);
    speichern.Datei(QFileInfo(pfad).fileName().toStdString(), 0);
    speichern.ZeigeSofort();
    ok = dateien_.Schreibe(schule, QFileInfo(pfad).absoluteFilePath().toStdString(),
                           palette_.Fenster().OffeneFenster(), speichern, fehler);
  }
  if (!ok) {
    Melde(fehler.empty() ? QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad)
                         : QString::fromStdString(fehler));
    return false;
  }
  // Title, path and caption change only once the file is really there.
  schule.SetzeTitel(QFileInfo(pfad).fileName().toStdString());
  schule.SetzePfad(QFileInfo(pfad).absoluteFilePath().toStdString());
  schule.SetzeGeaendert(false);
  dateiOffen_ = true;
  palette_.Menues().DateiMenusAnpassen();
  return true;
}

bool TDateiBefehle::SchliessenItemClick() {
  if (!dateiOffen_) return true;
  // The windows go with the school: one that asks before it closes asks now, as on quitting.
  TSchule& schule = palette_.Schule();
  for (IFenster* f : schule.Fenster())
    if (auto* k = dynamic_cast<TKindFenster*>(f);
        k != nullptr && schule.IstAngemeldet(f) && !k->FrageVorDemSchliessen())
      return false;
  if (!FrageSichernVorSchliessen()) return false;
  Verwerfen();
  palette_.KuerzelMenusAnlegen();
  palette_.Menues().DateiMenusAnpassen();
  palette_.MenusAnpassen();
  return true;
}

}  // namespace kolvar
