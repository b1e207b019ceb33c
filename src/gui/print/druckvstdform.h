// "Vertretene Stunden drucken": both accounts of every teacher; its own font and left margin.
#pragma once

#include "print/druckdialog.h"

namespace kolvar {

struct TEinfacheDruckOptionen;

// The frame's four margins reduced to the left one the list printouts keep.
void NurLinkerRand(TDruckDialog& dialog);

class TDruckVStdForm : public TDruckDialog {
  Q_OBJECT

 public:
  TDruckVStdForm(TSchule& schule, QWidget* eltern = nullptr);

 protected:
  void LadeOptionen() override {}
  void SpeichereOptionen() override {}
  bool HatInhalt() const override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  int ungenutzt_[3] = {0, 0, 0};
};

}  // namespace kolvar
