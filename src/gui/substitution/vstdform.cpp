#include "substitution/vstdform.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <limits>

#include "model/lehrer.h"
#include "model/schule.h"
#include "substitution/ruecksetzform.h"
#include "substitution/vertrkonten.h"

namespace kolvar {

namespace {
constexpr int kLehrerRolle = Qt::UserRole + 1;
}

TVStdForm::TVStdForm(TSchule& schule, QWidget* eltern) : TKvDialog(eltern), schule_(schule) {
  BearbeitetSchule(schule);
  setWindowTitle(QStringLiteral("Vertretene Stunden"));
  auto* gitter = new QGridLayout(this);
  for (int t = 1; t <= 2; ++t) {
    const int spalte = (t - 1) * 2;
    gitter->addWidget(new QLabel(QStringLiteral("Tabelle %1").arg(t), this), 0, spalte);
    auto* tabelle = new QTableWidget(0, 2, this);
    tabelle->horizontalHeader()->hide();
    tabelle->verticalHeader()->hide();
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tabelle->horizontalHeader()->setStretchLastSection(true);
    tabelle->setColumnWidth(0, 80);
    tabelle->setMinimumSize(190, 300);
    gitter->addWidget(tabelle, 1, spalte);
    // The up-down reaches every account a teacher can hold: a narrower range would rewrite a
    // larger account on the first click.
    auto* updown = new QSpinBox(this);
    updown->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    updown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    updown->setKeyboardTracking(false);
    gitter->addWidget(updown, 1, spalte + 1, Qt::AlignTop);
    auto* ruecksetzen = new QPushButton(QStringLiteral("Rücksetzen"), this);
    gitter->addWidget(ruecksetzen, 2, spalte);
    tabellen_[Index(t)] = tabelle;
    updowns_[Index(t)] = updown;
    connect(tabelle, &QTableWidget::currentCellChanged, this,
            [this, t](int zeile, int, int, int) { ZeigeKonto(t, zeile); });
    connect(updown, &QSpinBox::valueChanged, this, [this, t](int wert) { UpDownClick(t, wert); });
    connect(ruecksetzen, &QPushButton::clicked, this, [this, t] { RuecksetzenClick(t); });
    Fuelle(t);
  }
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  gitter->addWidget(ok, 3, 0, 1, 4, Qt::AlignHCenter);
  KnopfErgebnis(ok, mrOk);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(ok);
  for (int t = 1; t <= 2; ++t) WaehleZeile(t, 0);
}

void TVStdForm::Fuelle(int tabelle) {
  QTableWidget* g = Tabelle(tabelle);
  const int zeile = g->currentRow();
  g->setRowCount(0);
  for (TLehrer* l : schule_.Lehrer()) {
    const int r = g->rowCount();
    g->insertRow(r);
    auto* kuerzel = new QTableWidgetItem(QString::fromStdString(l->Kuerzel()));
    kuerzel->setData(kLehrerRolle, QVariant::fromValue(static_cast<void*>(l)));
    g->setItem(r, 0, kuerzel);
    auto* konto =
        new QTableWidgetItem(QString::fromStdString(VStdText(VStdKonto(*l, tabelle), schule_.Standard())));
    konto->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->setItem(r, 1, konto);
  }
  if (zeile >= 0 && zeile < g->rowCount()) g->setCurrentCell(zeile, 0);
}

TLehrer* TVStdForm::Gewaehlt(int tabelle) const {
  const QTableWidget* g = Tabelle(tabelle);
  const QTableWidgetItem* item = g->item(g->currentRow(), 0);
  if (item == nullptr) return nullptr;
  auto* l = static_cast<TLehrer*>(item->data(kLehrerRolle).value<void*>());
  // Only a teacher the school still has.
  return schule_.Lehrer().Position(l) != 0 ? l : nullptr;
}

void TVStdForm::WaehleZeile(int tabelle, int zeile) {
  QTableWidget* g = Tabelle(tabelle);
  if (zeile < 0 || zeile >= g->rowCount()) return;
  g->setCurrentCell(zeile, 0);
  ZeigeKonto(tabelle, zeile);
}

void TVStdForm::ZeigeKonto(int tabelle, int /*zeile*/) {
  const TLehrer* l = Gewaehlt(tabelle);
  if (l == nullptr) return;
  const QSignalBlocker sperre(UpDown(tabelle));
  UpDown(tabelle)->setValue(VStdKonto(*l, tabelle));
}

void TVStdForm::UpDownClick(int tabelle, int wert) {
  TLehrer* l = Gewaehlt(tabelle);
  if (l == nullptr) return;
  TSchule::TAktion aktion(schule_);
  SetzeVStdKonto(*l, tabelle, wert);
  QTableWidget* g = Tabelle(tabelle);
  if (QTableWidgetItem* konto = g->item(g->currentRow(), 1))
    konto->setText(QString::fromStdString(VStdText(VStdKonto(*l, tabelle), schule_.Standard())));
}

void TVStdForm::RuecksetzenClick(int tabelle) {
  TLehrer* l = Gewaehlt(tabelle);
  if (l == nullptr) return;
  TRuecksetzForm frage(QString::fromStdString(l->Kuerzel()), this);
  const int antwort = frage.Zeige();
  if (antwort != mrJa && antwort != mrOk) return;
  {
    TSchule::TAktion aktion(schule_);
    RuecksetzeVStd(schule_, tabelle, antwort == mrJa ? l : nullptr);
  }
  Fuelle(tabelle);
  ZeigeKonto(tabelle, Tabelle(tabelle)->currentRow());
}

}  // namespace kolvar
