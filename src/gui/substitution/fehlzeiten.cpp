#include "substitution/fehlzeiten.h"

#include "app/kolvarpalette.h"
#include "substitution/fehlform.h"

namespace kolvar {

int ZeigeFehlForm(TKolvarPalette& palette, TElementArt art, TFehl* fehl, int32_t datum) {
  TFehlForm form(
      palette.Schule(), &palette,
      [&palette](const std::vector<TElement*>& elemente, const QString& caption) {
        return palette.ZeigeMenuForm(elemente, caption);
      },
      &palette);
  form.InitFehlForm(art, fehl, datum);
  const int ergebnis = form.Zeige();
  // The pop-up's choice was for this dialog only.
  palette.SetzeWahl(art, nullptr);
  return ergebnis;
}

}  // namespace kolvar
