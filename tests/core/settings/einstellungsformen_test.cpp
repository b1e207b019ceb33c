#include "model/einstellungsformen.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TEST(Einstellungsformen, WochenUndTabellenGruppen) {
  TWoElem woche;
  woche.SetzeStunde(1, 1, true);
  woche.SetzeStunde(7, 16, true);
  woche.SetzeTag(3, 0xABCD);
  EXPECT_EQ(WoElemZuHex(woche), "00010000ABCD0000000000008000");
  TWoElem gelesen;
  EXPECT_TRUE(HexZuWoElem("00010000abcd0000000000008000", gelesen));
  EXPECT_EQ(gelesen, woche);
  for (const char* falsch : {"", "0001", "00010000ABCD00000000000080000", "0001000GABCD0000000000008000"}) {
    EXPECT_FALSE(HexZuWoElem(falsch, gelesen)) << falsch;
    EXPECT_EQ(gelesen, woche);
  }

  TWochenTabelle tabelle{};
  tabelle[880] = 0x2D;
  tabelle[887] = 0xFF;
  EXPECT_EQ(BytesZuHex(tabelle, 111), "2D000000000000FF");
  EXPECT_EQ(BytesZuHex(tabelle, 0), "");
  EXPECT_EQ(BytesZuHex(tabelle, 112), "");
  EXPECT_FALSE(HexZuBytes("0102030405060708", tabelle, 112));
  EXPECT_FALSE(HexZuBytes("01020304050607", tabelle, 1));
  EXPECT_TRUE(HexZuBytes("0102030405060708", tabelle, 1));
  EXPECT_EQ(tabelle[7], 8);
}

TEST(Einstellungsformen, ListenUndZeilen) {
  const std::string texte[] = {"Mo", "", " Di "};
  EXPECT_EQ(DollarListe(texte, 3), "$Mo$$ Di $");
  EXPECT_EQ(TeileDollarListe("$Mo$$ Di $"), (std::vector<std::string>{"Mo", "", " Di "}));
  EXPECT_EQ(TeileDollarListe("vorne$a$b"), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(TeileDollarListe("ohne").empty());

  int zeile[7] = {-1, 2, -3, 4, -5, 6, -112};
  EXPECT_EQ(TabellenZeile(zeile), "-1$2$-3$4$-5$6$-112$");
  int gelesen[7] = {};
  EXPECT_TRUE(LiesTabellenZeile(" 7$+6$5$4$3$2$1$", gelesen));
  EXPECT_EQ(gelesen[0], 7);
  EXPECT_EQ(gelesen[1], 6);
  for (const char* falsch :
       {"", "1$2$3$4$5$6$", "1$2$3$4$5$6$7", "1$2$3$4$5$6$7$8", "1$2$3$$5$6$7$", "1$2$3$4$5$6$7$$"})
    EXPECT_FALSE(LiesTabellenZeile(falsch, gelesen)) << falsch;
  EXPECT_EQ(gelesen[6], 1);
}

TEST(Einstellungsformen, Ganzzahlen) {
  EXPECT_EQ(LiesGanzzahl("42"), 42);
  EXPECT_EQ(LiesGanzzahl(" -7 "), -7);
  EXPECT_EQ(LiesGanzzahl("+3"), 3);
  EXPECT_EQ(LiesGanzzahl("2147483647"), 2147483647);
  for (const char* falsch : {"", " ", "+", "-", "1x", "x1", "1 2", "2147483648", "0x10", "1.5", "+-1"})
    EXPECT_FALSE(LiesGanzzahl(falsch)) << falsch;
}

}  // namespace
}  // namespace kolvar
