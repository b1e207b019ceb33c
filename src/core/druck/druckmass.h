#pragma once
// The drawing surface's current font as a text measure, so the width helpers serve printouts.

#include <algorithm>

#include "druck/izeichenflaeche.h"
#include "model/itextmass.h"

namespace kolvar {

class TFlaechenMass : public ITextMass {
 public:
  explicit TFlaechenMass(IZeichenflaeche& flaeche) : flaeche_(flaeche) {}
  int TextBreite(std::string_view text) const override { return flaeche_.TextWidth(text); }
  int TextHoehe(std::string_view) const override { return flaeche_.TextHeight(); }

 private:
  IZeichenflaeche& flaeche_;
};

// The blank between a cell's grid lines and its texts, left and right: about a millimetre, so
// no text runs into the line; never less than the 10 pixels each measured width holds per side.
inline int ZellRand(const IZeichenflaeche& flaeche) {
  return std::max(10, flaeche.InchToPixel(0.04));
}

}  // namespace kolvar
