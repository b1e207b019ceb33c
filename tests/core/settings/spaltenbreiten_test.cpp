#include <gtest/gtest.h>

#include "model/standard.h"

namespace kolvar {
namespace {

// 6 pixels per character, 7 in bold; the font size counts as one pixel per point.
int Breite(std::string_view text, const TSchrift& schrift, bool fett) {
  return static_cast<int>(text.size()) * (fett ? 7 : 6) + (schrift.Groesse - 8);
}

TEST(Spaltenbreiten, Planfenster) {
  TStandard s;
  s.PlanFenster.pkf = false;
  s.PlanFenster.Schrift.Groesse = 10;
  s.SetVersionszahl(2);
  s.SetAktuelleVersion(2);
  s.SetStundenBezeichnungen(2, {"07:45-08:30"});
  const TKuerzelListen kuerzel{std::vector<std::string>{"Mü", "ABCDEFG"}, {"5a"}, {}, {"M", "D"}, {"R101"}};
  s.BerechneSpaltenbreiten(Breite, kuerzel);
  EXPECT_EQ(s.PlanZeilenHoehe, 22);  // round(10 * 1.65) + 5
  EXPECT_EQ(s.PlanFenster.plb, 7 * 6 + 2 + 3);
  EXPECT_EQ(s.PlanFenster.pkb, 2 * 6 + 2 + 3);
  EXPECT_EQ(s.PlanFenster.pob, 13);  // nothing to measure: the least width
  EXPECT_EQ(s.PlanFenster.pfb, 13);
  EXPECT_EQ(s.PlanFenster.prb, 4 * 6 + 2 + 3);
  EXPECT_EQ(s.PlanFenster.psb, 11 * 6 + 2 + 3);   // labels of the current version
  EXPECT_EQ(s.PlanFenster.pwb, 3 * (6 + 2) + 5);  // vkm 2 + nkm 1 widths of "9"
  EXPECT_EQ(s.GetPlnMaxBreite(), s.PlanFenster.plb);
  s.PlanFenster.pkf = true;  // couplings bold: measured bold
  s.BerechneSpaltenbreiten(Breite, kuerzel);
  EXPECT_EQ(s.PlanFenster.prb, 4 * 7 + 2 + 3);
}

TEST(Spaltenbreiten, Deputatfenster) {
  TStandard s;
  const TKuerzelListen kuerzel{std::vector<std::string>{"ABCDEFG"}, {}, {}, {}, {}};
  s.nkm = 0;
  s.vkm = 1;
  s.BerechneListenbreiten(Breite, kuerzel);
  EXPECT_EQ(s.ListenZeilenHoehe, 21);
  EXPECT_EQ(s.DeputatFenster.dlb, 7 * 6 + 3);
  EXPECT_EQ(s.DeputatFenster.dkb, 6 * 6);  // "Klasse"
  EXPECT_EQ(s.DeputatFenster.dob, 8 * 6);  // "Kopplung"
  EXPECT_EQ(s.DeputatFenster.dsb, 3 * 6 + 3);
  EXPECT_EQ(s.DeputatFenster.dwb, 4 * 6);  // at least "Wert"
}

}  // namespace
}  // namespace kolvar
