#include "print/tabellendruckinstallation.h"

#include "app/fehlerform.h"
#include "app/kolvarpalette.h"
#include "app/menuebaum.h"
#include "app/menuebefehle.h"
#include "app/menuepfade.h"
#include "masterdata/uvform.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "print/druckfehlform.h"
#include "print/druckfuebform.h"
#include "print/druckkonfform.h"
#include "print/druckparform.h"
#include "print/druckuvform.h"
#include "views/parform.h"

namespace kolvar {

namespace {

template <typename Form, typename... Args>
void Oeffne(TKolvarPalette& palette, Args&&... args) {
  if (!palette.DateiOffen()) return;
  Form form(palette.Schule(), std::forward<Args>(args)..., &palette);
  form.LadeEinstellungen();
  form.Zeige();
}

// The window in front, when it is one of the kinds printed here; false otherwise.
bool DruckeFenster(TKolvarPalette& palette) {
  IFenster* aktiv = palette.Schule().AktivesFenster();
  if (aktiv == nullptr) return false;
  switch (aktiv->Tag()) {
    case FensterArt::UV:
      if (auto* uv = dynamic_cast<TUVForm*>(aktiv); uv != nullptr && uv->Tabelle() != nullptr) {
        Oeffne<TDruckUVForm>(palette, *uv->Tabelle(), uv->Layout(), uv->ZeigtKopplung());
        return true;
      }
      return false;
    case FensterArt::Fehler:
      if (auto* fehler = dynamic_cast<TFehlerForm*>(aktiv)) {
        Oeffne<TDruckFehlForm>(palette, fehler->Zeilen());
        return true;
      }
      return false;
    case FensterArt::Par:
      if (auto* par = dynamic_cast<TParForm*>(aktiv)) {
        Oeffne<TDruckParForm>(palette, par->Tabelle());
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace

void InstalliereTabellenDruck(TKolvarPalette& palette) {
  TMenueBaum& menues = palette.Menues();
  menues.SetzeBefehl(MenuePfad::DruckFachkonferenzen, [&palette] { Oeffne<TDruckFaKonfForm>(palette); });
  menues.SetzeBefehl(MenuePfad::DruckKlassenkonferenzen, [&palette] { Oeffne<TDruckKlKonfForm>(palette); });
  menues.SetzeBefehl(MenuePfad::DruckUebFaecher, [&palette] {
    Oeffne<TDruckFUebForm>(palette, TDruckDialog::TWaehler([&palette](const std::vector<TElement*>& liste,
                                                                      const QString& caption) {
                             return palette.ZeigeMenuForm(liste, caption);
                           }));
  });
  // Every other window keeps the route it had.
  std::function<void()> bisher = menues.Befehl(MenuePfad::FensterDrucken);
  menues.SetzeBefehl(MenuePfad::FensterDrucken, [&palette, bisher] {
    if (DruckeFenster(palette)) return;
    if (bisher)
      bisher();
    else
      palette.Befehle().FensterDruckenItemClick();
  });
}

}  // namespace kolvar
