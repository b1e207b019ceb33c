// The calendar of plan versions and free days, under "Voreinstellungen".
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereKalender(IInstallation& inst);

}  // namespace kolvar
