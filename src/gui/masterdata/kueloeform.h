// "Kürzel löschen": asks before an element that still has courses is deleted.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TKueLoeForm : public TFrageForm {
  Q_OBJECT

 public:
  explicit TKueLoeForm(const QString& kuerzel, QWidget* eltern = nullptr);
};

}  // namespace kolvar
