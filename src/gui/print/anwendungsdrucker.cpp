#include "print/anwendungsdrucker.h"

#include <QApplication>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "platform/beschaeftigt.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "print/druckwiedergabe.h"

namespace kolvar {

namespace {

IDruckAblauf* gAblauf = nullptr;

}  // namespace

TDruckerZiel::TDruckerZiel(QPrinter& drucker) : drucker_(drucker), maler_(std::make_unique<QPainter>()) {}

TDruckerZiel::~TDruckerZiel() {
  if (maler_->isActive()) maler_->end();
}

bool TDruckerZiel::Beginne(const std::string& titel) {
  drucker_.setDocName(QString::fromStdString(titel));
  drucker_.setFullPage(false);
  return maler_->begin(&drucker_);
}

void TDruckerZiel::NeueSeite() {
  drucker_.newPage();
}

void TDruckerZiel::Seite(const TDruckSeite& seite, const TDruckGeraet& geraet) {
  SpieleAb(seite, *maler_, geraet.PixelProZollY);
}

bool TDruckerZiel::Ende() {
  return maler_->end();
}

bool TQtDruckAblauf::Druckdialog(QPrinter& drucker, QWidget* eltern) {
  // Owned by a shown window, but placed over the one that asked, which may have closed already:
  // Qt would centre it over its owner, the palette in the screen's corner.
  QWidget* besitzer = eltern != nullptr ? eltern->window() : nullptr;
  while (besitzer != nullptr && !besitzer->isVisible() && besitzer->parentWidget() != nullptr)
    besitzer = besitzer->parentWidget()->window();
  QPrintDialog dialog(&drucker, besitzer);
  dialog.setWindowTitle(QStringLiteral("Drucken"));
  if (eltern != nullptr) {
    dialog.adjustSize();
    ZentriereUeber(dialog, *eltern->window());
  }
  return dialog.exec() == QDialog::Accepted;
}

bool TQtDruckAblauf::Papierformat(QPrinter& drucker, QWidget* eltern) {
  QPageSetupDialog dialog(&drucker, eltern);
  return dialog.exec() == QDialog::Accepted;
}

bool TQtDruckAblauf::Schrift(QFont& schrift, QWidget* eltern) {
  bool ok = false;
  const QFont neu = QFontDialog::getFont(&ok, schrift, eltern);
  if (ok) schrift = neu;
  return ok;
}

TDruckMeldung::TDruckMeldung(QWidget* eltern) : QWidget(eltern, Qt::Dialog | Qt::WindowTitleHint) {
  setWindowTitle(QStringLiteral("Drucken"));
  setWindowModality(Qt::ApplicationModal);
  auto* zeile = new QHBoxLayout(this);
  feld_ = new QLabel(this);
  feld_->setMinimumWidth(220);
  zeile->addWidget(feld_);
  auto* knopf = new QPushButton(QStringLiteral("Abbrechen"), this);
  connect(knopf, &QPushButton::clicked, this, [this] { Abbrechen(); });
  zeile->addWidget(knopf);
}

void TDruckMeldung::Meldung(const std::string& text) {
  feld_->setText(QString::fromStdString(text));
  if (!isVisible()) show();
  // The work runs on the GUI thread: the line repaints and the button can be pressed.
  QApplication::processEvents();
}

QString TDruckMeldung::Text() const {
  return feld_->text();
}

QPrinter& TAnwendungsDrucker::Drucker() {
  static QPrinter* drucker = [] {
    auto* d = new QPrinter(QPrinter::HighResolution);
    d->setResolution(600);
    return d;
  }();
  return *drucker;
}

IDruckAblauf& TAnwendungsDrucker::Ablauf() {
  static TQtDruckAblauf qt;
  return gAblauf != nullptr ? *gAblauf : qt;
}

void TAnwendungsDrucker::SetzeAblauf(IDruckAblauf* ablauf) {
  gAblauf = ablauf;
}

std::unique_ptr<TPrevPrinter> TAnwendungsDrucker::NeuerRecorder(IDruckMeldung* meldung) {
  static TQtDruckMesser messer;
  return std::make_unique<TPrevPrinter>(DruckGeraetVon(Drucker()), messer, meldung);
}

bool TAnwendungsDrucker::Drucke(TPrevPrinter& recorder, QWidget* /*eltern*/) {
  recorder.EndRecord();
  if (recorder.PageCount() == 0) return false;
  QPrinter& drucker = Drucker();
  const bool ohneZiel = drucker.outputFormat() == QPrinter::PdfFormat && drucker.outputFileName().isEmpty();
  if (ohneZiel) {
    TDateiAuswahl auswahl{QStringLiteral("Als PDF speichern"),
                          QStringLiteral("PDF-Dateien (*.PDF)|*.pdf"),
                          QStringLiteral("pdf"),
                          {},
                          {}};
    const QString datei = TDienste::Dateien().Sichern(auswahl);
    if (datei.isEmpty()) return false;
    drucker.setOutputFileName(datei);
  }
  bool ok = false;
  {
    TSanduhr sanduhr;
    TDruckerZiel ziel(drucker);
    ok = recorder.Print(ziel);
  }
  const QString datei = drucker.outputFileName();
  // A file is named for one printout only: the next asks again rather than overwrite it.
  if (drucker.outputFormat() == QPrinter::PdfFormat) drucker.setOutputFileName(QString());
  if (!ok) {
    const QString wohin = datei.isEmpty() ? drucker.printerName() : datei;
    TDienste::Dialoge().Hinweis(
        QStringLiteral("Drucken"),
        QStringLiteral("Drucken nicht möglich: %1 kann nicht beschrieben werden.").arg(wohin),
        TMeldungsArt::Fehler);
  }
  return ok;
}

}  // namespace kolvar
