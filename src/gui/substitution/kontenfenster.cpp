#include "substitution/kontenfenster.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "model/uhr.h"
#include "substitution/vertruebzeit.h"
#include "substitution/vstatform.h"
#include "substitution/vstdform.h"

namespace kolvar {

void ZeigeVertretungsstunden(TSchule& schule, QWidget* eltern) {
  if (schule.Lehrer().Leer()) return;
  TVStdForm form(schule, eltern);
  form.Zeige();
}

TVStatForm* OeffneVertrUebersicht(TKolvarPalette& palette, int32_t von, int32_t bis) {
  TSchule& schule = palette.Schule();
  auto* fenster = dynamic_cast<TVStatForm*>(schule.EinzelFenster(FensterArt::VStat));
  const bool neu = fenster == nullptr;
  if (neu) fenster = new TVStatForm(schule, &palette, &palette);
  fenster->BildeVertrUebersicht(bis, von);
  if (neu) fenster->Oeffne();
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
  return fenster;
}

void InstalliereVertretungsKonten(TKolvarPalette& palette) {
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::Vertretungsstunden, [&palette] {
    if (palette.DateiOffen()) ZeigeVertretungsstunden(palette.Schule(), &palette);
  });
  menues.SetzeBefehl(MenuePfad::Vertretungsuebersicht, [&palette] {
    if (!palette.DateiOffen()) return;
    TVertrUebZeit zeit(&palette);
    zeit.SetzeHeute(palette.Schule().Zeit().Heute());
    if (zeit.Zeige() != mrOk) return;
    OeffneVertrUebersicht(palette, zeit.Von(), zeit.Bis());
  });
  // A school file that reopens the overview shows today.
  palette.SetzeFensterArtOeffner(FensterArt::VStat, [&palette] {
    const int32_t heute = palette.Schule().Zeit().Heute();
    OeffneVertrUebersicht(palette, heute, heute);
  });
}

}  // namespace kolvar
