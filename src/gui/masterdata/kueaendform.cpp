#include "masterdata/kueaendform.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/kuerzelliste.h"
#include "masterdata/kuedopform.h"
#include "model/element.h"
#include "model/text.h"
#include "platform/dateitextvalidator.h"

namespace kolvar {

TKueAendForm::TKueAendForm(TKuerzelListe& liste, TElement& element, QWidget* eltern)
    : TKvDialog(eltern), liste_(liste), element_(element) {
  setObjectName(QStringLiteral("KueAendForm"));
  setWindowTitle(QStringLiteral("Kürzel ändern"));
  auto* haupt = new QVBoxLayout(this);
  kueFeld_ = new QLineEdit(QString::fromStdString(element.Kuerzel()), this);
  kueFeld_->setObjectName(QStringLiteral("KueFeld"));
  kueFeld_->setMaxLength(kKuerzelLaenge);
  kueFeld_->setValidator(new TDateiTextValidator(true, kueFeld_));
  haupt->addWidget(kueFeld_);
  auto* reihe = new QHBoxLayout;
  okKnopf_ = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  reihe->addWidget(okKnopf_);
  reihe->addWidget(abbrechen);
  haupt->addLayout(reihe);
  SetzeStandardKnopf(okKnopf_);
  SetzeAbbruchKnopf(abbrechen);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  connect(okKnopf_, &QPushButton::clicked, this, &TKueAendForm::OkKnopfClick);
  connect(kueFeld_, &QLineEdit::textChanged, this,
          [this](const QString& text) { okKnopf_->setEnabled(!text.isEmpty()); });
  okKnopf_->setEnabled(!kueFeld_->text().isEmpty());
  kueFeld_->selectAll();
}

void TKueAendForm::OkKnopfClick() {
  const QString text = kueFeld_->text();
  if (text.isEmpty()) return;
  switch (liste_.Umbenenne(&element_, text.toStdString())) {
    case TKuerzelListe::TUmbenennung::Gleich:
    case TKuerzelListe::TUmbenennung::Umbenannt:
      done(mrOk);
      break;
    case TKuerzelListe::TUmbenennung::Doppelt: {
      TKueDopForm stop(text, this);
      stop.Zeige();
      kueFeld_->setFocus();
      break;
    }
    case TKuerzelListe::TUmbenennung::Ungueltig:
      QApplication::beep();
      break;
  }
}

}  // namespace kolvar
