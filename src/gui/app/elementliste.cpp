#include "app/elementliste.h"

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/uvtab.h"

namespace kolvar {

std::vector<TElement*> ElementeVon(const TSchule& schule, TElementArt art) {
  std::vector<TElement*> elemente;
  auto nimm = [&elemente](const auto& liste) {
    for (auto* e : liste) elemente.push_back(e);
  };
  switch (art) {
    case TElementArt::Lehrer:
      nimm(schule.Lehrer());
      break;
    case TElementArt::Klasse:
      nimm(schule.Klassen());
      break;
    case TElementArt::Kopplung:
      nimm(schule.Kopplungen());
      break;
    case TElementArt::Fach:
      nimm(schule.Faecher());
      break;
    case TElementArt::Raum:
      nimm(schule.Raeume());
      break;
    case TElementArt::UVTab:
      nimm(schule.UVTabellen());
      break;
  }
  return elemente;
}

}  // namespace kolvar
