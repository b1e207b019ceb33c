// Movable columns of the string grid: a column is dragged by its cell in a fixed row and dropped
// on another column's place; its cells (text and object) and its width go along, and the grid
// remembers the column's origin, so that whoever fills it can still find the column.
#include <QPainter>
#include <algorithm>
#include <utility>

#include "platform/gitter.h"

namespace kolvar {

int TGitter::SpaltenUrsprung(int spalte) const {
  return spalte >= 0 && spalte < static_cast<int>(ursprung_.size())
             ? ursprung_[static_cast<std::size_t>(spalte)]
             : -1;
}

int TGitter::SpaltenPosition(int ursprung) const {
  const auto it = std::find(ursprung_.begin(), ursprung_.end(), ursprung);
  return it == ursprung_.end() ? -1 : static_cast<int>(it - ursprung_.begin());
}

void TGitter::VerschiebeSpalte(int von, int nach) {
  const int n = Spalten();
  if (von == nach || von < FesteSpalten() || nach < FesteSpalten() || von >= n || nach >= n) return;
  if (bearbeitet_) BeendeBearbeiten(true);
  BrecheZiehenAb();
  const auto drehe = [von, nach](auto anfang) {
    if (von < nach)
      std::rotate(anfang + von, anfang + von + 1, anfang + nach + 1);
    else
      std::rotate(anfang + nach, anfang + von, anfang + von + 1);
  };
  for (int z = 0; z < Zeilen(); ++z) drehe(zellen_.begin() + static_cast<std::ptrdiff_t>(z) * n);
  drehe(ursprung_.begin());
  std::vector<int> breiten;
  for (int s = 0; s < n; ++s) breiten.push_back(SpaltenBreite(s));
  drehe(breiten.begin());
  for (int s = 0; s < n; ++s) geo_.SetzeSpaltenBreite(s, breiten[static_cast<std::size_t>(s)]);
  // The current cell stays with its column.
  const auto neu = [von, nach](int s) {
    if (s == von) return nach;
    if (von < nach && s > von && s <= nach) return s - 1;
    if (von > nach && s >= nach && s < von) return s + 1;
    return s;
  };
  spalte_ = neu(spalte_);
  ecke_.setX(neu(ecke_.x()));
  if (!(optionen_ & goZeilenauswahl) && !auswahl_.Leer() && auswahl_.links == auswahl_.rechts)
    auswahl_.links = auswahl_.rechts = neu(auswahl_.links);
  Geaendert(false);
  emit SpalteVerschoben(von, nach);
}

bool TGitter::SpaltenZugBeginnt(QPoint ort, QPoint zelle) {
  if (!(optionen_ & goSpaltenVerschieben) || zelle.y() < 0 || zelle.y() >= FesteZeilen() ||
      zelle.x() < FesteSpalten() || zelle.x() >= Spalten())
    return false;
  zugSpalte_ = zelle.x();
  zugOrt_ = ort;
  viewport()->update();
  return true;
}

int TGitter::SpaltenZugZiel(QPoint ort) const {
  if (ort.x() < geo_.FesteBreite()) return LinkeSpalte();
  const int s = geo_.SpalteBei(ort.x());
  return s >= FesteSpalten() ? s : Spalten() - 1;
}

void TGitter::SpaltenZugMale(QPainter& p) const {
  const int ziel = SpaltenZugZiel(zugOrt_);
  const QRect quelle = geo_.ZellRechteck(zugSpalte_, 0);
  if (!quelle.isEmpty()) p.fillRect(quelle, QColor(0, 0, 0, 40));
  if (ziel == zugSpalte_) return;
  const QRect r = geo_.ZellRechteck(ziel, 0);
  if (r.isEmpty()) return;
  // The mark stands where the column will go: before the target moving left, after it moving right.
  const int x = ziel < zugSpalte_ ? r.left() : r.right() + 1;
  p.fillRect(QRect(x - 1, 0, 3, geo_.Flaeche().height()), palette().color(QPalette::Highlight));
}

bool TGitter::SpaltenZugEnde(QPoint ort) {
  const int von = std::exchange(zugSpalte_, -1);
  viewport()->update();
  const int nach = SpaltenZugZiel(ort);
  if (nach == von || nach < FesteSpalten()) return false;
  VerschiebeSpalte(von, nach);
  return true;
}

}  // namespace kolvar
