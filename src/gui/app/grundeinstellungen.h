// The basic settings: "Eckdaten" (also the first step of a new school) and the period labels.
#pragma once

namespace kolvar {

class TKolvarPalette;

void InstalliereGrundeinstellungen(TKolvarPalette& palette);

}  // namespace kolvar
