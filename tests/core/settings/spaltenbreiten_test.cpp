#include <gtest/gtest.h>

#include "model/standard.h"
#include "storage/einstellungenimspeicher.h"

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

// The plans' period column: "psb" as long as the labels of the version shown fit, else the widest
// of them; "psb" itself is left alone.
TEST(Spaltenbreiten, StundenspalteNachDenLabels) {
  TStandard s;
  s.PlanFenster.pkf = false;
  s.PlanFenster.psb = 40;
  s.SetVersionszahl(2);
  EXPECT_EQ(s.StundenSpalte(Breite), 40);
  s.SetStundenBezeichnungen(2, {"7:45 Uhr", "8:35 - 9:20 ab"});
  EXPECT_EQ(s.StundenSpalte(Breite), 40) << "version 1 is shown";
  s.SetAktuelleVersion(2);
  EXPECT_EQ(s.StundenSpalte(Breite), 14 * 6 + 3);
  s.PlanFenster.pkf = true;  // measured as the other widths are
  EXPECT_EQ(s.StundenSpalte(Breite), 14 * 7 + 3);
  s.PlanFenster.psb = 200;
  EXPECT_EQ(s.StundenSpalte(Breite), 200);
  EXPECT_EQ(s.PlanFenster.psb, 200);
}

std::array<int, 15> Breiten(const TStandard& s) {
  const auto& p = s.PlanFenster;
  const auto& d = s.DeputatFenster;
  return {p.plb, p.pkb, p.pob, p.pfb, p.prb, p.ptb, p.psb, p.pwb,
          d.dlb, d.dkb, d.dob, d.dfb, d.drb, d.dwb, d.dsb};
}

// Computed widths are ones the store keeps: after a restart every column is as wide as before.
TEST(Spaltenbreiten, UeberstehenDenNeustart) {
  const std::string lang(2000, 'W');
  const TKuerzelListen leer{};
  const TKuerzelListen breit{std::vector<std::string>{lang}, {lang}, {lang}, {lang}, {lang}};
  struct Fall {
    int proZeichen;  // pixels per character
    const TKuerzelListen* kuerzel;
    std::string text;  // every day abbreviation and period label
  };
  for (const Fall& f :
       {Fall{0, &leer, ""}, Fall{1, &breit, "W"}, Fall{6, &breit, lang}, Fall{600, &breit, "W"}}) {
    const TTextBreite breite = [&f](std::string_view text, const TSchrift&, bool) {
      return static_cast<int>(text.size()) * f.proZeichen;
    };
    TStandard s;
    s.vkm = 3;
    s.nkm = 3;
    s.SetTagKuerzel({f.text, f.text, f.text, f.text, f.text, f.text, f.text});
    s.SetStundenBezeichnungen(1, {f.text});
    s.BerechneSpaltenbreiten(breite, *f.kuerzel);
    s.BerechneListenbreiten(breite, *f.kuerzel);
    TEinstellungenImSpeicher speicher;
    ASSERT_TRUE(s.SpeichereEinstellungen(speicher));
    TStandard neu;
    neu.LadeEinstellungen(speicher);
    EXPECT_EQ(Breiten(neu), Breiten(s)) << f.proZeichen << " Pixel je Zeichen";
  }
}

}  // namespace
}  // namespace kolvar
