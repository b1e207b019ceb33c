// TZeitPlnForm, "Geänderte Pläne": the moment after which a plan must have changed to be
// printed. The day is made valid for its month when "Ok" closes the dialog.
#pragma once

#include <cstdint>

#include "platform/kvdialog.h"

class QSpinBox;

namespace kolvar {

class TZeitPlnForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TZeitPlnForm(QWidget* eltern = nullptr);

  void SetzeZeit(int64_t zeit);
  void PruefeDatum();
  int64_t Zeit() const;

  QSpinBox* TagSpin() const { return tag_; }
  QSpinBox* MonatSpin() const { return monat_; }
  QSpinBox* JahrSpin() const { return jahr_; }
  QSpinBox* StdSpin() const { return stunde_; }
  QSpinBox* MinSpin() const { return minute_; }

 private:
  QSpinBox *tag_, *monat_, *jahr_, *stunde_, *minute_;
};

}  // namespace kolvar
