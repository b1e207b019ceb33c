#include "views/kompwarnform.h"

namespace kolvar {

TKompWarnForm::TKompWarnForm(QWidget* eltern)
    : TFrageForm(
          QStringLiteral("Komprimieren"),
          {QStringLiteral("Beim Komprimieren werden"), QStringLiteral("Stunden in den Plänen verschoben."),
           QStringLiteral("Soll trotzdem komprimiert werden?")},
          {{QStringLiteral("Ja"), mrJa, true, false}, {QStringLiteral("Nein"), mrNein, false, true}}, true,
          eltern) {
  setObjectName(QStringLiteral("KompWarnForm"));
}

}  // namespace kolvar
