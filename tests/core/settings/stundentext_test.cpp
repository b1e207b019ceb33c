#include "model/stundentext.h"

#include <gtest/gtest.h>

#include "model/standard.h"

namespace kolvar {
namespace {

TEST(FormatiereStunden, Faelle) {
  struct Fall {
    int64_t wert;
    int vor, nach, dvs;
    const char* text;
  };
  for (const Fall& f : {
           Fall{7, 2, 2, 4, " 1,75"},  // quarter hours
           Fall{24, 2, 1, 1, "24,0"},
           Fall{5, 2, 1, 2, " 2,5"},
           Fall{1, 2, 0, 3, "  0"},   // no decimals: no comma
           Fall{2, 1, 0, 3, " 1"},    // 0.667 rounds up
           Fall{1, 1, 2, 8, "0,13"},  // 0.125: half away from zero
           Fall{-1, 1, 2, 8, "-0,13"},
           Fall{-3, 2, 1, 2, "-1,5"},
           Fall{-1, 2, 1, 100, " 0,0"},  // rounds to zero: no sign
           Fall{12345, 2, 1, 1, "12345,0"},
           Fall{1, 3, 3, 100, "  0,010"},
           Fall{5, 2, 1, 0, " 5,0"},    // a unit of 0 counts as 1
           Fall{5, 2, 9, 1, " 5,000"},  // at most 3 decimals
           Fall{0, 3, 1, 7, "  0,0"},
       })
    EXPECT_EQ(FormatiereStunden(f.wert, f.vor, f.nach, f.dvs), f.text)
        << f.wert << " " << f.vor << " " << f.nach << " " << f.dvs;
}

TEST(FormatiereStunden, NachEinstellungen) {
  TStandard s;
  EXPECT_EQ(FormatiereStunden(24, s), "24,0");
  s.dvs = 60;
  s.vkm = 3;
  s.nkm = 2;
  EXPECT_EQ(FormatiereStunden(90, s), "  1,50");
}

TEST(ZeitText, Faelle) {
  TStandard s;
  EXPECT_EQ(ZeitText(s, 1, 1, 1), "{1} Mo  1");
  s.SetStundenBezeichnungen(2, {"1.", "2.", "3.", "8:00-8:45"});
  EXPECT_EQ(ZeitText(s, 2, 3, 4), "{2} Mi 8:00-8:45");
  EXPECT_EQ(ZeitText(s, 1, 7, 16), "{1} So 16");
  EXPECT_EQ(ZeitText(s, 2, 7, 16), "{2} So ");  // labels not given are empty
  EXPECT_EQ(ZeitText(s, 2, 8, 4), "{2}  8:00-8:45");
  EXPECT_EQ(ZeitText(s, 55, 1, 1), "{55} Mo ");
  EXPECT_EQ(ZeitText(s, 1, 1, 0), "{1} Mo ");
}

}  // namespace
}  // namespace kolvar
