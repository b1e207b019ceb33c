// The defaults of new master data and courses ("Neu" leads through both) and the web colours.
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereStammVorgaben(IInstallation& inst);

}  // namespace kolvar
