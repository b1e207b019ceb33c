// "Daten sichern?": Ja (6, also Enter and Esc), "Mit einem anderem Namen" (1), Nein (7); the
// close box gives 2, which callers take as "do not go on".
#pragma once

#include "platform/kvdialog.h"

class QPushButton;

namespace kolvar {

class TSaveFrageForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TSaveFrageForm(QWidget* eltern = nullptr);

  QPushButton* JaKnopf() const { return jaKnopf_; }
  QPushButton* NameKnopf() const { return nameKnopf_; }
  QPushButton* NeinKnopf() const { return neinKnopf_; }

 private:
  QPushButton* jaKnopf_;
  QPushButton* nameKnopf_;
  QPushButton* neinKnopf_;
};

}  // namespace kolvar
