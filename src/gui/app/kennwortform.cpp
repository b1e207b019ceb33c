#include "app/kennwortform.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/kennwortfeld.h"
#include "model/standard.h"

namespace kolvar {

TKennwortForm::TKennwortForm(TStandard& standard, QWidget* eltern) : TEinstellungsDialog(standard, eltern) {
  setObjectName(QStringLiteral("KennwortForm"));
  setWindowTitle(QStringLiteral("Kennwortänderung"));
  Inhalt()->addWidget(new QLabel(QStringLiteral("Geben Sie das neue Kennwort ein!"), this));
  kwFeld_ = new QLineEdit(this);
  kwFeld_->setObjectName(QStringLiteral("KWFeld"));
  RichteKennwortFeldEin(*kwFeld_);
  Inhalt()->addWidget(kwFeld_);
  // The buttons come first in the focus chain; typing must reach the field.
  kwFeld_->setFocus();
}

void TKennwortForm::Speichern(TStandard& standard) {
  // Passing through this page with "Wechseln" must not remove a password nobody typed.
  if (GewaehlteSeite() >= 0 && !kwFeld_->isModified()) return;
  standard.SetKennwort(kwFeld_->text().toStdString());
}

}  // namespace kolvar
