#include "storage/mactext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/text.h"

namespace kolvar {
namespace {

struct TPaar {
  uint8_t mac;
  uint8_t windows;
  const char* utf8;
};
// The nine translated characters: Macintosh byte, Windows byte, the character.
constexpr TPaar kNeun[] = {
    {0x80, 0xC4, "Ä"}, {0x85, 0xD6, "Ö"}, {0x86, 0xDC, "Ü"}, {0x8A, 0xE4, "ä"}, {0x9A, 0xF6, "ö"},
    {0x9F, 0xFC, "ü"}, {0xA4, 0xA7, "§"}, {0xA7, 0xDF, "ß"}, {0xB4, 0xA5, "¥"},
};

std::string Lies(std::vector<uint8_t> bytes) {
  return MacZuText(bytes.data(), bytes.size());
}

std::vector<uint8_t> Schreibe(std::string_view text, std::size_t max = 1000) {
  std::vector<uint8_t> bytes(text.size() + 1);
  bytes.resize(TextZuMac(text, bytes.data(), max));
  return bytes;
}

TEST(MacText, DieNeunZeichenInBeideRichtungen) {
  for (const TPaar& p : kNeun) {
    EXPECT_EQ(Lies({p.mac}), p.utf8) << int(p.mac);
    EXPECT_EQ(Schreibe(p.utf8), std::vector<uint8_t>{p.mac}) << p.utf8;
    // The Windows byte of the character reads as the character, and goes back at its Mac position
    // (not for §: its Windows byte is the Mac ß).
    if (p.windows == 0xA7) continue;
    EXPECT_EQ(Lies({p.windows}), p.utf8) << int(p.windows);
    EXPECT_EQ(AnsiZuMac(MacZuAnsi(p.windows)), p.mac);
  }
}

TEST(MacText, AlleAnderenBytesSindWindows1252UndUeberleben) {
  const std::pair<uint8_t, char32_t> stichproben[] = {
      {0x41, U'A'},      {0x09, U'\t'},     {0x0D, U'\r'},     {0x1D, char32_t(0x1D)}, {0x00, char32_t(0)},
      {0x82, U'‚'},      {0x84, U'„'},      {0x8C, U'Œ'},      {0x93, U'“'},           {0x96, U'–'},
      {0x99, U'™'},      {0x9E, U'ž'},      {0xA0, U'\u00A0'}, {0xE9, U'é'},           {0xFF, U'ÿ'},
      {0x81, U'\u0081'}, {0x8D, U'\u008D'}, {0x8F, U'\u008F'}, {0x90, U'\u0090'},      {0x9D, U'\u009D'},
  };
  for (const auto& [byte, zeichen] : stichproben) EXPECT_EQ(MacZuAnsi(byte), zeichen) << int(byte);

  // Every byte but the Windows bytes of the nine comes back unchanged.
  const uint8_t nichtUmkehrbar[] = {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF, 0xA5};
  for (int b = 0; b < 256; ++b) {
    if (std::find(std::begin(nichtUmkehrbar), std::end(nichtUmkehrbar), b) != std::end(nichtUmkehrbar)) {
      EXPECT_NE(AnsiZuMac(MacZuAnsi(uint8_t(b))), b);
      continue;
    }
    EXPECT_EQ(AnsiZuMac(MacZuAnsi(uint8_t(b))), b) << b;
    EXPECT_TRUE(MacDarstellbar(MacZuAnsi(uint8_t(b))));
  }
  std::vector<uint8_t> alle(256);
  for (int b = 0; b < 256; ++b) alle[b] = uint8_t(b);
  const std::string text = Lies(alle);
  EXPECT_EQ(TextLaenge(text), 256);
}

TEST(MacText, NichtDarstellbareZeichenWerdenFragezeichen) {
  // The Windows characters on the bytes of the nine would come back as a different letter.
  for (const char* z : {"€", "…", "†", "Š", "š", "Ÿ", "¤", "´"}) {
    EXPECT_EQ(Schreibe(z), std::vector<uint8_t>{'?'}) << z;
    EXPECT_FALSE(MacDarstellbar(std::string_view(z))) << z;
  }
  for (const char* z : {"ł", "中", "😀", "\u0080", "\u0085", "\uFFFD"})
    EXPECT_EQ(Schreibe(z), std::vector<uint8_t>{'?'}) << z;
  EXPECT_EQ(AnsiZuMac(0x110000), '?');
  EXPECT_TRUE(MacDarstellbar(std::string_view("Müller-Lüdenscheidt, §5 ¥ é ž")));
  EXPECT_EQ(Schreibe("a€b"), (std::vector<uint8_t>{'a', '?', 'b'}));
}

TEST(MacText, KaputtesUtf8IstJeFremdesByteEinFragezeichen) {
  const std::pair<std::string, std::vector<uint8_t>> faelle[] = {
      {"a\xC3", {'a', '?'}},                      // cut multibyte
      {"\x80x", {'?', 'x'}},                      // stray continuation byte
      {"\xC3\x28", {'?', '('}},                   // lead without continuation
      {"\xC0\xAF", {'?', '?'}},                   // overlong lead byte
      {"\xE0\x80\xAF", {'?'}},                    // overlong three bytes: one character
      {"\xED\xA0\x80", {'?'}},                    // surrogate
      {"\xF4\x90\x80\x80", {'?'}},                // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", {'?', '?', '?'}},  // not a lead byte of any length
  };
  for (const auto& [text, bytes] : faelle) {
    EXPECT_EQ(Schreibe(text), bytes) << testing::PrintToString(text);
    EXPECT_FALSE(MacDarstellbar(std::string_view(text)));
  }
}

// The codec and the model's text helpers must agree on what a character is, or a cut text could
// overflow its field.
TEST(MacText, ZaehltZeichenWieDieTexthilfen) {
  std::mt19937 zufall(4711);
  const char* bausteine[] = {"a",    "ä",        "€",    "中",           "😀", "\x80",
                             "\xC3", "\xE2\x82", "\xF8", "\xF0\x9F\x98", " "};
  for (int lauf = 0; lauf < 2000; ++lauf) {
    std::string text;
    const int n = static_cast<int>(zufall() % 12);
    for (int i = 0; i < n; ++i) text += bausteine[zufall() % std::size(bausteine)];
    std::vector<uint8_t> ziel(text.size() + 1);
    EXPECT_EQ(TextZuMac(text, ziel.data(), 1000), std::size_t(TextLaenge(text)))
        << testing::PrintToString(text);
    const std::size_t max = zufall() % 8;
    EXPECT_EQ(TextZuMac(text, ziel.data(), max), std::min<std::size_t>(max, TextLaenge(text)));
  }
}

TEST(MacText, ZeichenAnhaengen) {
  std::string text;
  for (char32_t z : {U'A', U'ß', U'€', U'😀'}) HaengeZeichenAn(text, z);
  EXPECT_EQ(text, "Aß€😀");
  HaengeZeichenAn(text, 0xD800);  // no surrogate ever reaches model text
  EXPECT_EQ(text, "Aß€😀\uFFFD");
}

}  // namespace
}  // namespace kolvar
