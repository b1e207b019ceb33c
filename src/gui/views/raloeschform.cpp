#include "views/raloeschform.h"

namespace kolvar {

TRaLoeschForm::TRaLoeschForm(QWidget* eltern)
    : TFrageForm(QStringLiteral("Nicht belegte Räume löschen"),
                 {QStringLiteral("Lösche in allen Deputaten"), QStringLiteral("diejenigen Räume, die in den"),
                  QStringLiteral("Plänen nicht benutzt wurden.")},
                 {{QStringLiteral("Ok"), mrOk, true, false},
                  {QStringLiteral("Abbrechen"), mrAbbrechen, false, true}},
                 false, eltern) {
  // Wide enough for the caption in the frame.
  setMinimumWidth(340);
  setObjectName(QStringLiteral("RaLoeschForm"));
}

}  // namespace kolvar
