// "Pläne löschen": which plans (all, or a range of one element kind), whether coupled and fixed
// hours go too, and the slots to clear. The choices are stored as they are clicked.
#pragma once

#include <vector>

#include "platform/kvdialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

namespace kolvar {

class TElement;
class TSchule;
class TWochenWahl;

class TPlLoeschForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TPlLoeschForm(TSchule& schule, QWidget* eltern = nullptr);

  QButtonGroup* ArtGruppe() const { return art_; }
  QCheckBox* KopplungenFeld() const { return mitKopplungen_; }
  QCheckBox* FixierteFeld() const { return ohneFixierte_; }
  QPushButton* VonKnopf() const { return vonKnopf_; }
  QPushButton* BisKnopf() const { return bisKnopf_; }
  QLabel* VonFeld() const { return vonFeld_; }
  QLabel* BisFeld() const { return bisFeld_; }
  TWochenWahl* Woche() const { return woche_; }

  // Deletes by the choice; what "Ok" does before the dialog closes.
  void OkKnopfClick();

 protected:
  void VorDemZeigen() override;

 private:
  std::vector<TElement*> Elemente() const;
  void ArtGewaehlt(int art);
  // "von" (true) or "bis": the pop-up of the kind's elements sets that end of the range.
  void WaehleGrenze(bool von);
  void ZeigeBereich();

  TSchule& schule_;
  QButtonGroup* art_;
  QCheckBox* mitKopplungen_;
  QCheckBox* ohneFixierte_;
  QPushButton* vonKnopf_;
  QPushButton* bisKnopf_;
  QLabel* vonFeld_;
  QLabel* bisFeld_;
  TWochenWahl* woche_;
  int von_ = 0, bis_ = 0;  // list positions, 0 when the kind has no elements
};

}  // namespace kolvar
