// "Rücksetzen": one teacher's account or every teacher's to zero.
#pragma once

#include "platform/kvdialog.h"

class QLabel;

namespace kolvar {

class TRuecksetzForm : public TKvDialog {
  Q_OBJECT

 public:
  // Results: "Einen" 6, "Alle Lehrer" 1, "Abbrechen" 2.
  TRuecksetzForm(const QString& kuerzel, QWidget* eltern = nullptr);
  QLabel* KuerzelFeld() const { return kuerzel_; }

 private:
  QLabel* kuerzel_;
};

}  // namespace kolvar
