// The substitution printouts' part of the palette: "Datei > Drucken > Vertretung".
#pragma once

#include <cstdint>

namespace kolvar {

class TKolvarPalette;

// "Drucke Vertretungsplan" for the date (the day list prints its working date through it).
void OeffneVertrDruck(TKolvarPalette& palette, int32_t datum);
// "Drucke Vertretungsübersicht" for the range (the overview window prints through it).
void OeffneVertrUebDruck(TKolvarPalette& palette, int32_t von, int32_t bis);

void InstalliereVertretungsDruck(TKolvarPalette& palette);

}  // namespace kolvar
