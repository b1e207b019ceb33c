#include "substitution/fehlzeiten.h"

#include "app/iinstallation.h"
#include "platform/ipalette.h"
#include "substitution/fehlform.h"

namespace kolvar {

int ZeigeFehlForm(IInstallation& inst, TElementArt art, TFehl* fehl, int32_t datum) {
  TFehlForm form(
      inst.Schule(), &inst.Palette(),
      [&inst](const std::vector<TElement*>& elemente, const QString& caption) {
        return inst.Palette().ZeigeMenuForm(elemente, caption);
      },
      inst.Hauptfenster());
  form.WahlZuruecksetzen = [&inst](TElementArt gewaehlt) { inst.SetzeWahl(gewaehlt, nullptr); };
  form.InitFehlForm(art, fehl, datum);
  const int ergebnis = form.Zeige();
  // The pop-up's choice was for this dialog only.
  inst.SetzeWahl(art, nullptr);
  return ergebnis;
}

}  // namespace kolvar
