#include "engine/konfliktliste.h"

#include <algorithm>
#include <functional>
#include <utility>

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

namespace {

struct TVorGemeldet {
  template <typename G>
  bool operator()(const G& g, const std::pair<int, const TKurs*>& s) const {
    if (g.Version != s.first) return g.Version < s.first;
    return std::less<const TKurs*>()(g.Kurs, s.second);
  }
};

}  // namespace

std::vector<TKonfliktListe::TGemeldet>::iterator TKonfliktListe::Suche(int version, const TKurs* kurs) {
  return std::lower_bound(gemeldet_.begin(), gemeldet_.end(), std::make_pair(version, kurs), TVorGemeldet());
}

std::vector<TKonfliktListe::TGemeldet>::const_iterator TKonfliktListe::Suche(int version,
                                                                             const TKurs* kurs) const {
  return std::lower_bound(gemeldet_.begin(), gemeldet_.end(), std::make_pair(version, kurs), TVorGemeldet());
}

bool TKonfliktListe::Gemeldet(const TKurs* kurs, int version) const {
  const auto it = Suche(version, kurs);
  return it != gemeldet_.end() && it->Version == version && it->Kurs == kurs;
}

bool TKonfliktListe::Fuege(const TKonflikt& konflikt) {
  const int art = konflikt.Art();
  const auto it = Suche(konflikt.Version(), konflikt.Kurs());
  const bool bekannt =
      it != gemeldet_.end() && it->Version == konflikt.Version() && it->Kurs == konflikt.Kurs();
  if (bekannt && art >= KonfliktArt::LehrerFixiert && art <= KonfliktArt::RaumBesetzt) return false;
  if (bekannt)
    ++it->Anzahl;
  else
    gemeldet_.insert(it, TGemeldet{konflikt.Version(), konflikt.Kurs(), 1});
  ungeordnet_ |= !konflikte_.empty() && konflikte_.back().Art() > art;
  konflikte_.push_back(konflikt);
  return true;
}

const std::vector<TKonflikt>& TKonfliktListe::Geordnet() const {
  // Stable: equal kinds keep the order they were found in.
  if (ungeordnet_)
    std::stable_sort(konflikte_.begin(), konflikte_.end(),
                     [](const TKonflikt& a, const TKonflikt& b) { return a.Art() < b.Art(); });
  ungeordnet_ = false;
  return konflikte_;
}

void TKonfliktListe::EntferneErstes() {
  if (konflikte_.empty()) return;
  const TKonflikt& erstes = Geordnet().front();
  const auto it = Suche(erstes.Version(), erstes.Kurs());
  if (it != gemeldet_.end() && it->Version == erstes.Version() && it->Kurs == erstes.Kurs() &&
      --it->Anzahl == 0)
    gemeldet_.erase(it);
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
  for (const TKonflikt& k : Geordnet()) texte.push_back(k.Text());
  return texte;
}

}  // namespace kolvar
