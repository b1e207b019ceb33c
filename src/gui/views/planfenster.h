// Opening and reusing plan windows: an element opens its plan, a window of the same kind that is
// active and shows another element is taken over unless a new window is wanted.
#pragma once

#include <cstdint>

namespace kolvar {

class IInstallation;
class IPalette;
class TElement;
class TFensterArtRegister;
class TGuiDialoge;
class TKurs;
class TPlanElement;
class TPlnForm;
class TSchule;

// The element's plan window, opened, reused or taken over; nullptr for elements without a plan.
// Opening never marks the school modified.
TPlnForm* OeffnePlanFenster(const TFensterArtRegister& arten, TSchule& schule, TPlanElement* element,
                            bool neu);

// The plans of the lesson's room at that slot, its first class and its teacher.
// Each opens as the palette opens an element's plan; a modifier held asks for new windows.
void OeffneElementFenster(TKurs& kurs, int tag, int stunde, IPalette& palette);

// The placing dialogs answer the core's placing questions (Setzungsverbot, Verdrängen ...).
void InstallierePlanDialoge(TGuiDialoge& dialoge);

// Registers the plan kinds (the element menus, view buttons, arrows and saved windows open plans
// through them; any modifier held asks for a new window) and the placing dialogs.
void InstallierePlanFenster(IInstallation& inst);

}  // namespace kolvar
