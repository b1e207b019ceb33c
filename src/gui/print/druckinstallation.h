// The printouts' part of the program: the print menu's plan entries and "Fenster drucken..."
// on a plan window.
#pragma once

namespace kolvar {

class IInstallation;
class TElement;
enum class TPlanDruckArt;

// The plan print dialog of the kind, with the element (if any) in its first row.
void OeffnePlanDruck(IInstallation& inst, TPlanDruckArt art, TElement* element);

void InstalliereDruck(IInstallation& inst);

}  // namespace kolvar
