#pragma once
// Colours: the program keeps 0x00BBGGRR values; the data file holds three 16-bit components
// (red, green, blue) with each 8-bit channel in the high byte. The low bytes are ignored on
// reading, and a value's top byte is not stored.

#include <cstdint>

namespace kolvar {

struct TMacFarbe {
  uint16_t rot = 0;
  uint16_t gruen = 0;
  uint16_t blau = 0;
  bool operator==(const TMacFarbe&) const = default;
};

constexpr uint32_t MacFarbeZuColor(uint16_t rot, uint16_t gruen, uint16_t blau) {
  return uint32_t(rot >> 8) | (uint32_t(gruen >> 8) << 8) | (uint32_t(blau >> 8) << 16);
}

constexpr TMacFarbe ColorZuMacFarbe(uint32_t farbe) {
  return {static_cast<uint16_t>((farbe & 0xFF) << 8), static_cast<uint16_t>(((farbe >> 8) & 0xFF) << 8),
          static_cast<uint16_t>(((farbe >> 16) & 0xFF) << 8)};
}

}  // namespace kolvar
