// The plan print dialogs: "Lehrerpläne drucken", "Klassenpläne drucken", "Drucke Raumpläne" and
// "Drucke Kopplungspläne", one form over the kind. Clearing "alle ..." asks for the moment of
// the changed-plans filter.
#pragma once

#include <cstdint>

#include "druck/plandruck.h"
#include "print/druckdialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kolvar {

class TDruckPlnForm : public TDruckDialog {
  Q_OBJECT

 public:
  TDruckPlnForm(TSchule& schule, TPlanDruckArt art, TWaehler waehler, QWidget* eltern = nullptr);

  TPlanDruckArt Art() const { return art_; }
  static QString Caption(TPlanDruckArt art);
  static QString FormName(TPlanDruckArt art);
  static TPlanDruckOptionen& Optionen(TSchule& schule, TPlanDruckArt art);

  // The check boxes by caption ("mit Lehrer", "alle Klassenpläne" ...), null when absent.
  QCheckBox* Box(const QString& text) const;
  QLineEdit* BemerkungFeld() const { return bemerkung_; }
  int64_t GeaendertNach() const { return geaendertNach_; }
  void AlleClick();

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  QCheckBox* NeueBox(const QString& text);

  TPlanDruckArt art_;
  TPlanDruckOptionen& o_;
  int64_t geaendertNach_ = 0;
  QLineEdit* bemerkung_;
  std::vector<QCheckBox*> boxen_;
  QCheckBox *erste_ = nullptr, *zweite_ = nullptr, *dritte_ = nullptr, *kopplung_ = nullptr,
            *statt_ = nullptr;
  QCheckBox *sperr_, *fett_, *alle_, *datum_, *seite_ = nullptr, *farbe_;
  QRadioButton *stundenLinks_, *tageLinks_;
  QRadioButton *neben_ = nullptr, *unter_ = nullptr;
};

}  // namespace kolvar
