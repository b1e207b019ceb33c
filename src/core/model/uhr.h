#pragma once
// Now and today, injected so tests fix the date. Dates are day numbers from 30.12.1899,
// date-times seconds from the same epoch.

#include <cstdint>

namespace kolvar {

class Uhr {
 public:
  virtual ~Uhr() = default;
  virtual int64_t Jetzt() const = 0;
  int32_t Heute() const {
    return static_cast<int32_t>(Jetzt() >= 0 ? Jetzt() / 86400 : (Jetzt() - 86399) / 86400);
  }

  // Weekday of a day number, Monday = 1 .. Sunday = 7.
  static int Wochentag(int32_t datum);
};

// The machine's clock in local time.
class TSystemUhr : public Uhr {
 public:
  int64_t Jetzt() const override;
};

}  // namespace kolvar
