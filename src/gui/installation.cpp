#include "installation.h"

#include "views/planfenster.h"

namespace kolvar {

void InstalliereFunktionen(TKolvarPalette& palette) {
  InstallierePlanFenster(palette);
}

}  // namespace kolvar
