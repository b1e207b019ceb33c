#include "print/drucksvform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "druck/svdruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TDruckSVForm::TDruckSVForm(TSchule& schule, TPicker picker, QWidget* eltern)
    : TListenDruckDialog(schule, QStringLiteral("Drucke Stundenverteilungen"),
                         schule.Standard().StundenVerteilungDruck.Schrift,
                         schule.Standard().StundenVerteilungDruck.svra, eltern),
      o_(schule.Standard().StundenVerteilungDruck),
      artGroup_(new QButtonGroup(this)) {
  auto* box = new QGroupBox(QStringLiteral("für"), this);
  auto* spalte = new QVBoxLayout(box);
  int id = 0;
  for (const char* text : {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume"}) {
    auto* knopf = new QRadioButton(QString::fromUtf8(text), box);
    artGroup_->addButton(knopf, id++);
    spalte->addWidget(knopf);
  }
  OptionenSpalte()->addWidget(box);
  sperrCheck_ = new QCheckBox(QStringLiteral("mit Sperrungen"), this);
  springCheck_ = new QCheckBox(QStringLiteral("mit Springstunden"), this);
  farbCheck_ = new QCheckBox(QStringLiteral("mit Farbe"), this);
  for (QCheckBox* c : {sperrCheck_, springCheck_, farbCheck_}) OptionenSpalte()->addWidget(c);
  BaueBereich(QString(), std::move(picker));
  OptionenSpalte()->addStretch(1);
  connect(artGroup_, &QButtonGroup::idClicked, this, [this](int art) { SetzeArt(art); });
}

void TDruckSVForm::SetzeArt(int art) {
  art = std::clamp(art, 0, 4);
  artGroup_->button(art)->setChecked(true);
  SetzeListe(static_cast<TElementArt>(art));
}

int TDruckSVForm::Art() const {
  return std::max(0, artGroup_->checkedId());
}

void TDruckSVForm::LadeOptionen() {
  SetzeArt(o_.svda);
  sperrCheck_->setChecked(o_.svsr);
  springCheck_->setChecked(o_.svsg);
  farbCheck_->setChecked(o_.svfa);
}

void TDruckSVForm::SpeichereOptionen() {
  o_.svda = Art();
  o_.svsr = sperrCheck_->isChecked();
  o_.svsg = springCheck_->isChecked();
  o_.svfa = farbCheck_->isChecked();
}

void TDruckSVForm::Drucke(IZeichenflaeche& flaeche) {
  TSVDruck(schule_, Art(), o_).Drucke(flaeche, Bereich());
}

}  // namespace kolvar
