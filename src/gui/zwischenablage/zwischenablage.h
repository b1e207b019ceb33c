// "Fenster > Zwischenablage": the clipboard window's kind and its menu entry.
#pragma once

namespace kolvar {

class IInstallation;

// The entry opens the window, or brings the open one to the front.
void InstalliereZwischenablage(IInstallation& inst);

}  // namespace kolvar
