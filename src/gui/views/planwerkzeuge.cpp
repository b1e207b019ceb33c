#include "views/planwerkzeuge.h"

#include "app/kolvarpalette.h"
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
void MitMeldung(TKolvarPalette& palette, const QString& text, Arbeit arbeit) {
  TSanduhr sanduhr;
  TMeldungsForm meldung(&palette);
  meldung.SetzeMeldung(text);
  meldung.ZeigeSofort();
  arbeit();
  palette.Schule().AktualisiereAlleFenster();
}

}  // namespace

void InstallierePlanWerkzeuge(TKolvarPalette& palette) {
  palette.RegistriereDialog(
      QStringLiteral("Planversionen"),
      [&palette] {
        TVersStandardForm form(palette.Schule(), &palette);
        const int ergebnis = form.Zeige();
        // The all-versions choice changed: every view shows by it.
        if (ergebnis == mrOk) palette.Schule().AktualisiereAlleFenster();
        return ergebnis;
      },
      MenuePfad::VorPlanversionen);
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::PlaeneLoeschen, [&palette] {
    if (!palette.DateiOffen()) return;
    TPlLoeschForm form(palette.Schule(), &palette);
    form.Zeige();
  });
  menues.SetzeBefehl(MenuePfad::Komprimieren, [&palette] {
    // Without a class there is nothing to compress, not even a warning.
    if (!palette.DateiOffen() || palette.Schule().Klassen().Leer()) return;
    TKompWarnForm warnung(&palette);
    if (warnung.Zeige() != mrJa) return;
    TKompForm form(palette.Schule(), &palette);
    form.Zeige();
  });
  menues.SetzeBefehl(MenuePfad::SpaeterEingetrageneRaeume, [&palette] {
    if (!palette.DateiOffen()) return;
    TErgRaLoeForm form(&palette);
    if (form.Zeige() != mrOk) return;
    MitMeldung(palette, QStringLiteral("Die später ergänzten Räume werden gelöscht."),
               [&palette] { TPlanLoescher(palette.Schule()).LoescheSpaeterErgaenzteRaeume(); });
  });
  menues.SetzeBefehl(MenuePfad::NichtBelegteRaeume, [&palette] {
    if (!palette.DateiOffen()) return;
    TRaLoeschForm form(&palette);
    if (form.Zeige() != mrOk) return;
    MitMeldung(palette, QStringLiteral("Die unverplanten Räume werden gelöscht."), [&palette] {
      if (IFenster* kurse = palette.Schule().EinzelFenster(FensterArt::KursDep)) kurse->Schliesse();
      TPlanLoescher(palette.Schule()).LoescheUnbenutzteRaeume();
    });
  });
}

}  // namespace kolvar
