#include "views/planwerkzeuge.h"

#include "app/iinstallation.h"
#include "app/meldungsform.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "engine/planloescher.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "model/schule.h"
#include "platform/beschaeftigt.h"
#include "views/ergraloeform.h"
#include "views/kompform.h"
#include "views/kompwarnform.h"
#include "views/plloeschform.h"
#include "views/raloeschform.h"
#include "views/versstandardform.h"

namespace kolvar {

namespace {

// The message window and the hourglass while a clean-up runs.
template <class Arbeit>
void MitMeldung(IInstallation& inst, const QString& text, Arbeit arbeit) {
  TSanduhr sanduhr;
  TMeldungsForm meldung(inst.Hauptfenster());
  meldung.SetzeMeldung(text);
  meldung.ZeigeSofort();
  arbeit();
  inst.Schule().AktualisiereAlleFenster();
}

}  // namespace

void InstallierePlanWerkzeuge(IInstallation& inst) {
  inst.RegistriereDialog(
      QStringLiteral("Planversionen"),
      [&inst] {
        TVersStandardForm form(inst.Schule(), inst.Hauptfenster());
        const int ergebnis = form.Zeige();
        // The all-versions choice changed: every view shows by it.
        if (ergebnis == mrOk) inst.Schule().AktualisiereAlleFenster();
        return ergebnis;
      },
      MenuePfad::VorPlanversionen);
  TMenueBaum& menues = inst.Menues();
  menues.SetzeBefehl(MenuePfad::PlaeneLoeschen, [&inst] {
    if (!inst.DateiOffen()) return;
    TPlLoeschForm form(inst.Schule(), inst.Hauptfenster());
    form.Zeige();
  });
  menues.SetzeBefehl(MenuePfad::Komprimieren, [&inst] {
    // Without a class there is nothing to compress, not even a warning.
    if (!inst.DateiOffen() || inst.Schule().Klassen().Leer()) return;
    TKompWarnForm warnung(inst.Hauptfenster());
    if (warnung.Zeige() != mrJa) return;
    TKompForm form(inst.Schule(), inst.Hauptfenster());
    form.Zeige();
  });
  menues.SetzeBefehl(MenuePfad::SpaeterEingetrageneRaeume, [&inst] {
    if (!inst.DateiOffen()) return;
    TErgRaLoeForm form(inst.Hauptfenster());
    if (form.Zeige() != mrOk) return;
    MitMeldung(inst, QStringLiteral("Die später ergänzten Räume werden gelöscht."),
               [&inst] { TPlanLoescher(inst.Schule()).LoescheSpaeterErgaenzteRaeume(); });
  });
  menues.SetzeBefehl(MenuePfad::NichtBelegteRaeume, [&inst] {
    if (!inst.DateiOffen()) return;
    TRaLoeschForm form(inst.Hauptfenster());
    if (form.Zeige() != mrOk) return;
    MitMeldung(inst, QStringLiteral("Die unverplanten Räume werden gelöscht."), [&inst] {
      if (IFenster* kurse = inst.Schule().EinzelFenster(FensterArt::KursDep)) kurse->Schliesse();
      TPlanLoescher(inst.Schule()).LoescheUnbenutzteRaeume();
    });
  });
}

}  // namespace kolvar
