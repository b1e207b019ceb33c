#include "app/meldungsform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/fensterrahmen.h"

namespace kolvar {

TMeldungsForm::TMeldungsForm(QWidget* eltern) : QWidget(eltern, DialogRahmen(true)) {
  setObjectName(QStringLiteral("MeldungsForm"));
  setWindowTitle(QStringLiteral("Meldung"));
  auto* layout = new QVBoxLayout(this);
  meldungsFeld_ = new QLabel(this);
  meldungsFeld_->setObjectName(QStringLiteral("MeldungsFeld"));
  meldungsFeld_->setMinimumWidth(260);
  layout->addWidget(meldungsFeld_);
}

void TMeldungsForm::SetzeMeldung(const QString& text) {
  meldungsFeld_->setText(text);
}

QString TMeldungsForm::Meldung() const {
  return meldungsFeld_->text();
}

void TMeldungsForm::ZeigeSofort() {
  FixiereGroesse(*this);
  ZentriereAufBildschirm(*this);
  show();
  raise();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kolvar
