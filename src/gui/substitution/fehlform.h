// "Fehlende Lehrer" / "Fehlende Klassen" / "Fehlende Räume": the absences of one kind on the
// working date, one row per element with its day pattern and a 16-period mask. "Ok" stores
// them; the picture in a row opens "längere Fehlzeit", which is written at once.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/kvdialog.h"
#include "substitution/fehleingabe.h"

class QLabel;
class QPushButton;

namespace kolvar {

class IPalette;
class TElement;
class TGitter;

class TFehlForm : public TKvDialog {
  Q_OBJECT

 public:
  // The list of all elements of a kind to choose several from.
  using TMehrfachWahl = std::function<std::vector<TElement*>(const std::vector<TElement*>&, const QString&)>;

  TFehlForm(TSchule& schule, IPalette* palette, TMehrfachWahl mehrfachWahl, QWidget* eltern = nullptr);
  ~TFehlForm() override;

  // Sets the dialog up for the kind (teacher, class or room) and date; the row of the given
  // absence is selected and scrolled to the top.
  void InitFehlForm(TElementArt art, TFehl* fehl, int32_t datum);

  TFehlEingabe& Eingabe() const { return *eingabe_; }
  TGitter* FehlGrid() const { return grid_; }
  QPushButton* ElementKnopf() const { return elementKnopf_; }
  QPushButton* VonKnopf() const { return vonKnopf_; }
  QPushButton* BisKnopf() const { return bisKnopf_; }
  QLabel* VonFeld() const { return vonFeld_; }
  QLabel* BisFeld() const { return bisFeld_; }
  QLabel* DatumFeld() const { return datumFeld_; }

  // Clears the palette's element choice once the pop-up's choice is taken (set by the opener).
  std::function<void(TElementArt)> WahlZuruecksetzen;

  // The element button: with Ctrl the list of all elements, else the palette's pop-up.
  void ElementKnopfClick(bool strg);
  // The row of the element (existing or new) is selected and scrolled into view.
  void FuegeElementHinzu(TElement* e);
  // "von Stunde" (true) or "bis Stunde": the pop-up of the periods.
  void WaehleStunde(bool von);
  void SetzeStunde(bool von, int p);
  // A press on the grid at x pixels from the cell's left edge.
  void GridKlick(int spalte, int zeile, int x, Qt::KeyboardModifiers tasten);
  // "längere Fehlzeit" for the row's element.
  void LangeFehlzeit(int zeile);
  // "Ok".
  void SpeichereFehlzeiten();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void FuelleGrid();
  void ZeigeBereich();
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const;
  QString Periode(int p) const;

  TSchule& schule_;
  IPalette* palette_;
  TMehrfachWahl mehrfachWahl_;
  std::unique_ptr<TFehlEingabe> eingabe_;
  TGitter* grid_;
  QLabel* datumFeld_;
  QPushButton* elementKnopf_;
  QPushButton* vonKnopf_;
  QPushButton* bisKnopf_;
  QLabel* vonFeld_;
  QLabel* bisFeld_;
  bool strgBeimDruck_ = false;  // Ctrl held when the element button was last pressed
};

}  // namespace kolvar
