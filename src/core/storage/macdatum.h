#pragma once
// Dates of the data file: unsigned 32-bit seconds since 1 January 1904 00:00. The program's
// date-times are int64 seconds since 30 December 1899 (day numbers times 86400 plus the time of
// day), so the file's epoch is day 1462.
//
// Reading rounds to hundredths of a day (864 seconds), halves up. Writing is exact, so what was
// read once is written with the bytes it reads back from. A date-time outside the file's range
// (before 1904, or after 6 February 2040 06:28:15) is written as the nearest end of the range
// rather than wrapped around. (The last hundredth of the range rounds to 33 seconds past its
// end; such a value is written as the end, which reads as the same value again.)

#include <cstdint>

namespace kolvar {

inline constexpr int64_t kSekundenProTag = 86400;
inline constexpr int32_t kMacEpochenTag = 1462;  // 1 January 1904
inline constexpr int64_t kMacEpoche = kMacEpochenTag * kSekundenProTag;
inline constexpr int64_t kMacHundertstelTag = kSekundenProTag / 100;
inline constexpr int64_t kMacZeitMax = 0xFFFFFFFF;

constexpr int64_t MacZeitZuDatum(uint32_t sekunden) {
  const int64_t s = sekunden;
  return kMacEpoche + (s + kMacHundertstelTag / 2) / kMacHundertstelTag * kMacHundertstelTag;
}

constexpr uint32_t DatumZuMacZeit(int64_t datumZeit) {
  if (datumZeit <= kMacEpoche) return 0;
  if (datumZeit - kMacEpoche >= kMacZeitMax) return static_cast<uint32_t>(kMacZeitMax);
  return static_cast<uint32_t>(datumZeit - kMacEpoche);
}

}  // namespace kolvar
