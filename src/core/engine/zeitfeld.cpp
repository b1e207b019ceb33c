#include "engine/zeitfeld.h"

#include "model/standard.h"
#include "model/text.h"

namespace kolvar {

std::string ZeitFeldText(const TStandard& standard, int d, int p) {
  std::string text;
  if (d >= 1 && d <= kTage) text = KuerzeText(standard.spg[static_cast<std::size_t>(d - 1)] + " ", 8);
  const int v = standard.AktuelleVersion();
  if (v >= 1 && v <= kMaxVersionen && p >= 1 && p <= kStunden)
    text += standard.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)];
  return KuerzeText(text, 23);
}

}  // namespace kolvar
