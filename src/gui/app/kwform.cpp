#include "app/kwform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kennwortfeld.h"
#include "model/standard.h"

namespace kolvar {

bool KeinKennwort(const TStandard& standard) {
  return standard.KeinKennwort();
}

TKWForm::TKWForm(const TStandard& standard, QWidget* eltern) : TKvDialog(eltern), standard_(standard) {
  setObjectName(QStringLiteral("KWForm"));
  setWindowTitle(QStringLiteral("Kennworteingabe"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("WinKolvar - Stundenplan"), this));
  layout->addWidget(new QLabel(QStringLiteral("Geben Sie bitte das Kennwort ein!"), this));
  kwFeld_ = new QLineEdit(this);
  kwFeld_->setObjectName(QStringLiteral("KWFeld"));
  RichteKennwortFeldEin(*kwFeld_);
  kwFeld_->setEchoMode(QLineEdit::Password);
  // The style's own mask (a bullet in most) would differ from the program's "*".
  kwFeld_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
  kwFeld_->setFocus();
  layout->addWidget(kwFeld_);
  auto* knoepfe = new QHBoxLayout;
  okKnopf_ = new QPushButton(QStringLiteral("Ok"), this);
  cancelKnopf_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addWidget(okKnopf_);
  knoepfe->addWidget(cancelKnopf_);
  layout->addLayout(knoepfe);
  SetzeStandardKnopf(okKnopf_);
  SetzeAbbruchKnopf(cancelKnopf_);
  KnopfErgebnis(cancelKnopf_, mrAbbrechen);
  connect(okKnopf_, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
}

void TKWForm::OkKnopfClick() {
  done(standard_.KennwortStimmt(kwFeld_->text().toStdString()) ? mrOk : mrAbbrechen);
}

}  // namespace kolvar
