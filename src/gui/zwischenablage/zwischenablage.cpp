#include "zwischenablage/zwischenablage.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/schule.h"
#include "platform/fensterartregister.h"
#include "platform/ipalette.h"
#include "zwischenablage/zwischenform.h"

namespace kolvar {

void InstalliereZwischenablage(IInstallation& inst) {
  inst.FensterArten().Registriere(FensterArt::Zwischen, "TZwischenForm", [&inst] {
    return new TZwischenForm(inst.Schule(), &inst.Palette().FensterListe());
  });
  inst.Menues().SetzeBefehl(MenuePfad::Zwischenablage, [&inst] {
    if (IFenster* offen = inst.Schule().EinzelFenster(FensterArt::Zwischen)) {
      if (auto* k = dynamic_cast<TKindFenster*>(offen)) {
        k->raise();
        k->activateWindow();
      }
      return;
    }
    if (TKindFenster* form = inst.FensterArten().Baue(FensterArt::Zwischen)) form->Oeffne();
  });
}

}  // namespace kolvar
