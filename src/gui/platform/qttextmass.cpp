#include "platform/qttextmass.h"

#include <QFontMetrics>

namespace kolvar {

TQtTextMass::TQtTextMass(const QFont& schrift) : schrift_(schrift) {}

TQtTextMass::TQtTextMass(const QString& name, int groesse) : schrift_(name, groesse) {}

int TQtTextMass::TextBreite(std::string_view text) const {
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetrics(schrift_).horizontalAdvance(q);
}

int TQtTextMass::TextHoehe(std::string_view) const {
  return QFontMetrics(schrift_).height();
}

}  // namespace kolvar
