// "Kalender": which plan version holds in which week and which days are free, edited month by
// month on working copies that reach the school only on "Ok".
#pragma once

#include <QPoint>
#include <memory>

#include "platform/einstellungsdialog.h"
#include "substitution/kalender.h"

class QLabel;
class QToolButton;

namespace kolvar {

class TGitter;
class TSchule;

class TKalenderForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TKalenderForm(TSchule& schule, QWidget* eltern = nullptr);
  ~TKalenderForm() override;

  // Copies both tables and shows today's month.
  void LadeKalender();
  void FuelleMonat();

  TKalender& Kalender() const { return *kalender_; }
  TGitter* KalenderGrid() const { return grid_; }
  QLabel* TitelFeld() const { return titel_; }
  QToolButton* ZurueckKnopf() const { return zurueck_; }
  QToolButton* VorKnopf() const { return vor_; }

  // The pop-up of the plan versions for a week column.
  void WaehleVersion(int spalte);
  // The mouse on the grid: a press on a day starts marking, the release ends it; a release on
  // a week's version without marking opens the versions.
  void GridGedrueckt(int spalte, int zeile);
  void GridLosgelassen(int spalte, int zeile);

 protected:
  void OkKnopfClick() override;

 private:
  void ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const;

  TSchule& schule_;
  std::unique_ptr<TKalender> kalender_;
  TGitter* grid_;
  QLabel* titel_;
  QToolButton* zurueck_;
  QToolButton* vor_;
  bool markiert_ = false;
  QPoint start_;
};

}  // namespace kolvar
