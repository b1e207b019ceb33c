#include "masterdata/farbwahl.h"

#include <QColor>
#include <QColorDialog>
#include <algorithm>

#include "model/standard.h"

namespace kolvar {

QColor AlsFarbe(uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

namespace {

uint32_t AlsWert(const QColor& c) {
  return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
         static_cast<uint32_t>(c.blue()) << 16;
}

}  // namespace

bool FarbDialogMitEigenenFarben(TStandard& standard, uint32_t& farbe, QWidget* eltern) {
  const int n = std::min(QColorDialog::customCount(), static_cast<int>(standard.cfa.size()));
  for (int i = 0; i < n; ++i)
    QColorDialog::setCustomColor(i, AlsFarbe(standard.cfa[static_cast<std::size_t>(i)]));
  const QColor wahl = QColorDialog::getColor(AlsFarbe(farbe), eltern, QStringLiteral("Farbe"));
  for (int i = 0; i < n; ++i)
    standard.cfa[static_cast<std::size_t>(i)] = AlsWert(QColorDialog::customColor(i));
  if (!wahl.isValid()) return false;
  farbe = AlsWert(wahl);
  return true;
}

}  // namespace kolvar
