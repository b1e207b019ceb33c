// Opening and reusing workload windows: an element opens its workload, a window of the same
// kind that is active and shows another element is taken over unless a new window is wanted;
// "alle Kurse" is a single window.
#pragma once

#include <cstdint>

namespace kolvar {

class IInstallation;
class TDepForm;
class TElement;
class TFensterArtRegister;
class TKursDepForm;
class TSchule;

// The element's workload window, opened, reused or taken over; nullptr for elements without one.
// Opening never marks the school modified.
TDepForm* OeffneDepFenster(const TFensterArtRegister& arten, TSchule& schule, TElement* element, bool neu);

// The all-courses window over the school's course list; brought to the front when open.
TKursDepForm* OeffneKursDepFenster(const TFensterArtRegister& arten, TSchule& schule);

// Registers the workload kinds and the all-courses window ("Kurse" opens it), with their cut and
// the all-courses window's paste.
void InstalliereDeputatFenster(IInstallation& inst);

}  // namespace kolvar
