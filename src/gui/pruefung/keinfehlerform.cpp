#include "pruefung/keinfehlerform.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolvar {

TKeinFehlerForm::TKeinFehlerForm(QWidget* eltern) : TKvDialog(eltern) {
  setObjectName(QStringLiteral("KeinFehlerForm"));
  setWindowTitle(QStringLiteral("Prüfergebnis"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Beim Prüfen der Daten wurden"), this));
  artFeld_ = new QLabel(this);
  artFeld_->setObjectName(QStringLiteral("ArtFeld"));
  layout->addWidget(artFeld_);
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  layout->addWidget(ok, 0, Qt::AlignCenter);
  KnopfErgebnis(ok, mrOk);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(ok);
  SetzeErgebnis(0);
}

void TKeinFehlerForm::SetzeErgebnis(int stufe) {
  switch (stufe) {
    case 1:
      artFeld_->setText(QStringLiteral("kleinere Fehler gefunden."));
      break;
    case 2:
      artFeld_->setText(QStringLiteral("größere Fehler gefunden."));
      break;
    default:
      artFeld_->setText(QStringLiteral("keine Fehler gefunden."));
      break;
  }
}

QString TKeinFehlerForm::Ergebnis() const {
  return artFeld_->text();
}

}  // namespace kolvar
