#pragma once
// The moment of the changed-plans filter, as its dialog builds it from day, month, year, hour
// and minute.

#include <cstdint>

namespace kolvar {

// The day made valid for the month: lowered by one up to three times (31.02. -> 28. or 29.).
int PruefeDatum(int jahr, int monat, int tag);

// Seconds from 30.12.1899 of the date (day corrected) and time, seconds 0.
int64_t FilterMoment(int jahr, int monat, int tag, int stunde, int minute);

}  // namespace kolvar
