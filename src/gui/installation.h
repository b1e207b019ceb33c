// The one place that knows every feature of the program: each registers its windows' openers,
// its dialogs and its menu commands with the palette.
#pragma once

namespace kolvar {

class TKolvarPalette;

void InstalliereFunktionen(TKolvarPalette& palette);

}  // namespace kolvar
