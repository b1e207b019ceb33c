#include "installation.h"

#include "views/deputatfenster.h"
#include "views/planfenster.h"

namespace kolvar {

void InstalliereFunktionen(TKolvarPalette& palette) {
  InstallierePlanFenster(palette);
  InstalliereDeputatFenster(palette);
}

}  // namespace kolvar
