#include "substitution/kontenfenster.h"

#include "app/iinstallation.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/uhr.h"
#include "platform/fensterartregister.h"
#include "platform/fensteroeffnen.h"
#include "substitution/vertruebzeit.h"
#include "substitution/vstatform.h"
#include "substitution/vstdform.h"

namespace kolvar {

void ZeigeVertretungsstunden(TSchule& schule, QWidget* eltern) {
  if (schule.Lehrer().Leer()) return;
  TVStdForm form(schule, eltern);
  form.Zeige();
}

TVStatForm* OeffneVertrUebersicht(IInstallation& inst, int32_t von, int32_t bis) {
  bool neu = false;
  auto* fenster = EinzelFensterDerArt<TVStatForm>(inst.FensterArten(), inst.Schule(), FensterArt::VStat, neu);
  if (fenster == nullptr) return nullptr;
  fenster->BildeVertrUebersicht(bis, von);
  // An open one only comes to the front.
  fenster->Oeffne();
  return fenster;
}

void InstalliereVertretungsKonten(IInstallation& inst) {
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::Vertretungsstunden, [&inst] {
    if (inst.DateiOffen()) ZeigeVertretungsstunden(inst.Schule(), inst.Hauptfenster());
  });
  menues.SetzeBefehl(MenuePfad::Vertretungsuebersicht, [&inst] {
    if (!inst.DateiOffen()) return;
    TVertrUebZeit zeit(inst.Hauptfenster());
    zeit.SetzeHeute(inst.Schule().Zeit().Heute());
    if (zeit.Zeige() != mrOk) return;
    OeffneVertrUebersicht(inst, zeit.Von(), zeit.Bis());
  });
  // A school file that reopens the overview shows today.
  inst.FensterArten().Registriere(
      FensterArt::VStat, "TVStatForm",
      [&inst] { return new TVStatForm(inst.Schule(), &inst.Palette(), inst.Hauptfenster()); },
      [&inst](TElement*, uint8_t) {
        const int32_t heute = inst.Schule().Zeit().Heute();
        OeffneVertrUebersicht(inst, heute, heute);
      });
  TFensterArtRegister& arten = inst.FensterArten();
  arten.SetzeBefehl<TVStatForm>(FensterArt::VStat, TFensterBefehl::Kopieren,
                                [](TVStatForm& f) { f.UebersichtKopieren(); });
  arten.SetzeBefehl<TVStatForm>(FensterArt::VStat, TFensterBefehl::AllesAuswaehlen,
                                [](TVStatForm& f) { f.WaehleAlles(); });
  arten.SetzeBefehl<TVStatForm>(FensterArt::VStat, TFensterBefehl::Drucken,
                                [](TVStatForm& f) { f.Drucke(); });
}

}  // namespace kolvar
