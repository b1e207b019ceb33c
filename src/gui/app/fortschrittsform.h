// The small progress windows around reading ("Einlesen"), writing ("Speichern") and importing
// ("Importieren"): the file's name, a status line and how far the work has come. Shown and
// painted at once; the work runs on the GUI thread, so each step lets the window repaint.
#pragma once

#include <QWidget>
#include <cstddef>
#include <string>

class QLabel;
class QProgressBar;

namespace kolvar {

class TFortschrittsForm : public QWidget {
  Q_OBJECT

 public:
  explicit TFortschrittsForm(const QString& caption, QWidget* eltern = nullptr);

  void Datei(const std::string& name, std::size_t bytes);
  void Status(const std::string& text);
  void Position(std::size_t bytes);
  void ZeigeSofort();

  QString DateiName() const;
  QString StatusText() const;

 private:
  QLabel* dateiFeld_;
  QLabel* statusFeld_;
  QProgressBar* balken_;
  std::size_t groesse_ = 0;
};

// The three windows of the file commands.
inline const QString kEinlesenCaption = QStringLiteral("Einlesen");
inline const QString kSpeichernCaption = QStringLiteral("Speichern");
inline const QString kImportierenCaption = QStringLiteral("Importieren");

}  // namespace kolvar
