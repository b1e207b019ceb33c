#include "ansicht/tabellenbearbeitung.h"

#include <cstdlib>

namespace kolvar {

int* TTabellenBearbeitung::Zelle(int t, int d, int p) {
  if (t < 1 || t > kAutomatikTabellen || d < 1 || d > kTage || p < 1 || p > kStunden) return nullptr;
  return &tabellen_[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>((p - 1) * kTage + d - 1)];
}

int TTabellenBearbeitung::Eintrag(int t, int d, int p) const {
  const int* z = const_cast<TTabellenBearbeitung*>(this)->Zelle(t, d, p);
  return z != nullptr ? *z : 0;
}

void TTabellenBearbeitung::Tausche(int t, int d1, int p1, int d2, int p2) {
  int* a = Zelle(t, d1, p1);
  int* b = Zelle(t, d2, p2);
  if (a == nullptr || b == nullptr || a == b) return;
  const int rangA = std::abs(*a), rangB = std::abs(*b);
  *a = *a < 0 ? -rangB : rangB;
  *b = *b < 0 ? -rangA : rangA;
}

void TTabellenBearbeitung::SchalteVerbindung(int t, int d, int p) {
  if (p >= kStunden) return;
  if (int* z = Zelle(t, d, p)) *z = -*z;
}

TTabellenBearbeitung::TTreffer TTabellenBearbeitung::Treffer(int x, int y, int breite, int periode) {
  if (x < breite - kStreifen) return TTreffer::Ziehen;
  if (y < kOben) return periode >= 2 ? TTreffer::LinkOben : TTreffer::Nichts;
  return periode <= kStunden - 1 ? TTreffer::LinkUnten : TTreffer::Nichts;
}

}  // namespace kolvar
