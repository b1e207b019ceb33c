#include "installation.h"

#include "app/exportbefehle.h"
#include "app/grundeinstellungen.h"
#include "app/kolvarpalette.h"
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

namespace {

constexpr TInstallierer kInstallierer[] = {
    [](TKolvarPalette& p) { InstallierePlanFenster(p); },
    [](TKolvarPalette& p) { InstalliereDeputatFenster(p); },
    [](TKolvarPalette& p) { InstalliereManuellFenster(p); },
    [](TKolvarPalette& p) { InstalliereAutomatik(p); },
    [](TKolvarPalette& p) { InstallierePlanWerkzeuge(p); },
    [](TKolvarPalette& p) { InstalliereUebersichten(p); },
    [](TKolvarPalette& p) { InstalliereDruck(p); },
    [](TKolvarPalette& p) { InstalliereListenDruck(p); },
    [](TKolvarPalette& p) { InstalliereTabellenDruck(p); },
    [](TKolvarPalette& p) { InstalliereParFenster(p); },
    [](TKolvarPalette& p) { InstalliereGrunddaten(p); },
    [](TKolvarPalette& p) { InstalliereKuerzelListen(p); },
    [](TKolvarPalette& p) { InstalliereGrundeinstellungen(p); },
    [](TKolvarPalette& p) { InstalliereAnsichtsVorgaben(p); },
    [](TKolvarPalette& p) { InstalliereStammVorgaben(p); },
    [](TKolvarPalette& p) { InstalliereKursForm(p); },
    [](TKolvarPalette& p) { InstalliereKalender(p); },
    [](TKolvarPalette& p) { InstalliereVertretungsKonten(p); },
    [](TKolvarPalette& p) { InstalliereVertretungsDruck(p); },
    [](TKolvarPalette& p) { InstalliereVertretung(p); },
    [](TKolvarPalette& p) { InstalliereExport(p); },
};

}  // namespace

std::span<const TInstallierer> Installierer() {
  return kInstallierer;
}

void InstalliereFunktionen(TKolvarPalette& palette) {
  for (TInstallierer installiere : kInstallierer) installiere(palette);
}

}  // namespace kolvar
