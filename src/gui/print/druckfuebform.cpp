#include "print/druckfuebform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "druck/fachuebersichtdruck.h"
#include "model/fach.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

TListenDruckDialog::TPicker AusWaehler(TSchule& schule, TDruckDialog::TWaehler waehler) {
  if (!waehler) return {};
  return [&schule, waehler = std::move(waehler)](TElementArt, const QPoint&) -> TElement* {
    const std::vector<TElement*> gewaehlt = waehler(AlleElemente(schule.Faecher()), QStringLiteral("Fächer"));
    return gewaehlt.empty() ? nullptr : gewaehlt.front();
  };
}

}  // namespace

TDruckFUebForm::TDruckFUebForm(TSchule& schule, TWaehler waehler, QWidget* eltern)
    : TDruckFUebForm(schule, AusWaehler(schule, std::move(waehler)), eltern) {}

TDruckFUebForm::TDruckFUebForm(TSchule& schule, TListenDruckDialog::TPicker picker, QWidget* eltern)
    : TEinRandDialog(schule, QStringLiteral("Drucke Fächerübersichten"),
                     schule.Standard().FachUebersichtDruck.Schrift,
                     schule.Standard().FachUebersichtDruck.furd, eltern),
      o_(schule.Standard().FachUebersichtDruck),
      picker_(std::move(picker)) {
  using O = TFachUebersichtDruckOptionen;
  auto* bereich = new QGroupBox(QStringLiteral("für Fach"), this);
  auto* gitter = new QGridLayout(bereich);
  vonKnopf_ = new QPushButton(QStringLiteral("von"), bereich);
  bisKnopf_ = new QPushButton(QStringLiteral("bis"), bereich);
  vonFeld_ = new QLabel(bereich);
  bisFeld_ = new QLabel(bereich);
  vonFeld_->setMinimumWidth(80);
  gitter->addWidget(vonKnopf_, 0, 0);
  gitter->addWidget(vonFeld_, 0, 1);
  gitter->addWidget(bisKnopf_, 1, 0);
  gitter->addWidget(bisFeld_, 1, 1);
  connect(vonKnopf_, &QPushButton::clicked, this, [this] { VonKnopfClick(); });
  connect(bisKnopf_, &QPushButton::clicked, this, [this] { BisKnopfClick(); });
  OptionenSpalte()->addWidget(bereich);

  auto* bemerkungZeile = new QHBoxLayout;
  bemerkungZeile->addWidget(new QLabel(QStringLiteral("Bemerkung"), this));
  bemerkung_ = new QLineEdit(this);
  bemerkung_->setMaxLength(61);
  bemerkungZeile->addWidget(bemerkung_);
  OptionenSpalte()->addLayout(bemerkungZeile);

  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* spalte = new QVBoxLayout(einstellungen);
  const auto box = [this, einstellungen, spalte](const char* text, bool O::*wert) {
    auto* b = new QCheckBox(QString::fromUtf8(text), einstellungen);
    spalte->addWidget(b);
    boxen_.push_back({b, wert});
    return b;
  };
  box("mit Lehrerkürzel", &O::fuku);
  box("mit Lehrername", &O::funa);
  QCheckBox* klasse = box("mit Klasse", &O::fukl);
  box("mit Raum", &O::fura);
  QCheckBox* kopplung = box("mit Kopplung", &O::fuko);
  KoppleBoxen(klasse, kopplung, box("Kopplung statt Klasse", &O::fust));
  box("mit Datum", &O::fuda);
  OptionenSpalte()->addWidget(einstellungen);
  OptionenSpalte()->addStretch(1);
}

QCheckBox* TDruckFUebForm::Box(const QString& text) const {
  for (const TBox& b : boxen_)
    if (b.box->text() == text) return b.box;
  return nullptr;
}

void TDruckFUebForm::LadeOptionen() {
  von_ = schule_.Faecher().Hole(1);
  bis_ = schule_.Faecher().Hole(schule_.Faecher().Anzahl());
  ZeigeBereich();
  bemerkung_->setText(QString::fromStdString(o_.fubm));
  for (const TBox& b : boxen_) b.box->setChecked(o_.*b.wert);
  // Nothing to print without a subject.
  for (const char* text : {"Ok", "Ansehen"})
    if (QAbstractButton* k = Knopf(QString::fromUtf8(text))) k->setEnabled(von_ != nullptr);
}

void TDruckFUebForm::SpeichereOptionen() {
  o_.fubm = bemerkung_->text().toStdString();
  for (const TBox& b : boxen_) o_.*b.wert = b.box->isChecked();
}

void TDruckFUebForm::ZeigeBereich() {
  vonFeld_->setText(von_ != nullptr ? QString::fromStdString(von_->Kuerzel()) : QString());
  bisFeld_->setText(bis_ != nullptr ? QString::fromStdString(bis_->Kuerzel()) : QString());
}

TFach* TDruckFUebForm::Waehle(QPushButton* knopf) {
  if (!picker_) return nullptr;
  TElement* e = picker_(TElementArt::Fach, knopf->mapToGlobal(QPoint(0, knopf->height())));
  return e != nullptr && e->Art() == TElementArt::Fach ? static_cast<TFach*>(e) : nullptr;
}

void TDruckFUebForm::VonKnopfClick() {
  TFach* fach = Waehle(vonKnopf_);
  if (fach == nullptr) return;
  von_ = fach;
  const TListe<TFach>& faecher = schule_.Faecher();
  if (bis_ == nullptr || faecher.Position(bis_) < faecher.Position(von_)) bis_ = von_;
  ZeigeBereich();
}

void TDruckFUebForm::BisKnopfClick() {
  TFach* fach = Waehle(bisKnopf_);
  if (fach == nullptr) return;
  bis_ = fach;
  const TListe<TFach>& faecher = schule_.Faecher();
  if (von_ == nullptr || faecher.Position(bis_) < faecher.Position(von_)) von_ = bis_;
  ZeigeBereich();
}

void TDruckFUebForm::Drucke(IZeichenflaeche& flaeche) {
  TFachUebersichtDruck(schule_, o_).Drucke(flaeche, von_, bis_);
}

}  // namespace kolvar
