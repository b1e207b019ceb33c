// Now and today for the program, replaceable so that tests fix the date.
#pragma once

#include <QDate>
#include <QDateTime>
#include <cstdint>

#include "model/uhr.h"

namespace kolvar {

// Day numbers count from 30.12.1899 (34330 is Monday 27.12.1993); date-times are seconds from the
// same midnight, in local time.
std::int32_t TagesNummer(const QDate& datum);
QDate DatumAusTagesNummer(std::int32_t tag);
std::int64_t Sekunden(const QDateTime& zeitpunkt);
QDateTime ZeitpunktAusSekunden(std::int64_t sekunden);

// The program's clock is the core's, with a clock beside it that never jumps.
class IUhr : public Uhr {
 public:
  // Milliseconds of a clock that never jumps (intervals such as the save reminder).
  virtual std::int64_t Monoton() const = 0;
};

class TQtUhr : public IUhr {
 public:
  std::int64_t Jetzt() const override;
  std::int64_t Monoton() const override;
};

}  // namespace kolvar
