#include "views/ansichtsvorgaben.h"

#include "app/guidialoge.h"
#include "app/iinstallation.h"
#include "app/menuepfade.h"
#include "views/depstandardform.h"
#include "views/maxtagloeform.h"
#include "views/plnstandardform.h"

namespace kolvar {

void InstalliereAnsichtsVorgaben(IInstallation& inst) {
  inst.RegistriereDialog(
      QStringLiteral("Deputate"),
      [&inst] {
        TDepStandardForm form(inst.Schule(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorDeputate);
  inst.RegistriereDialog(
      QStringLiteral("Pläne"),
      [&inst] {
        TPlnStandardForm form(inst.Schule(), inst.Hauptfenster());
        return form.Zeige();
      },
      MenuePfad::VorPlaene);
  inst.Fragen().Registriere(TDialog::StundenLoeschen, [&inst](const std::vector<std::string>& texte) {
    // The text names the days that go: Sunday alone with six days.
    const int tage = !texte.empty() && texte.front() == "Sonntag" ? 6 : 5;
    TMaxTagLoeForm form(tage, inst.Hauptfenster());
    return form.Zeige();
  });
}

}  // namespace kolvar
