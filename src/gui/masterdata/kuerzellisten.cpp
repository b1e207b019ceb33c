#include "masterdata/kuerzellisten.h"

#include "app/dialogregister.h"
#include "app/iinstallation.h"
#include "app/menuepfade.h"
#include "masterdata/kueform.h"
#include "model/schule.h"

namespace kolvar {

int ZeigeKuerzelListen(IInstallation& inst) {
  int ergebnis = mrKeins;
  {
    TKueForm form(inst.Schule(), inst.Hauptfenster());
    ergebnis = form.Zeige();
  }
  // The menus number the elements in list order, which may have changed.
  inst.KuerzelMenusAnlegen();
  inst.Schule().AktualisiereAlleFenster();
  return ergebnis;
}

void InstalliereKuerzelListen(IInstallation& inst) {
  inst.RegistriereDialog(
      DialogName::Kuerzel, [&inst] { return ZeigeKuerzelListen(inst); }, MenuePfad::Kuerzel);
}

}  // namespace kolvar
