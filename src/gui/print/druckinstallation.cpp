#include "print/druckinstallation.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuebefehle.h"
#include "app/menuepfade.h"
#include "druck/plandruck.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "print/anwendungsdrucker.h"
#include "print/druckplnform.h"
#include "print/druckuebform.h"

namespace kolvar {

namespace {

TDruckDialog::TWaehler Waehler(TKolvarPalette& palette) {
  return [&palette](const std::vector<TElement*>& liste, const QString& caption) {
    return palette.ZeigeMenuForm(liste, caption);
  };
}

void OeffneUebersichtDruck(TKolvarPalette& palette, TUebersichtArt art) {
  if (!palette.DateiOffen()) return;
  TDruckUebForm form(palette.Schule(), art, Waehler(palette), &palette);
  form.LadeEinstellungen();
  form.Zeige();
}

}  // namespace

void OeffnePlanDruck(TKolvarPalette& palette, TPlanDruckArt art, TElement* element) {
  if (!palette.DateiOffen()) return;
  TDruckPlnForm form(palette.Schule(), art, Waehler(palette), &palette);
  form.LadeEinstellungen();
  form.UebernimmElement(element);
  form.Zeige();
}

void InstalliereDruck(TKolvarPalette& palette) {
  TMenueBaum& menues = palette.Menues();
  const std::array<std::pair<const QString*, TPlanDruckArt>, 4> plaene{
      {{&MenuePfad::DruckLehrerplaene, TPlanDruckArt::Lehrer},
       {&MenuePfad::DruckKlassenplaene, TPlanDruckArt::Klasse},
       {&MenuePfad::DruckRaumplaene, TPlanDruckArt::Raum},
       {&MenuePfad::DruckKopplungsplaene, TPlanDruckArt::Kopplung}}};
  for (const auto& [pfad, art] : plaene)
    menues.SetzeBefehl(*pfad, [&palette, art = art] { OeffnePlanDruck(palette, art, nullptr); });
  const std::array<std::pair<const QString*, TUebersichtArt>, 4> uebersichten{
      {{&MenuePfad::DruckUebLehrer, TUebersichtArt::Lehrer},
       {&MenuePfad::DruckUebKlassen, TUebersichtArt::Klasse},
       {&MenuePfad::DruckUebRaeume, TUebersichtArt::Raum},
       {&MenuePfad::DruckUebKombination, TUebersichtArt::Kombination}}};
  for (const auto& [pfad, art] : uebersichten)
    menues.SetzeBefehl(*pfad, [&palette, art = art] { OeffneUebersichtDruck(palette, art); });
  menues.SetzeBefehl(MenuePfad::Papierformat, [&palette] {
    TAnwendungsDrucker::Ablauf().Papierformat(TAnwendungsDrucker::Drucker(), &palette);
  });
  // A plan window prints through its kind's plan printout with its element in the first row;
  // every other window prints itself.
  menues.SetzeBefehl(MenuePfad::FensterDrucken, [&palette] {
    IFenster* aktiv = palette.Schule().AktivesFenster();
    const int art = aktiv != nullptr ? aktiv->Tag() : 0;
    if (art == FensterArt::LePln || art == FensterArt::KlPln || art == FensterArt::RaPln) {
      const TPlanDruckArt druck = art == FensterArt::LePln   ? TPlanDruckArt::Lehrer
                                  : art == FensterArt::KlPln ? TPlanDruckArt::Klasse
                                                             : TPlanDruckArt::Raum;
      OeffnePlanDruck(palette, druck, aktiv->Element());
      return;
    }
    palette.Befehle().FensterDruckenItemClick();
  });
}

}  // namespace kolvar
