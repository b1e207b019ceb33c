// "Stop": a rename to an abbreviation the list has already is refused.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TKueDopForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TKueDopForm(const QString& kuerzel, QWidget* eltern = nullptr);
};

}  // namespace kolvar
