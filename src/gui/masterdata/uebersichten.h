// Opening the lesson-distribution tables, the statistics windows and the hour distribution,
// and their part of the palette: the tables join the workload view group's opener, the
// statistics and the hour distribution their menu entries and the windows a file reopens.
#pragma once

#include <cstdint>

class QWidget;

namespace kolvar {

class IPalette;
class TKolvarPalette;
class TSchule;
class TStatForm;
class TSVForm;
class TUVForm;
class TUVTab;

// The table's window, opened, brought up, or taken over from the active table window unless a
// new window is wanted. Opening never marks the school modified.
TUVForm* OeffneUVFenster(TSchule& schule, TUVTab* tab, bool neu, IPalette* palette, QWidget* eltern);
// The statistics window of the kind (72 ... 77), or the open one brought up; nullptr for
// another kind.
TStatForm* OeffneStatistik(TKolvarPalette& palette, int art);
TSVForm* OeffneSVFenster(TKolvarPalette& palette);

// Runs after the workload windows' installer: table elements of view group 1 open here, the
// rest as before.
void InstalliereUebersichten(TKolvarPalette& palette);

}  // namespace kolvar
