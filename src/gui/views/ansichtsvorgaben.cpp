#include "views/ansichtsvorgaben.h"

#include "app/kolvarpalette.h"
#include "app/menuepfade.h"
#include "views/depstandardform.h"
#include "views/maxtagloeform.h"
#include "views/plnstandardform.h"

namespace kolvar {

void InstalliereAnsichtsVorgaben(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      QStringLiteral("Deputate"),
      [&palette] {
        TDepStandardForm form(palette.Schule(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorDeputate);
  palette.RegistriereDialog(
      QStringLiteral("Pläne"),
      [&palette] {
        TPlnStandardForm form(palette.Schule(), &palette);
        return form.Zeige();
      },
      MenuePfad::VorPlaene);
  palette.Fragen().Registriere(TDialog::StundenLoeschen, [&palette](const std::vector<std::string>& texte) {
    // The text names the days that go: Sunday alone with six days.
    const int tage = !texte.empty() && texte.front() == "Sonntag" ? 6 : 5;
    TMaxTagLoeForm form(tage, &palette);
    return form.Zeige();
  });
}

}  // namespace kolvar
