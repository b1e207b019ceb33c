// The list printouts' part of the program: "Kürzel...", "Deputate...", "Reststunden..." and
// "Stundenverteilung..." of the print menu, and "Fenster drucken..." on workload, hour-
// distribution and statistics windows.
#pragma once

#include "print/listendruckdialog.h"

namespace kolvar {

class IFenster;
class IInstallation;

// The palette's element pop-up of a kind at a point, its pick cleared afterwards: how the range
// printouts choose "von" and "bis".
TListenDruckDialog::TPicker PalettenPicker(IInstallation& inst);

// The kind of the rest-hour printout a statistics window prints (0 teachers, 1 classes,
// 2 subjects); -1 for the statistics without one, which print what they show.
int RestDruckArt(int tag);

// "Deputate drucken"; a workload window presets the kind and puts its element first.
void OeffneDeputatDruck(IInstallation& inst, IFenster* aufrufer);

void InstalliereListenDruck(IInstallation& inst);

}  // namespace kolvar
