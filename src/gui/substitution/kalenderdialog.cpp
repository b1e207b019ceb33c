#include "substitution/kalenderdialog.h"

#include "app/dialogregister.h"
#include "app/iinstallation.h"
#include "app/menuepfade.h"
#include "substitution/kalenderform.h"

namespace kolvar {

void InstalliereKalender(IInstallation& inst) {
  inst.RegistriereDialog(
      QStringLiteral("Kalender"),
      [&inst] {
        TKalenderForm form(inst.Schule(), inst.Hauptfenster());
        form.LadeKalender();
        const int ergebnis = form.Zeige();
        // "Wechseln" confirmed this dialog; the chosen page follows where the program has it.
        if (form.GewaehlteSeite() >= 0) {
          const QString seite = form.Seiten().value(form.GewaehlteSeite());
          if (seite != QStringLiteral("Kalender")) inst.DialogRegister().Oeffne(seite);
        }
        return ergebnis;
      },
      MenuePfad::VorKalender);
}

}  // namespace kolvar
