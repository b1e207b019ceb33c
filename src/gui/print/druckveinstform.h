// "Einstellung für den Druck des Vertretungsplans": one of the four presets, edited on the
// caller's working copy.
#pragma once

#include <QButtonGroup>
#include <vector>

#include "model/optionen.h"
#include "platform/kvdialog.h"

class QCheckBox;

namespace kolvar {

class TDruckVEinstForm : public TKvDialog {
  Q_OBJECT

 public:
  TDruckVEinstForm(int nummer, QWidget* eltern = nullptr);

  void Lade(const TVertrDruckEinstellung& v);
  TVertrDruckEinstellung Vorgabe() const;

  QButtonGroup* VPSortRadio = nullptr;
  QButtonGroup* EPSortRadio = nullptr;
  QButtonGroup* LeBezRadio = nullptr;
  QButtonGroup* BemRadio = nullptr;
  QCheckBox* Box(const QString& text) const;

 private:
  struct TBox {
    QCheckBox* box;
    bool TVertrDruckEinstellung::*wert;
  };
  std::vector<TBox> boxen_;
};

}  // namespace kolvar
