#include "platform/datumsspins.h"

#include <QHBoxLayout>
#include <QSpinBox>
#include <algorithm>

#include "model/datum.h"

namespace kolvar {

TDatumsSpins::TDatumsSpins(QWidget* eltern) : QWidget(eltern) {
  auto* zeile = new QHBoxLayout(this);
  zeile->setContentsMargins(0, 0, 0, 0);
  const auto spin = [this, zeile](int von, int bis) {
    auto* s = new QSpinBox(this);
    s->setRange(von, bis);
    zeile->addWidget(s);
    return s;
  };
  tag_ = spin(1, 31);
  monat_ = spin(1, 12);
  jahr_ = spin(kErstesJahr, kLetztesJahr);
}

void TDatumsSpins::SetzeDatum(int32_t datum) {
  const TKalenderDatum k = KalenderDatum(std::clamp(datum, kErsterTag, kLetzterTag));
  tag_->setValue(k.Tag);
  monat_->setValue(k.Monat);
  jahr_->setValue(k.Jahr);
}

int32_t TDatumsSpins::Datum() const {
  int tag = tag_->value();
  while (tag > 1 && !DatumGueltig(jahr_->value(), monat_->value(), tag)) --tag;
  return TagesNummer(jahr_->value(), monat_->value(), tag);
}

}  // namespace kolvar
