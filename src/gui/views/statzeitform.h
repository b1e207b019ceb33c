// "Statistikzeitraum": the two dates between which the workload statistics count lessons. A day
// the month does not have becomes the month's last day.
#pragma once

#include <cstdint>

#include "platform/kvdialog.h"

class QSpinBox;

namespace kolvar {

class TStatZeitForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TStatZeitForm(QWidget* eltern = nullptr);

  // Both dates (day numbers).
  void Vorbereiten(int32_t von, int32_t bis);
  int32_t Von() const { return von_; }
  int32_t Bis() const { return bis_; }

  QSpinBox* VTagSpin() const { return spins_[0]; }
  QSpinBox* VMonatSpin() const { return spins_[1]; }
  QSpinBox* VJahrSpin() const { return spins_[2]; }
  QSpinBox* BTagSpin() const { return spins_[3]; }
  QSpinBox* BMonatSpin() const { return spins_[4]; }
  QSpinBox* BJahrSpin() const { return spins_[5]; }

  void OkKnopfClick();

 private:
  QSpinBox* spins_[6];
  int32_t von_ = 0;
  int32_t bis_ = 0;
};

}  // namespace kolvar
