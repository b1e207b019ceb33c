#pragma once
// TTabellenBearbeitung: the working copy of the automatic placer's four slot tables while the
// user edits them. Cell (day, period) of a table holds its order number as magnitude; a negative
// entry links the period with the next one of the same day. Every edit keeps each table a
// permutation of 1..112.

#include "model/standard.h"

namespace kolvar {

class TTabellenBearbeitung {
 public:
  explicit TTabellenBearbeitung(const TAutomatikTabellen& tabellen) : tabellen_(tabellen) {}

  const TAutomatikTabellen& Tabellen() const { return tabellen_; }
  // Table t 1..4, day 1..7, period 1..16; 0 outside.
  int Eintrag(int t, int d, int p) const;
  // Period p linked with p + 1.
  bool Verbunden(int t, int d, int p) const { return Eintrag(t, d, p) < 0; }
  // The two cells exchange their order numbers; each keeps its own link mark.
  void Tausche(int t, int d1, int p1, int d2, int p2);
  // Links or parts period p and p + 1 of the day; nothing for period 16 or outside.
  void SchalteVerbindung(int t, int d, int p);

  // Where a press in a data cell lands: the arrow strip is the rightmost kStreifen pixels, its
  // upper part (above kOben) belongs to the link with the period above, the rest to the link
  // with the period below; elsewhere the cell is dragged.
  enum class TTreffer { Ziehen, LinkOben, LinkUnten, Nichts };
  static constexpr int kStreifen = 7;
  static constexpr int kOben = 8;
  static TTreffer Treffer(int x, int y, int breite, int periode);

 private:
  int* Zelle(int t, int d, int p);
  TAutomatikTabellen tabellen_;
};

}  // namespace kolvar
