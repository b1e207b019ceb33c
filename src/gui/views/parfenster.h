// The parallel-couplings window: its options dialog from "Daten > Parallele Kopplungen", its
// reopening from a school file, and its search from the "Automat" button while it is active.
#pragma once

namespace kolvar {

class IInstallation;
class TParForm;

// Opens the window (or brings the open one to the front) and builds it from the settings.
TParForm* OeffnePar(IInstallation& inst);

void InstalliereParFenster(IInstallation& inst);

}  // namespace kolvar
