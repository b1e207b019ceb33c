#include "masterdata/kuedopform.h"

namespace kolvar {

TKueDopForm::TKueDopForm(const QString& kuerzel, QWidget* eltern)
    : TFrageForm(QStringLiteral("Stop"),
                 {QStringLiteral("Das Kürzel"), kuerzel, QStringLiteral("gibt es schon. Wählen Sie"),
                  QStringLiteral("ein anderes Kürzel!")},
                 {{QStringLiteral("Ok"), mrOk, true, true}}, true, eltern) {
  setObjectName(QStringLiteral("KueDopForm"));
}

}  // namespace kolvar
