#include "installation.h"

#include "masterdata/kursformfenster.h"
#include "views/automatik.h"
#include "views/deputatfenster.h"
#include "views/manuellfenster.h"
#include "views/planfenster.h"
#include "views/planwerkzeuge.h"

namespace kolvar {

void InstalliereFunktionen(TKolvarPalette& palette) {
  InstallierePlanFenster(palette);
  InstalliereDeputatFenster(palette);
  InstalliereManuellFenster(palette);
  InstalliereAutomatik(palette);
  InstallierePlanWerkzeuge(palette);
  InstalliereKursForm(palette);
}

}  // namespace kolvar
