// The abbreviation lists in the palette: "Daten > Kürzel..." (Ctrl+K) and the named dialog the
// set-up of a new school opens.
#pragma once

namespace kolvar {

class TKolvarPalette;

void InstalliereKuerzelListen(TKolvarPalette& palette);

// Shows the abbreviation lists modally for the palette's school; afterwards the element menus
// are rebuilt and every window refreshes. Returns the modal result.
int ZeigeKuerzelListen(TKolvarPalette& palette);

}  // namespace kolvar
