// Where the cells of a grid lie: fixed rows and columns, widths and heights, grid lines, and the
// top-left scrollable cell. Scrolling moves by whole cells. No widget involved.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace kolvar {

class TGitterGeometrie {
 public:
  TGitterGeometrie();

  int Spalten() const { return static_cast<int>(breiten_.size()); }
  int Zeilen() const { return static_cast<int>(hoehen_.size()); }
  // New columns and rows get the default size; fixed counts shrink with them.
  void SetzeSpalten(int anzahl);
  void SetzeZeilen(int anzahl);
  // Changing a fixed count scrolls back to the first scrollable cell.
  int FesteSpalten() const { return festeSpalten_; }
  int FesteZeilen() const { return festeZeilen_; }
  void SetzeFesteSpalten(int anzahl);
  void SetzeFesteZeilen(int anzahl);

  int StandardBreite() const { return standardBreite_; }
  int StandardHoehe() const { return standardHoehe_; }
  // Setting the default resets every column (row) to it.
  void SetzeStandardBreite(int breite);
  void SetzeStandardHoehe(int hoehe);
  int SpaltenBreite(int spalte) const;
  int ZeilenHoehe(int zeile) const;
  void SetzeSpaltenBreite(int spalte, int breite);
  void SetzeZeilenHoehe(int zeile, int hoehe);
  int LinienBreite() const { return linie_; }
  void SetzeLinienBreite(int breite);

  // The visible area.
  QSize Flaeche() const { return flaeche_; }
  void SetzeFlaeche(QSize flaeche);

  int LinkeSpalte() const { return linkeSpalte_; }
  int ObersteZeile() const { return obersteZeile_; }
  // Clamped to the scrollable range; return whether anything moved.
  bool SetzeLinkeSpalte(int spalte);
  bool SetzeObersteZeile(int zeile);
  // The last top row (left column) at which the grid's end is still fully in view.
  int MaxObersteZeile() const;
  int MaxLinkeSpalte() const;
  // Scrollable rows (columns) from the top row (left column) that are fully in view.
  int SichtbareZeilen() const;
  int SichtbareSpalten() const;
  // Scrolls the least amount that brings the cell fully into view (a cell that does not fit
  // becomes the top row or left column). Returns whether anything moved.
  bool ZeigeZelle(int spalte, int zeile);

  int FesteBreite() const;
  int FesteHoehe() const;
  // Edge of the fully visible part: the right end of the last fully visible column.
  int SichtbaresEndeX() const;
  int SichtbaresEndeY() const;
  // Extent of the whole grid with nothing scrolled away (for sizing windows).
  QSize GanzeGroesse() const;

  // Left edge of a column on screen, -1 when it is scrolled away or out of range.
  int SpaltenX(int spalte) const;
  int ZeilenY(int zeile) const;
  // The cell's rectangle without its grid line; empty when it is scrolled away. It may reach
  // past the visible area.
  QRect ZellRechteck(int spalte, int zeile) const;
  // The column (row) under the point; the grid line belongs to the cell left of (above) it.
  // -1 outside the grid.
  int SpalteBei(int x) const;
  int ZeileBei(int y) const;
  // The cell under the point, (-1, -1) when any coordinate is outside the grid.
  QPoint ZelleBei(QPoint punkt) const;

 private:
  static int Position(const std::vector<int>& groessen, int feste, int erste, int linie, int index);
  static int IndexBei(const std::vector<int>& groessen, int feste, int erste, int linie, int wert);
  static int Sichtbar(const std::vector<int>& groessen, int feste, int erste, int linie, int laenge);
  static int Maximum(const std::vector<int>& groessen, int feste, int linie, int laenge);
  static int Summe(const std::vector<int>& groessen, int von, int bis, int linie);

  std::vector<int> breiten_;
  std::vector<int> hoehen_;
  int festeSpalten_ = 1;
  int festeZeilen_ = 1;
  int standardBreite_ = 64;
  int standardHoehe_ = 24;
  int linie_ = 1;
  QSize flaeche_;
  int linkeSpalte_ = 1;
  int obersteZeile_ = 1;
};

}  // namespace kolvar
