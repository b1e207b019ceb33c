// "Datum für den Vertretungsplan": the date of the day list, preset to today, with the name of
// its weekday. A day the month does not have is lowered until it exists.
#pragma once

#include <cstdint>

#include "platform/kvdialog.h"

class QLabel;
class QSpinBox;

namespace kolvar {

class TStandard;

class TVertrDatForm : public TKvDialog {
  Q_OBJECT

 public:
  TVertrDatForm(const TStandard& standard, int32_t heute, QWidget* eltern = nullptr);

  QSpinBox* TagSpin = nullptr;
  QSpinBox* MonatSpin = nullptr;
  QSpinBox* JahrSpin = nullptr;
  QLabel* TagLabel = nullptr;

  // The date of the spins; the day spin shows the day used.
  int32_t GetDatum();

 private:
  void ZeigeWochentag();

  const TStandard& standard_;
};

}  // namespace kolvar
