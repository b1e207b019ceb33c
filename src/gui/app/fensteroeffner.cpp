#include "app/fensteroeffner.h"

#include <stdexcept>
#include <string>

namespace kolvar {

void TFensterOeffner::SetzeElementOeffner(int gruppe, TElementOeffner oeffner) {
  if (gruppe < 0 || gruppe >= kGruppen)
    throw std::out_of_range("Ansichtsgruppe " + std::to_string(gruppe) + " gibt es nicht");
  elementOeffner_[static_cast<std::size_t>(gruppe)] = std::move(oeffner);
}

void TFensterOeffner::SetzeArtOeffner(int art, TArtOeffner oeffner) {
  artOeffner_.insert(art, std::move(oeffner));
}

bool TFensterOeffner::HatElementOeffner(int gruppe) const {
  return gruppe >= 0 && gruppe < kGruppen &&
         static_cast<bool>(elementOeffner_[static_cast<std::size_t>(gruppe)]);
}

TFensterOeffner::TElementOeffner TFensterOeffner::ElementOeffner(int gruppe) const {
  return HatElementOeffner(gruppe) ? elementOeffner_[static_cast<std::size_t>(gruppe)] : TElementOeffner{};
}

bool TFensterOeffner::HatElementOeffner() const {
  for (int g = 0; g < kGruppen; ++g)
    if (HatElementOeffner(g)) return true;
  return false;
}

bool TFensterOeffner::OeffneElement(int gruppe, TElement* element, std::uint8_t tasten) const {
  if (element == nullptr || !HatElementOeffner(gruppe)) return false;
  elementOeffner_[static_cast<std::size_t>(gruppe)](element, tasten);
  return true;
}

bool TFensterOeffner::OeffneArt(int art) const {
  const auto it = artOeffner_.find(art);
  if (it == artOeffner_.end() || !it.value()) return false;
  it.value()();
  return true;
}

bool TFensterOeffner::OeffneKurs(TKurs& kurs, const std::vector<TKurs*>& liste) const {
  if (!kursOeffner_) return false;
  kursOeffner_(kurs, liste);
  return true;
}

}  // namespace kolvar
