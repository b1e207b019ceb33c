#include "app/savefrageform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolvar {

TSaveFrageForm::TSaveFrageForm(QWidget* eltern) : TKvDialog(eltern) {
  setObjectName(QStringLiteral("SaveFrageForm"));
  setWindowTitle(QStringLiteral("Daten sichern?"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Sollen Ihre Daten gesichert werden?"), this));
  auto* knoepfe = new QHBoxLayout;
  jaKnopf_ = new QPushButton(QStringLiteral("Ja"), this);
  nameKnopf_ = new QPushButton(QStringLiteral("Mit einem anderem Namen"), this);
  neinKnopf_ = new QPushButton(QStringLiteral("Nein"), this);
  knoepfe->addWidget(jaKnopf_);
  knoepfe->addWidget(nameKnopf_);
  knoepfe->addWidget(neinKnopf_);
  layout->addLayout(knoepfe);
  KnopfErgebnis(jaKnopf_, mrJa);
  KnopfErgebnis(nameKnopf_, mrOk);
  KnopfErgebnis(neinKnopf_, mrNein);
  SetzeStandardKnopf(jaKnopf_);
  SetzeAbbruchKnopf(jaKnopf_);
}

}  // namespace kolvar
