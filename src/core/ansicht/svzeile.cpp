#include "ansicht/svzeile.h"

#include <algorithm>

#include "model/element.h"
#include "model/standard.h"

namespace kolvar {

TSVZeile SVZeile(const TPlanElement& element, const TStandard& standard) {
  TSVZeile z;
  z.Kuerzel = element.Kuerzel();
  const int v = standard.AktuelleVersion();
  const int tage = std::clamp(standard.mtn, 0, kTage);
  const auto p = static_cast<std::size_t>(std::clamp(standard.pst, 1, kStunden));
  for (int d = 1; d <= tage; ++d) z.Muster.push_back(element.Tagesmuster(v, d).substr(0, p));
  z.Springstunden = element.Springstunden();
  return z;
}

}  // namespace kolvar
