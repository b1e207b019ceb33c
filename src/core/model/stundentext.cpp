#include "model/stundentext.h"

#include <algorithm>

#include "model/standard.h"

namespace kolvar {

std::string FormatiereStunden(int64_t wert, int vor, int nach, int dvs) {
  nach = std::clamp(nach, 0, 3);
  vor = std::clamp(vor, 0, 20);
  const int64_t teiler = std::max(dvs, 1);
  int64_t zehner = 1;
  for (int i = 0; i < nach; ++i) zehner *= 10;
  wert = std::clamp<int64_t>(wert, -(int64_t{1} << 40), int64_t{1} << 40);  // far beyond any real value
  const bool negativ = wert < 0;
  const int64_t betrag = negativ ? -wert : wert;
  // |wert| / dvs in units of 10^-nach, rounded half away from zero.
  const int64_t skaliert = (betrag * zehner * 2 + teiler) / (2 * teiler);
  std::string text = std::to_string(skaliert / zehner);
  if (nach > 0) {
    std::string bruch = std::to_string(skaliert % zehner);
    text += "," + std::string(static_cast<std::size_t>(nach) - bruch.size(), '0') + bruch;
  }
  if (negativ && skaliert != 0) text = "-" + text;
  const auto breite = static_cast<std::size_t>(vor + nach + 1);
  if (text.size() < breite) text.insert(0, breite - text.size(), ' ');
  return text;
}

std::string FormatiereStunden(int64_t wert, const TStandard& standard) {
  return FormatiereStunden(wert, standard.vkm, standard.nkm, standard.dvs);
}

std::string ZeitText(const TStandard& standard, int version, int tag, int stunde) {
  std::string text = "{" + std::to_string(version) + "} ";
  if (tag >= 1 && tag <= kTage) text += standard.spg[static_cast<std::size_t>(tag - 1)];
  text += " ";
  if (version >= 1 && version <= kMaxVersionen && stunde >= 1 && stunde <= kStunden)
    text += standard.sp[static_cast<std::size_t>(version - 1)][static_cast<std::size_t>(stunde - 1)];
  return text;
}

}  // namespace kolvar
