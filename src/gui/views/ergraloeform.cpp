#include "views/ergraloeform.h"

namespace kolvar {

TErgRaLoeForm::TErgRaLoeForm(QWidget* eltern)
    : TFrageForm(QStringLiteral("Später ergänzte Räume löschen"),
                 {QStringLiteral("Lösche in allen Plänen und"), QStringLiteral("Deputaten diejenigen Räume,"),
                  QStringLiteral("die später in den Plänen"), QStringLiteral("eingetragen wurden.")},
                 {{QStringLiteral("Ok"), mrOk, true, false},
                  {QStringLiteral("Abbrechen"), mrAbbrechen, false, true}},
                 false, eltern) {
  // Wide enough for the caption in the frame.
  setMinimumWidth(340);
  setObjectName(QStringLiteral("ErgRaLoeForm"));
}

}  // namespace kolvar
