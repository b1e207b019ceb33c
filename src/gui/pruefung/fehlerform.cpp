#include "pruefung/fehlerform.h"

#include <QPlainTextEdit>

#include "model/schule.h"
#include "platform/textflaeche.h"

namespace kolvar {

TFehlerForm::TFehlerForm(TSchule& schule, IFensterListe* liste)
    : TKindFenster(FensterArt::Fehler, schule, liste) {
  setObjectName(QStringLiteral("FehlerForm"));
  TKindFenster::SetzeCaption(QStringLiteral("Fehler"));
  inhalt_ = TextFlaecheAnlegen(this);
  resize(480, 300);
}

void TFehlerForm::ZeileAnfuegen(const QString& zeile) {
  inhalt_->appendPlainText(zeile);
}

QStringList TFehlerForm::Zeilen() const {
  const QString text = inhalt_->toPlainText();
  return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
}

}  // namespace kolvar
