#include "platform/schriftbreite.h"

#include <QFontMetrics>
#include <algorithm>

namespace kolvar {

QFont QtSchrift(const TSchrift& schrift, bool fett) {
  QFont f(QString::fromStdString(schrift.Name));
  f.setPointSize(std::max(1, std::abs(schrift.Groesse)));
  f.setBold(fett);
  return f;
}

int SchriftBreite(std::string_view text, const TSchrift& schrift, bool fett) {
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetrics(QtSchrift(schrift, fett)).horizontalAdvance(q);
}

}  // namespace kolvar
