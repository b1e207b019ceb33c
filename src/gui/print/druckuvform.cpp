#include "print/druckuvform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "druck/uvtabdruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TDruckUVForm::TDruckUVForm(TSchule& schule, const TUVTab& tab, const TUVLayout& layout, bool mitKopplung,
                           QWidget* eltern)
    : TEinRandDialog(schule, QStringLiteral("Drucke UV-Tabelle"), schule.Standard().UVTabDruck.Schrift,
                     schule.Standard().UVTabDruck.uvra, eltern),
      o_(schule.Standard().UVTabDruck),
      tab_(tab),
      layout_(layout),
      mitKopplung_(mitKopplung) {
  auto* box = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* spalte = new QVBoxLayout(box);
  fett_ = new QCheckBox(QStringLiteral("Kopplungen fett"), box);
  farbe_ = new QCheckBox(QStringLiteral("mit Farbe"), box);
  spalte->addWidget(fett_);
  spalte->addWidget(farbe_);
  OptionenSpalte()->addWidget(box);
  OptionenSpalte()->addStretch(1);
}

void TDruckUVForm::LadeOptionen() {
  fett_->setChecked(o_.uvft);
  farbe_->setChecked(o_.uvco);
}

void TDruckUVForm::SpeichereOptionen() {
  o_.uvft = fett_->isChecked();
  o_.uvco = farbe_->isChecked();
}

void TDruckUVForm::Drucke(IZeichenflaeche& flaeche) {
  TUVTabDruck(schule_, o_).Drucke(flaeche, tab_, layout_, mitKopplung_);
}

}  // namespace kolvar
