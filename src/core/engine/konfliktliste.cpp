#include "engine/konfliktliste.h"

#include <algorithm>

namespace kolvar {

int KonfliktSchwere(int art) {
  switch (art) {
    case KonfliktArt::KursGesperrt:
    case KonfliktArt::LehrerGesperrt:
    case KonfliktArt::KlasseGesperrt:
    case KonfliktArt::LehrerFixiert:
    case KonfliktArt::KlasseFixiert:
      return 3;
    case KonfliktArt::RaumGesperrt:
    case KonfliktArt::RaumFixiert:
      return 2;
    default:
      return 1;
  }
}

bool TKonfliktListe::Fuege(const TKonflikt& konflikt) {
  const int art = konflikt.Art();
  const TSchluessel schluessel{konflikt.Kurs(), konflikt.Version()};
  // A repeat is looked up, not searched for: a move over many versions collects hundreds.
  if (art >= KonfliktArt::LehrerFixiert && art <= KonfliktArt::RaumBesetzt && gemeldet_.contains(schluessel))
    return false;
  // After every conflict that does not sort behind the new one: equal kinds keep their order.
  auto pos = std::upper_bound(konflikte_.begin(), konflikte_.end(), art,
                              [](int a, const TKonflikt& k) { return a < k.Art(); });
  konflikte_.insert(pos, konflikt);
  ++gemeldet_[schluessel];
  return true;
}

void TKonfliktListe::EntferneErstes() {
  if (konflikte_.empty()) return;
  const auto it = gemeldet_.find({konflikte_.front().Kurs(), konflikte_.front().Version()});
  if (it != gemeldet_.end() && --it->second == 0) gemeldet_.erase(it);
  konflikte_.erase(konflikte_.begin());
}

int TKonfliktListe::Schwere() const {
  int s = 0;
  for (const TKonflikt& k : konflikte_) s = std::max(s, k.Schwere());
  return s;
}

std::vector<std::string> TKonfliktListe::Texte() const {
  std::vector<std::string> texte;
  texte.reserve(konflikte_.size());
  for (const TKonflikt& k : konflikte_) texte.push_back(k.Text());
  return texte;
}

}  // namespace kolvar
