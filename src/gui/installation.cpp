#include "installation.h"

#include "app/kolvarpalette.h"
#include "einstellungen/grundeinstellungen.h"
#include "export/exportbefehle.h"
#include "masterdata/grfenster.h"
#include "masterdata/kuerzellisten.h"
#include "masterdata/kursformfenster.h"
#include "masterdata/stammvorgaben.h"
#include "masterdata/uebersichten.h"
#include "print/druckinstallation.h"
#include "print/listendruckinstallation.h"
#include "print/tabellendruckinstallation.h"
#include "print/vertrdruckinstallation.h"
#include "pruefung/datenpruefen.h"
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
#include "zwischenablage/zwischenablage.h"

namespace kolvar {

namespace {

constexpr TInstallierer kInstallierer[] = {
    &InstallierePlanFenster,
    &InstalliereDeputatFenster,
    &InstalliereManuellFenster,
    &InstalliereAutomatik,
    &InstallierePlanWerkzeuge,
    &InstalliereUebersichten,
    &InstalliereDruck,
    &InstalliereListenDruck,
    &InstalliereTabellenDruck,
    &InstalliereParFenster,
    &InstalliereGrunddaten,
    &InstalliereKuerzelListen,
    &InstalliereGrundeinstellungen,
    &InstalliereAnsichtsVorgaben,
    &InstalliereStammVorgaben,
    &InstalliereKursForm,
    &InstalliereKalender,
    &InstalliereVertretungsKonten,
    &InstalliereVertretungsDruck,
    &InstalliereVertretung,
    &InstalliereExport,
    &InstallierePruefung,
    &InstalliereZwischenablage,
};

}  // namespace

std::span<const TInstallierer> Installierer() {
  return kInstallierer;
}

void InstalliereFunktionen(TKolvarPalette& palette) {
  for (TInstallierer installiere : kInstallierer) installiere(palette);
}

}  // namespace kolvar
