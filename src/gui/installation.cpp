#include "installation.h"

#include "views/automatik.h"
#include "views/planfenster.h"

namespace kolvar {

void InstalliereFunktionen(TKolvarPalette& palette) {
  InstallierePlanFenster(palette);
  InstalliereAutomatik(palette);
}

}  // namespace kolvar
