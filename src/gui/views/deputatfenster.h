// Opening and reusing workload windows: an element opens its workload, a window of the same
// kind that is active and shows another element is taken over unless a new window is wanted;
// "alle Kurse" is a single window. Cut and paste of the main menu reach them from here.
#pragma once

#include <cstdint>

class QWidget;

namespace kolvar {

class IInstallation;
class IPalette;
class TDepForm;
class TElement;
class TKursDepForm;
class TSchule;

// The element's workload window, opened, reused or taken over; nullptr for elements without one.
// Opening never marks the school modified.
TDepForm* OeffneDepFenster(TSchule& schule, TElement* element, bool neu, IPalette* palette, QWidget* eltern);

// The all-courses window over the school's course list; brought to the front when open.
TKursDepForm* OeffneKursDepFenster(TSchule& schule, IPalette* palette, QWidget* eltern);

// "Ausschneiden" and "Einsetzen" of the main menu for the active window: the workload windows
// cut their courses and the all-courses window pastes; elsewhere a beep or the paste notice.
void AusschneidenAktiv(TSchule& schule);
void EinsetzenAktiv(TSchule& schule);

// Registers the workload kinds and the all-courses window ("Kurse" opens it), and cut and paste
// for the active window.
void InstalliereDeputatFenster(IInstallation& inst);

}  // namespace kolvar
