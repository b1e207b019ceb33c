// TUVGrForm: a lesson-distribution table's master data: its name, its orientation ("Klassen/
// Fächer" or "Lehrer/Klassen") and the elements of its rows and columns in two lists, added
// through the pop-ups (Ctrl: the multi-selection) and taken out in the "Löschen" mode.
#pragma once

#include "masterdata/grform.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kolvar {

class TUVTab;

class TUVGrForm : public TGrForm {
  Q_OBJECT

 public:
  TUVGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);

  TUVTab* Tabelle() const;

  QRadioButton* UVRadio = nullptr;
  QRadioButton* LKRadio = nullptr;
  QGroupBox* LinksGroup = nullptr;
  TGitter* LinksGrid = nullptr;
  QPushButton* LinksKnopf = nullptr;
  QGroupBox* RechtsGroup = nullptr;
  TGitter* RechtsGrid = nullptr;
  QPushButton* RechtsKnopf = nullptr;

  static TElement* ElementIn(const TGitter& liste, int zeile);
  // Selects the element's row in the list that shows its kind.
  void Einfuegen(TElement* e);
  // The orientation of a radio button: 1 by subjects, 0 by teachers.
  void ArtClick(uint8_t art);
  void KnopfClick(bool rechts, bool strg);
  void ListeDblClick(bool rechts, int zeile);

 protected:
  void Fuelle() override;

 private:
  TGitter& Liste(bool rechts) const { return rechts ? *RechtsGrid : *LinksGrid; }
  void NimmAuf(TElement* e);
};

}  // namespace kolvar
