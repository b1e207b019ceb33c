#include "druck/elementbereich.h"

#include <algorithm>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

template <typename T>
std::vector<TElement*> Alle(const TListe<T>& liste) {
  std::vector<TElement*> elemente;
  for (T* e : liste) elemente.push_back(e);
  return elemente;
}

}  // namespace

std::vector<TElement*> ElementListe(const TSchule& schule, int art) {
  switch (art) {
    case 0:
      return Alle(schule.Lehrer());
    case 1:
      return Alle(schule.Klassen());
    case 2:
      return Alle(schule.Kopplungen());
    case 3:
      return Alle(schule.Faecher());
    case 4:
      return Alle(schule.Raeume());
    case 5:
      return Alle(schule.UVTabellen());
    default:
      return {};
  }
}

std::vector<TElement*> ElementBereich(const std::vector<TElement*>& liste, const TElement* von,
                                      const TElement* bis) {
  const auto a = std::find(liste.begin(), liste.end(), von);
  const auto b = std::find(liste.begin(), liste.end(), bis);
  if (von == nullptr || bis == nullptr || a == liste.end() || b == liste.end()) return {};
  if (b < a) return {*a};
  return {a, b + 1};
}

}  // namespace kolvar
