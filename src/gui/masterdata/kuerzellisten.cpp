#include "masterdata/kuerzellisten.h"

#include "app/dialogregister.h"
#include "app/kolvarpalette.h"
#include "app/menuepfade.h"
#include "masterdata/kueform.h"
#include "model/schule.h"

namespace kolvar {

int ZeigeKuerzelListen(TKolvarPalette& palette) {
  int ergebnis = mrKeins;
  {
    TKueForm form(palette.Schule(), &palette);
    ergebnis = form.Zeige();
  }
  // The menus number the elements in list order, which may have changed.
  palette.KuerzelMenusAnlegen();
  palette.Schule().AktualisiereAlleFenster();
  return ergebnis;
}

void InstalliereKuerzelListen(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      DialogName::Kuerzel, [&palette] { return ZeigeKuerzelListen(palette); }, MenuePfad::Kuerzel);
}

}  // namespace kolvar
