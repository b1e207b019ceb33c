#include "print/listendruckinstallation.h"

#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuepfade.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "print/druckdepform.h"
#include "print/druckkueform.h"
#include "print/druckrestform.h"
#include "print/drucksvform.h"

namespace kolvar {

namespace {

TListenDruckDialog::TPicker Picker(TKolvarPalette& palette) {
  return [&palette](TElementArt art, const QPoint& ort) -> TElement* {
    if (!palette.WaehleElement(art, false, ort)) return nullptr;
    TElement* e = palette.Wahl(art);
    palette.SetzeWahl(art, nullptr);
    return e;
  };
}

void OeffneKuerzelDruck(TKolvarPalette& palette) {
  if (!palette.DateiOffen()) return;
  TDruckKueForm form(palette.Schule(), &palette);
  form.LadeEinstellungen();
  form.Zeige();
}

// art: the kind to preset, or -1 for the stored one.
void OeffneRestDruck(TKolvarPalette& palette, int art) {
  if (!palette.DateiOffen()) return;
  TDruckRestForm form(palette.Schule(), Picker(palette), &palette);
  form.LadeEinstellungen();
  if (art >= 0) form.SetzeArt(art);
  form.Zeige();
}

void OeffneSVDruck(TKolvarPalette& palette) {
  if (!palette.DateiOffen()) return;
  TDruckSVForm form(palette.Schule(), Picker(palette), &palette);
  form.LadeEinstellungen();
  form.Zeige();
}

}  // namespace

void OeffneDeputatDruck(TKolvarPalette& palette, IFenster* aufrufer) {
  if (!palette.DateiOffen()) return;
  TDruckDepForm form(
      palette.Schule(),
      [&palette](const std::vector<TElement*>& liste, const QString& caption) {
        return palette.ZeigeMenuForm(liste, caption);
      },
      &palette);
  form.LadeEinstellungen();
  const int art = aufrufer != nullptr ? aufrufer->Tag() : 0;
  if (art >= FensterArt::LeDep && art <= FensterArt::RaDep) {
    form.SetzeArt(art - FensterArt::LeDep);
    form.UebernimmElement(aufrufer->Element());
  }
  form.Zeige();
}

void InstalliereListenDruck(TKolvarPalette& palette) {
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::DruckKuerzel, [&palette] { OeffneKuerzelDruck(palette); });
  menues.SetzeBefehl(MenuePfad::DruckDeputate,
                     [&palette] { OeffneDeputatDruck(palette, palette.Schule().AktivesFenster()); });
  menues.SetzeBefehl(MenuePfad::DruckReststunden, [&palette] { OeffneRestDruck(palette, -1); });
  menues.SetzeBefehl(MenuePfad::DruckStundenverteilung, [&palette] { OeffneSVDruck(palette); });
  std::function<void()> bisher = menues.Befehl(MenuePfad::FensterDrucken);
  menues.SetzeBefehl(MenuePfad::FensterDrucken, [&palette, bisher = std::move(bisher)] {
    IFenster* aktiv = palette.Schule().AktivesFenster();
    const int art = aktiv != nullptr ? aktiv->Tag() : 0;
    if (art >= FensterArt::LeDep && art <= FensterArt::KursDep) {
      OeffneDeputatDruck(palette, aktiv);
    } else if (art == FensterArt::SV) {
      OeffneSVDruck(palette);
    } else if (art >= FensterArt::LeStat && art <= FensterArt::FaStat) {
      OeffneRestDruck(palette, art - FensterArt::LeStat);
    } else if (bisher) {
      bisher();
    }
  });
}

}  // namespace kolvar
