#pragma once
// The lock grid of the element editors, the course editor and the defaults dialogs: a days x
// periods grid with its day and period headers. Dragging a rectangle with the left button sets
// every free cell in it to the negation of the start cell's lock, in the current plan version.

#include <QGroupBox>
#include <QPoint>

#include "engine/sperrauswahl.h"

namespace kolvar {

class TSchule;
class TStandard;

class TSperrung : public QGroupBox {
  Q_OBJECT

 public:
  explicit TSperrung(QWidget* eltern = nullptr);

  // Days shown ("mtn") and the labels of the current version; again after a settings change. The
  // settings must outlive the grid.
  void Vorbereiten(const TStandard& standard);
  // The grids the window works on. With a school, each change is one user action that marks it
  // modified and tells its windows; without (a dialog's working copy) only the grid changes.
  void SetzeQuelle(const TSperrQuelle& quelle, TSchule* schule);
  void NeuZeichnen();

  int Tage() const { return tage_; }
  // Where cell (day, period) lies, in the grid widget's coordinates, and the grid widget itself
  // (for tests that drive the mouse).
  QRect ZellRechteck(int tag, int stunde) const;
  QWidget* Gitter() const;

 signals:
  // Locks changed by a drag; the window does its follow-up.
  void Gesperrt();

 private:
  class TGitterFlaeche;
  class TKopf;
  friend class TGitterFlaeche;

  // The period column's width; the day header and the grid follow it.
  void Spalte(int breite);
  void Anordnen(int tage);
  void Male(QPainter& maler) const;
  bool Zelle(const QPoint& punkt, int& tag, int& stunde) const;
  void Starte(const QPoint& punkt, Qt::MouseButton knopf);
  void Ziehe(const QPoint& punkt, Qt::MouseButtons knoepfe);
  void Analyse(const QPoint& punkt, Qt::MouseButton knopf);
  int Version() const;

  TGitterFlaeche* gitter_ = nullptr;
  TKopf* tagKopf_ = nullptr;
  TKopf* stdKopf_ = nullptr;
  const TStandard* standard_ = nullptr;
  TSperrQuelle quelle_;
  TSchule* schule_ = nullptr;
  int tage_ = 5;
  bool ziehen_ = false;
  QPoint start_;
  QPoint ecke_;
};

}  // namespace kolvar
