#include "substitution/vertrdatform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/vorgaberegeln.h"
#include "model/datum.h"
#include "model/standard.h"

namespace kolvar {

TVertrDatForm::TVertrDatForm(const TStandard& standard, int32_t heute, QWidget* eltern)
    : TKvDialog(eltern), standard_(standard) {
  setObjectName(QStringLiteral("VertrDatForm"));
  setWindowTitle(QStringLiteral("Datum für den Vertretungsplan"));
  setMinimumWidth(340);  // the caption is long
  auto* haupt = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  const QString texte[3] = {QStringLiteral("Tag"), QStringLiteral("Monat"), QStringLiteral("Jahr")};
  const int grenzen[3][2] = {{1, 31}, {1, 12}, {kErstesJahr, kLetztesJahr}};
  QSpinBox** spins[3] = {&TagSpin, &MonatSpin, &JahrSpin};
  const char* namen[3] = {"TagSpin", "MonatSpin", "JahrSpin"};
  for (int i = 0; i < 3; ++i) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(namen[i]));
    spin->setRange(grenzen[i][0], grenzen[i][1]);
    raster->addWidget(new QLabel(texte[i], this), 0, i);
    raster->addWidget(spin, 1, i);
    *spins[i] = spin;
  }
  haupt->addLayout(raster);
  TagLabel = new QLabel(this);
  TagLabel->setObjectName(QStringLiteral("TagLabel"));
  TagLabel->setAlignment(Qt::AlignCenter);
  haupt->addWidget(TagLabel);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);

  const TKalenderDatum d = KalenderDatum(std::clamp(heute, kErsterTag, kLetzterTag));
  TagSpin->setValue(d.Tag);
  MonatSpin->setValue(d.Monat);
  JahrSpin->setValue(d.Jahr);
  for (QSpinBox* spin : {TagSpin, MonatSpin, JahrSpin})
    connect(spin, &QSpinBox::valueChanged, this, [this] { ZeigeWochentag(); });
  ZeigeWochentag();
}

int32_t TVertrDatForm::GetDatum() {
  int tag = TagSpin->value();
  const int32_t datum = KorrigiereDatum(tag, MonatSpin->value(), JahrSpin->value());
  const QSignalBlocker sperre(TagSpin);
  TagSpin->setValue(tag);
  return datum;
}

void TVertrDatForm::ZeigeWochentag() {
  int tag = TagSpin->value();
  const int32_t datum = KorrigiereDatum(tag, MonatSpin->value(), JahrSpin->value());
  TagLabel->setText(QString::fromStdString(standard_.spn[static_cast<std::size_t>(Wochentag(datum) - 1)]));
}

}  // namespace kolvar
