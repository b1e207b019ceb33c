#include "app/grundeinstellungen.h"

#include "app/dialogregister.h"
#include "app/eckstandardform.h"
#include "app/hintergrund.h"
#include "app/kolvarpalette.h"
#include "app/menuepfade.h"
#include "app/zeitform.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

void InstalliereGrundeinstellungen(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      DialogName::Eckdaten,
      [&palette] {
        TEckStandardForm form(
            palette.Schule(), [&palette](uint32_t farbe) { palette.Hintergrund()->SetzeFarbe(farbe); },
            &palette);
        const int ergebnis = form.Zeige();
        if (ergebnis == mrOk) {
          palette.PaletteAnordnen();
          palette.HintergrundAnpassen();
          palette.VersionsMenuAufbauen();
          palette.MenusAnpassen();
          palette.Schule().SetzeCursor();
        }
        return ergebnis;
      },
      MenuePfad::VorEckdaten);
  palette.RegistriereDialog(
      QStringLiteral("Zeiten"),
      [&palette] {
        TZeitForm form(palette.Standard(), &palette);
        const int ergebnis = form.Zeige();
        // Only the labels are stored: the column widths are the user's, set in "Pläne" and
        // "Deputate", and measuring them afresh here would undo them.
        if (ergebnis == mrOk) palette.Schule().AktualisiereAlleFenster();
        return ergebnis;
      },
      MenuePfad::VorZeiten);
}

}  // namespace kolvar
