// TDruckRestForm ("Drucke Reststunden"): required, assigned and remaining hours of a range of
// teachers, classes or subjects.
#pragma once

#include "print/listendruckdialog.h"

class QButtonGroup;

namespace kolvar {

struct TRestStundenDruckOptionen;

class TDruckRestForm : public TListenDruckDialog {
  Q_OBJECT

 public:
  TDruckRestForm(TSchule& schule, TPicker picker, QWidget* eltern = nullptr);

  // 0 teachers, 1 classes, 2 subjects; the range becomes the whole list.
  void SetzeArt(int art);
  int Art() const;
  QButtonGroup* ArtGroup() const { return artGroup_; }

 protected:
  void LadeOptionen() override;
  void SpeichereOptionen() override;
  void Drucke(IZeichenflaeche& flaeche) override;

 private:
  TRestStundenDruckOptionen& o_;
  QButtonGroup* artGroup_;
};

}  // namespace kolvar
