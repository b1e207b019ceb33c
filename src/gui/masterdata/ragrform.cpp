#include "masterdata/ragrform.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "model/fensterart.h"

namespace kolvar {

TRaGrForm::TRaGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::RaGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("Raum"));
  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("InfoBox"));
  auto* l = new QHBoxLayout(box);
  l->addWidget(new QLabel(QStringLiteral("Info"), box));
  InfoFeld->setParent(box);
  l->addWidget(InfoFeld);
  l->addStretch();
  Inhalt()->addWidget(box);
  BaueSperrung();
}

}  // namespace kolvar
