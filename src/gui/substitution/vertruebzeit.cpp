#include "substitution/vertruebzeit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/datumsspins.h"

namespace kolvar {

TVertrUebZeit::TVertrUebZeit(QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Vertretungsübersicht"));
  auto* gitter = new QGridLayout(this);
  gitter->addWidget(new QLabel(QStringLiteral("Für welchen Zeitraum soll die"), this), 0, 0, 1, 2);
  gitter->addWidget(new QLabel(QStringLiteral("Vertretungsübersicht angelegt werden?"), this), 1, 0, 1, 2);
  von_ = new TDatumsSpins(this);
  bis_ = new TDatumsSpins(this);
  gitter->addWidget(new QLabel(QStringLiteral("von Datum"), this), 2, 0);
  gitter->addWidget(von_, 2, 1);
  gitter->addWidget(new QLabel(QStringLiteral("bis Datum"), this), 3, 0);
  gitter->addWidget(bis_, 3, 1);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  gitter->addWidget(ok, 4, 0, 1, 2, Qt::AlignHCenter);
  KnopfErgebnis(ok, mrOk);
  SetzeStandardKnopf(ok);
}

void TVertrUebZeit::SetzeHeute(int32_t heute) {
  von_->SetzeDatum(heute);
  bis_->SetzeDatum(heute);
}

int32_t TVertrUebZeit::Von() const {
  return von_->Datum();
}

int32_t TVertrUebZeit::Bis() const {
  return std::max(von_->Datum(), bis_->Datum());
}

}  // namespace kolvar
