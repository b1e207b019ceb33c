// The overview print dialogs: "Drucke Lehrerübersichten", "Drucke Klassenübersichten",
// "Drucke Raumübersichten" and "Drucke Übersichten für Kombinationen von Planelementen", whose
// grid takes teachers, classes and rooms alike.
#pragma once

#include "druck/uebersichtdruck.h"
#include "print/druckdialog.h"

class QCheckBox;
class QLineEdit;

namespace kolvar {

class TDruckUebForm : public TDruckDialog {
  Q_OBJECT

 public:
  TDruckUebForm(TSchule& schule, TUebersichtArt art, TWaehler waehler, QWidget* eltern = nullptr);

  TUebersichtArt Art() const { return art_; }
  static QString Caption(TUebersichtArt art);
  static QString FormName(TUebersichtArt art);
  static TUebersichtDruckOptionen& Optionen(TSchule& schule, TUebersichtArt art);
  QCheckBox* Box(const QString& text) const;

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  struct TBox {
    QCheckBox* box;
    bool TUebersichtDruckOptionen::*wert;
  };
  QCheckBox* NeueBox(const QString& text, bool TUebersichtDruckOptionen::*wert);

  TUebersichtArt art_;
  TUebersichtDruckOptionen& o_;
  QLineEdit* bemerkung_;
  std::vector<TBox> boxen_;
};

}  // namespace kolvar
