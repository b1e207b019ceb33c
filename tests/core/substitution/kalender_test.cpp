// The calendar without its window: the month grid over the repeating tables, its limits, and
// the working copies that reach the school only when taken over.

#include "substitution/kalender.h"
#include "model/lehrer.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using Kalender = VertretungsTest;

TEST_F(Kalender, ZeigtDenHeutigenMonat) {
  const TKalender k(Schule());
  EXPECT_EQ(k.Jahr(), 2026);
  EXPECT_EQ(k.Monat(), 3);
  EXPECT_EQ(MonatsTitel(k.Jahr(), k.Monat()), "März 2026");
  // 1 March 2026 is a Sunday: the first column's last row; Monday 30 March opens the sixth.
  EXPECT_EQ(k.Montag(1), TagesNummer(2026, 2, 23));
  EXPECT_EQ(k.Tag(1, TKalender::kErsteTagZeile), 0);
  EXPECT_EQ(k.Tag(1, TKalender::kErsteTagZeile + 6), 1);
  EXPECT_EQ(k.Tag(6, TKalender::kErsteTagZeile), 30);
  EXPECT_EQ(k.Tag(6, TKalender::kErsteTagZeile + 2), 0);
  EXPECT_EQ(k.Datum(2, TKalender::kErsteTagZeile), kMontag);
  EXPECT_EQ(k.Kalenderwoche(2), 10);
  EXPECT_EQ(k.Version(2), 1);
  // Outside the grid there is no day.
  EXPECT_EQ(k.Datum(0, 2), 0);
  EXPECT_EQ(k.Datum(7, 2), 0);
  EXPECT_EQ(k.Datum(1, 9), 0);
  EXPECT_EQ(k.Datum(1, 1), 0);
}

TEST_F(Kalender, BlaetternBleibtInDenPlanungsjahren) {
  TKalender k(Schule());
  struct Fall {
    int jahr, monat, schritt, zuJahr, zuMonat;
  };
  for (const Fall& f : {Fall{1994, 1, -1, 1994, 1}, Fall{1994, 2, -1, 1994, 1}, Fall{2039, 12, 1, 2039, 12},
                        Fall{2026, 12, 1, 2027, 1}, Fall{2027, 1, -1, 2026, 12}, Fall{1990, 6, 0, 1994, 1},
                        Fall{2100, 6, 0, 2039, 12}}) {
    k.ZeigeMonat(f.jahr, f.monat);
    k.Blaettere(f.schritt);
    EXPECT_EQ(k.Jahr(), f.zuJahr) << f.jahr << "-" << f.monat;
    EXPECT_EQ(k.Monat(), f.zuMonat) << f.jahr << "-" << f.monat;
  }
  // Every month reads inside the tables, also where they end and begin again (December 2010).
  for (k.ZeigeMonat(1994, 1);; k.Blaettere(1)) {
    for (int s = 1; s <= TKalender::kWochenSpalten; ++s) {
      EXPECT_EQ(k.Version(s), 1);
      EXPECT_EQ(k.Kalenderwoche(s), Kalenderwoche(k.Montag(s)));
    }
    if (k.Jahr() == 2039 && k.Monat() == 12) break;
  }
  k.ZeigeMonat(2010, 12);
  EXPECT_EQ(k.Kalenderwoche(6), 1);  // the week of 3 January 2011
}

TEST_F(Kalender, MarkierenNachDemStartTag) {
  TKalender k(Schule());
  const int mo = TKalender::kErsteTagZeile;
  // Tuesday to Thursday of the second week become free.
  EXPECT_TRUE(k.MarkiereBereich(2, mo + 1, 2, mo + 3));
  EXPECT_EQ(k.Tag(2, mo + 1), -3);
  EXPECT_EQ(k.Tag(2, mo + 3), -5);
  EXPECT_EQ(k.Tag(2, mo), 2);
  // Started on a free day, a wider range becomes school days again.
  EXPECT_TRUE(k.MarkiereBereich(2, mo + 2, 3, mo));
  for (int s = 2; s <= 3; ++s)
    for (int z = mo; z <= mo + 2; ++z) EXPECT_GT(k.Tag(s, z), 0) << s << " " << z;
  EXPECT_EQ(k.Tag(2, mo + 3), -5);  // outside the range
  // A start off the month's days, or on a fixed row, marks nothing.
  EXPECT_FALSE(k.MarkiereBereich(1, mo, 2, mo + 6));
  EXPECT_FALSE(k.MarkiereBereich(2, 0, 2, mo + 6));
  EXPECT_EQ(Schule().Standard().FreieTage, TWochenTabelle{});
}

TEST_F(Kalender, ArbeitskopienErstBeiOk) {
  Schule().ErweiterePlanversionen(2);
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->mue, kDienstag, 2);
  Fehlt(s->mue, kMontag + 7, 2);
  TVertretung* dienstag = EineVertretung(s->deutsch5a, kDienstag);
  ASSERT_TRUE(dienstag && dienstag->SetzeVertreter(s->sch));
  ASSERT_EQ(s->sch->VStd1(), 2);
  const auto wochen = Schule().WochenTabelle();

  TKalender k(Schule());
  const int mo = TKalender::kErsteTagZeile;
  k.MarkiereBereich(2, mo + 1, 2, mo + 1);  // Tuesday free
  k.SetzeVersion(3, 2);                     // the next week in version 2
  k.SetzeVersion(3, 3);                     // no such version: kept
  EXPECT_EQ(k.Version(3), 2);
  EXPECT_EQ(Schule().WochenTabelle(), wochen);
  EXPECT_FALSE(Schule().Standard().IstFreierTag(kDienstag));
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 3);

  Schule().SetzeGeaendert(false);
  k.Uebernimm(Schule());
  EXPECT_TRUE(Schule().Geaendert());
  EXPECT_TRUE(Schule().Standard().IstFreierTag(kDienstag));
  EXPECT_EQ(Schule().VersionDerWoche(kMontag + 7), 2);
  ASSERT_EQ(Schule().Vertretungen().Anzahl(), 1);
  EXPECT_EQ(Schule().Vertretungen().Hole(1)->Datum(), kMontag);
  EXPECT_EQ(s->sch->VStd1(), 0);  // the deleted record's substitute lost its credit
  EXPECT_EQ(s->sch->VStd2(), 0);
}

}  // namespace
}  // namespace kolvar
