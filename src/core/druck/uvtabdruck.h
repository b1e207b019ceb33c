#pragma once
// The lesson-distribution table printout: the table's grid as framed cells, tiled into column
// blocks and, inside each, row blocks; every tile repeats the label row and column. A block is
// only started for data columns (rows) that remain, so a table whose data columns fill the
// blocks exactly prints no page with the label column alone.

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TSchule;
class TUVLayout;
class TUVTab;

struct TUVTabMasse {
  int L = 0, T = 0, H = 0;  // margins and line height
  int R = 0;                // row height
  int A = 0;                // label width (teacher abbreviations)
  int N = 0;                // hour value width
  int W = 0;                // cell width
  int C = 1, Q = 1;         // data columns and rows per tile
  int SpaltenBloecke = 1, ZeilenBloecke = 1;
};

class TUVTabDruck {
 public:
  TUVTabDruck(const TSchule& schule, const TUVTabDruckOptionen& optionen) : schule_(schule), o_(optionen) {}

  // Records the table as its window lays it out; mitKopplung: couplings stand beside the hours.
  void Drucke(IZeichenflaeche& flaeche, const TUVTab& tab, const TUVLayout& layout, bool mitKopplung);
  const TUVTabMasse& Masse() const { return m_; }

 private:
  void BerechneMasse(IZeichenflaeche& f, const TUVLayout& layout);
  void DruckeKopf(IZeichenflaeche& f, const TUVTab& tab);
  void DruckeKachel(IZeichenflaeche& f, const TUVLayout& layout, int b, int r, bool mitKopplung);
  void DruckeZelle(IZeichenflaeche& f, const TUVLayout& layout, int spalte, int zeile, int x, int y,
                   bool mitKopplung);

  const TSchule& schule_;
  TUVTabDruckOptionen o_;
  TUVTabMasse m_;
};

}  // namespace kolvar
