// The options of the parallel-couplings window: rows, columns, whether the last table is taken
// over and whether cells show their subjects. "Ok" stores them in the settings.
#pragma once

#include "platform/kvdialog.h"

class QCheckBox;
class QSpinBox;

namespace kolvar {

class TParListe;
class TStandard;

class TParStartForm : public TKvDialog {
  Q_OBJECT

 public:
  TParStartForm(TStandard& standard, const TParListe& liste, QWidget* eltern = nullptr);

  QSpinBox* ZeilenFeld() const { return zeilen_; }
  QSpinBox* SpaltenFeld() const { return spalten_; }
  QCheckBox* UebernehmenFeld() const { return uebernehmen_; }
  QCheckBox* FaecherFeld() const { return faecher_; }
  void OkKnopfClick();

 protected:
  void VorDemZeigen() override { Laden(); }

 private:
  void Laden();

  TStandard& standard_;
  const TParListe& liste_;
  QSpinBox* zeilen_;
  QSpinBox* spalten_;
  QCheckBox* uebernehmen_;
  QCheckBox* faecher_;
};

}  // namespace kolvar
