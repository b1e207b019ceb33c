// The choice windows' heights: the rows follow the list but never fall below what "pst" needs,
// the day plan stays within 1..16 periods and always shows the record's period.
#include "ansicht/wahlfenstermass.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(WahlFensterMass, LehrerUndRaumNachZeilenUndPst) {
  // Few teachers: pst - 1 rows; many: one row each, the plan capped at 16.
  EXPECT_EQ(LehrerWahlMass(2, 6, 16, 1).Zeilen, 5);
  EXPECT_EQ(LehrerWahlMass(2, 6, 16, 1).Hoehe, 5 * 17 + 298);
  EXPECT_EQ(LehrerWahlMass(2, 6, 16, 1).PlanZeilen, 6);
  EXPECT_EQ(LehrerWahlMass(40, 6, 16, 1).Zeilen, 40);
  EXPECT_EQ(LehrerWahlMass(40, 6, 16, 1).Hoehe, 40 * 17 + 298);
  EXPECT_EQ(LehrerWahlMass(40, 6, 16, 1).PlanZeilen, 16);
  EXPECT_EQ(RaumWahlMass(0, 6, 16, 1).Zeilen, 11);
  EXPECT_EQ(RaumWahlMass(0, 6, 16, 1).Hoehe, 11 * 17 + 190);
  EXPECT_EQ(RaumWahlMass(0, 6, 16, 1).PlanZeilen, 6);
  EXPECT_EQ(RaumWahlMass(30, 6, 16, 1).PlanZeilen, 16);
}

TEST(WahlFensterMass, RandwerteUndDieEigeneStunde) {
  // pst 1 and an empty list still give one row and one period.
  EXPECT_EQ(LehrerWahlMass(0, 1, 16, 0).Zeilen, 1);
  EXPECT_EQ(LehrerWahlMass(0, 1, 16, 0).PlanZeilen, 1);
  // Out-of-range inputs are clamped, never negative.
  EXPECT_GE(LehrerWahlMass(-3, -1, -5, -2).Hoehe, 298);
  EXPECT_EQ(RaumWahlMass(0, 99, 16, 0).Zeilen, 21);
  EXPECT_EQ(RaumWahlMass(0, 99, 16, 0).PlanZeilen, 16);
  // A record in period 9 of a six-period day keeps its period in the plan.
  EXPECT_EQ(LehrerWahlMass(2, 6, 16, 9).PlanZeilen, 9);
  EXPECT_EQ(RaumWahlMass(2, 6, 16, 9).PlanZeilen, 9);
  EXPECT_EQ(RaumWahlMass(2, 6, 16, 20).PlanZeilen, 16);
}

}  // namespace
}  // namespace kolvar
