// The small progress windows around reading ("Einlesen"), writing ("Speichern") and importing
// ("Importieren"): the file's name, its size where it is read, a status line and, where it is
// read, how far the work has come. Shown and painted at once; the work runs on the GUI thread,
// so each step lets the window repaint.
#pragma once

#include <QWidget>
#include <cstddef>
#include <string>

#include "storage/ifortschritt.h"

class QLabel;
class QProgressBar;

namespace kolvar {

enum class TFortschrittsArt { Einlesen, Speichern, Importieren };

class TFortschrittsForm : public QWidget, public IFortschritt {
  Q_OBJECT

 public:
  explicit TFortschrittsForm(TFortschrittsArt art, QWidget* eltern = nullptr);

  void Datei(const std::string& name, std::size_t bytes) override;
  void Status(const std::string& text) override;
  void Position(std::size_t bytes) override;
  // Shows the window in the middle of the screen.
  void ZeigeSofort();

  TFortschrittsArt Art() const { return art_; }
  QString DateiName() const;
  // The size in whole kilobytes; empty while writing.
  QString KiloBytes() const;
  QString StatusText() const;
  // Null while writing.
  QProgressBar* Balken() const { return balken_; }

 private:
  TFortschrittsArt art_;
  QLabel* dateiFeld_;
  QLabel* groesseFeld_ = nullptr;
  QLabel* statusFeld_;
  QProgressBar* balken_ = nullptr;
  std::size_t groesse_ = 0;
};

}  // namespace kolvar
