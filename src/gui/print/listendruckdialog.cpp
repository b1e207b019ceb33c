#include "print/listendruckdialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "druck/elementbereich.h"
#include "model/element.h"

namespace kolvar {

TListenDruckDialog::TListenDruckDialog(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand,
                                       QWidget* eltern)
    : TDruckDialog(schule, caption, schrift, {&rand, &ungenutzt_[0], &ungenutzt_[1], &ungenutzt_[2]},
                   eltern) {
  // One spin edit stays of the frame's four margins.
  if (auto* box = qobject_cast<QGroupBox*>(RandSpin(0)->parentWidget())) {
    box->setTitle(QStringLiteral("linker Rand [cm]"));
    for (QLabel* l : box->findChildren<QLabel*>()) l->hide();
  }
  for (int i = 1; i < 4; ++i) RandSpin(i)->hide();
}

void TListenDruckDialog::BaueBereich(const QString& titel, TPicker picker) {
  picker_ = std::move(picker);
  auto* box = new QGroupBox(titel, this);
  auto* gitter = new QGridLayout(box);
  vonFeld_ = new QLabel(box);
  bisFeld_ = new QLabel(box);
  vonFeld_->setObjectName(QStringLiteral("vonFeld"));
  bisFeld_->setObjectName(QStringLiteral("bisFeld"));
  auto* vonKnopf = new QPushButton(QStringLiteral("von"), box);
  auto* bisKnopf = new QPushButton(QStringLiteral("bis"), box);
  gitter->addWidget(new QLabel(QStringLiteral("von"), box), 0, 0);
  gitter->addWidget(vonFeld_, 0, 1);
  gitter->addWidget(vonKnopf, 0, 2);
  gitter->addWidget(new QLabel(QStringLiteral("bis"), box), 1, 0);
  gitter->addWidget(bisFeld_, 1, 1);
  gitter->addWidget(bisKnopf, 1, 2);
  vonFeld_->setMinimumWidth(60);
  connect(vonKnopf, &QPushButton::clicked, this, [this, vonKnopf] { Waehle(true, vonKnopf); });
  connect(bisKnopf, &QPushButton::clicked, this, [this, bisKnopf] { Waehle(false, bisKnopf); });
  OptionenSpalte()->addWidget(box);
}

void TListenDruckDialog::SetzeListe(TElementArt art) {
  art_ = art;
  const std::vector<TElement*> liste = ElementListe(schule_, static_cast<int>(art));
  von_ = liste.empty() ? nullptr : liste.front();
  bis_ = liste.empty() ? nullptr : liste.back();
  ZeigeBereich();
}

std::vector<TElement*> TListenDruckDialog::Bereich() const {
  return ElementBereich(ElementListe(schule_, static_cast<int>(art_)), von_, bis_);
}

void TListenDruckDialog::VonKnopfClick() {
  Waehle(true, nullptr);
}

void TListenDruckDialog::BisKnopfClick() {
  Waehle(false, nullptr);
}

void TListenDruckDialog::Waehle(bool vonKnopf, QPushButton* knopf) {
  if (!picker_) return;
  const QPoint ort = knopf != nullptr ? knopf->mapToGlobal(QPoint(0, knopf->height())) : QPoint();
  TElement* e = picker_(art_, ort);
  if (e == nullptr) return;
  const auto position = [](const TElement* x) { return x != nullptr ? x->Nummer() : 0; };
  if (vonKnopf) {
    von_ = e;
    if (bis_ == nullptr || position(bis_) < position(von_)) bis_ = von_;
  } else {
    bis_ = e;
    if (von_ == nullptr || position(bis_) < position(von_)) von_ = bis_;
  }
  ZeigeBereich();
}

void TListenDruckDialog::ZeigeBereich() {
  if (vonFeld_ == nullptr) return;
  vonFeld_->setText(von_ != nullptr ? QString::fromStdString(von_->Kuerzel()) : QString());
  bisFeld_->setText(bis_ != nullptr ? QString::fromStdString(bis_->Kuerzel()) : QString());
}

}  // namespace kolvar
