#include "print/druckrestform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "druck/reststundendruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

TElementArt ListenArt(int art) {
  return art == 1 ? TElementArt::Klasse : art == 2 ? TElementArt::Fach : TElementArt::Lehrer;
}

}  // namespace

TDruckRestForm::TDruckRestForm(TSchule& schule, TPicker picker, QWidget* eltern)
    : TListenDruckDialog(schule, QStringLiteral("Drucke Reststunden"),
                         schule.Standard().RestStundenDruck.Schrift, schule.Standard().RestStundenDruck.rra,
                         eltern),
      o_(schule.Standard().RestStundenDruck),
      artGroup_(new QButtonGroup(this)) {
  auto* box = new QGroupBox(QStringLiteral("Kürzelart"), this);
  auto* spalte = new QVBoxLayout(box);
  int id = 0;
  for (const char* text : {"Lehrer", "Klassen", "Fächer"}) {
    auto* knopf = new QRadioButton(QString::fromUtf8(text), box);
    artGroup_->addButton(knopf, id++);
    spalte->addWidget(knopf);
  }
  OptionenSpalte()->addWidget(box);
  BaueBereich(QStringLiteral("für Lehrer"), std::move(picker));
  OptionenSpalte()->addStretch(1);
  connect(artGroup_, &QButtonGroup::idClicked, this, [this](int art) { SetzeArt(art); });
}

void TDruckRestForm::SetzeArt(int art) {
  art = std::clamp(art, 0, 2);
  artGroup_->button(art)->setChecked(true);
  SetzeListe(ListenArt(art));
}

int TDruckRestForm::Art() const {
  return std::max(0, artGroup_->checkedId());
}

void TDruckRestForm::LadeOptionen() {
  SetzeArt(o_.rda);
}

void TDruckRestForm::SpeichereOptionen() {
  o_.rda = Art();
}

void TDruckRestForm::Drucke(IZeichenflaeche& flaeche) {
  TRestStundenDruck(schule_, Art(), o_).Drucke(flaeche, Bereich());
}

}  // namespace kolvar
