// The calendar of plan versions and free days, under "Voreinstellungen".
#pragma once

namespace kolvar {

class TKolvarPalette;

void InstalliereKalender(TKolvarPalette& palette);

}  // namespace kolvar
