#include "print/druckkueform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "druck/kuerzeldruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TDruckKueForm::TDruckKueForm(TSchule& schule, QWidget* eltern)
    : TListenDruckDialog(schule, QStringLiteral("Kürzel drucken"), schule.Standard().KuerzelDruck.Schrift,
                         schule.Standard().KuerzelDruck.ran, eltern),
      o_(schule.Standard().KuerzelDruck) {
  auto* box = new QGroupBox(QStringLiteral("Kürzelart"), this);
  auto* spalte = new QVBoxLayout(box);
  const std::array<const char*, 6> texte{"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "UV-Tabellen"};
  const std::array<const char*, 6> namen{"LeCheck", "KlCheck", "KoCheck", "FaCheck", "RaCheck", "UVCheck"};
  for (std::size_t i = 0; i < 6; ++i) {
    checks_[i] = new QCheckBox(QString::fromUtf8(texte[i]), box);
    checks_[i]->setObjectName(QString::fromUtf8(namen[i]));
    spalte->addWidget(checks_[i]);
  }
  OptionenSpalte()->addWidget(box);
  OptionenSpalte()->addStretch(1);
}

std::array<bool*, 6> TDruckKueForm::Werte() const {
  return {&o_.kle, &o_.kkl, &o_.kko, &o_.kfa, &o_.kra, &o_.kuv};
}

void TDruckKueForm::LadeOptionen() {
  const auto werte = Werte();
  for (std::size_t i = 0; i < 6; ++i) checks_[i]->setChecked(*werte[i]);
}

void TDruckKueForm::SpeichereOptionen() {
  const auto werte = Werte();
  for (std::size_t i = 0; i < 6; ++i) *werte[i] = checks_[i]->isChecked();
}

void TDruckKueForm::Drucke(IZeichenflaeche& flaeche) {
  TKuerzelDruck(schule_, o_).Drucke(flaeche);
}

}  // namespace kolvar
