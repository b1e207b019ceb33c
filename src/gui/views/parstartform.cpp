#include "views/parstartform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/partabelle.h"
#include "model/parliste.h"
#include "model/standard.h"

namespace kolvar {

TParStartForm::TParStartForm(TStandard& standard, const TParListe& liste, QWidget* eltern)
    : TKvDialog(eltern), standard_(standard), liste_(liste) {
  setObjectName(QStringLiteral("ParStartForm"));
  setWindowTitle(QStringLiteral("Parallele Kopplungen"));
  // The caption is longer than the fields are wide.
  setMinimumWidth(260);
  auto* haupt = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  zeilen_ = new QSpinBox(this);
  zeilen_->setObjectName(QStringLiteral("ZeilenFeld"));
  zeilen_->setRange(2, TParTabelle::kMaxZeilen);
  spalten_ = new QSpinBox(this);
  spalten_->setObjectName(QStringLiteral("SpaltenFeld"));
  spalten_->setRange(2, TParTabelle::kMaxSpalten);
  raster->addWidget(new QLabel(QStringLiteral("Zeilen"), this), 0, 0);
  raster->addWidget(zeilen_, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Spalten"), this), 1, 0);
  raster->addWidget(spalten_, 1, 1);
  haupt->addLayout(raster);
  uebernehmen_ = new QCheckBox(QStringLiteral("letzte Tabelle übernehmen"), this);
  uebernehmen_->setObjectName(QStringLiteral("UebernehmenFeld"));
  faecher_ = new QCheckBox(QStringLiteral("Fächer mit anzeigen"), this);
  faecher_->setObjectName(QStringLiteral("FaecherFeld"));
  haupt->addWidget(uebernehmen_);
  haupt->addWidget(faecher_);
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
  Laden();
}

void TParStartForm::Laden() {
  const QSignalBlocker b1(zeilen_), b2(spalten_);
  zeilen_->setValue(standard_.pue ? liste_.Zeilen() : standard_.pze);
  spalten_->setValue(standard_.pue ? liste_.Spalten() : standard_.psp);
  uebernehmen_->setChecked(standard_.pue);
  faecher_->setChecked(standard_.pmf);
}

void TParStartForm::OkKnopfClick() {
  standard_.pze = zeilen_->value();
  standard_.psp = spalten_->value();
  standard_.pue = uebernehmen_->isChecked();
  standard_.pmf = faecher_->isChecked();
}

}  // namespace kolvar
