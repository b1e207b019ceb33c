#include "print/druckvstdform.h"

#include <QLabel>
#include <QSpinBox>

#include "druck/vertrlistendruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

void NurLinkerRand(TDruckDialog& dialog) {
  QWidget* box = dialog.RandSpin(0)->parentWidget();
  for (int i = 1; i < 4; ++i) dialog.RandSpin(i)->hide();
  for (QLabel* l : box->findChildren<QLabel*>())
    if (l->text() != QStringLiteral("links")) l->hide();
}

TDruckVStdForm::TDruckVStdForm(TSchule& schule, QWidget* eltern)
    : TDruckDialog(
          schule, QStringLiteral("Vertretene Stunden drucken"),
          schule.Standard().VertretungsStundenDruck.Schrift,
          {&schule.Standard().VertretungsStundenDruck.Rand, &ungenutzt_[0], &ungenutzt_[1], &ungenutzt_[2]},
          eltern) {
  NurLinkerRand(*this);
  setMinimumWidth(340);  // room for the caption
}

bool TDruckVStdForm::HatInhalt() const {
  return !schule_.Lehrer().Leer();
}

void TDruckVStdForm::Drucke(IZeichenflaeche& flaeche) {
  DruckeVertreteneStunden(flaeche, schule_, schule_.Standard().VertretungsStundenDruck);
}

}  // namespace kolvar
