// Opening the lesson-distribution tables, the statistics windows and the hour distribution,
// and their kinds' entries in the window registry.
#pragma once

#include <cstdint>

namespace kolvar {

class IInstallation;
class TFensterArtRegister;
class TSchule;
class TStatForm;
class TSVForm;
class TUVForm;
class TUVTab;

// The table's window, opened, brought up, or taken over from the active table window unless a
// new window is wanted. Opening never marks the school modified.
TUVForm* OeffneUVFenster(const TFensterArtRegister& arten, TSchule& schule, TUVTab* tab, bool neu);
// The statistics window of the kind (72 ... 77), or the open one brought up; nullptr for
// another kind.
TStatForm* OeffneStatistik(IInstallation& inst, int art);
TSVForm* OeffneSVFenster(IInstallation& inst);

// Registers the table, statistics and hour-distribution kinds, their menu entries and the
// table's printout.
void InstalliereUebersichten(IInstallation& inst);

}  // namespace kolvar
