// TDruckSVForm ("Drucke Stundenverteilungen"): the symbol strips of a range of teachers,
// classes, couplings, subjects or rooms.
#pragma once

#include "print/listendruckdialog.h"

class QButtonGroup;
class QCheckBox;

namespace kolvar {

struct TStundenVerteilungDruckOptionen;

class TDruckSVForm : public TListenDruckDialog {
  Q_OBJECT

 public:
  TDruckSVForm(TSchule& schule, TPicker picker, QWidget* eltern = nullptr);

  // 0 teachers .. 4 rooms; the range becomes the whole list.
  void SetzeArt(int art);
  int Art() const;
  QButtonGroup* ArtGroup() const { return artGroup_; }
  QCheckBox* SperrCheck() const { return sperrCheck_; }
  QCheckBox* SpringCheck() const { return springCheck_; }
  QCheckBox* FarbCheck() const { return farbCheck_; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TStundenVerteilungDruckOptionen& o_;
  QButtonGroup* artGroup_;
  QCheckBox* sperrCheck_;
  QCheckBox* springCheck_;
  QCheckBox* farbCheck_;
};

}  // namespace kolvar
