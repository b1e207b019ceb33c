// The abbreviation lists in the palette: "Daten > Kürzel..." (Ctrl+K) and the named dialog the
// set-up of a new school opens.
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereKuerzelListen(IInstallation& inst);

// Shows the abbreviation lists modally for the palette's school; afterwards the element menus
// are rebuilt and every window refreshes. Returns the modal result.
int ZeigeKuerzelListen(IInstallation& inst);

}  // namespace kolvar
