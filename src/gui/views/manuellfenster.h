// Opening the manual planning window over the courses selected in the active window, and its
// part of the palette: the "Manuell" button and entry, and the undo entries' names while it is open.
#pragma once

namespace kolvar {

class IInstallation;
class TManuellForm;

// The open window is brought to the front; otherwise a new one takes the selection's courses
// (reasons off with Ctrl held). Nothing opens without courses to place.
TManuellForm* OeffneManuell(IInstallation& inst);

void InstalliereManuellFenster(IInstallation& inst);

}  // namespace kolvar
