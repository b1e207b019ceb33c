// "Stunden löschen": asked when the school days shrink below a day that still holds lessons.
// "Ja" deletes the lessons on the dropped days, "Nein" keeps the days that hold lessons.
#pragma once

#include "app/frageform.h"

namespace kolvar {

class TMaxTagLoeForm : public TFrageForm {
  Q_OBJECT

 public:
  // neueTage: the new number of school days; the text names the days that go.
  explicit TMaxTagLoeForm(int neueTage, QWidget* eltern = nullptr);

  static QString TagText(int neueTage);
};

}  // namespace kolvar
