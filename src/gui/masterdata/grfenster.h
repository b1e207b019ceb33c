// Opening and reusing the master-data editors: an element opens its editor, an active editor of
// the same kind that shows another element is taken over unless a new window is wanted.
#pragma once

#include <cstdint>

class QWidget;

namespace kolvar {

class IInstallation;
class IPalette;
class TElement;
class TGrForm;
class TSchule;
struct TGrDienste;

// The element's editor, opened, brought up or taken over; null for an element without one.
// Opening never marks the school modified.
TGrForm* OeffneGrFenster(TSchule& schule, TElement* element, bool neu, IPalette* palette,
                         const TGrDienste& dienste, QWidget* eltern);

// Registers the editor kinds: the element menus, view buttons, arrows and saved windows open
// editors through them.
void InstalliereGrunddaten(IInstallation& inst);

}  // namespace kolvar
