#pragma once
// The table of parallel couplings: rows x columns cells, row by row, each a coupling or empty.

#include "model/liste.h"

namespace kolvar {

class TKopplung;

class TParListe {
 public:
  TParListe();  // 1 x 1, one empty cell

  int Zeilen() const { return zeilen_; }
  int Spalten() const { return spalten_; }
  void SetzeZeilen(int n) { zeilen_ = n; }
  void SetzeSpalten(int n) { spalten_ = n; }
  // The caller keeps the cells at rows x columns.
  TListe<TKopplung>& Zellen() { return zellen_; }
  const TListe<TKopplung>& Zellen() const { return zellen_; }
  // Cell (1-based row and column); nullptr outside the table.
  TKopplung* Zelle(int zeile, int spalte) const;

  // No cell at all; the caller fills it.
  void Leere() { zellen_.Leere(); }
  // Every cell holding the coupling becomes empty; the shape stays.
  void EntferneElement(const TKopplung* k);

 private:
  int zeilen_ = 1;
  int spalten_ = 1;
  TListe<TKopplung> zellen_;
};

}  // namespace kolvar
