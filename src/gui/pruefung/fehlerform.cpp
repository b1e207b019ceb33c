#include "pruefung/fehlerform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "model/schule.h"

namespace kolvar {

TFehlerForm::TFehlerForm(TSchule& schule, IFensterListe* liste)
    : TKindFenster(FensterArt::Fehler, schule, liste) {
  setObjectName(QStringLiteral("FehlerForm"));
  TKindFenster::SetzeCaption(QStringLiteral("Fehler"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  inhalt_ = new QPlainTextEdit(this);
  inhalt_->setObjectName(QStringLiteral("Inhalt"));
  inhalt_->setReadOnly(true);
  inhalt_->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(inhalt_);
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
