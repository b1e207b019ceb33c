#pragma once
// The drawing surface's current font as a text measure, so the width helpers serve printouts.

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

}  // namespace kolvar
