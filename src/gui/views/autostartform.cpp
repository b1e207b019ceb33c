#include "views/autostartform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/standard.h"

namespace kolvar {

TAutoStartForm::TAutoStartForm(TStandard& standard, QWidget* eltern)
    : TKvDialog(eltern), standard_(standard) {
  setObjectName(QStringLiteral("AutoStartForm"));
  setWindowTitle(QStringLiteral("Automatisches Rechnen"));
  auto* haupt = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  raster->addWidget(
      new QLabel(QStringLiteral("Wieviele Stunden rechnen,  bevor die\nReihenfolge neu ermittelt wird?"),
                 this),
      0, 0);
  ast_ = new QSpinBox(this);
  ast_->setObjectName(QStringLiteral("AstFeld"));
  ast_->setRange(1, 5000);
  raster->addWidget(ast_, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Wieviel Prozent der Stunden rechnen?"), this), 1, 0);
  apr_ = new QSpinBox(this);
  apr_->setObjectName(QStringLiteral("AprFeld"));
  apr_->setRange(5, 100);
  raster->addWidget(apr_, 1, 1);
  haupt->addLayout(raster);
  haupt->addWidget(
      new QLabel(QStringLiteral("Falls nicht anders möglich,\nsetze Stunden auch, wenn:"), this));
  ara_ = new QCheckBox(QStringLiteral("kein passender Raum gefunden wird."), this);
  ara_->setObjectName(QStringLiteral("AraFeld"));
  aei_ =
      new QCheckBox(QStringLiteral("die Zahl der Einfach- bzw. Mehrfach-\nstunden dann nicht stimmt."), this);
  aei_->setObjectName(QStringLiteral("AeiFeld"));
  haupt->addWidget(ara_);
  haupt->addWidget(aei_);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch();
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
}

void TAutoStartForm::Laden() {
  const QSignalBlocker b1(ast_), b2(apr_);
  ast_->setValue(standard_.ast);
  apr_->setValue(standard_.apr);
  ara_->setChecked(standard_.ara);
  aei_->setChecked(standard_.aei);
}

void TAutoStartForm::OkKnopfClick() {
  standard_.SetAutoNeuordnenNach(ast_->value());
  standard_.SetAutoProzent(apr_->value());
  standard_.SetAutoAuchOhneRaum(ara_->isChecked());
  standard_.SetAutoAuchOhneEinzelstunden(aei_->isChecked());
}

}  // namespace kolvar
