// The list printouts' part of the program: "Kürzel...", "Deputate...", "Reststunden..." and
// "Stundenverteilung..." of the print menu, and "Fenster drucken..." on workload, hour-
// distribution and statistics windows.
#pragma once

namespace kolvar {

class IFenster;
class IInstallation;

// "Deputate drucken"; a workload window presets the kind and puts its element first.
void OeffneDeputatDruck(IInstallation& inst, IFenster* aufrufer);

void InstalliereListenDruck(IInstallation& inst);

}  // namespace kolvar
