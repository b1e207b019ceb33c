#include "app/zwischenform.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "model/schule.h"
#include "platform/ablage.h"
#include "platform/dienste.h"

namespace kolvar {

TZwischenForm::TZwischenForm(TSchule& schule, IFensterListe* liste)
    : TKindFenster(FensterArt::Zwischen, schule, liste) {
  setObjectName(QStringLiteral("ZwischenForm"));
  TKindFenster::SetzeCaption(QStringLiteral("Zwischenablage"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  inhalt_ = new QPlainTextEdit(this);
  inhalt_->setObjectName(QStringLiteral("Inhalt"));
  inhalt_->setReadOnly(true);
  inhalt_->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(inhalt_);
  resize(400, 250);
  Aktualisiere();
}

void TZwischenForm::Aktualisiere() {
  IAblage& ablage = TDienste::Ablage();
  if (ablage.HatText()) inhalt_->setPlainText(ablage.Text());
}

QString TZwischenForm::Inhalt() const {
  return inhalt_->toPlainText();
}

}  // namespace kolvar
