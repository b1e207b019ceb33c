#include "print/zeitplnform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ansicht/zeitfilter.h"
#include "model/datum.h"
#include "platform/dialogdienst.h"

namespace kolvar {

TZeitPlnForm::TZeitPlnForm(QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Geänderte Pläne"));
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(new QLabel(QStringLiteral("Drucke nur Pläne,die geändert wurden nach:"), this));
  auto* box = new QGroupBox(QStringLiteral("von Datum"), this);
  auto* gitter = new QGridLayout(box);
  const auto spin = [box, gitter](const char* text, int von, int bis, int wert, int spalte) {
    auto* s = new QSpinBox(box);
    s->setRange(von, bis);
    s->setValue(wert);
    if (auto* feld = s->findChild<QLineEdit*>()) feld->setReadOnly(true);
    gitter->addWidget(new QLabel(QString::fromUtf8(text), box), 0, spalte);
    gitter->addWidget(s, 1, spalte);
    return s;
  };
  tag_ = spin("Tag", 1, 31, 1, 0);
  monat_ = spin("Monat", 1, 12, 1, 1);
  // Every year a school may plan in; the hour stops at 23, 24:00 is no time of day.
  jahr_ = spin("Jahr", kErstesJahr, kLetztesJahr, 1996, 2);
  stunde_ = spin("Stunde", 0, 23, 0, 3);
  minute_ = spin("Minute", 0, 59, 0, 4);
  spalte->addWidget(box);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  spalte->addWidget(ok, 0, Qt::AlignRight);
  SetzeStandardKnopf(ok);
  connect(ok, &QPushButton::clicked, this, [this] {
    PruefeDatum();
    done(mrOk);
  });
}

void TZeitPlnForm::SetzeZeit(int64_t zeit) {
  const int32_t tag = TagDerZeit(zeit);
  const TKalenderDatum d = KalenderDatum(tag);
  const int64_t sekunden = zeit - static_cast<int64_t>(tag) * 86400;
  jahr_->setValue(d.Jahr);
  monat_->setValue(d.Monat);
  tag_->setValue(d.Tag);
  stunde_->setValue(static_cast<int>(sekunden / 3600));
  minute_->setValue(static_cast<int>(sekunden / 60 % 60));
}

void TZeitPlnForm::PruefeDatum() {
  tag_->setValue(kolvar::PruefeDatum(jahr_->value(), monat_->value(), tag_->value()));
}

int64_t TZeitPlnForm::Zeit() const {
  return FilterMoment(jahr_->value(), monat_->value(), tag_->value(), stunde_->value(), minute_->value());
}

}  // namespace kolvar
