#include "model/parliste.h"

namespace kolvar {

TParListe::TParListe() {
  zellen_.Haenge(nullptr);
}

TKopplung* TParListe::Zelle(int zeile, int spalte) const {
  if (zeile < 1 || spalte < 1 || zeile > zeilen_ || spalte > spalten_) return nullptr;
  return zellen_.Hole((zeile - 1) * spalten_ + spalte);
}

void TParListe::EntferneElement(const TKopplung* k) {
  for (int i = 1; i <= zellen_.Anzahl(); ++i)
    if (zellen_.Hole(i) == k) zellen_.SetzeBei(i, nullptr);
}

}  // namespace kolvar
