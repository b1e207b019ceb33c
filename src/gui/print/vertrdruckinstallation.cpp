#include "print/vertrdruckinstallation.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/schule.h"
#include "model/uhr.h"
#include "print/druckvertrform.h"
#include "print/druckvstdform.h"
#include "print/druckvuebform.h"
#include "substitution/ivertrfenster.h"

namespace kolvar {

void OeffneVertrDruck(TKolvarPalette& palette, int32_t datum) {
  if (!palette.DateiOffen()) return;
  TDruckVertrForm form(
      palette.Schule(), [&palette](const QString& text) { palette.TextInZwischenablage(text); }, &palette);
  form.LadeEinstellungen(datum);
  form.Zeige();
}

void OeffneVertrUebDruck(TKolvarPalette& palette, int32_t von, int32_t bis) {
  if (!palette.DateiOffen()) return;
  TDruckVUebForm form(palette.Schule(), &palette);
  form.LadeEinstellungen(von, bis);
  form.Zeige();
}

void InstalliereVertretungsDruck(TKolvarPalette& palette) {
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::DruckVertretungsplan, [&palette] {
    OeffneVertrDruck(palette, VertretungsplanStartDatum(palette.Schule(), palette.Schule().Zeit().Heute()));
  });
  menues.SetzeBefehl(MenuePfad::DruckVertretungsuebersicht, [&palette] {
    const int32_t heute = palette.Schule().Zeit().Heute();
    OeffneVertrUebDruck(palette, heute, heute);
  });
  menues.SetzeBefehl(MenuePfad::DruckVertretungsstunden, [&palette] {
    if (!palette.DateiOffen()) return;
    TDruckVStdForm form(palette.Schule(), &palette);
    form.LadeEinstellungen();
    form.Zeige();
  });
}

}  // namespace kolvar
