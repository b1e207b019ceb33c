#include "views/parfenster.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/standard.h"
#include "views/parform.h"
#include "views/parstartform.h"

namespace kolvar {

TParForm* OeffnePar(TKolvarPalette& palette) {
  TSchule& schule = palette.Schule();
  auto* form = dynamic_cast<TParForm*>(schule.EinzelFenster(FensterArt::Par));
  if (form == nullptr) {
    form = new TParForm(schule, &palette, &palette);
    form->Oeffne();
  }
  form->Baue();
  form->show();
  form->raise();
  form->activateWindow();
  return form;
}

void InstalliereParFenster(TKolvarPalette& palette) {
  palette.Menues().SetzeBefehl(MenuePfad::ParalleleKopplungen, [&palette] {
    if (!palette.DateiOffen()) return;
    TParStartForm optionen(palette.Standard(), palette.Schule().ParListe(), &palette);
    if (optionen.Zeige() != mrOk) return;
    OeffnePar(palette);
  });
  // A saved window comes back with the stored table.
  palette.SetzeFensterArtOeffner(FensterArt::Par, [&palette] {
    palette.Standard().pue = true;
    OeffnePar(palette);
  });
}

}  // namespace kolvar
