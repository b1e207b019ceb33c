// "Komprimieren": asks before lessons are moved in the plans.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TKompWarnForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TKompWarnForm(QWidget* eltern = nullptr);
};

}  // namespace kolvar
