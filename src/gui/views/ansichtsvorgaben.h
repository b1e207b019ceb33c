// The presets of the plan and workload views, and the question the basic settings ask before
// lessons on dropped school days go.
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereAnsichtsVorgaben(IInstallation& inst);

}  // namespace kolvar
