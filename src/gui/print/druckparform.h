// TDruckParForm "Drucke parallele Kopplungen": prints the table of the parallel-couplings window.
#pragma once

#include "print/einranddialog.h"

class QCheckBox;

namespace kolvar {

struct TParallelDruckOptionen;
class TParTabelle;

class TDruckParForm : public TEinRandDialog {
  Q_OBJECT

 public:
  TDruckParForm(TSchule& schule, const TParTabelle& tabelle, QWidget* eltern = nullptr);

  QCheckBox* LehrerCheck() const { return lehrer_; }
  QCheckBox* FaecherCheck() const { return faecher_; }
  QCheckBox* KonfliktCheck() const { return konflikte_; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TParallelDruckOptionen& o_;
  const TParTabelle& tabelle_;
  QCheckBox *lehrer_, *faecher_, *konflikte_;
};

}  // namespace kolvar
