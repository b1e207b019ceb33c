#include "model/text.h"

namespace kolvar {

namespace {
// Length in bytes of the character that starts at text[i].
std::size_t ZeichenBytes(std::string_view text, std::size_t i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t n = 1;
  if (c >= 0xF0 && c <= 0xF4)
    n = 4;
  else if (c >= 0xE0)
    n = 3;
  else if (c >= 0xC2 && c < 0xE0)
    n = 2;
  if (i + n > text.size()) return 1;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  return n;
}
}  // namespace

int TextLaenge(std::string_view text) {
  int anzahl = 0;
  for (std::size_t i = 0; i < text.size(); i += ZeichenBytes(text, i)) ++anzahl;
  return anzahl;
}

std::string TeilText(std::string_view text, int von, int anzahl) {
  if (anzahl <= 0 || von < 0) return {};
  std::size_t i = 0;
  for (int k = 0; k < von && i < text.size(); ++k) i += ZeichenBytes(text, i);
  std::size_t ende = i;
  for (int k = 0; k < anzahl && ende < text.size(); ++k) ende += ZeichenBytes(text, ende);
  return std::string(text.substr(i, ende - i));
}

std::string KuerzeText(std::string_view text, int n) { return TeilText(text, 0, n); }

std::string OhneRaender(std::string_view text) {
  const auto a = text.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  const auto b = text.find_last_not_of(' ');
  return std::string(text.substr(a, b - a + 1));
}

}  // namespace kolvar
