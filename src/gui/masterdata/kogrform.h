// TKoGrForm: a coupling's master data, its name; its courses are edited elsewhere.
#pragma once

#include "masterdata/grform.h"

namespace kolvar {

class TKoGrForm : public TGrForm {
  Q_OBJECT

 public:
  TKoGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

}  // namespace kolvar
