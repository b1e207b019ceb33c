// TKlGrForm: a class's master data: target and actual hours, class room, the two class
// teachers, "Einzeln", its course list with an hours spinner, new courses, the take-over of
// another class's courses and the lock grid.
#pragma once

#include "masterdata/grform.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace kolvar {

class TKlasse;
class TKurs;

// Two small arrow buttons, up and down.
struct TSpinKnoepfe {
  QToolButton* Hoch = nullptr;
  QToolButton* Runter = nullptr;
};

class TKlGrForm : public TGrForm {
  Q_OBJECT

 public:
  TKlGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);

  TKlasse* Klasse() const;
  void Zeige() override;
  void SetRaum();
  void SetLehrer1();
  void SetLehrer2();

  QLineEdit* SollFeld = nullptr;
  QLineEdit* IstFeld = nullptr;
  QLineEdit* IstEinfachFeld = nullptr;
  TSpinKnoepfe SollSpin;
  QLabel* RaumFeld = nullptr;
  QPushButton* RaumKnopf = nullptr;
  QLabel* Lehrer1Feld = nullptr;
  QPushButton* Lehrer1Knopf = nullptr;
  QLabel* Lehrer2Feld = nullptr;
  QPushButton* Lehrer2Knopf = nullptr;
  QPushButton* FachKnopf = nullptr;
  TGitter* FaecherGrid = nullptr;
  TSpinKnoepfe StdSpinButton;
  QPushButton* UebernahmeKnopf = nullptr;
  QCheckBox* EinzelCheck = nullptr;

  // The course of a row, or null.
  TKurs* KursIn(int zeile) const;
  // Its row is emptied at once; the list is rebuilt when the action ends.
  void KursWirdGeloescht(TKurs* kurs) override;
  // Handlers (public so that tests reach them as the user's clicks do).
  void SollSpinClick(bool hoch);
  void StdSpinClick(bool hoch);
  void RaumKnopfClick();
  void LehrerKnopfClick(int nummer);
  void FachKnopfClick();
  void UebernahmeKnopfClick();
  void EinzelCheckClick();
  void FaecherGridMouseUp(int zeile);
  void FaecherGridDblClick(int zeile);

 protected:
  void Fuelle() override;

 private:
  void DrawFach(QPainter& p, int zeile, const QRect& r, bool ausgewaehlt) const;
  void WaehleKurs(const TKurs* kurs);
};

// The arrow pair beside a field; lays itself out in the layout given.
TSpinKnoepfe BaueSpin(QWidget* eltern, QBoxLayout* layout);

}  // namespace kolvar
