#include "ansicht/wahlfenstermass.h"

#include <algorithm>

#include "model/versionssicht.h"

namespace kolvar {

namespace {

TWahlFensterMass Mass(int zeilen, int zeilenHoehe, int zugabe, int planZeilen, int stunde) {
  zeilen = std::max(zeilen, 1);
  // Hiding the record's own period would hide what the window is about.
  planZeilen = std::clamp(std::max(planZeilen, stunde), 1, kStunden);
  return {zeilen, zeilen * (std::max(zeilenHoehe, 1) + 1) + zugabe, planZeilen};
}

}  // namespace

TWahlFensterMass LehrerWahlMass(int anzahl, int pst, int zeilenHoehe, int stunde) {
  const int zeilen = std::max(std::max(anzahl, 0), std::clamp(pst, 1, kStunden) - 1);
  return Mass(zeilen, zeilenHoehe, 298, std::min(zeilen + 1, kStunden), stunde);
}

TWahlFensterMass RaumWahlMass(int anzahl, int pst, int zeilenHoehe, int stunde) {
  const int zeilen = std::max(std::max(anzahl, 0), std::clamp(pst, 1, kStunden) + 5);
  return Mass(zeilen, zeilenHoehe, 190, std::min(zeilen - 5, kStunden), stunde);
}

}  // namespace kolvar
