// "Fensteranordnung": four pictures of the window arrangements; "Ok" stores the choice in "for"
// and gives 1 only when it changed.
#pragma once

#include <array>

#include "platform/kvdialog.h"

class QFrame;

namespace kolvar {

class TStandard;

class TFensterOrdForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TFensterOrdForm(TStandard& standard, QWidget* eltern = nullptr);

  int Wahl() const { return wahl_; }
  // A click on picture k (1..4).
  void BildClick(int k);
  void OkKnopfClick();

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override;

 private:
  void Faerben();

  TStandard& standard_;
  int wahl_;
  std::array<QFrame*, 4> panels_{};
};

}  // namespace kolvar
