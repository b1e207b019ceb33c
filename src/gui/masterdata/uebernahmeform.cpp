#include "masterdata/uebernahmeform.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/frageform.h"
#include "model/klasse.h"
#include "platform/ipalette.h"

namespace kolvar {

TUebernahmeForm::TUebernahmeForm(TKlasse* klasse, IPalette* palette, QWidget* eltern)
    : TKvDialog(eltern), palette_(palette), quelle_(klasse) {
  setWindowTitle(QStringLiteral("Übernahme"));
  setObjectName(QStringLiteral("UebernahmeForm"));
  auto* l = new QVBoxLayout(this);
  l->addWidget(new QLabel(QStringLiteral("Kurse der Klasse übernehmen"), this));
  l->addWidget(new QLabel(QStringLiteral("Die alten Kurse werden gelöscht."), this));
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("von Klasse"), this));
  KlassenFeld = new QPushButton(this);
  KlassenFeld->setObjectName(QStringLiteral("KlassenFeld"));
  KlassenFeld->setAutoDefault(false);
  connect(KlassenFeld, &QPushButton::clicked, this, [this] { KlassenFeldClick(); });
  zeile->addWidget(KlassenFeld);
  zeile->addStretch();
  l->addLayout(zeile);
  ohneRadio = new QRadioButton(QStringLiteral("ohne Kopplungen"), this);
  ergaenzRadio = new QRadioButton(QStringLiteral("in Kopplungen Klasse ergänzen"), this);
  eigenRadio = new QRadioButton(QStringLiteral("eigene Kurse statt Kopplungen"), this);
  ohneRadio->setChecked(true);
  raumCheck = new QCheckBox(QStringLiteral("Klassenraum ergänzen"), this);
  for (QWidget* w : {static_cast<QWidget*>(ohneRadio), static_cast<QWidget*>(ergaenzRadio),
                     static_cast<QWidget*>(eigenRadio), static_cast<QWidget*>(raumCheck)})
    l->addWidget(w);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch();
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  l->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  SetzeQuelle(klasse);
}

void TUebernahmeForm::SetzeQuelle(TKlasse* klasse) {
  quelle_ = klasse;
  KlassenFeld->setText(klasse != nullptr ? QString::fromStdString(klasse->Kuerzel()) : QString());
}

TKopplungsUebernahme TUebernahmeForm::Modus() const {
  if (ergaenzRadio->isChecked()) return TKopplungsUebernahme::Ergaenzen;
  if (eigenRadio->isChecked()) return TKopplungsUebernahme::Eigene;
  return TKopplungsUebernahme::Ohne;
}

void TUebernahmeForm::KlassenFeldClick() {
  if (palette_ == nullptr) return;
  const QPoint ort = KlassenFeld->mapToGlobal(QPoint(0, KlassenFeld->height()));
  if (palette_->WaehleElement(TElementArt::Klasse, false, ort))
    if (auto* k = static_cast<TKlasse*>(palette_->Wahl(TElementArt::Klasse))) SetzeQuelle(k);
}

void ZeigeUebernVerbot(const QString& kuerzel, QWidget* eltern) {
  TFrageForm stop(QStringLiteral("Stop"),
                  {QStringLiteral("Die Stundentafel der  Klasse"), kuerzel,
                   QStringLiteral("enthält schon verplante Kurse. Diese müssen"),
                   QStringLiteral("erst aus den Plänen gelöscht werden.")},
                  {{QStringLiteral("Ok"), mrOk, true, true}}, true, eltern);
  stop.setObjectName(QStringLiteral("UebernVerbotForm"));
  stop.Zeige();
}

}  // namespace kolvar
