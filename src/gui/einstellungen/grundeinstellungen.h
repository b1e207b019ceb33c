// The basic settings: "Eckdaten" (also the first step of a new school) and the period labels.
#pragma once

namespace kolvar {

class IInstallation;

void InstalliereGrundeinstellungen(IInstallation& inst);

}  // namespace kolvar
