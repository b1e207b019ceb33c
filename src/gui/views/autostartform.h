// The options of an automatic run: re-rating interval, share of hours, and whether hours may go
// without a room or against the single-hour pattern. "Ok" stores them in the settings.
#pragma once

#include "platform/kvdialog.h"

class QCheckBox;
class QSpinBox;

namespace kolvar {

class TStandard;

class TAutoStartForm : public TKvDialog {
  Q_OBJECT

 public:
  explicit TAutoStartForm(TStandard& standard, QWidget* eltern = nullptr);

  QSpinBox* AstFeld() const { return ast_; }
  QSpinBox* AprFeld() const { return apr_; }
  QCheckBox* AraFeld() const { return ara_; }
  QCheckBox* AeiFeld() const { return aei_; }

 protected:
  void VorDemZeigen() override { Laden(); }

 private:
  void Laden();
  void OkKnopfClick();

  TStandard& standard_;
  QSpinBox* ast_;
  QSpinBox* apr_;
  QCheckBox* ara_;
  QCheckBox* aei_;
};

}  // namespace kolvar
