#include "einstellungen/grundeinstellungen.h"

#include "app/dialogregister.h"
#include "app/iinstallation.h"
#include "app/menuepfade.h"
#include "einstellungen/eckstandardform.h"
#include "einstellungen/zeitform.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

void InstalliereGrundeinstellungen(IInstallation& inst) {
  inst.RegistriereDialog(
      DialogName::Eckdaten,
      [&inst] {
        TEckStandardForm form(
            inst.Schule(), [&inst](uint32_t farbe) { inst.ZeigeHintergrundFarbe(farbe); },
            inst.Hauptfenster());
        const int ergebnis = form.Zeige();
        if (ergebnis == mrOk) inst.EckdatenUebernommen();
        return ergebnis;
      },
      MenuePfad::VorEckdaten);
  inst.RegistriereDialog(
      QStringLiteral("Zeiten"),
      [&inst] {
        TZeitForm form(inst.Standard(), inst.Hauptfenster());
        const int ergebnis = form.Zeige();
        // Only the labels are stored: the column widths are the user's, set in "Pläne" and
        // "Deputate", and measuring them afresh here would undo them.
        if (ergebnis == mrOk) inst.Schule().AktualisiereAlleFenster();
        return ergebnis;
      },
      MenuePfad::VorZeiten);
}

}  // namespace kolvar
