// "Voreinstellungen für Grunddaten": the target hours of new teachers and classes and the lock
// grid of new teachers, classes and rooms; "Kopieren" puts the grid or the target onto chosen
// existing ones at once.
#pragma once

#include "model/wochbereich.h"
#include "platform/einstellungsdialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace kolvar {

class TGitter;
class TSchule;
class TSperrung;

class TGrDatStandardForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TGrDatStandardForm(TSchule& schule, QWidget* eltern = nullptr);
  ~TGrDatStandardForm() override;

  QSpinBox* LeUpDown() const { return leSoll_; }
  QSpinBox* KlUpDown() const { return klSoll_; }
  QLabel* LeSollFeld() const { return leFeld_; }
  QLabel* KlSollFeld() const { return klFeld_; }
  TGitter* KuerzelGrid() const { return kuerzel_; }
  QButtonGroup* KuerzelRadio() const { return art_; }  // 0 teachers, 1 classes, 2 rooms
  QCheckBox* SperrCheck() const { return sperrCheck_; }
  QCheckBox* SollCheck() const { return sollCheck_; }
  QPushButton* KopierenKnopf() const { return kopieren_; }
  TSperrung* Sperrung() const { return sperrung_; }
  const TWochBereich& Arbeitsraster() const { return arbeit_; }

  void KopierenKnopfClick();
  // Fills the abbreviation list for the kind chosen and follows the enabling rule.
  void ArtGewaehlt();

 protected:
  void Laden(const TStandard& standard) override;
  void Speichern(TStandard& standard) override;

 private:
  void PruefeKopieren();
  void ZeigeSoll();

  TSchule& schule_;
  TWochBereich arbeit_;
  TWochBereich leer_;
  QSpinBox* leSoll_;
  QSpinBox* klSoll_;
  QLabel* leFeld_;
  QLabel* klFeld_;
  TGitter* kuerzel_;
  QButtonGroup* art_;
  QCheckBox* sperrCheck_;
  QCheckBox* sollCheck_;
  QPushButton* kopieren_;
  TSperrung* sperrung_;
};

}  // namespace kolvar
