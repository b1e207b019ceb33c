// "Nicht belegte Räume löschen": Asks before every course loses the rooms none of its lessons uses.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TRaLoeschForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TRaLoeschForm(QWidget* eltern = nullptr);
};

}  // namespace kolvar
