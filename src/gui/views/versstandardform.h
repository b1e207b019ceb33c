// "Planversionen": whether actions act on all versions, and copying the target hours, locks,
// course hours and (when asked) the lessons of chosen elements from one version into another,
// with the two "Kollision" dialogs of the copy.
#pragma once

#include "app/frageform.h"
#include "platform/einstellungsdialog.h"

class QButtonGroup;
class QCheckBox;
class QListWidget;
class QSpinBox;

namespace kolvar {

class TSchule;

// Refusal: locks or fixed lessons in the target version.
class TVersVerbotsForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TVersVerbotsForm(QWidget* eltern = nullptr);
};

// Question: displace the lessons in the target version (Ja), keep them (Nein), or stop.
class TVersProblemForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TVersProblemForm(QWidget* eltern = nullptr);
};

class TVersStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TVersStandardForm(TSchule& schule, QWidget* eltern = nullptr);

  QCheckBox* GleichCheck() const { return gleich_; }
  QButtonGroup* KuRadio() const { return kuRadio_; }
  QButtonGroup* AuchRadio() const { return auchRadio_; }
  QListWidget* VersGrid() const { return versGrid_; }
  QSpinBox* VonFeld() const { return von_; }
  QSpinBox* ZuFeld() const { return zu_; }
  QPushButton* KopierenKnopf() const { return kopieren_; }

  void KopierenKnopfClick();

 protected:
  void Laden(const TStandard& standard) override;
  // Stores the three settings itself: the result says whether the all-versions choice changed.
  void OkKnopfClick() override;

 private:
  void FuelleVersGrid();
  void PruefeKopieren();

  TSchule& schule_;
  QCheckBox* gleich_;
  QButtonGroup* kuRadio_;
  QButtonGroup* auchRadio_;
  QListWidget* versGrid_;
  QSpinBox* von_;
  QSpinBox* zu_;
  QPushButton* kopieren_;
};

}  // namespace kolvar
