#include "storage/macdatum.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

#include "storage/macfarbe.h"

namespace kolvar {
namespace {

using namespace std::chrono;

// Day number (days since 30.12.1899) of a calendar date, computed independently of our constants.
int64_t Tag(int j, unsigned m, unsigned t) {
  return (sys_days{year{j} / month{m} / day{t}} - sys_days{year{1899} / December / day{30}}).count();
}

int64_t Zeit(int j, unsigned m, unsigned t, int h = 0, int min = 0, int s = 0) {
  return Tag(j, m, t) * kSekundenProTag + h * 3600 + min * 60 + s;
}

TEST(MacDatum, Epochen) {
  EXPECT_EQ(Tag(1904, 1, 1), kMacEpochenTag);
  EXPECT_EQ(Tag(1993, 12, 27), 34330);
  EXPECT_EQ(weekday{sys_days{year{1993} / December / day{27}}}, Monday);
  EXPECT_EQ(MacZeitZuDatum(0), Zeit(1904, 1, 1));
  EXPECT_EQ(DatumZuMacZeit(Zeit(1904, 1, 1)), 0u);
  EXPECT_EQ(DatumZuMacZeit(Zeit(2000, 1, 1)), 3029529600u);
  EXPECT_EQ(MacZeitZuDatum(3029529600u), Zeit(2000, 1, 1));
  // Noon, where substitution planning keeps its dates, is a whole hundredth of a day.
  EXPECT_EQ(MacZeitZuDatum(DatumZuMacZeit(Zeit(2026, 12, 6, 12))), Zeit(2026, 12, 6, 12));
}

TEST(MacDatum, LesenRundetAufHundertstelTage) {
  const int64_t tag = Zeit(2024, 2, 29);
  const uint32_t basis = DatumZuMacZeit(tag);
  EXPECT_EQ(MacZeitZuDatum(basis + 431), tag);
  EXPECT_EQ(MacZeitZuDatum(basis + 432), tag + 864);  // a half rounds up
  EXPECT_EQ(MacZeitZuDatum(basis + 863), tag + 864);
  EXPECT_EQ(MacZeitZuDatum(basis + 36000), Zeit(2024, 2, 29, 10, 4, 48));  // 10:00 = 41.67/100 day
  EXPECT_EQ(MacZeitZuDatum(basis + 86399), tag + kSekundenProTag);         // 23:59:59 is the next day

  // Every second of a day: reading is at most half a hundredth off, and what was read once is
  // written and read again unchanged (loading and saving does not move a date).
  for (int64_t s = 0; s < kSekundenProTag; ++s) {
    const int64_t gelesen = MacZeitZuDatum(DatumZuMacZeit(tag + s));
    ASSERT_LE(std::abs(gelesen - (tag + s)), 432) << s;
    ASSERT_EQ(gelesen % kMacHundertstelTag, 0);
    ASSERT_EQ(MacZeitZuDatum(DatumZuMacZeit(gelesen)), gelesen) << s;
  }
}

TEST(MacDatum, AusserhalbDesBereichsWirdBegrenzt) {
  // Before 1904: the first moment of the range, not a wrapped-around date in 2040.
  EXPECT_EQ(DatumZuMacZeit(Zeit(1903, 12, 31, 23, 59, 59)), 0u);
  EXPECT_EQ(DatumZuMacZeit(Zeit(1899, 12, 30)), 0u);
  EXPECT_EQ(DatumZuMacZeit(-1), 0u);
  EXPECT_EQ(DatumZuMacZeit(std::numeric_limits<int64_t>::min()), 0u);

  // The last second the file can hold is 6 February 2040 06:28:15.
  const int64_t ende = Zeit(2040, 2, 6, 6, 28, 15);
  EXPECT_EQ(DatumZuMacZeit(ende), 0xFFFFFFFFu);
  EXPECT_EQ(DatumZuMacZeit(ende - 1), 0xFFFFFFFEu);
  EXPECT_EQ(DatumZuMacZeit(ende + 1), 0xFFFFFFFFu);
  EXPECT_EQ(DatumZuMacZeit(Zeit(2041, 1, 1)), 0xFFFFFFFFu);
  EXPECT_EQ(DatumZuMacZeit(std::numeric_limits<int64_t>::max()), 0xFFFFFFFFu);
  // The last value rounds up to the hundredth just past the end; that is written as the end
  // again, so loading and saving stays stable there too.
  const int64_t gelesen = MacZeitZuDatum(0xFFFFFFFFu);
  EXPECT_EQ(gelesen, Zeit(2040, 2, 6, 6, 28, 48));
  EXPECT_EQ(DatumZuMacZeit(gelesen), 0xFFFFFFFFu);
  EXPECT_EQ(MacZeitZuDatum(DatumZuMacZeit(gelesen)), gelesen);
  EXPECT_EQ(DatumZuMacZeit(Zeit(2039, 12, 31)), uint32_t(Zeit(2039, 12, 31) - kMacEpoche));
}

TEST(MacFarbe, KomponentenImHohenByte) {
  EXPECT_EQ(ColorZuMacFarbe(0x00FF8000), (TMacFarbe{0x0000, 0x8000, 0xFF00}));
  EXPECT_EQ(MacFarbeZuColor(0x1234, 0x5678, 0x9ABC), 0x009A5612u);  // low bytes ignored
  EXPECT_EQ(MacFarbeZuColor(0xFFFF, 0xFFFF, 0xFFFF), 0x00FFFFFFu);
  // Not a plain colour: the top byte is not stored.
  const TMacFarbe f = ColorZuMacFarbe(0x80123456);
  EXPECT_EQ(MacFarbeZuColor(f.rot, f.gruen, f.blau), 0x00123456u);
  for (uint32_t k = 0; k < 256; ++k)
    for (uint32_t farbe : {k, k << 8, k << 16, k * 0x010101u, (k * 0x4F1BBCDu) & 0xFFFFFFu}) {
      const TMacFarbe m = ColorZuMacFarbe(farbe);
      ASSERT_EQ(MacFarbeZuColor(m.rot, m.gruen, m.blau), farbe);
    }
}

}  // namespace
}  // namespace kolvar
