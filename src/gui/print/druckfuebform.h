// TDruckFUebForm "Drucke Fächerübersichten": every placed hour of a range of subjects. The range
// ("von", "bis") is chosen with the palette's subject pop-up at the button and is not stored; a
// school without subjects has no range, and "Ok" and "Ansehen" stay disabled.
#pragma once

#include "print/einranddialog.h"
#include "print/listendruckdialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvar {

class TFach;
struct TFachUebersichtDruckOptionen;

class TDruckFUebForm : public TEinRandDialog {
  Q_OBJECT

 public:
  // picker pops up the palette's element menu of a kind at a point.
  TDruckFUebForm(TSchule& schule, TListenDruckDialog::TPicker picker, QWidget* eltern);
  // A chooser over the whole subject list serves as well; it shows no pop-up at the button.
  TDruckFUebForm(TSchule& schule, TWaehler waehler, QWidget* eltern = nullptr);

  void VonKnopfClick();
  void BisKnopfClick();
  TFach* Von() const { return von_; }
  TFach* Bis() const { return bis_; }
  QLabel* VonFeld() const { return vonFeld_; }
  QLabel* BisFeld() const { return bisFeld_; }
  QLineEdit* BemFeld() const { return bemerkung_; }
  // The check boxes by caption ("mit Klasse" ...), null when absent.
  QCheckBox* Box(const QString& text) const;

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  bool HatInhalt() const override { return von_ != nullptr; }
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  struct TBox {
    QCheckBox* box;
    bool TFachUebersichtDruckOptionen::*wert;
  };
  // The subject picked at the button, or null.
  TFach* Waehle(QPushButton* knopf);
  void ZeigeBereich();

  TFachUebersichtDruckOptionen& o_;
  TListenDruckDialog::TPicker picker_;
  TFach *von_ = nullptr, *bis_ = nullptr;
  QPushButton *vonKnopf_, *bisKnopf_;
  QLabel *vonFeld_, *bisFeld_;
  QLineEdit* bemerkung_;
  std::vector<TBox> boxen_;
};

}  // namespace kolvar
