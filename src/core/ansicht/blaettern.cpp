#include "ansicht/blaettern.h"

#include <algorithm>
#include <vector>

#include "model/element.h"
#include "model/fensterart.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"

namespace kolvar {

TElement* BlaetterZiel(const TSchule& schule, int art, TElement* von, bool vorwaerts, uint8_t tasten) {
  TElementArt liste{};
  if (von == nullptr || !ListeDerArt(art, liste)) return nullptr;
  const std::vector<TElement*> elemente = schule.Elemente(liste);
  const auto it = std::find(elemente.begin(), elemente.end(), von);
  if (it == elemente.end()) return nullptr;
  // Ctrl steps teacher and class plans to the next element with a lesson still lacking its room.
  const bool plan = FamilieDerArt(art) == TFamilie::Plan && liste != TElementArt::Raum;
  const bool ohneRaum = plan && (tasten & Taste::Strg);
  const auto n = static_cast<long>(elemente.size());
  const long start = it - elemente.begin();
  long i = start;
  auto ohneRaumGesetzt = [&](long j) {
    const auto* e = dynamic_cast<const TSollElement*>(elemente[static_cast<std::size_t>(j)]);
    return e != nullptr && e->HatSetzungOhneRaum();
  };
  do {
    i = ((vorwaerts ? i + 1 : i - 1) % n + n) % n;
  } while (ohneRaum && i != start && !ohneRaumGesetzt(i));
  TElement* ziel = elemente[static_cast<std::size_t>(i)];
  return plan && ziel == von ? nullptr : ziel;
}

}  // namespace kolvar
