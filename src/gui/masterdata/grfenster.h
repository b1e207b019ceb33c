// Opening and reusing the master-data editors: an element opens its editor, an active editor of
// the same kind that shows another element is taken over unless a new window is wanted.
#pragma once

#include <cstdint>

namespace kolvar {

class IInstallation;
class TElement;
class TFensterArtRegister;
class TGrForm;
class TSchule;

// The element's editor, opened, brought up or taken over; null for an element without one.
// Opening never marks the school modified.
TGrForm* OeffneGrFenster(const TFensterArtRegister& arten, TSchule& schule, TElement* element, bool neu);

// Registers the editor kinds: the element menus, view buttons, arrows and saved windows open
// editors through them.
void InstalliereGrunddaten(IInstallation& inst);

}  // namespace kolvar
