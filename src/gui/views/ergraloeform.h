// "Später ergänzte Räume löschen": Asks before every course loses the rooms added in the plans after it was
// made.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TErgRaLoeForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TErgRaLoeForm(QWidget* eltern = nullptr);
};

}  // namespace kolvar
