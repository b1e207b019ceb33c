#include "substitution/fehltlangform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/datum.h"
#include "substitution/fehleingabe.h"

namespace kolvar {

TFehltLangForm::TFehltLangForm(const QString& kuerzel, int32_t start, QWidget* eltern)
    : TKvDialog(eltern), start_(start) {
  setObjectName(QStringLiteral("FehltLangForm"));
  setWindowTitle(QStringLiteral("längere Fehlzeit"));
  setMinimumWidth(240);  // room for the caption
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(kuerzel + QStringLiteral(" fehlt bis"), this));
  auto* felder = new QHBoxLayout;
  tag_ = new QSpinBox(this);
  monat_ = new QSpinBox(this);
  jahr_ = new QSpinBox(this);
  tag_->setRange(1, 31);
  monat_->setRange(1, 12);
  jahr_->setRange(kErstesJahr, kLetztesJahr);
  felder->addWidget(tag_);
  felder->addWidget(monat_);
  felder->addWidget(jahr_);
  haupt->addLayout(felder);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  SetzeDatum(start);
}

void TFehltLangForm::SetzeDatum(int32_t datum) {
  const TKalenderDatum k = KalenderDatum(datum);
  jahr_->setValue(k.Jahr);
  monat_->setValue(k.Monat);
  tag_->setValue(k.Tag);
}

int32_t TFehltLangForm::EndDatum() const {
  return FehlEndDatum(jahr_->value(), monat_->value(), tag_->value(), start_);
}

void TFehltLangForm::OkKnopfClick() {
  SetzeDatum(EndDatum());
}

}  // namespace kolvar
