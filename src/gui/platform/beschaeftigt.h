// Sets the palette's busy flag for a scope and clears it on every way out, exceptions included;
// a flag left set would make the program impossible to close.
#pragma once

#include "model/ipalettezustand.h"

namespace kolvar {

class TBeschaeftigt {
 public:
  explicit TBeschaeftigt(IPaletteZustand& palette) : palette_(palette), vorher_(palette.Beschaeftigt()) {
    palette_.SetzeBeschaeftigt(true);
  }
  ~TBeschaeftigt() { palette_.SetzeBeschaeftigt(vorher_); }
  TBeschaeftigt(const TBeschaeftigt&) = delete;
  TBeschaeftigt& operator=(const TBeschaeftigt&) = delete;

 private:
  IPaletteZustand& palette_;
  bool vorher_;
};

// The hourglass for a scope.
class TSanduhr {
 public:
  TSanduhr();
  ~TSanduhr();
  TSanduhr(const TSanduhr&) = delete;
  TSanduhr& operator=(const TSanduhr&) = delete;
};

}  // namespace kolvar
