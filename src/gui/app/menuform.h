// The multi-selection of elements: their abbreviations in columns; a click chooses or drops
// one, Ctrl-click chooses all, Shift-click none. "Ok" gives the chosen ones in the order they
// were chosen, "Abbrechen" none.
#pragma once

#include <vector>

#include "platform/kvdialog.h"

namespace kolvar {

class TElement;
class TGitter;

class TMenuForm : public TKvDialog {
  Q_OBJECT

 public:
  TMenuForm(const std::vector<TElement*>& elemente, const QString& caption, QWidget* eltern = nullptr);

  TGitter* MenuGrid() const { return grid_; }
  const std::vector<TElement*>& Gewaehlt() const { return gewaehlt_; }
  bool IstGewaehlt(int spalte, int zeile) const;
  // What a click on the cell does, by the modifier keys held.
  void ZelleGeklickt(int spalte, int zeile, Qt::KeyboardModifiers modifier);

 private:
  TElement* ElementBei(int spalte, int zeile) const;

  TGitter* grid_;
  std::vector<TElement*> alle_;  // column by column
  std::vector<TElement*> gewaehlt_;
  int zeilen_ = 0;
};

}  // namespace kolvar
