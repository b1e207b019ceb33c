#include "views/maxtagloeform.h"

namespace kolvar {

TMaxTagLoeForm::TMaxTagLoeForm(int neueTage, QWidget* eltern)
    : TFrageForm(QStringLiteral("Stunden löschen"),
                 {QStringLiteral("Es sind für ") + TagText(neueTage) +
                      QStringLiteral(" Stunden in den Plänen  eingetragen."),
                  QStringLiteral("Sollen diese Stunden gelöscht werden?")},
                 {{QStringLiteral("Ja"), mrJa, true, false}, {QStringLiteral("Nein"), mrNein, false, true}},
                 true, eltern) {
  setObjectName(QStringLiteral("MaxTagLoeForm"));
}

QString TMaxTagLoeForm::TagText(int neueTage) {
  return neueTage == 6 ? QStringLiteral("Sonntag") : QStringLiteral("Samstag oder Sonntag");
}

}  // namespace kolvar
