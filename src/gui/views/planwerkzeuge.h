// The plan-wide tools: plan versions, compressing, deleting plans and cleaning up the courses'
// rooms.
#pragma once

namespace kolvar {

class IInstallation;

void InstallierePlanWerkzeuge(IInstallation& inst);

}  // namespace kolvar
