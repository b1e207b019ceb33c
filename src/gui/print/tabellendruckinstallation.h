// The printouts of conferences, subject overviews and of the table, error-list and
// parallel-couplings windows: their print-menu entries and their share of "Fenster drucken...".
#pragma once

namespace kolvar {

class IInstallation;

// Also answers the table and parallel-coupling windows' print requests (TDruckAuftraege).
void InstalliereTabellenDruck(IInstallation& inst);

}  // namespace kolvar
