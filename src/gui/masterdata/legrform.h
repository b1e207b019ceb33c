// TLeGrForm: a teacher's master data: target and actual hours, home room, name, the subjects
// taught with his hours in each, and the lock grid.
#pragma once

#include "masterdata/klgrform.h"

namespace kolvar {

class TFach;
class TLehrer;

class TLeGrForm : public TGrForm {
  Q_OBJECT

 public:
  TLeGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);

  TLehrer* Lehrer() const;
  void Zeige() override;
  // Selects the subject's row and scrolls it into view.
  void FachEinfuegen(TFach* fach);

  QLineEdit* SollFeld = nullptr;
  QLineEdit* IstFeld = nullptr;
  QLineEdit* IstEinfachFeld = nullptr;
  TSpinKnoepfe SollSpin;
  QLabel* RaumFeld = nullptr;
  QPushButton* RaumKnopf = nullptr;
  TGitter* FaecherGrid = nullptr;
  QPushButton* FachKnopf = nullptr;

  TFach* FachIn(int zeile) const;
  void SollSpinClick(bool hoch);
  void RaumKnopfClick();
  // Ctrl held: the multi-selection over every subject; else the subject pop-up.
  void FachKnopfClick(bool strg);
  void FaecherGridMouseUp(int zeile);
  void FaecherGridDblClick(int zeile);

 protected:
  void Fuelle() override;

 private:
  void NimmFach(TFach* fach);
};

}  // namespace kolvar
