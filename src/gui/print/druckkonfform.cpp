#include "print/druckkonfform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "druck/konferenzdruck.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

QTableWidget* KuerzelGitter(QWidget* eltern) {
  auto* g = new QTableWidget(1, 1, eltern);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setColumnWidth(0, 86);
  g->verticalHeader()->setDefaultSectionSize(16);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  g->setFixedWidth(86 + 22);
  g->setMinimumHeight(16 * 12);
  return g;
}

void Fuelle(QTableWidget& gitter, const std::vector<TElement*>& elemente) {
  gitter.clearContents();
  gitter.setRowCount(std::max<int>(1, static_cast<int>(elemente.size())));
  for (std::size_t i = 0; i < elemente.size(); ++i)
    gitter.setItem(static_cast<int>(i), 0,
                   new QTableWidgetItem(QString::fromStdString(elemente[i]->Kuerzel())));
}

}  // namespace

TDruckKonfForm::TDruckKonfForm(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand,
                               const QString& listenTitel, std::vector<TElement*> alle, QWidget* eltern)
    : TEinRandDialog(schule, caption, schrift, rand, eltern), alle_(std::move(alle)) {
  auto* zeile = new QHBoxLayout;
  auto* linksBox = new QGroupBox(listenTitel, this);
  auto* rechtsBox = new QGroupBox(QStringLiteral("Konferenzen"), this);
  links_ = KuerzelGitter(linksBox);
  rechts_ = KuerzelGitter(rechtsBox);
  links_->setObjectName(QStringLiteral("LinksGrid"));
  rechts_->setObjectName(QStringLiteral("RechtsGrid"));
  (new QVBoxLayout(linksBox))->addWidget(links_);
  (new QVBoxLayout(rechtsBox))->addWidget(rechts_);
  zeile->addWidget(linksBox);
  zeile->addWidget(rechtsBox);
  OptionenSpalte()->addLayout(zeile);
  einzeln_ = new QCheckBox(QStringLiteral("einzeln drucken"), this);
  OptionenSpalte()->addWidget(einzeln_);
  connect(links_, &QTableWidget::cellPressed, this, [this](int z, int) { linksZeile_ = z; });
  connect(rechts_, &QTableWidget::cellPressed, this, [this](int z, int) { rechtsZeile_ = z; });
  connect(links_, &QTableWidget::cellDoubleClicked, this,
          [this](int, int) { LinksGridDblClick(linksZeile_); });
  connect(rechts_, &QTableWidget::cellDoubleClicked, this,
          [this](int, int) { RechtsGridDblClick(rechtsZeile_); });
}

void TDruckKonfForm::LadeListen() {
  Fuelle(*links_, alle_);
  gewaehlt_.clear();
  ZeigeRechts();
}

void TDruckKonfForm::ZeigeRechts() {
  Fuelle(*rechts_, gewaehlt_);
}

void TDruckKonfForm::LinksGridDblClick(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(alle_.size())) return;
  TElement* e = alle_[static_cast<std::size_t>(zeile)];
  const auto schon = std::find(gewaehlt_.begin(), gewaehlt_.end(), e);
  if (schon != gewaehlt_.end()) {
    rechts_->setCurrentCell(static_cast<int>(schon - gewaehlt_.begin()), 0);
    return;
  }
  gewaehlt_.push_back(e);
  // One pass from the bottom keeps the choice in the school's order.
  const auto position = [this](const TElement* x) {
    return std::find(alle_.begin(), alle_.end(), x) - alle_.begin();
  };
  for (std::size_t i = gewaehlt_.size() - 1; i > 0; --i)
    if (position(gewaehlt_[i - 1]) > position(gewaehlt_[i])) std::swap(gewaehlt_[i - 1], gewaehlt_[i]);
  ZeigeRechts();
}

void TDruckKonfForm::RechtsGridDblClick(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(gewaehlt_.size())) return;
  gewaehlt_.erase(gewaehlt_.begin() + zeile);
  ZeigeRechts();
}

// ---------------------------------------------------------------------------------------------

TDruckFaKonfForm::TDruckFaKonfForm(TSchule& schule, QWidget* eltern)
    : TDruckKonfForm(schule, QStringLiteral("Drucke Fachkonferenzen"),
                     schule.Standard().FachKonferenzDruck.Schrift, schule.Standard().FachKonferenzDruck.fkrd,
                     QStringLiteral("Fächer"), AlleElemente(schule.Faecher()), eltern),
      o_(schule.Standard().FachKonferenzDruck) {
  einsatz_ = new QCheckBox(QStringLiteral("nur eingesetzte Lehrer"), this);
  OptionenSpalte()->addWidget(einsatz_);
  OptionenSpalte()->addStretch(1);
}

void TDruckFaKonfForm::LadeOptionen() {
  LadeListen();
  einzeln_->setChecked(o_.fksp);
  einsatz_->setChecked(o_.fkfe);
}

void TDruckFaKonfForm::SpeichereOptionen() {
  o_.fksp = einzeln_->isChecked();
  o_.fkfe = einsatz_->isChecked();
}

void TDruckFaKonfForm::Drucke(IZeichenflaeche& flaeche) {
  TKonferenzDruck(schule_, o_).Drucke(flaeche, Gewaehlt());
}

TDruckKlKonfForm::TDruckKlKonfForm(TSchule& schule, QWidget* eltern)
    : TDruckKonfForm(schule, QStringLiteral("Drucke Klassenkonferenzen"),
                     schule.Standard().KlassenKonferenzDruck.Schrift,
                     schule.Standard().KlassenKonferenzDruck.kkrd, QStringLiteral("Klassen"),
                     AlleElemente(schule.Klassen()), eltern),
      o_(schule.Standard().KlassenKonferenzDruck) {
  OptionenSpalte()->addStretch(1);
}

void TDruckKlKonfForm::LadeOptionen() {
  LadeListen();
  einzeln_->setChecked(o_.kksp);
}

void TDruckKlKonfForm::SpeichereOptionen() {
  o_.kksp = einzeln_->isChecked();
}

void TDruckKlKonfForm::Drucke(IZeichenflaeche& flaeche) {
  TKonferenzDruck(schule_, o_).Drucke(flaeche, Gewaehlt());
}

}  // namespace kolvar
