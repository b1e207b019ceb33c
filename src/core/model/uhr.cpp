#include "model/uhr.h"

#include <chrono>
#include <ctime>

namespace kolvar {

int64_t TSystemUhr::Jetzt() const {
  const std::time_t t = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&t, &lokal);
  // Days from 30.12.1899 to the civil date, then the time of day.
  const std::chrono::year_month_day tag{std::chrono::year{lokal.tm_year + 1900},
                                        std::chrono::month{static_cast<unsigned>(lokal.tm_mon + 1)},
                                        std::chrono::day{static_cast<unsigned>(lokal.tm_mday)}};
  const std::chrono::sys_days epoche{std::chrono::year{1899} / 12 / 30};
  const int64_t tage = (std::chrono::sys_days{tag} - epoche).count();
  return tage * 86400 + lokal.tm_hour * 3600 + lokal.tm_min * 60 + lokal.tm_sec;
}

int Uhr::Wochentag(int32_t datum) {
  // Day 34330 was a Monday.
  int rest = (datum - 34330) % 7;
  if (rest < 0) rest += 7;
  return rest + 1;
}

}  // namespace kolvar
