#include "print/druckdepform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "druck/deputatdruck.h"
#include "druck/elementbereich.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

constexpr std::array<const char*, 6> kArten{"Lehrer", "Klassen", "Kopplungen",
                                            "Fächer", "Räume",   "alle Kurse"};

}  // namespace

TDruckDepForm::TDruckDepForm(TSchule& schule, TWaehler waehler, QWidget* eltern)
    : TListenDruckDialog(schule, QStringLiteral("Deputate drucken"), schule.Standard().DeputatDruck.Schrift,
                         schule.Standard().DeputatDruck.dra, eltern),
      o_(schule.Standard().DeputatDruck),
      artGroup_(new QButtonGroup(this)) {
  using O = TDeputatDruckOptionen;
  auto* box = new QGroupBox(QStringLiteral("für"), this);
  auto* spalte = new QVBoxLayout(box);
  int id = 0;
  for (const char* text : kArten) {
    auto* knopf = new QRadioButton(QString::fromUtf8(text), box);
    artGroup_->addButton(knopf, id++);
    spalte->addWidget(knopf);
  }
  OptionenSpalte()->addWidget(box);
  const std::array<std::pair<const char*, bool O::*>, 5> boxen{{{"mit Klassenliste", &O::dkl},
                                                                {"mit Raumliste", &O::drl},
                                                                {"1 Seite pro Deputat", &O::d1s},
                                                                {"mit Zusatzinfo", &O::dzu},
                                                                {"mit Farbe", &O::dco}}};
  for (const auto& [text, wert] : boxen) {
    auto* b = new QCheckBox(QString::fromUtf8(text), this);
    OptionenSpalte()->addWidget(b);
    boxen_.push_back({b, wert});
  }
  eineSeite_ = Box(QStringLiteral("1 Seite pro Deputat"));
  OptionenSpalte()->addStretch(1);
  // One "Auswahl" for every kind: the chooser takes the list and the caption of the kind chosen.
  const TWahlKnopf auswahl{QStringLiteral("Auswahl"), QString(),
                           [this] { return ElementListe(schule_, Art()); }};
  BaueElementWahl(QStringLiteral("für Kürzel"), {auswahl},
                  [this, waehler = std::move(waehler)](const std::vector<TElement*>& liste, const QString&) {
                    if (!waehler) return std::vector<TElement*>();
                    return waehler(liste, QString::fromUtf8(kArten[static_cast<std::size_t>(Art())]));
                  });
  connect(artGroup_, &QButtonGroup::idClicked, this, [this](int art) { SetzeArt(art); });
}

QCheckBox* TDruckDepForm::Box(const QString& text) const {
  for (const TBox& b : boxen_)
    if (b.box->text() == text) return b.box;
  return nullptr;
}

void TDruckDepForm::SetzeArt(int art) {
  art = std::clamp(art, 0, 5);
  artGroup_->button(art)->setChecked(true);
  const bool elemente = art != 5;
  if (KuerzelGrid() != nullptr) KuerzelGrid()->parentWidget()->setEnabled(elemente);
  eineSeite_->setEnabled(elemente);
}

int TDruckDepForm::Art() const {
  return std::max(0, artGroup_->checkedId());
}

void TDruckDepForm::LadeOptionen() {
  SetzeArt(o_.dda);
  for (const TBox& b : boxen_) b.box->setChecked(o_.*b.wert);
}

void TDruckDepForm::SpeichereOptionen() {
  o_.dda = Art();
  for (const TBox& b : boxen_) o_.*b.wert = b.box->isChecked();
}

bool TDruckDepForm::BrauchtAuswahl() const {
  return Art() != 5;
}

void TDruckDepForm::Drucke(IZeichenflaeche& flaeche) {
  TDeputatDruck(schule_, o_).Drucke(flaeche, Elemente());
}

}  // namespace kolvar
