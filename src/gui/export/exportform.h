// The two export windows: "Exportieren" for the course export and "Exportieren in HTML-Dateien"
// for the web export. Each shows its target and a progress bar; the web window turns the three
// web colours into the attribute strings its pages would carry. No export format exists yet, so
// both are shown and closed again and write nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QProgressBar;

namespace kolvar {

class TStandard;

class TExportForm : public QWidget {
  Q_OBJECT

 public:
  explicit TExportForm(const QString& datei, QWidget* eltern = nullptr);
  void ZeigeSofort();
  QString DateiName() const;
  QProgressBar* Balken() const { return balken_; }

 private:
  QLabel* dateiFeld_;
  QLabel* zeilenFeld_;
  QProgressBar* balken_;
};

class THTMLForm : public QWidget {
  Q_OBJECT

 public:
  THTMLForm(const TStandard& standard, const QString& ordner, QWidget* eltern = nullptr);
  void ZeigeSofort();
  QString Ordner() const;
  // The attribute strings of the background, the table and the table heading ("\"#RRGGBB\"").
  const std::string& Hintergrund() const { return hintergrund_; }
  const std::string& Tabelle() const { return tabelle_; }
  const std::string& Ueberschrift() const { return ueberschrift_; }

 private:
  QLabel* dateiFeld_;
  QLabel* maxZeilen_;
  QProgressBar* balken_;
  std::string hintergrund_, tabelle_, ueberschrift_;
};

}  // namespace kolvar
