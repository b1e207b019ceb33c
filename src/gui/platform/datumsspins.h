// A date as three spins (day, month, year); reading it back lowers a day the month does not
// have until the date is valid.
#pragma once

#include <QWidget>
#include <cstdint>

class QSpinBox;

namespace kolvar {

class TDatumsSpins : public QWidget {
  Q_OBJECT

 public:
  explicit TDatumsSpins(QWidget* eltern = nullptr);

  void SetzeDatum(int32_t datum);
  int32_t Datum() const;

  QSpinBox* TagSpin() const { return tag_; }
  QSpinBox* MonatSpin() const { return monat_; }
  QSpinBox* JahrSpin() const { return jahr_; }

 private:
  QSpinBox *tag_, *monat_, *jahr_;
};

}  // namespace kolvar
