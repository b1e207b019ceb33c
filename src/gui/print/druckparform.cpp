#include "print/druckparform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "druck/pardruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TDruckParForm::TDruckParForm(TSchule& schule, const TParTabelle& tabelle, QWidget* eltern)
    : TEinRandDialog(schule, QStringLiteral("Drucke parallele Kopplungen"),
                     schule.Standard().ParallelDruck.Schrift, schule.Standard().ParallelDruck.pra, eltern),
      o_(schule.Standard().ParallelDruck),
      tabelle_(tabelle) {
  auto* box = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* spalte = new QVBoxLayout(box);
  lehrer_ = new QCheckBox(QStringLiteral("mit Lehrern"), box);
  faecher_ = new QCheckBox(QStringLiteral("mit Fächern"), box);
  konflikte_ = new QCheckBox(QStringLiteral("mit Konflikten"), box);
  for (QCheckBox* b : {lehrer_, faecher_, konflikte_}) spalte->addWidget(b);
  OptionenSpalte()->addWidget(box);
  OptionenSpalte()->addStretch(1);
}

void TDruckParForm::LadeOptionen() {
  lehrer_->setChecked(o_.pml);
  faecher_->setChecked(o_.pmf);
  konflikte_->setChecked(o_.pmk);
}

void TDruckParForm::SpeichereOptionen() {
  o_.pml = lehrer_->isChecked();
  o_.pmf = faecher_->isChecked();
  o_.pmk = konflikte_->isChecked();
}

void TDruckParForm::Drucke(IZeichenflaeche& flaeche) {
  TParDruck(schule_, o_).Drucke(flaeche, tabelle_);
}

}  // namespace kolvar
