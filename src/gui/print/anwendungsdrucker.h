// The application's one printer (600 dpi) and what prints on it: the system's print, page set-up
// and font dialogs behind a service tests replace, the recording's status window with its
// "Abbrechen", and the printing of a recording with every failure shown to the user.
#pragma once

#include <QFont>
#include <QWidget>
#include <memory>

#include "druck/prevprinter.h"

class QImage;
class QLabel;
class QPainter;
class QPdfWriter;
class QPrintDialog;
class QPrinter;
class QSaveFile;

namespace kolvar {

class IDruckAblauf {
 public:
  virtual ~IDruckAblauf() = default;
  // The system print dialog; true when confirmed.
  virtual bool Druckdialog(QPrinter& drucker, QWidget* eltern) = 0;
  // The page set-up dialog.
  virtual bool Papierformat(QPrinter& drucker, QWidget* eltern) = 0;
  // The font dialog, starting at the font; true when one was chosen.
  virtual bool Schrift(QFont& schrift, QWidget* eltern) = 0;
};

class TQtDruckAblauf : public IDruckAblauf {
 public:
  // The system print dialog that Druckdialog shows over the window that asked; not shown yet.
  static std::unique_ptr<QPrintDialog> NeuerDruckdialog(QPrinter& drucker, QWidget* eltern);
  bool Druckdialog(QPrinter& drucker, QWidget* eltern) override;
  bool Papierformat(QPrinter& drucker, QWidget* eltern) override;
  bool Schrift(QFont& schrift, QWidget* eltern) override;
};

// The recording's and printing's status line, with a button that stops the recording.
class TDruckMeldung : public QWidget, public IDruckMeldung {
  Q_OBJECT

 public:
  explicit TDruckMeldung(QWidget* eltern = nullptr);
  void Meldung(const std::string& text) override;
  bool Abgebrochen() const override { return abgebrochen_; }
  void Ende() override { hide(); }
  QString Text() const;
  void Abbrechen() { abgebrochen_ = true; }

 private:
  QLabel* feld_;
  bool abgebrochen_ = false;
};

class TPruefAusgabe;

// Pages onto a printer or PDF file; Qt's origin is the printable area, as the recording's.
// A PDF file is written through a QSaveFile and committed only when every byte went out, so a
// failed write is reported and an existing file stays as it was.
class TDruckerZiel : public IDruckZiel {
 public:
  explicit TDruckerZiel(QPrinter& drucker);
  ~TDruckerZiel() override;
  bool Beginne(const std::string& titel) override;
  void NeueSeite() override;
  void Seite(const TDruckSeite& seite, const TDruckGeraet& geraet) override;
  bool Ende() override;
  // The picture on the page begun, fitted to its printable area.
  void Bild(const QImage& bild);

 protected:
  // The file a PDF goes into (tests put one in that fails).
  virtual std::unique_ptr<QSaveFile> NeueDatei(const QString& name) const;

 private:
  bool AllesAufDerPlatte() const;

  QPrinter& drucker_;
  std::unique_ptr<QSaveFile> datei_;
  std::unique_ptr<TPruefAusgabe> ausgabe_;
  std::unique_ptr<QPdfWriter> pdf_;
  std::unique_ptr<QPainter> maler_;
};

class TAnwendungsDrucker {
 public:
  static QPrinter& Drucker();
  static IDruckAblauf& Ablauf();
  // Not owned; null puts the system dialogs back.
  static void SetzeAblauf(IDruckAblauf* ablauf);
  // The system print dialog over the window; true when confirmed. It proposes the PDF file the
  // last printout of this run went to.
  static bool Druckdialog(QWidget* eltern);

  // A recorder on the printer as it is set now.
  static std::unique_ptr<TPrevPrinter> NeuerRecorder(IDruckMeldung* meldung);
  // Prints the recording. Without a printer and output file the user names a PDF file first;
  // a printer or file that cannot be written is reported. False when nothing was printed.
  static bool Drucke(TPrevPrinter& recorder, QWidget* eltern);
  // The picture on one page, fitted to it, after the system print dialog; the same target and
  // reports as Drucke.
  static bool DruckeBild(const QImage& bild, QWidget* eltern);
};

}  // namespace kolvar
