// The list printouts' part of the palette: "Kürzel...", "Deputate...", "Reststunden..." and
// "Stundenverteilung..." of the print menu, and "Fenster drucken..." on workload, hour-
// distribution and statistics windows.
#pragma once

namespace kolvar {

class IFenster;
class TKolvarPalette;

// "Deputate drucken"; a workload window presets the kind and puts its element first.
void OeffneDeputatDruck(TKolvarPalette& palette, IFenster* aufrufer);

// Chains its window kinds before the print-window command installed so far.
void InstalliereListenDruck(TKolvarPalette& palette);

}  // namespace kolvar
