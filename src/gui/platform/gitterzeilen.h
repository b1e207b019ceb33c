// Rows the core computed, shown in a string grid: the header row, a text per cell, the element
// behind each row and columns as wide as their widest text. Columns are named by the order they
// are filled in; where the user has moved columns the texts still reach their own column, and
// what is read back (copying) comes in the order the grid shows.
#pragma once

#include <string>
#include <vector>

class QFontMetrics;

namespace kolvar {

class TGitter;

class TGitterZeilen {
 public:
  // objektSpalte: the column whose cells also hold the row's element, for those who read the
  // grid's objects.
  explicit TGitterZeilen(TGitter& gitter, int objektSpalte = 0)
      : gitter_(gitter), objektSpalte_(objektSpalte) {}

  // Header row 0 with these texts (the column count follows them unless it is given) and
  // `zeilen` empty body rows, at least one; every cell and element before is gone.
  void Beginne(const std::vector<std::string>& koepfe, int zeilen, int spalten = -1);
  void SetzeKoepfe(const std::vector<std::string>& koepfe);
  // `zeilen` empty body rows (at least one) below the header, which stays.
  void NeueZeilen(int zeilen);
  // The texts of body row `zeile` in fill order, and its element (may be null).
  void SetzeZeile(int zeile, const std::vector<std::string>& texte, void* element);
  void SetzeText(int spalte, int zeile, const std::string& text);

  // The element behind a row; null outside the body or for a row without one.
  void* Element(int zeile) const;
  template <class T>
  T* ElementAls(int zeile) const {
    return static_cast<T*>(Element(zeile));
  }
  // A cell's text by fill-order column.
  std::string Text(int spalte, int zeile) const;

  // Each column as wide as its widest text plus `rand`, at least `mindest` pixels; the widths'
  // sum.
  int BreitenNachText(const QFontMetrics& mass, int rand, int mindest);
  // The body rows oben..unten as shown, left to right; rows without an element are left out when
  // nurMitElement.
  std::vector<std::vector<std::string>> Texte(int oben, int unten, bool nurMitElement) const;
  // The same for the selected rows.
  std::vector<std::vector<std::string>> AusgewaehlteTexte(bool nurMitElement) const;

 private:
  int Position(int spalte) const;

  TGitter& gitter_;
  int objektSpalte_;
  std::vector<void*> elemente_;  // by grid row; row 0 is the header
};

}  // namespace kolvar
