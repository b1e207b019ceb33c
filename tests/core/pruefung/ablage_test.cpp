// Clipboard texts the planning windows accept, and the widest texts of the column layout.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "druck/breiten.h"
#include "engine/ablage.h"
#include "model/itextmass.h"
#include "model/text.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using Zeilen = std::vector<std::string>;

TEST(Ablage, ZeilenUndNamen) {
  EXPECT_EQ(AblageZeilen("a\r\nb\nc\rd"), (Zeilen{"a", "b", "c", "d"}));
  EXPECT_EQ(AblageZeilen("a\n"), Zeilen{"a"});
  EXPECT_EQ(AblageZeilen("a\r\n\r\n"), (Zeilen{"a", ""}));
  EXPECT_EQ(AblageZeilen(""), Zeilen{});

  EXPECT_TRUE(AblageIstName(std::string(21, 'x')));
  EXPECT_TRUE(AblageIstName(std::string(21, 'x') + "\n"));
  EXPECT_FALSE(AblageIstName(std::string(22, 'x')));
  EXPECT_TRUE(AblageIstName("Müllerstraße Übungsrä"));  // 21 characters, more bytes
  EXPECT_FALSE(AblageIstName("eins\r\nzwei"));
  EXPECT_FALSE(AblageIstName(""));
  EXPECT_TRUE(AblageIstBemerkung(std::string(61, 'x')));
  EXPECT_FALSE(AblageIstBemerkung(std::string(62, 'x')));
}

std::string Kurszeile(std::vector<std::string> felder) {
  std::string s;
  for (std::size_t i = 0; i < felder.size(); ++i) s += (i ? "\t" : "") + felder[i];
  return s;
}

TEST(Ablage, Kursliste) {
  const std::vector<std::string> gut = {"1", "2", "MUE", "De", "5a", "",     "R101", std::string(21, 'i'),
                                        "",  "",  "",    "",   "",   "FALSE"};
  EXPECT_TRUE(AblageIstKursliste(""));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut)));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\r\n" + Kurszeile(gut) + "\n"));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\r" + Kurszeile(gut)));
  auto mit = [&gut](std::size_t f, std::string text) {
    std::vector<std::string> z = gut;
    z[f] = std::move(text);
    return Kurszeile(z);
  };
  EXPECT_FALSE(AblageIstKursliste(mit(7, std::string(22, 'i'))));
  EXPECT_TRUE(AblageIstKursliste(mit(2, "ABCDEFG")));
  EXPECT_FALSE(AblageIstKursliste(mit(2, "ABCDEFGH")));
  EXPECT_FALSE(AblageIstKursliste(mit(0, "1234567")));
  EXPECT_FALSE(AblageIstKursliste(mit(13, "FALSCH")));
  EXPECT_FALSE(AblageIstKursliste(Kurszeile({gut.begin(), gut.end() - 1})));  // 12 TABs
  EXPECT_FALSE(AblageIstKursliste(Kurszeile(gut) + "\n\n"));                  // an empty line
  const std::vector<std::string> weiter = {"", "", "", "", "5b", "", "R102", "", "", "", "", "", "", ""};
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\n" + Kurszeile(weiter)));
  std::vector<std::string> falsch = weiter;
  falsch[3] = "Ma";
  EXPECT_FALSE(AblageIstKursliste(Kurszeile(falsch)));
}

class TZeichenMass : public ITextMass {
 public:
  int TextBreite(std::string_view text) const override { return 10 * TextLaenge(text); }
  int TextHoehe(std::string_view) const override { return 12; }
};

TEST(Breiten, BreitesterText) {
  auto s = BaueKleineSchule();
  const TZeichenMass mass;
  s->k6a->SetzeName("Klasse sechs a");
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 4, mass), 40);  // R101
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 1, mass), 20);
  EXPECT_EQ(MaxNameBreite(*s->schule, 1, mass), 140);
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 9, mass), 0);
  EXPECT_EQ(MaxTagBreite(s->standard, mass), 20);
  EXPECT_EQ(MaxStundenBreite(s->standard, mass), 20);
  s->standard.sp[0][15] = "16. Stunde";
  EXPECT_EQ(MaxStundenBreite(s->standard, mass), 100);

  TStandard leer;
  TSchule ohne(leer);
  EXPECT_EQ(MaxKuerzelBreite(ohne, 0, mass), 0);
}

}  // namespace
}  // namespace kolvar
