#include "print/druckfehlform.h"

#include <QVBoxLayout>

#include "druck/fehlerlistedruck.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

TDruckFehlForm::TDruckFehlForm(TSchule& schule, const QStringList& zeilen, QWidget* eltern)
    : TEinRandDialog(schule, QStringLiteral("Drucke Fehlerliste"), schule.Standard().FehlerListeDruck.Schrift,
                     schule.Standard().FehlerListeDruck.fera, eltern),
      o_(schule.Standard().FehlerListeDruck) {
  // No options of its own: the empty column keeps the caption readable.
  OptionenSpalte()->addStrut(120);
  for (const QString& z : zeilen) zeilen_.push_back(z.toStdString());
}

void TDruckFehlForm::Drucke(IZeichenflaeche& flaeche) {
  TFehlerListeDruck(schule_, o_).Drucke(flaeche, zeilen_);
}

}  // namespace kolvar
