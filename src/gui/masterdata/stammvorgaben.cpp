#include "masterdata/stammvorgaben.h"

#include "app/dialogregister.h"
#include "app/iinstallation.h"
#include "app/menuepfade.h"
#include "masterdata/grdatstandardform.h"
#include "masterdata/htmlstandardform.h"
#include "masterdata/kursstandardform.h"

namespace kolvar {

void InstalliereStammVorgaben(IInstallation& inst) {
  inst.RegistriereDialog(
      DialogName::Grunddaten,
      [&inst] {
        TGrDatStandardForm form(inst.Schule(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorGrunddaten);
  inst.RegistriereDialog(
      DialogName::KursVorgaben,
      [&inst] {
        TKursStandardForm form(inst.Schule(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorKurse);
  inst.RegistriereDialog(
      QStringLiteral("HTML-Farben"),
      [&inst] {
        THTMLStandardForm form(inst.Standard(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorHtmlFarben);
}

}  // namespace kolvar
