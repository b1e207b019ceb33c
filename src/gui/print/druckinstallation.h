// The printouts' part of the palette: the print menu's plan entries and the printing of an
// active plan window.
#pragma once

namespace kolvar {

class TElement;
class TKolvarPalette;
enum class TPlanDruckArt;

// The plan print dialog of the kind, with the element (if any) in its first row.
void OeffnePlanDruck(TKolvarPalette& palette, TPlanDruckArt art, TElement* element);

void InstalliereDruck(TKolvarPalette& palette);

}  // namespace kolvar
