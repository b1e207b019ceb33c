// TDruckFehlForm "Drucke Fehlerliste": prints the lines of the error list window.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "print/einranddialog.h"

namespace kolvar {

struct TFehlerListeDruckOptionen;

class TDruckFehlForm : public TEinRandDialog {
  Q_OBJECT

 public:
  TDruckFehlForm(TSchule& schule, const QStringList& zeilen, QWidget* eltern = nullptr);

 protected:
  void LadeOptionen() override {}
  void SpeichereOptionen() override {}
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TFehlerListeDruckOptionen& o_;
  std::vector<std::string> zeilen_;
};

}  // namespace kolvar
