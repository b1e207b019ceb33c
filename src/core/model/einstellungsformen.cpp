#include "model/einstellungsformen.h"

#include <charconv>

namespace kolvar {

std::optional<int> LiesGanzzahl(const std::string& text) {
  std::size_t a = text.find_first_not_of(" \t");
  if (a == std::string::npos) return std::nullopt;
  std::size_t b = text.find_last_not_of(" \t") + 1;
  if (text[a] == '+' && a + 1 < b && text[a + 1] != '-') ++a;  // from_chars takes no plus sign
  if (a >= b) return std::nullopt;
  int wert = 0;
  const char* anfang = text.data() + a;
  const char* ende = text.data() + b;
  const auto [p, fehler] = std::from_chars(anfang, ende, wert);
  if (fehler != std::errc() || p != ende) return std::nullopt;
  return wert;
}

namespace {

constexpr char kZiffern[] = "0123456789ABCDEF";

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Value of n hex digits from text[von]; -1 if one is not a hex digit.
int64_t HexZahl(std::string_view text, std::size_t von, std::size_t n) {
  int64_t wert = 0;
  for (std::size_t i = von; i < von + n; ++i) {
    const int z = HexWert(text[i]);
    if (z < 0) return -1;
    wert = wert * 16 + z;
  }
  return wert;
}

void HaengeHexAn(std::string& text, uint32_t wert, int ziffern) {
  for (int i = ziffern - 1; i >= 0; --i) text += kZiffern[(wert >> (4 * i)) & 0xF];
}

}  // namespace

std::string WoElemZuHex(const TWoElem& woche) {
  std::string text;
  for (int d = 1; d <= kTage; ++d) HaengeHexAn(text, woche.Tag(d), 4);
  return text;
}

bool HexZuWoElem(std::string_view text, TWoElem& woche) {
  if (text.size() != 4 * kTage) return false;
  TWoElem neu;
  for (int d = 1; d <= kTage; ++d) {
    const int64_t wort = HexZahl(text, static_cast<std::size_t>(4 * (d - 1)), 4);
    if (wort < 0) return false;
    neu.SetzeTag(d, static_cast<uint32_t>(wort));
  }
  woche = neu;
  return true;
}

std::string BytesZuHex(const TWochenTabelle& tabelle, int gruppe) {
  std::string text;
  if (gruppe < 1 || gruppe > kHexGruppen) return text;
  for (int i = 0; i < 8; ++i) HaengeHexAn(text, tabelle[static_cast<std::size_t>(8 * (gruppe - 1) + i)], 2);
  return text;
}

bool HexZuBytes(std::string_view text, TWochenTabelle& tabelle, int gruppe) {
  std::vector<uint8_t> bytes;
  if (gruppe < 1 || gruppe > kHexGruppen || !VonHex(text, bytes, 8)) return false;
  for (int i = 0; i < 8; ++i)
    tabelle[static_cast<std::size_t>(8 * (gruppe - 1) + i)] = bytes[static_cast<std::size_t>(i)];
  return true;
}

std::string ZuHex(const std::vector<uint8_t>& bytes) {
  std::string text;
  for (uint8_t b : bytes) HaengeHexAn(text, b, 2);
  return text;
}

bool VonHex(std::string_view text, std::vector<uint8_t>& bytes, std::size_t anzahl) {
  if (text.size() != 2 * anzahl) return false;
  std::vector<uint8_t> neu;
  for (std::size_t i = 0; i < anzahl; ++i) {
    const int64_t b = HexZahl(text, 2 * i, 2);
    if (b < 0) return false;
    neu.push_back(static_cast<uint8_t>(b));
  }
  bytes = std::move(neu);
  return true;
}

std::string DollarListe(const std::string* texte, std::size_t anzahl) {
  std::string text = "$";
  for (std::size_t i = 0; i < anzahl; ++i) text += texte[i] + "$";
  return text;
}

std::vector<std::string> TeileDollarListe(std::string_view text) {
  std::vector<std::string> teile;
  std::size_t a = text.find('$');
  while (a != std::string_view::npos) {
    const std::size_t b = text.find('$', a + 1);
    if (b == std::string_view::npos) break;
    teile.emplace_back(text.substr(a + 1, b - a - 1));
    a = b;
  }
  return teile;
}

std::string TabellenZeile(const int* zellen) {
  std::string text;
  for (int d = 0; d < kTage; ++d) text += std::to_string(zellen[d]) + "$";
  return text;
}

bool LiesTabellenZeile(std::string_view text, int* zellen) {
  std::array<int, kTage> neu{};
  std::size_t a = 0;
  for (int d = 0; d < kTage; ++d) {
    const std::size_t b = text.find('$', a);
    if (b == std::string_view::npos) return false;
    const auto zahl = LiesGanzzahl(std::string(text.substr(a, b - a)));
    if (!zahl) return false;
    neu[static_cast<std::size_t>(d)] = *zahl;
    a = b + 1;
  }
  if (a != text.size()) return false;
  for (int d = 0; d < kTage; ++d) zellen[d] = neu[static_cast<std::size_t>(d)];
  return true;
}

std::string FarbenZuHex(const std::array<uint32_t, 16>& farben) {
  std::string text;
  for (uint32_t f : farben) HaengeHexAn(text, f & 0xFFFFFFu, 6);
  return text;
}

bool HexZuFarben(std::string_view text, std::array<uint32_t, 16>& farben) {
  if (text.size() != 6 * farben.size()) return false;
  std::array<uint32_t, 16> neu{};
  for (std::size_t i = 0; i < neu.size(); ++i) {
    const int64_t f = HexZahl(text, 6 * i, 6);
    if (f < 0) return false;
    neu[i] = static_cast<uint32_t>(f);
  }
  farben = neu;
  return true;
}

}  // namespace kolvar
