#include "masterdata/stammvorgaben.h"

#include "app/dialogregister.h"
#include "app/kolvarpalette.h"
#include "app/menuepfade.h"
#include "masterdata/grdatstandardform.h"
#include "masterdata/htmlstandardform.h"
#include "masterdata/kursstandardform.h"

namespace kolvar {

void InstalliereStammVorgaben(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      DialogName::Grunddaten,
      [&palette] {
        TGrDatStandardForm form(palette.Schule(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorGrunddaten);
  palette.RegistriereDialog(
      DialogName::KursVorgaben,
      [&palette] {
        TKursStandardForm form(palette.Schule(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorKurse);
  palette.RegistriereDialog(
      QStringLiteral("HTML-Farben"),
      [&palette] {
        THTMLStandardForm form(palette.Standard(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorHtmlFarben);
}

}  // namespace kolvar
