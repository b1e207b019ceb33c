#include "app/fensteroeffner.h"

#include "platform/fensterartregister.h"

namespace kolvar {

bool TFensterOeffner::HatElementOeffner(int gruppe) const {
  return arten_.HatElementOeffner(gruppe);
}

bool TFensterOeffner::HatElementOeffner() const {
  for (int g = 0; g < kGruppen; ++g)
    if (HatElementOeffner(g)) return true;
  return false;
}

bool TFensterOeffner::OeffneElement(int gruppe, TElement* element, std::uint8_t tasten) const {
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
