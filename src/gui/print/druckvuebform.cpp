#include "print/druckvuebform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "druck/vertrlistendruck.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/datumsspins.h"
#include "print/druckvstdform.h"

namespace kolvar {

namespace {

constexpr int kLehrerRolle = Qt::UserRole + 1;

QTableWidget* LehrerGrid(QWidget* eltern) {
  auto* g = new QTableWidget(0, 1, eltern);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->horizontalHeader()->setStretchLastSection(true);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  g->setMinimumSize(90, 200);
  return g;
}

}  // namespace

TDruckVUebForm::TDruckVUebForm(TSchule& schule, QWidget* eltern)
    : TDruckDialog(schule, QStringLiteral("Drucke Vertretungsübersicht"),
                   schule.Standard().VertretungsUebersichtDruck.Schrift,
                   {&schule.Standard().VertretungsUebersichtDruck.Rand, &ungenutzt_[0], &ungenutzt_[1],
                    &ungenutzt_[2]},
                   eltern) {
  NurLinkerRand(*this);
  auto* zeitraum = new QGroupBox(QStringLiteral("Zeitraum"), this);
  auto* zg = new QGridLayout(zeitraum);
  von_ = new TDatumsSpins(zeitraum);
  bis_ = new TDatumsSpins(zeitraum);
  zg->addWidget(new QLabel(QStringLiteral("von Datum"), zeitraum), 0, 0);
  zg->addWidget(von_, 0, 1);
  zg->addWidget(new QLabel(QStringLiteral("bis Datum"), zeitraum), 1, 0);
  zg->addWidget(bis_, 1, 1);
  OptionenSpalte()->addWidget(zeitraum);
  auto* lehrer = new QGroupBox(QStringLiteral("für Lehrer"), this);
  auto* lg = new QGridLayout(lehrer);
  links_ = LehrerGrid(lehrer);
  rechts_ = LehrerGrid(lehrer);
  lg->addWidget(links_, 0, 0);
  lg->addWidget(rechts_, 0, 1);
  auto* alle = new QPushButton(QStringLiteral("Alle Lehrer"), lehrer);
  lg->addWidget(alle, 1, 0, 1, 2);
  OptionenSpalte()->addWidget(lehrer);
  connect(links_, &QTableWidget::cellDoubleClicked, this, [this](int z, int) { LinksDoppelklick(z); });
  connect(rechts_, &QTableWidget::cellDoubleClicked, this, [this](int z, int) { RechtsDoppelklick(z); });
  connect(alle, &QPushButton::clicked, this, [this] { AlleLehrerClick(); });
}

void TDruckVUebForm::LadeEinstellungen(int32_t von, int32_t bis) {
  TDruckDialog::LadeEinstellungen();
  von_->SetzeDatum(von);
  bis_->SetzeDatum(bis);
  links_->setRowCount(0);
  for (const TLehrer* l : schule_.Lehrer()) Haenge(links_, l);
}

void TDruckVUebForm::Haenge(QTableWidget* grid, const TLehrer* l) {
  const int r = grid->rowCount();
  grid->insertRow(r);
  auto* item = new QTableWidgetItem(QString::fromStdString(l->Kuerzel()));
  item->setData(kLehrerRolle, QVariant::fromValue(const_cast<void*>(static_cast<const void*>(l))));
  grid->setItem(r, 0, item);
}

const TLehrer* TDruckVUebForm::LehrerIn(const QTableWidget* grid, int zeile) const {
  const QTableWidgetItem* item = grid->item(zeile, 0);
  if (item == nullptr) return nullptr;
  const auto* l = static_cast<const TLehrer*>(item->data(kLehrerRolle).value<void*>());
  return schule_.Lehrer().Position(l) != 0 ? l : nullptr;
}

void TDruckVUebForm::LinksDoppelklick(int zeile) {
  if (const TLehrer* l = LehrerIn(links_, zeile)) Haenge(rechts_, l);
}

void TDruckVUebForm::RechtsDoppelklick(int zeile) {
  if (zeile >= 0 && zeile < rechts_->rowCount()) rechts_->removeRow(zeile);
}

void TDruckVUebForm::AlleLehrerClick() {
  rechts_->setRowCount(0);
  for (const TLehrer* l : schule_.Lehrer()) Haenge(rechts_, l);
}

std::vector<const TLehrer*> TDruckVUebForm::Gewaehlte() const {
  std::vector<const TLehrer*> lehrer;
  for (int r = 0; r < rechts_->rowCount(); ++r)
    if (const TLehrer* l = LehrerIn(rechts_, r)) lehrer.push_back(l);
  return lehrer;
}

void TDruckVUebForm::Drucke(IZeichenflaeche& flaeche) {
  const int32_t von = von_->Datum();
  DruckeVertrUebersicht(flaeche, schule_, schule_.Standard().VertretungsUebersichtDruck, Gewaehlte(), von,
                        std::max(von, bis_->Datum()));
}

}  // namespace kolvar
