// TDruckUVForm "Drucke UV-Tabelle": prints a lesson-distribution table as its window shows it.
#pragma once

#include "ansicht/uvlayout.h"
#include "print/einranddialog.h"

class QCheckBox;

namespace kolvar {

struct TUVTabDruckOptionen;
class TUVTab;

class TDruckUVForm : public TEinRandDialog {
  Q_OBJECT

 public:
  // The window's table, its grid and whether it shows couplings ("o").
  TDruckUVForm(TSchule& schule, const TUVTab& tab, const TUVLayout& layout, bool mitKopplung,
               QWidget* eltern = nullptr);

  QCheckBox* FettCheck() const { return fett_; }
  QCheckBox* FarbCheck() const { return farbe_; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TUVTabDruckOptionen& o_;
  const TUVTab& tab_;
  TUVLayout layout_;
  bool mitKopplung_;
  QCheckBox *fett_, *farbe_;
};

}  // namespace kolvar
