// "Kennwortänderung": the new password, stored scrambled; an empty entry means none.
#pragma once

#include "platform/einstellungsdialog.h"

class QLineEdit;

namespace kolvar {

class TStandard;

class TKennwortForm : public TEinstellungsDialog {
  Q_OBJECT

 public:
  explicit TKennwortForm(TStandard& standard, QWidget* eltern = nullptr);
  QLineEdit* KWFeld() const { return kwFeld_; }

 protected:
  void Speichern(TStandard& standard) override;

 private:
  QLineEdit* kwFeld_;
};

}  // namespace kolvar
