#pragma once
// Text measures for a font chosen by the implementer (the page recorder's current font, a
// window's font). The GUI measures with the real font; tests count characters.

#include <string_view>

namespace kolvar {

class ITextMass {
 public:
  virtual ~ITextMass() = default;
  // Width and height of the UTF-8 text, in the device's pixels.
  virtual int TextBreite(std::string_view text) const = 0;
  virtual int TextHoehe(std::string_view text) const = 0;
};

}  // namespace kolvar
