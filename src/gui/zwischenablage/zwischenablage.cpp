#include "zwischenablage/zwischenablage.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "platform/ipalette.h"
#include "zwischenablage/zwischenform.h"

namespace kolvar {

void InstalliereZwischenablage(IInstallation& inst) {
  inst.FensterArten().Registriere(FensterArt::Zwischen, "TZwischenForm", [&inst] {
    return new TZwischenForm(inst.Schule(), &inst.Palette().FensterListe());
  });
  inst.Menues().SetzeBefehl(MenuePfad::Zwischenablage, [&inst] {
    OeffneEinzelFenster<TZwischenForm>(inst.FensterArten(), inst.Schule(), FensterArt::Zwischen,
                                       [](TZwischenForm& neu) { neu.Oeffne(); });
  });
}

}  // namespace kolvar
