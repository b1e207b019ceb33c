#include "platform/uhr.h"

#include <QElapsedTimer>

namespace kolvar {

namespace {
const QDate kNullTag(1899, 12, 30);
constexpr std::int64_t kTagSekunden = 86400;

std::int64_t Abgerundet(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
}  // namespace

std::int32_t TagesNummer(const QDate& datum) {
  return static_cast<std::int32_t>(kNullTag.daysTo(datum));
}

QDate DatumAusTagesNummer(std::int32_t tag) {
  return kNullTag.addDays(tag);
}

std::int64_t Sekunden(const QDateTime& zeitpunkt) {
  return std::int64_t{TagesNummer(zeitpunkt.date())} * kTagSekunden +
         zeitpunkt.time().msecsSinceStartOfDay() / 1000;
}

QDateTime ZeitpunktAusSekunden(std::int64_t sekunden) {
  const std::int64_t tag = Abgerundet(sekunden, kTagSekunden);
  const auto rest = static_cast<int>(sekunden - tag * kTagSekunden);
  return QDateTime(DatumAusTagesNummer(static_cast<std::int32_t>(tag)), QTime(0, 0).addSecs(rest));
}

std::int64_t TQtUhr::Jetzt() const {
  return Sekunden(QDateTime::currentDateTime());
}

std::int64_t TQtUhr::Monoton() const {
  static QElapsedTimer start = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return start.elapsed();
}

}  // namespace kolvar
