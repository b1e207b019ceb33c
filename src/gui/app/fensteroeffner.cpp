#include "app/fensteroeffner.h"

#include <stdexcept>
#include <string>

#include "platform/fensterartregister.h"

namespace kolvar {

void TFensterOeffner::SetzeElementOeffner(int gruppe, TElementOeffner oeffner) {
  if (gruppe < 0 || gruppe >= kGruppen)
    throw std::out_of_range("Ansichtsgruppe " + std::to_string(gruppe) + " gibt es nicht");
  elementOeffner_[static_cast<std::size_t>(gruppe)] = std::move(oeffner);
}

bool TFensterOeffner::HatElementOeffner(int gruppe) const {
  if (gruppe < 0 || gruppe >= kGruppen) return false;
  return static_cast<bool>(elementOeffner_[static_cast<std::size_t>(gruppe)]) ||
         arten_.HatElementOeffner(gruppe);
}

bool TFensterOeffner::HatElementOeffner() const {
  for (int g = 0; g < kGruppen; ++g)
    if (HatElementOeffner(g)) return true;
  return false;
}

bool TFensterOeffner::OeffneElement(int gruppe, TElement* element, std::uint8_t tasten) const {
  if (element == nullptr || gruppe < 0 || gruppe >= kGruppen) return false;
  if (const TElementOeffner& stellvertreter = elementOeffner_[static_cast<std::size_t>(gruppe)]) {
    stellvertreter(element, tasten);
    return true;
  }
  return arten_.OeffneElement(element, gruppe, tasten);
}

bool TFensterOeffner::OeffneArt(int art) const {
  return arten_.Oeffne(art, nullptr, 0);
}

bool TFensterOeffner::OeffneKurs(TKurs& kurs, const std::vector<TKurs*>& liste) const {
  if (!kursOeffner_) return false;
  kursOeffner_(kurs, liste);
  return true;
}

}  // namespace kolvar
