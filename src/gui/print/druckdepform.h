// TDruckDepForm ("Deputate drucken"): workload sheets of the teachers, classes, couplings,
// subjects or rooms in the grid, or the courses of the whole school ("alle Kurse").
#pragma once

#include "print/listendruckdialog.h"

class QButtonGroup;
class QCheckBox;

namespace kolvar {

struct TDeputatDruckOptionen;

class TDruckDepForm : public TListenDruckDialog {
  Q_OBJECT

 public:
  TDruckDepForm(TSchule& schule, TWaehler waehler, QWidget* eltern = nullptr);

  // 0 teachers .. 4 rooms, 5 all courses; "alle Kurse" disables the grid and "1 Seite pro Deputat".
  void SetzeArt(int art);
  int Art() const;
  QButtonGroup* ArtGroup() const { return artGroup_; }
  QCheckBox* Box(const QString& text) const;

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  bool BrauchtAuswahl() const override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  struct TBox {
    QCheckBox* box;
    bool TDeputatDruckOptionen::*wert;
  };

  TDeputatDruckOptionen& o_;
  QButtonGroup* artGroup_;
  std::vector<TBox> boxen_;
  QCheckBox* eineSeite_ = nullptr;
};

}  // namespace kolvar
