#include "druck/breiten.h"

#include <algorithm>
#include <string>

#include "model/fach.h"
#include "model/itextmass.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

template <typename Text>
int Breitestes(const TSchule& schule, int art, const ITextMass& mass, Text text) {
  int breite = 0;
  auto liste = [&](const auto& elemente) {
    for (const auto* e : elemente) breite = std::max(breite, mass.TextBreite(text(*e)));
  };
  switch (art) {
    case 0:
      liste(schule.Lehrer());
      break;
    case 1:
      liste(schule.Klassen());
      break;
    case 2:
      liste(schule.Kopplungen());
      break;
    case 3:
      liste(schule.Faecher());
      break;
    case 4:
      liste(schule.Raeume());
      break;
    case 5:
      liste(schule.UVTabellen());
      break;
    default:
      break;
  }
  return breite;
}

}  // namespace

int MaxKuerzelBreite(const TSchule& schule, int art, const ITextMass& mass) {
  return Breitestes(schule, art, mass, [](const TElement& e) -> const std::string& { return e.Kuerzel(); });
}

int MaxNameBreite(const TSchule& schule, int art, const ITextMass& mass) {
  return Breitestes(schule, art, mass, [](const TElement& e) -> const std::string& { return e.Name(); });
}

int MaxTagBreite(const TStandard& standard, const ITextMass& mass) {
  int breite = 0;
  for (const std::string& tag : standard.spg) breite = std::max(breite, mass.TextBreite(tag));
  return breite;
}

int MaxStundenBreite(const TStandard& standard, const ITextMass& mass) {
  int breite = 0;
  const auto& labels = standard.sp[static_cast<std::size_t>(standard.AktuelleVersion() - 1)];
  for (const std::string& label : labels) breite = std::max(breite, mass.TextBreite(label));
  return breite;
}

}  // namespace kolvar
