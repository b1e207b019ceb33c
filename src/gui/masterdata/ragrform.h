// TRaGrForm: a room's master data: its name and the lock grid.
#pragma once

#include "masterdata/grform.h"

namespace kolvar {

class TRaGrForm : public TGrForm {
  Q_OBJECT

 public:
  TRaGrForm(TSchule& schule, IPalette* palette, QWidget* eltern = nullptr);
};

}  // namespace kolvar
