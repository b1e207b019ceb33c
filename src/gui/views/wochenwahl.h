// A week of school days x 16 periods whose cells the user selects: a drag draws a rubber band,
// and on release every cell of the rectangle takes the negation of the cell the drag began on.
#pragma once

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include "model/wochbereich.h"

class QRubberBand;

namespace kolvar {

class TWochenWahl : public QWidget {
  Q_OBJECT

 public:
  explicit TWochenWahl(int tage, QWidget* eltern = nullptr);

  const TWoElem& Auswahl() const { return auswahl_; }
  void SetzeAuswahl(const TWoElem& auswahl);
  int Tage() const { return tage_; }
  // The day and period headers (the plan views' labels); 1..7 and 1..16 until set.
  void SetzeKoepfe(const QStringList& tage, const QStringList& stunden);
  const QStringList& StundenTexte() const { return stundenTexte_; }
  // The middle of a cell in widget coordinates (day 1..Tage, period 1..16).
  QPoint Mitte(int tag, int stunde) const;

  QSize sizeHint() const override;

 signals:
  void Geaendert();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;

 private:
  // The cell under the point, clamped into the week; false above or left of it.
  bool Zelle(const QPoint& punkt, int& tag, int& stunde) const;
  QRect ZellRechteck(int tag, int stunde) const;

  int tage_;
  int kopfBreite_;
  QStringList tagTexte_, stundenTexte_;
  TWoElem auswahl_;
  QRubberBand* band_;
  bool zieht_ = false;
  int startTag_ = 0, startStunde_ = 0;
  QPoint startPunkt_;
};

}  // namespace kolvar
