#include "installation.h"

#include "app/exportbefehle.h"
#include "app/grundeinstellungen.h"
#include "masterdata/grfenster.h"
#include "masterdata/kuerzellisten.h"
#include "masterdata/kursformfenster.h"
#include "masterdata/stammvorgaben.h"
#include "masterdata/uebersichten.h"
#include "print/druckinstallation.h"
#include "print/listendruckinstallation.h"
#include "print/tabellendruckinstallation.h"
#include "print/vertrdruckinstallation.h"
#include "substitution/kalenderdialog.h"
#include "substitution/kontenfenster.h"
#include "substitution/vertrfenster.h"
#include "views/ansichtsvorgaben.h"
#include "views/automatik.h"
#include "views/deputatfenster.h"
#include "views/manuellfenster.h"
#include "views/parfenster.h"
#include "views/planfenster.h"
#include "views/planwerkzeuge.h"

namespace kolvar {

void InstalliereFunktionen(TKolvarPalette& palette) {
  InstallierePlanFenster(palette);
  InstalliereDeputatFenster(palette);
  InstalliereManuellFenster(palette);
  InstalliereAutomatik(palette);
  InstallierePlanWerkzeuge(palette);
  InstalliereUebersichten(palette);
  InstalliereDruck(palette);
  InstalliereListenDruck(palette);
  InstalliereTabellenDruck(palette);
  InstalliereParFenster(palette);
  InstalliereGrunddaten(palette);
  InstalliereKuerzelListen(palette);
  InstalliereGrundeinstellungen(palette);
  InstalliereAnsichtsVorgaben(palette);
  InstalliereStammVorgaben(palette);
  InstalliereKursForm(palette);
  InstalliereKalender(palette);
  InstalliereVertretungsKonten(palette);
  InstalliereVertretungsDruck(palette);
  InstalliereVertretung(palette);
  InstalliereExport(palette);
}

}  // namespace kolvar
