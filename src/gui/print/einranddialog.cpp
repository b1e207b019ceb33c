#include "print/einranddialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

namespace kolvar {

TEinRandDialog::TEinRandDialog(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand,
                               QWidget* eltern)
    : TDruckDialog(schule, caption, schrift, {&rand, &ohne_[0], &ohne_[1], &ohne_[2]}, eltern) {
  auto* box = qobject_cast<QGroupBox*>(RandSpin(0)->parentWidget());
  auto* gitter = box != nullptr ? qobject_cast<QGridLayout*>(box->layout()) : nullptr;
  if (gitter == nullptr) return;
  box->setTitle(QStringLiteral("linker Rand [cm]"));
  for (int i = 0; i < gitter->count(); ++i) {
    QWidget* w = gitter->itemAt(i)->widget();
    if (w != nullptr && w != RandSpin(0)) w->hide();
  }
}

}  // namespace kolvar
