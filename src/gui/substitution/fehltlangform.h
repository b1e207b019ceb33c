// "längere Fehlzeit": until which day one row's absence repeats.
#pragma once

#include <cstdint>

#include "platform/kvdialog.h"

class QSpinBox;

namespace kolvar {

class TFehltLangForm : public TKvDialog {
  Q_OBJECT

 public:
  // The spins start at the start date.
  TFehltLangForm(const QString& kuerzel, int32_t start, QWidget* eltern = nullptr);

  QSpinBox* TagFeld() const { return tag_; }
  QSpinBox* MonatFeld() const { return monat_; }
  QSpinBox* JahrFeld() const { return jahr_; }
  // The spins' date, never before the start (an end before it resets the spins on "Ok").
  int32_t EndDatum() const;

 private:
  void OkKnopfClick();
  void SetzeDatum(int32_t datum);

  int32_t start_;
  QSpinBox* tag_;
  QSpinBox* monat_;
  QSpinBox* jahr_;
};

}  // namespace kolvar
