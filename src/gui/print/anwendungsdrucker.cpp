#include "print/anwendungsdrucker.h"

#include <unistd.h>
#include <QApplication>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>

#include "platform/beschaeftigt.h"
#include "platform/dateidienst.h"
#include "platform/dialogdienst.h"
#include "platform/dienste.h"
#include "platform/fensterrahmen.h"
#include "print/druckwiedergabe.h"

namespace kolvar {

namespace {

IDruckAblauf* gAblauf = nullptr;
// The PDF file of the last printout; none after one on a printer, which the printer keeps.
QString gLetzteDatei;

}  // namespace

// Hands the PDF's bytes on and remembers a write that fell short: the PDF engine ignores them.
class TPruefAusgabe : public QIODevice {
 public:
  explicit TPruefAusgabe(QIODevice& ziel) : ziel_(ziel) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  bool Fehler() const { return fehler_; }
  qint64 Geschrieben() const { return geschrieben_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* daten, qint64 laenge) override {
    if (fehler_) return -1;
    if (ziel_.write(daten, laenge) != laenge) {
      fehler_ = true;
      return -1;
    }
    geschrieben_ += laenge;
    return laenge;
  }

 private:
  QIODevice& ziel_;
  bool fehler_ = false;
  qint64 geschrieben_ = 0;
};

TDruckerZiel::TDruckerZiel(QPrinter& drucker) : drucker_(drucker), maler_(std::make_unique<QPainter>()) {}

TDruckerZiel::~TDruckerZiel() {
  if (maler_->isActive()) maler_->end();
  // An unfinished file is dropped; the old one stays.
  if (datei_) datei_->cancelWriting();
}

std::unique_ptr<QSaveFile> TDruckerZiel::NeueDatei(const QString& name) const {
  return std::make_unique<QSaveFile>(name);
}

bool TDruckerZiel::Beginne(const std::string& titel) {
  drucker_.setDocName(QString::fromStdString(titel));
  drucker_.setFullPage(false);
  if (drucker_.outputFormat() != QPrinter::PdfFormat || drucker_.outputFileName().isEmpty())
    return maler_->begin(&drucker_);
  datei_ = NeueDatei(drucker_.outputFileName());
  if (!datei_->open(QIODevice::WriteOnly)) return false;
  ausgabe_ = std::make_unique<TPruefAusgabe>(*datei_);
  pdf_ = std::make_unique<QPdfWriter>(ausgabe_.get());
  pdf_->setResolution(drucker_.resolution());
  pdf_->setPageLayout(drucker_.pageLayout());
  pdf_->setTitle(QString::fromStdString(titel));
  pdf_->setCreator(drucker_.creator());
  return maler_->begin(pdf_.get());
}

void TDruckerZiel::NeueSeite() {
  if (pdf_)
    pdf_->newPage();
  else
    drucker_.newPage();
}

void TDruckerZiel::Seite(const TDruckSeite& seite, const TDruckGeraet& geraet) {
  SpieleAb(seite, *maler_, geraet.PixelProZollY);
}

bool TDruckerZiel::Ende() {
  const bool gemalt = maler_->end();
  if (!datei_) return gemalt;
  const bool ok = gemalt && !ausgabe_->Fehler() && AllesAufDerPlatte() && datei_->commit();
  if (!ok) datei_->cancelWriting();
  datei_.reset();
  return ok;
}

// The file's last bytes still sit in its buffer when the engine is done, and commit() writes
// them without saying when that fails (a disk that fills up at the end): so they are written and
// checked here, and the file must hold every byte the engine handed over.
bool TDruckerZiel::AllesAufDerPlatte() const {
  if (!datei_->flush() || datei_->error() != QFileDevice::NoError) return false;
  if (datei_->size() != ausgabe_->Geschrieben()) return false;
  // A file system that reports a full disk only when the data goes out (NFS) does so here.
  const int fd = datei_->handle();
  return fd < 0 || ::fsync(fd) == 0;
}

void TDruckerZiel::Bild(const QImage& bild) {
  // As large as the page allows, never distorted, in its top left corner.
  const QRect seite = drucker_.pageLayout().paintRectPixels(drucker_.resolution());
  const QSize groesse = bild.size().scaled(seite.size(), Qt::KeepAspectRatio);
  maler_->setRenderHint(QPainter::SmoothPixmapTransform);
  maler_->drawImage(QRect(QPoint(0, 0), groesse), bild);
}

namespace {

// Qt's print dialog, placed over the window that asked as it is shown: only then does it add
// its entry "In PDF-Datei drucken" to the printer list, and a size taken before that would cut
// the entry.
class TSystemDruckdialog : public QPrintDialog {
 public:
  TSystemDruckdialog(QPrinter& drucker, QWidget* besitzer, QWidget* ueber)
      : QPrintDialog(&drucker, besitzer), ueber_(ueber) {}

 protected:
  void showEvent(QShowEvent* ereignis) override {
    QPrintDialog::showEvent(ereignis);
    if (ueber_ != nullptr) ZentriereUeber(*this, *ueber_->window());
  }

 private:
  QPointer<QWidget> ueber_;
};

}  // namespace

std::unique_ptr<QPrintDialog> TQtDruckAblauf::NeuerDruckdialog(QPrinter& drucker, QWidget* eltern) {
  // Owned by a shown window, but placed over the one that asked, which may have closed already:
  // Qt would centre it over its owner, the palette in the screen's corner.
  QWidget* besitzer = eltern != nullptr ? eltern->window() : nullptr;
  while (besitzer != nullptr && !besitzer->isVisible() && besitzer->parentWidget() != nullptr)
    besitzer = besitzer->parentWidget()->window();
  auto dialog = std::make_unique<TSystemDruckdialog>(drucker, besitzer, eltern);
  dialog->setWindowTitle(QStringLiteral("Drucken"));
  return dialog;
}

bool TQtDruckAblauf::Druckdialog(QPrinter& drucker, QWidget* eltern) {
  return NeuerDruckdialog(drucker, eltern)->exec() == QDialog::Accepted;
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

bool TAnwendungsDrucker::Druckdialog(QWidget* eltern) {
  QPrinter& drucker = Drucker();
  // A printout's file is cleared after it (see Abschliessen): the dialog gets it back, with the
  // PDF entry chosen, as its proposal instead of a fresh "print.pdf".
  const bool vorschlag = drucker.outputFileName().isEmpty() && !gLetzteDatei.isEmpty();
  if (vorschlag) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(gLetzteDatei);
  }
  const bool ok = Ablauf().Druckdialog(drucker, eltern);
  // Not confirmed, the proposal must not become the file of a later printout without a dialog.
  if (!ok && vorschlag) drucker.setOutputFileName(QString());
  return ok;
}

std::unique_ptr<TPrevPrinter> TAnwendungsDrucker::NeuerRecorder(IDruckMeldung* meldung) {
  static TQtDruckMesser messer;
  return std::make_unique<TPrevPrinter>(DruckGeraetVon(Drucker()), messer, meldung);
}

namespace {

// Without a printer the user names the PDF file first; false when he does not.
bool ZielWaehlen(QPrinter& drucker) {
  if (drucker.outputFormat() != QPrinter::PdfFormat || !drucker.outputFileName().isEmpty()) return true;
  TDateiAuswahl auswahl{QStringLiteral("Als PDF speichern"),
                        QStringLiteral("PDF-Dateien (*.PDF)|*.pdf"),
                        QStringLiteral("pdf"),
                        {},
                        {}};
  if (!gLetzteDatei.isEmpty()) {
    const QFileInfo letzte(gLetzteDatei);
    auswahl.ordner = letzte.absolutePath();
    auswahl.name = letzte.fileName();
  }
  const QString datei = TDienste::Dateien().Sichern(auswahl);
  if (datei.isEmpty()) return false;
  drucker.setOutputFileName(datei);
  return true;
}

// After a printout: a file is named for one printout only, and a failure is reported.
bool Abschliessen(QPrinter& drucker, bool ok) {
  const QString datei = drucker.outputFileName();
  gLetzteDatei = datei;
  // The next printout asks again rather than overwrite the file.
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

}  // namespace

bool TAnwendungsDrucker::Drucke(TPrevPrinter& recorder, QWidget* /*eltern*/) {
  recorder.EndRecord();
  if (recorder.PageCount() == 0) return false;
  QPrinter& drucker = Drucker();
  if (!ZielWaehlen(drucker)) return false;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TDruckerZiel ziel(drucker);
    ok = recorder.Print(ziel);
  }
  return Abschliessen(drucker, ok);
}

bool TAnwendungsDrucker::DruckeBild(const QImage& bild, QWidget* eltern) {
  if (bild.isNull()) return false;
  QPrinter& drucker = Drucker();
  if (!Druckdialog(eltern)) return false;
  if (!ZielWaehlen(drucker)) return false;
  bool ok = false;
  {
    TSanduhr sanduhr;
    TDruckerZiel ziel(drucker);
    if (ziel.Beginne({})) {
      ziel.Bild(bild);
      ok = ziel.Ende();
    }
  }
  return Abschliessen(drucker, ok);
}

}  // namespace kolvar
