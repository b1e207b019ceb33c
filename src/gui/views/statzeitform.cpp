#include "views/statzeitform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/vorgaberegeln.h"
#include "model/datum.h"

namespace kolvar {

TStatZeitForm::TStatZeitForm(QWidget* eltern) : TKvDialog(eltern) {
  setObjectName(QStringLiteral("StatZeitForm"));
  setWindowTitle(QStringLiteral("Statistikzeitraum"));
  auto* haupt = new QVBoxLayout(this);
  haupt->addWidget(new QLabel(QStringLiteral("Für welchen Zeitraum sollen die"), this));
  haupt->addWidget(new QLabel(QStringLiteral("Unterrichtstunden gezählt werden?"), this));
  const char* namen[6] = {"VTagSpin", "vMonatSpin", "VJahrSpin", "BTagSpin", "BMonatSpin", "BJahrSpin"};
  auto* daten = new QHBoxLayout;
  for (int g = 0; g < 2; ++g) {
    auto* box = new QGroupBox(g == 0 ? QStringLiteral("von Datum") : QStringLiteral("bis Datum"), this);
    auto* raster = new QGridLayout(box);
    const QString texte[3] = {QStringLiteral("Tag"), QStringLiteral("Monat"), QStringLiteral("Jahr")};
    const int grenzen[3][2] = {{1, 31}, {1, 12}, {kErstesJahr, kLetztesJahr}};
    for (int i = 0; i < 3; ++i) {
      auto* spin = new QSpinBox(box);
      spin->setObjectName(QString::fromLatin1(namen[g * 3 + i]));
      spin->setRange(grenzen[i][0], grenzen[i][1]);
      raster->addWidget(new QLabel(texte[i], box), 0, i);
      raster->addWidget(spin, 1, i);
      spins_[g * 3 + i] = spin;
    }
    daten->addWidget(box);
  }
  haupt->addLayout(daten);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setObjectName(QStringLiteral("OkKnopf"));
  knoepfe->addWidget(ok);
  haupt->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  SetzeStandardKnopf(ok);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
}

void TStatZeitForm::Vorbereiten(int32_t von, int32_t bis) {
  von_ = von;
  bis_ = bis;
  for (int g = 0; g < 2; ++g) {
    const TKalenderDatum d = KalenderDatum(g == 0 ? von : bis);
    spins_[g * 3]->setValue(d.Tag);
    spins_[g * 3 + 1]->setValue(d.Monat);
    spins_[g * 3 + 2]->setValue(d.Jahr);
  }
}

void TStatZeitForm::OkKnopfClick() {
  for (int g = 0; g < 2; ++g) {
    int tag = spins_[g * 3]->value();
    const int32_t datum = KorrigiereDatum(tag, spins_[g * 3 + 1]->value(), spins_[g * 3 + 2]->value());
    spins_[g * 3]->setValue(tag);
    (g == 0 ? von_ : bis_) = datum;
  }
}

}  // namespace kolvar
