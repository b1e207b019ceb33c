#pragma once
// Dates are day numbers counted from 30.12.1899 (day 0), date-times seconds from the same
// epoch. The calendar tables (the school's week table, free days, calendar weeks) hold 888
// weeks from Monday 27.12.1993 and repeat after that, so every date has an entry.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvar {

constexpr int32_t kKalenderBeginn = 34330;  // Monday 27.12.1993, week index 0
constexpr int kKalenderWochen = 888;
constexpr int kErstesJahr = 1994;  // the years the program plans in
constexpr int kLetztesJahr = 2039;

using TWochenTabelle = std::array<uint8_t, kKalenderWochen>;

struct TKalenderDatum {
  int Jahr = 1899;
  int Monat = 12;
  int Tag = 30;
  bool operator==(const TKalenderDatum&) const = default;
};

namespace detail {
constexpr int32_t BodenDiv(int64_t a, int64_t b) {
  return static_cast<int32_t>(a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0));
}
}  // namespace detail

// Day number of a date of the proleptic Gregorian calendar (no check of the date).
constexpr int32_t TagesNummer(int jahr, int monat, int tag) {
  const int64_t j = jahr - (monat <= 2 ? 1 : 0);
  const int64_t aera = detail::BodenDiv(j, 400);
  const int64_t jde = j - aera * 400;                                            // 0..399
  const int64_t tdj = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;  // day of the March year
  const int64_t tde = jde * 365 + jde / 4 - jde / 100 + tdj;                     // day of the era
  return static_cast<int32_t>(aera * 146097 + tde - 719468 + 25569);             // 25569: 1.1.1970
}

constexpr int32_t kErsterTag = TagesNummer(kErstesJahr, 1, 1);
constexpr int32_t kLetzterTag = TagesNummer(kLetztesJahr, 12, 31);

TKalenderDatum KalenderDatum(int32_t tag);
bool DatumGueltig(int jahr, int monat, int tag);

// Monday = 1 .. Sunday = 7.
int Wochentag(int32_t tag);
// Calendar-week number by ISO 8601 (1..53).
int Kalenderwoche(int32_t tag);
// Index of the week in the 888-week tables, repeating: ((tag - 34330) floor-div 7) mod 888.
int WochenIndex(int32_t tag);
// The day of a date-time.
constexpr int32_t TagDerZeit(int64_t sekunden) {
  return detail::BodenDiv(sekunden, 86400);
}

// The plan version of the week of a date in the school's week table; an entry outside
// 1..versionen counts as version 1.
int VersionDerWoche(int32_t tag, const TWochenTabelle& wochen, int versionen);

// Date and time texts of the settings store: "dd.mm.yy" and "hh:mm:ss". Reading also takes a
// four-digit year and the ISO form "yyyy-mm-dd"; two-digit years below 50 are 20xx.
std::string DatumText(int32_t tag);
// German names of a weekday (1 Monday .. 7 Sunday) and a month (1..12), whole or short ("Mo",
// "Mrz"); out of range: the nearest.
const char* TagName(int wochentag, bool kurz = false);
const char* MonatsName(int monat, bool kurz = false);
std::optional<int32_t> LiesDatumText(std::string_view text);
std::string UhrzeitText(int32_t sekunden);
std::optional<int32_t> LiesUhrzeitText(std::string_view text);

}  // namespace kolvar
