#include "views/parfenster.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "views/parform.h"
#include "views/parstartform.h"

namespace kolvar {

TParForm* OeffnePar(IInstallation& inst) {
  bool neu = false;
  auto* form = EinzelFensterDerArt<TParForm>(inst.FensterArten(), inst.Schule(), FensterArt::Par, neu);
  if (form == nullptr) return nullptr;
  if (neu) form->Oeffne();
  form->Baue();
  form->NachVorn();
  return form;
}

void InstalliereParFenster(IInstallation& inst) {
  inst.Menues().SetzeBefehl(MenuePfad::ParalleleKopplungen, [&inst] {
    if (!inst.DateiOffen()) return;
    TParStartForm optionen(inst.Standard(), inst.Schule().ParListe(), inst.Hauptfenster());
    if (optionen.Zeige() != mrOk) return;
    OeffnePar(inst);
  });
  // A saved window comes back with the stored table.
  inst.FensterArten().Registriere(
      FensterArt::Par, "TParForm",
      [&inst] { return new TParForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [&inst](TElement*, uint8_t) {
        inst.Standard().pue = true;
        OeffnePar(inst);
      });
  inst.FensterArten().SetzeBefehl<TParForm>(FensterArt::Par, TFensterBefehl::Drucken,
                                            [](TParForm& par) { par.Drucke(); });
  // While the window is active the "Automat" button searches its table.
  inst.FensterArten().SetzeBefehl<TParForm>(FensterArt::Par, TFensterBefehl::Automat,
                                            [](TParForm& par) { par.SucheLoesung(); });
}

}  // namespace kolvar
