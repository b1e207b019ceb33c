// The printouts of conferences, subject overviews and of the table, error-list and
// parallel-couplings windows: their print-menu entries and their share of "Fenster drucken...".
#pragma once

namespace kolvar {

class TKolvarPalette;

// Called after the plan printouts' installer, whose "Fenster drucken..." it extends.
void InstalliereTabellenDruck(TKolvarPalette& palette);

}  // namespace kolvar
