#include "masterdata/kueloeform.h"

namespace kolvar {

TKueLoeForm::TKueLoeForm(const QString& kuerzel, QWidget* eltern)
    : TFrageForm(QStringLiteral("Kürzel löschen"),
                 {QStringLiteral("Zum Kürzel"), kuerzel, QStringLiteral("gibt es noch Daten."),
                  QStringLiteral("Soll das Kürzel trotzdem"), QStringLiteral("gelöscht werden?")},
                 {{QStringLiteral("Ja"), mrJa, true, false}, {QStringLiteral("Nein"), mrNein, false, true}},
                 true, eltern) {
  setObjectName(QStringLiteral("KueLoeForm"));
}

}  // namespace kolvar
