// "Prüfergebnis": the end of every data check, with the level of what was found.
#pragma once

#include "platform/kvdialog.h"

class QLabel;

namespace kolvar {

class TKeinFehlerForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TKeinFehlerForm(QWidget* eltern = nullptr);

  // 0 none, 1 minor, 2 major faults found.
  void SetzeErgebnis(int stufe);
  QString Ergebnis() const;

 private:
  QLabel* artFeld_;
};

}  // namespace kolvar
