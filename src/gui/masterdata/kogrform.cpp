#include "masterdata/kogrform.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "model/fensterart.h"

namespace kolvar {

TKoGrForm::TKoGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::KoGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("Kopplung"));
  auto* l = new QHBoxLayout;
  l->addWidget(new QLabel(QStringLiteral("Info"), this));
  l->addWidget(InfoFeld);
  l->addStretch();
  Inhalt()->addLayout(l);
  Inhalt()->addStretch();
}

}  // namespace kolvar
