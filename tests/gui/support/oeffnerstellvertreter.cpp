#include "gui/support/oeffnerstellvertreter.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "app/kolvarpalette.h"
#include "model/fensterart.h"
#include "platform/fensterartregister.h"

namespace kolvar {

void SetzeElementFensterOeffner(TKolvarPalette& palette, int gruppe,
                                std::function<void(TElement* element, std::uint8_t tasten)> oeffner) {
  if (gruppe < 0 || gruppe > 2)
    throw std::out_of_range("Ansichtsgruppe " + std::to_string(gruppe) + " gibt es nicht");
  TFensterArtRegister& arten = palette.FensterArten();
  // The opener builds its windows itself: the kinds' builders make none.
  for (const TFensterArtInfo& info : FensterArten())
    if (info.Gruppe == gruppe && info.Liste && IstElementFenster(info.Tag) && !arten.HatBauer(info.Tag))
      arten.Registriere(
          info.Tag, info.Form, [] { return nullptr; }, oeffner);
}

void SetzeFensterArtOeffner(TKolvarPalette& palette, int art, std::function<void()> oeffner) {
  const TFensterArtInfo* info = FensterArtInfo(art);
  palette.FensterArten().Registriere(
      art, info != nullptr ? info->Form : nullptr, [] { return nullptr; },
      [oeffner = std::move(oeffner)](TElement*, std::uint8_t) { oeffner(); });
}

}  // namespace kolvar
