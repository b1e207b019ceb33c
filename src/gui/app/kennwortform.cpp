#include "app/kennwortform.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/kennwortfeld.h"
#include "model/standard.h"

namespace kolvar {

TKennwortForm::TKennwortForm(TStandard& standard, QWidget* eltern)
    : TEinstellungsDialog(eltern), standard_(standard) {
  setObjectName(QStringLiteral("KennwortForm"));
  setWindowTitle(QStringLiteral("Kennwortänderung"));
  Inhalt()->addWidget(new QLabel(QStringLiteral("Geben Sie das neue Kennwort ein!"), this));
  kwFeld_ = new QLineEdit(this);
  kwFeld_->setObjectName(QStringLiteral("KWFeld"));
  RichteKennwortFeldEin(*kwFeld_);
  Inhalt()->addWidget(kwFeld_);
}

void TKennwortForm::OkKnopfClick() {
  // Passing through this page with "Wechseln" must not remove a password nobody typed.
  if (GewaehlteSeite() >= 0 && !kwFeld_->isModified()) return;
  standard_.SetKennwort(kwFeld_->text().toStdString());
}

}  // namespace kolvar
