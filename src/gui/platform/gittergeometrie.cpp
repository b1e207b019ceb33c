#include "platform/gittergeometrie.h"

#include <algorithm>

namespace kolvar {

TGitterGeometrie::TGitterGeometrie() : breiten_(5, 64), hoehen_(5, 24) {}

void TGitterGeometrie::SetzeSpalten(int anzahl) {
  anzahl = std::max(anzahl, 0);
  breiten_.resize(anzahl, standardBreite_);
  festeSpalten_ = std::min(festeSpalten_, anzahl);
  SetzeLinkeSpalte(linkeSpalte_);
}

void TGitterGeometrie::SetzeZeilen(int anzahl) {
  anzahl = std::max(anzahl, 0);
  hoehen_.resize(anzahl, standardHoehe_);
  festeZeilen_ = std::min(festeZeilen_, anzahl);
  SetzeObersteZeile(obersteZeile_);
}

void TGitterGeometrie::SetzeFesteSpalten(int anzahl) {
  festeSpalten_ = std::clamp(anzahl, 0, Spalten());
  // The first scrollable column starts the view again, as it would after building the grid.
  linkeSpalte_ = festeSpalten_;
  SetzeLinkeSpalte(linkeSpalte_);
}

void TGitterGeometrie::SetzeFesteZeilen(int anzahl) {
  festeZeilen_ = std::clamp(anzahl, 0, Zeilen());
  obersteZeile_ = festeZeilen_;
  SetzeObersteZeile(obersteZeile_);
}

void TGitterGeometrie::SetzeStandardBreite(int breite) {
  standardBreite_ = std::max(breite, 0);
  std::fill(breiten_.begin(), breiten_.end(), standardBreite_);
  SetzeLinkeSpalte(linkeSpalte_);
}

void TGitterGeometrie::SetzeStandardHoehe(int hoehe) {
  standardHoehe_ = std::max(hoehe, 0);
  std::fill(hoehen_.begin(), hoehen_.end(), standardHoehe_);
  SetzeObersteZeile(obersteZeile_);
}

int TGitterGeometrie::SpaltenBreite(int spalte) const {
  return spalte >= 0 && spalte < Spalten() ? breiten_[spalte] : 0;
}

int TGitterGeometrie::ZeilenHoehe(int zeile) const {
  return zeile >= 0 && zeile < Zeilen() ? hoehen_[zeile] : 0;
}

void TGitterGeometrie::SetzeSpaltenBreite(int spalte, int breite) {
  if (spalte < 0 || spalte >= Spalten()) return;
  breiten_[spalte] = std::max(breite, 0);
  SetzeLinkeSpalte(linkeSpalte_);
}

void TGitterGeometrie::SetzeZeilenHoehe(int zeile, int hoehe) {
  if (zeile < 0 || zeile >= Zeilen()) return;
  hoehen_[zeile] = std::max(hoehe, 0);
  SetzeObersteZeile(obersteZeile_);
}

void TGitterGeometrie::SetzeLinienBreite(int breite) {
  linie_ = std::max(breite, 0);
  SetzeLinkeSpalte(linkeSpalte_);
  SetzeObersteZeile(obersteZeile_);
}

void TGitterGeometrie::SetzeFlaeche(QSize flaeche) {
  flaeche_ = flaeche;
  SetzeLinkeSpalte(linkeSpalte_);
  SetzeObersteZeile(obersteZeile_);
}

int TGitterGeometrie::Summe(const std::vector<int>& groessen, int von, int bis, int linie) {
  int summe = 0;
  for (int i = von; i < bis; ++i) summe += groessen[i] + linie;
  return summe;
}

int TGitterGeometrie::Maximum(const std::vector<int>& groessen, int feste, int linie, int laenge) {
  const int n = static_cast<int>(groessen.size());
  if (n <= feste) return feste;
  // Room for the tail of cells; the line after the last cell need not be in view.
  int rest = laenge - Summe(groessen, 0, feste, linie) + linie;
  int erste = n;
  while (erste > feste && rest - (groessen[erste - 1] + linie) >= 0) {
    rest -= groessen[erste - 1] + linie;
    --erste;
  }
  // A last cell larger than the area can still be scrolled to.
  return std::clamp(erste, feste, n - 1);
}

int TGitterGeometrie::Sichtbar(const std::vector<int>& groessen, int feste, int erste, int linie,
                               int laenge) {
  int pos = Summe(groessen, 0, feste, linie);
  int anzahl = 0;
  for (int i = erste; i < static_cast<int>(groessen.size()); ++i) {
    if (pos + groessen[i] > laenge) break;
    pos += groessen[i] + linie;
    ++anzahl;
  }
  return anzahl;
}

int TGitterGeometrie::Position(const std::vector<int>& groessen, int feste, int erste, int linie, int index) {
  if (index < 0 || index >= static_cast<int>(groessen.size())) return -1;
  if (index < feste) return Summe(groessen, 0, index, linie);
  if (index < erste) return -1;
  return Summe(groessen, 0, feste, linie) + Summe(groessen, erste, index, linie);
}

int TGitterGeometrie::IndexBei(const std::vector<int>& groessen, int feste, int erste, int linie, int wert) {
  if (wert < 0) return -1;
  int pos = 0;
  const int n = static_cast<int>(groessen.size());
  for (int i = 0; i < n; ++i) {
    if (i == feste) i = std::max(erste, feste);
    if (i >= n) break;
    pos += groessen[i] + linie;
    if (wert < pos) return i;
  }
  return -1;
}

int TGitterGeometrie::MaxObersteZeile() const {
  return Maximum(hoehen_, festeZeilen_, linie_, flaeche_.height());
}

int TGitterGeometrie::MaxLinkeSpalte() const {
  return Maximum(breiten_, festeSpalten_, linie_, flaeche_.width());
}

bool TGitterGeometrie::SetzeLinkeSpalte(int spalte) {
  const int neu = std::clamp(spalte, festeSpalten_, std::max(festeSpalten_, MaxLinkeSpalte()));
  const bool geaendert = neu != linkeSpalte_;
  linkeSpalte_ = neu;
  return geaendert;
}

bool TGitterGeometrie::SetzeObersteZeile(int zeile) {
  const int neu = std::clamp(zeile, festeZeilen_, std::max(festeZeilen_, MaxObersteZeile()));
  const bool geaendert = neu != obersteZeile_;
  obersteZeile_ = neu;
  return geaendert;
}

int TGitterGeometrie::SichtbareZeilen() const {
  return Sichtbar(hoehen_, festeZeilen_, obersteZeile_, linie_, flaeche_.height());
}

int TGitterGeometrie::SichtbareSpalten() const {
  return Sichtbar(breiten_, festeSpalten_, linkeSpalte_, linie_, flaeche_.width());
}

bool TGitterGeometrie::ZeigeZelle(int spalte, int zeile) {
  bool geaendert = false;
  if (spalte >= festeSpalten_ && spalte < Spalten()) {
    if (spalte < linkeSpalte_) {
      geaendert |= SetzeLinkeSpalte(spalte);
    } else {
      // Move right until the column is fully in view or is the left column itself.
      int links = linkeSpalte_;
      while (links < spalte &&
             Sichtbar(breiten_, festeSpalten_, links, linie_, flaeche_.width()) <= spalte - links)
        ++links;
      geaendert |= SetzeLinkeSpalte(links);
    }
  }
  if (zeile >= festeZeilen_ && zeile < Zeilen()) {
    if (zeile < obersteZeile_) {
      geaendert |= SetzeObersteZeile(zeile);
    } else {
      int oben = obersteZeile_;
      while (oben < zeile && Sichtbar(hoehen_, festeZeilen_, oben, linie_, flaeche_.height()) <= zeile - oben)
        ++oben;
      geaendert |= SetzeObersteZeile(oben);
    }
  }
  return geaendert;
}

int TGitterGeometrie::FesteBreite() const {
  return Summe(breiten_, 0, festeSpalten_, linie_);
}

int TGitterGeometrie::FesteHoehe() const {
  return Summe(hoehen_, 0, festeZeilen_, linie_);
}

int TGitterGeometrie::SichtbaresEndeX() const {
  return FesteBreite() + Summe(breiten_, linkeSpalte_, linkeSpalte_ + SichtbareSpalten(), linie_);
}

int TGitterGeometrie::SichtbaresEndeY() const {
  return FesteHoehe() + Summe(hoehen_, obersteZeile_, obersteZeile_ + SichtbareZeilen(), linie_);
}

QSize TGitterGeometrie::GanzeGroesse() const {
  return QSize(Summe(breiten_, 0, Spalten(), linie_), Summe(hoehen_, 0, Zeilen(), linie_));
}

int TGitterGeometrie::SpaltenX(int spalte) const {
  return Position(breiten_, festeSpalten_, linkeSpalte_, linie_, spalte);
}

int TGitterGeometrie::ZeilenY(int zeile) const {
  return Position(hoehen_, festeZeilen_, obersteZeile_, linie_, zeile);
}

QRect TGitterGeometrie::ZellRechteck(int spalte, int zeile) const {
  const int x = SpaltenX(spalte);
  const int y = ZeilenY(zeile);
  if (x < 0 || y < 0) return {};
  return QRect(x, y, breiten_[spalte], hoehen_[zeile]);
}

int TGitterGeometrie::SpalteBei(int x) const {
  return IndexBei(breiten_, festeSpalten_, linkeSpalte_, linie_, x);
}

int TGitterGeometrie::ZeileBei(int y) const {
  return IndexBei(hoehen_, festeZeilen_, obersteZeile_, linie_, y);
}

QPoint TGitterGeometrie::ZelleBei(QPoint punkt) const {
  const int spalte = SpalteBei(punkt.x());
  const int zeile = ZeileBei(punkt.y());
  if (spalte < 0 || zeile < 0) return {-1, -1};
  return {spalte, zeile};
}

}  // namespace kolvar
