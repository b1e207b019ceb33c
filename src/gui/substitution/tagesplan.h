// "Tagesplan" beside the substitute choices: the day of the absent or chosen teacher
// ("Lehrerplan") or of the lesson's class ("Klassenplan") at the record's version and day,
// one row per period, the record's period in red.
#pragma once

#include <QGroupBox>
#include <vector>

#include "platform/textspalte.h"
#include "substitution/vertrvorschlag.h"

class QButtonGroup;
class QLabel;

namespace kolvar {

class TGitter;
class TVertretung;

class TTagesplan : public QGroupBox {
  Q_OBJECT

 public:
  explicit TTagesplan(QWidget* eltern = nullptr);

  QButtonGroup* PlanRadio = nullptr;
  QLabel* KuerzelLabel = nullptr;
  QLabel* RaumLabel = nullptr;
  TGitter* PlanGrid = nullptr;

  // 0 "Lehrerplan", 1 "Klassenplan".
  int Plan() const;
  void SetzePlan(int plan);
  // Shows the record's day plan (none: empty); rows, at least zeilen and at most 16.
  void Zeige(const TVertretung* v, int zeilen);
  const std::vector<TTagesplanZeile>& Zeilen() const { return zeilen_; }

 signals:
  void PlanGewechselt(int plan);
  // A click on a coupled lesson: its row and the place for the pop-up.
  void KopplungGeklickt(int zeile, QPoint global);

 private:
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r) const;
  // The label column as wide as the widest label of the record's version, and the grid with it.
  void PasseLabelSpalteAn();

  std::vector<TTagesplanZeile> zeilen_;
  TTextSpalte labelSpalte_{50, 6};
  int markiert_ = 0;
  bool klassenplan_ = false;
};

// Gives a choice window the height at which its list shows the rows its rules ask for, and its
// day plan the periods they give it (the rest of the window as this layout needs it), but no
// more than the screen has: on a small screen the grids scroll instead.
void SetzeWahlFensterHoehe(QWidget& fenster, const TGitter& liste, int listenHoehe,
                           const TGitter* plan = nullptr, int planHoehe = 0);

}  // namespace kolvar
