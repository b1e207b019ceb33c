#include "storage/mactext.h"

#include <array>

namespace kolvar {

namespace {

constexpr char32_t kFragezeichen = U'?';

// The nine characters at their Macintosh positions.
struct TMacZeichen {
  uint8_t byte;
  char32_t zeichen;
};
constexpr TMacZeichen kMacZeichen[] = {
    {0x80, U'Ä'}, {0x85, U'Ö'}, {0x86, U'Ü'}, {0x8A, U'ä'}, {0x9A, U'ö'},
    {0x9F, U'ü'}, {0xA4, U'§'}, {0xA7, U'ß'}, {0xB4, U'¥'},
};

// Windows-1252 0x80..0x9F; the undefined bytes keep their C1 code point.
constexpr char32_t kWindows80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct TTabellen {
  std::array<char32_t, 256> lesen{};
  // UTF-8 form of each byte's character: length, then up to three bytes.
  std::array<std::array<char, 4>, 256> utf8{};
  // Byte of each character below U+0100, -1 when the file cannot hold it.
  std::array<int16_t, 256> schreibenLatin{};
};

constexpr int Utf8(char32_t z, char* aus) {
  if (z < 0x80) {
    aus[0] = static_cast<char>(z);
    return 1;
  }
  if (z < 0x800) {
    aus[0] = static_cast<char>(0xC0 | (z >> 6));
    aus[1] = static_cast<char>(0x80 | (z & 0x3F));
    return 2;
  }
  if (z < 0x10000) {
    aus[0] = static_cast<char>(0xE0 | (z >> 12));
    aus[1] = static_cast<char>(0x80 | ((z >> 6) & 0x3F));
    aus[2] = static_cast<char>(0x80 | (z & 0x3F));
    return 3;
  }
  aus[0] = static_cast<char>(0xF0 | (z >> 18));
  aus[1] = static_cast<char>(0x80 | ((z >> 12) & 0x3F));
  aus[2] = static_cast<char>(0x80 | ((z >> 6) & 0x3F));
  aus[3] = static_cast<char>(0x80 | (z & 0x3F));
  return 4;
}

constexpr TTabellen BaueTabellen() {
  TTabellen t{};
  for (int b = 0; b < 256; ++b) t.lesen[b] = (b >= 0x80 && b < 0xA0) ? kWindows80[b - 0x80] : char32_t(b);
  for (const TMacZeichen& m : kMacZeichen) t.lesen[m.byte] = m.zeichen;
  for (int b = 0; b < 256; ++b) {
    char puffer[4]{};
    const int n = Utf8(t.lesen[b], puffer);
    t.utf8[b][0] = static_cast<char>(n);
    for (int k = 0; k < n && k < 3; ++k) t.utf8[b][k + 1] = puffer[k];
  }
  // Inverse of reading. The nine are written last, so where a Windows byte also reads as one
  // of them (C4 for Ä ...), the Macintosh position wins.
  for (int z = 0; z < 256; ++z) t.schreibenLatin[z] = -1;
  for (int b = 0; b < 256; ++b)
    if (t.lesen[b] < 0x100) t.schreibenLatin[t.lesen[b]] = static_cast<int16_t>(b);
  for (const TMacZeichen& m : kMacZeichen) t.schreibenLatin[m.zeichen] = m.byte;
  return t;
}

constexpr TTabellen kTabellen = BaueTabellen();

constexpr bool AsciiUnveraendert() {
  for (int b = 0; b < 0x80; ++b)
    if (kTabellen.utf8[b][0] != 1 || kTabellen.utf8[b][1] != static_cast<char>(b)) return false;
  return true;
}
static_assert(AsciiUnveraendert(), "MacZuText copies ASCII bytes as they are");

// Byte of a character above U+00FF; -1 when the file cannot hold it.
int WindowsByte(char32_t z) {
  for (int i = 0; i < 32; ++i)
    if (kWindows80[i] == z && kTabellen.lesen[0x80 + i] == z) return 0x80 + i;
  return -1;
}

int Byte(char32_t z) {
  return z < 0x100 ? kTabellen.schreibenLatin[z] : WindowsByte(z);
}

// Next character of a UTF-8 text, split exactly as the model's text helpers count characters:
// a stray or malformed byte is one character of its own. Malformed input gives kUngueltig.
constexpr char32_t kUngueltig = 0xFFFFFFFF;

char32_t NaechstesZeichen(std::string_view text, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  std::size_t n = 1;
  if (c >= 0xF0 && c <= 0xF4)
    n = 4;
  else if (c >= 0xE0)
    n = 3;
  else if (c >= 0xC2)
    n = 2;
  if (n == 1 || i + n > text.size()) {
    ++i;
    return kUngueltig;
  }
  char32_t z = c & (0x7F >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const unsigned char f = static_cast<unsigned char>(text[i + k]);
    if ((f & 0xC0) != 0x80) {
      ++i;
      return kUngueltig;
    }
    z = (z << 6) | (f & 0x3F);
  }
  i += n;
  const bool ueberlang = (n == 3 && z < 0x800) || (n == 4 && z < 0x10000);
  if (c > 0xF4 || ueberlang || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return kUngueltig;
  return z;
}

}  // namespace

char32_t MacZuAnsi(uint8_t byte) {
  return kTabellen.lesen[byte];
}

uint8_t AnsiZuMac(char32_t zeichen) {
  const int b = Byte(zeichen);
  return static_cast<uint8_t>(b < 0 ? kFragezeichen : char32_t(b));
}

bool MacDarstellbar(char32_t zeichen) {
  return Byte(zeichen) >= 0;
}

bool MacDarstellbar(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const char32_t z = NaechstesZeichen(text, i);
    if (z == kUngueltig || !MacDarstellbar(z)) return false;
  }
  return true;
}

std::string MacZuText(const uint8_t* bytes, std::size_t anzahl) {
  // Most texts are plain ASCII, which both encodings share byte for byte.
  std::size_t i = 0;
  while (i < anzahl && bytes[i] < 0x80) ++i;
  if (i == anzahl) return std::string(reinterpret_cast<const char*>(bytes), anzahl);
  std::string text;
  text.reserve(anzahl + anzahl / 4);
  text.append(reinterpret_cast<const char*>(bytes), i);
  for (; i < anzahl; ++i) {
    const auto& u = kTabellen.utf8[bytes[i]];
    text.append(u.data() + 1, static_cast<std::size_t>(u[0]));
  }
  return text;
}

std::size_t TextZuMac(std::string_view text, uint8_t* ziel, std::size_t maxZeichen) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size() && n < maxZeichen;) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      ziel[n++] = c;
      ++i;
      continue;
    }
    const char32_t z = NaechstesZeichen(text, i);
    ziel[n++] = z == kUngueltig ? static_cast<uint8_t>(kFragezeichen) : AnsiZuMac(z);
  }
  return n;
}

void HaengeZeichenAn(std::string& text, char32_t zeichen) {
  if (zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF)) zeichen = 0xFFFD;
  char puffer[4]{};
  text.append(puffer, static_cast<std::size_t>(Utf8(zeichen, puffer)));
}

}  // namespace kolvar
