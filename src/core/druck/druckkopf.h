#pragma once
// What every printout shares: margins in printer pixels, the dated page header and the page
// break test of the list printouts.

#include <cstdint>
#include <string>

#include "druck/druckseite.h"

namespace kolvar {

class IZeichenflaeche;
class TSchule;
struct TSchrift;

// "Mo, 13. Sep 2010     14:05 Uhr      ": German names whatever the machine's locale.
std::string DruckDatumsText(int64_t zeit);

// Whole centimetres in printer pixels (the horizontal resolution serves all four margins).
int RandInPixel(const IZeichenflaeche& flaeche, int zentimeter);

struct TDruckRaender {
  int Links = 0, Rechts = 0, Oben = 0, Unten = 0;
};
TDruckRaender RaenderInPixel(const IZeichenflaeche& flaeche, int links, int rechts, int oben, int unten);

TDruckSchrift DruckSchrift(const TSchrift& schrift);

// The header of plans and overviews at (x, y) with line height h: the date line (or only the
// page), then the school's title, with "{v}  " in front when there are several versions.
void DruckeKopfPlan(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h, bool mitDatum);

// The header of the parallel couplings: dated; line 2 is the plan version in braces, three
// blanks and the school's title, whatever the number of versions.
void DruckeKopfPar(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h);

// The header of the list printouts: always dated, no version in front of the title.
void DruckeKopfListe(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h);

// Whether k more lines of height h fit below y in the printable area (the bottom margin does
// not count).
bool PlatzReicht(const IZeichenflaeche& flaeche, int y, int k, int h);

}  // namespace kolvar
