#include "model/tabstopps.h"

#include <algorithm>
#include <cstddef>

#include "model/itextmass.h"

namespace kolvar {

std::vector<int> TabStopps(std::string_view text, const ITextMass& mass, int abstand) {
  std::vector<int> breiten;  // widest cell of each column that a TAB ends
  std::size_t anfang = 0;
  while (anfang <= text.size()) {
    std::size_t ende = text.find('\n', anfang);
    if (ende == std::string_view::npos) ende = text.size();
    std::string_view zeile = text.substr(anfang, ende - anfang);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    std::size_t spalte = 0;
    for (std::size_t tab = zeile.find('\t'); tab != std::string_view::npos; tab = zeile.find('\t')) {
      if (breiten.size() <= spalte) breiten.resize(spalte + 1, 0);
      breiten[spalte] = std::max(breiten[spalte], mass.TextBreite(zeile.substr(0, tab)));
      zeile.remove_prefix(tab + 1);
      ++spalte;
    }
    anfang = ende + 1;
  }
  std::vector<int> stopps;
  stopps.reserve(breiten.size());
  int x = 0;
  for (int breite : breiten) {
    x += breite + abstand;
    stopps.push_back(x);
  }
  return stopps;
}

}  // namespace kolvar
