// Day numbers, weekdays, ISO weeks and the repeating 888-week tables, over every date the
// program plans in (1994..2039).

#include <gtest/gtest.h>

#include "model/datum.h"
#include "model/standard.h"

namespace kolvar {
namespace {

TEST(Datum, FesteTage) {
  struct Fall {
    int j, m, t;
    int32_t nummer;
    int wochentag;
  };
  for (const Fall& f :
       {Fall{1899, 12, 29, -1, 5}, Fall{1899, 12, 30, 0, 6}, Fall{1904, 1, 1, 1462, 5},
        Fall{1993, 12, 27, 34330, 1}, Fall{2000, 1, 1, 36526, 6}, Fall{2026, 12, 6, 46362, 7}}) {
    SCOPED_TRACE(std::to_string(f.j) + "-" + std::to_string(f.m) + "-" + std::to_string(f.t));
    EXPECT_EQ(TagesNummer(f.j, f.m, f.t), f.nummer);
    EXPECT_EQ(KalenderDatum(f.nummer), (TKalenderDatum{f.j, f.m, f.t}));
    EXPECT_EQ(Wochentag(f.nummer), f.wochentag);
  }
  EXPECT_TRUE(DatumGueltig(2024, 2, 29));
  EXPECT_FALSE(DatumGueltig(2023, 2, 29));
  EXPECT_FALSE(DatumGueltig(2000, 13, 1));
  EXPECT_EQ(TagDerZeit(-1), -1);
  EXPECT_EQ(TagDerZeit(86400LL * 34330 + 43200), 34330);
}

// Every day from 1994 to 2039: the date converts both ways, weekdays run on, the ISO week
// changes on Mondays only and counts 1.. within each week-year.
TEST(Datum, JederTag1994Bis2039) {
  int vorigeWoche = Kalenderwoche(kErsterTag - 1);
  for (int32_t tag = kErsterTag; tag <= kLetzterTag; ++tag) {
    const TKalenderDatum d = KalenderDatum(tag);
    ASSERT_EQ(TagesNummer(d.Jahr, d.Monat, d.Tag), tag);
    ASSERT_EQ(Wochentag(tag), Wochentag(tag - 1) % 7 + 1);
    const int woche = Kalenderwoche(tag);
    ASSERT_GE(woche, 1);
    ASSERT_LE(woche, 53);
    if (Wochentag(tag) == 1)
      ASSERT_TRUE(woche == vorigeWoche + 1 || (woche == 1 && vorigeWoche >= 52)) << d.Jahr << "-" << d.Monat;
    else
      ASSERT_EQ(woche, vorigeWoche);
    // Week 1 holds 4 January.
    if (d.Monat == 1 && d.Tag == 4) {
      ASSERT_EQ(woche, 1);
    }
    vorigeWoche = woche;
  }
}

TEST(Datum, KalenderwochenAnJahresgrenzen) {
  struct Fall {
    int j, m, t, woche;
  };
  for (const Fall& f :
       {Fall{1993, 12, 27, 52}, Fall{1998, 12, 28, 53}, Fall{1999, 1, 3, 53}, Fall{1999, 1, 4, 1},
        Fall{2004, 12, 31, 53}, Fall{2010, 1, 3, 53}, Fall{2011, 1, 2, 52}, Fall{2011, 1, 3, 1},
        Fall{2020, 12, 31, 53}, Fall{2021, 1, 3, 53}, Fall{2024, 12, 30, 1}, Fall{2026, 1, 1, 1},
        Fall{2026, 6, 15, 25}, Fall{2026, 12, 31, 53}, Fall{2027, 1, 3, 53}, Fall{2027, 1, 4, 1},
        Fall{2032, 12, 31, 53}, Fall{2039, 12, 31, 52}})
    EXPECT_EQ(Kalenderwoche(TagesNummer(f.j, f.m, f.t)), f.woche) << f.j << "-" << f.m << "-" << f.t;
}

TEST(Datum, WochenIndexWiederholtSich) {
  EXPECT_EQ(WochenIndex(34330), 0);
  EXPECT_EQ(WochenIndex(34336), 0);                      // Sunday 2.1.1994
  EXPECT_EQ(WochenIndex(TagesNummer(2011, 1, 2)), 887);  // last day of the 888th week
  EXPECT_EQ(WochenIndex(TagesNummer(2011, 1, 3)), 0);
  EXPECT_EQ(WochenIndex(34329), 887);  // the week before the table
  EXPECT_EQ(WochenIndex(0), WochenIndex(0 + 7 * 888));
  EXPECT_EQ(WochenIndex(TagesNummer(2026, 3, 4)), WochenIndex(TagesNummer(2026, 3, 4) - 7 * 888));
  for (int32_t tag = kErsterTag - 7 * 888 * 3; tag <= kLetzterTag; tag += 5) {
    const int i = WochenIndex(tag);
    ASSERT_GE(i, 0);
    ASSERT_LT(i, 888);
  }
}

TEST(Datum, VersionDerWoche) {
  TWochenTabelle wochen{};
  for (std::size_t i = 0; i < wochen.size(); ++i) wochen[i] = static_cast<uint8_t>(i % 5);  // 0..4
  wochen[3] = 200;
  for (int32_t tag = kErsterTag; tag <= kLetzterTag; ++tag) {
    const int v = VersionDerWoche(tag, wochen, 3);
    const int eintrag = wochen[static_cast<std::size_t>(WochenIndex(tag))];
    ASSERT_EQ(v, (eintrag >= 1 && eintrag <= 3) ? eintrag : 1);
  }
  const int32_t montag = TagesNummer(1994, 1, 17);  // index 3
  EXPECT_EQ(VersionDerWoche(montag, wochen, 54), 1);
  wochen[3] = 2;
  EXPECT_EQ(VersionDerWoche(montag, wochen, 54), 2);
  EXPECT_EQ(VersionDerWoche(montag + 6, wochen, 54), 2);
  EXPECT_EQ(VersionDerWoche(montag + 7 * 888, wochen, 54), 2);      // March 2011
  EXPECT_EQ(VersionDerWoche(montag + 7 * 888 * 2, wochen, 54), 2);  // 2028
  EXPECT_EQ(VersionDerWoche(montag, wochen, 1), 1);
}

TEST(Datum, FreieTageUndSchultage) {
  TStandard s;
  const int32_t mittwoch = TagesNummer(2026, 3, 4);
  EXPECT_FALSE(s.IstFreierTag(mittwoch));
  TWochenTabelle frei{};
  frei[static_cast<std::size_t>(WochenIndex(mittwoch))] = 1u << 2;
  s.SetFreieTage(frei);
  EXPECT_TRUE(s.IstFreierTag(mittwoch));
  EXPECT_FALSE(s.IstFreierTag(mittwoch - 1));
  EXPECT_FALSE(s.IstFreierTag(mittwoch + 7));
  EXPECT_TRUE(s.IstFreierTag(mittwoch - 7 * 888));  // the same entry in 2009
  int freie = 0;
  for (int32_t tag = kErsterTag; tag <= kLetzterTag; ++tag) freie += s.IstFreierTag(tag) ? 1 : 0;
  EXPECT_GE(freie, 2);  // the entry recurs every 888 weeks
  s.mtn = 5;
  EXPECT_TRUE(s.AusserhalbSchultage(TagesNummer(2026, 3, 7)));
  EXPECT_FALSE(s.AusserhalbSchultage(TagesNummer(2026, 3, 6)));
  s.mtn = 6;
  EXPECT_FALSE(s.AusserhalbSchultage(TagesNummer(2026, 3, 7)));
  EXPECT_TRUE(s.AusserhalbSchultage(TagesNummer(2026, 3, 8)));
}

TEST(Datum, Texte) {
  EXPECT_EQ(DatumText(TagesNummer(1994, 1, 1)), "01.01.94");
  EXPECT_EQ(DatumText(TagesNummer(2039, 12, 31)), "31.12.39");
  for (int32_t tag = kErsterTag; tag <= kLetzterTag; tag += 3) ASSERT_EQ(LiesDatumText(DatumText(tag)), tag);
  EXPECT_EQ(LiesDatumText("1.2.2026"), TagesNummer(2026, 2, 1));
  EXPECT_EQ(LiesDatumText(" 2026-02-01 "), TagesNummer(2026, 2, 1));
  for (const char* falsch : {"", "1.2", "1.2.3.4", "29.02.23", "01.01.094", "aa.bb.cc", "1..94", "2026-2-1x",
                             "12026-01-01", "01/01/94"})
    EXPECT_FALSE(LiesDatumText(falsch)) << falsch;
  EXPECT_EQ(UhrzeitText(0), "00:00:00");
  EXPECT_EQ(UhrzeitText(45296), "12:34:56");
  EXPECT_EQ(LiesUhrzeitText("12:34:56"), 45296);
  EXPECT_EQ(LiesUhrzeitText("7:05"), 7 * 3600 + 5 * 60);
  for (const char* falsch : {"", "24:00:00", "12:60", "12", "1:2:3:4", "ab:cd"})
    EXPECT_FALSE(LiesUhrzeitText(falsch)) << falsch;
}

}  // namespace
}  // namespace kolvar
