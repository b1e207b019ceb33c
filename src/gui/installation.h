// The one place that knows every feature of the program: each registers its window kinds, its
// dialogs and its menu commands. The order does not matter: no installer reads what another
// registered.
#pragma once

#include <span>

namespace kolvar {

class IInstallation;
class TKolvarPalette;

using TInstallierer = void (*)(IInstallation& inst);

// Every feature's installer.
std::span<const TInstallierer> Installierer();
// Runs them all on the palette.
void InstalliereFunktionen(TKolvarPalette& palette);

}  // namespace kolvar
