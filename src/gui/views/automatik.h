// The automatic run and its slot-table editor: the "Automat" button and the "Werkzeuge" entry
// start a run over the active window's selection; "Voreinstellungen > Automatik" edits the tables.
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereAutomatik(IInstallation& inst);
// Options, then the run window (TSchule.StarteAutomatik of old).
void StarteAutomatik(IInstallation& inst);

}  // namespace kolvar
