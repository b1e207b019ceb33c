// The password prompt at start: one try, the result tells whether the entry was right.
#pragma once

#include "platform/kvdialog.h"

class QLineEdit;
class QPushButton;

namespace kolvar {

class TStandard;

// True when no password is set (the stored value is the scramble of 20 blanks).
bool KeinKennwort(const TStandard& standard);

class TKWForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TKWForm(const TStandard& standard, QWidget* eltern = nullptr);

  QLineEdit* KWFeld() const { return kwFeld_; }
  QPushButton* OkKnopf() const { return okKnopf_; }
  QPushButton* CancelKnopf() const { return cancelKnopf_; }

  // Result 1 when the entry, padded with blanks to 20 characters, scrambles to the stored
  // password, else 2; the prompt closes either way.
  void OkKnopfClick();

 private:
  const TStandard& standard_;
  QLineEdit* kwFeld_;
  QPushButton* okKnopf_;
  QPushButton* cancelKnopf_;
};

}  // namespace kolvar
