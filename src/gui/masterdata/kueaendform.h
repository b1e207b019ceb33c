// "Kürzel ändern": a new abbreviation for one element. A duplicate is refused with "Stop" and
// the form stays open for another try.
#pragma once

#include "platform/kvdialog.h"

class QLineEdit;
class QPushButton;

namespace kolvar {

class TElement;
class TKuerzelListe;

class TKueAendForm : public TKvDialog {
  Q_OBJECT

 public:
  TKueAendForm(TKuerzelListe& liste, TElement& element, QWidget* eltern = nullptr);

  void OkKnopfClick();

  QLineEdit* KueFeld() const { return kueFeld_; }
  QPushButton* OkKnopf() const { return okKnopf_; }

 private:
  TKuerzelListe& liste_;
  TElement& element_;
  QLineEdit* kueFeld_;
  QPushButton* okKnopf_;
};

}  // namespace kolvar
