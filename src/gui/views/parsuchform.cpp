#include "views/parsuchform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/parsuche.h"
#include "engine/partabelle.h"
#include "model/schule.h"

namespace kolvar {

namespace {

// The search gives the event loop a turn at most this often, not before every candidate.
constexpr qint64 kTaktMs = 20;

}  // namespace

TParSuchForm::TParSuchForm(TParTabelle& tabelle, QWidget* eltern) : TKvDialog(eltern), tabelle_(tabelle) {
  setObjectName(QStringLiteral("ParSuchForm"));
  setWindowTitle(QStringLiteral("Suche Lösung"));
  auto* haupt = new QVBoxLayout(this);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Kombination Nr.:"), this));
  zaehler_ = new QLabel(QStringLiteral("0"), this);
  zaehler_->setObjectName(QStringLiteral("ZaehlerFeld"));
  zaehler_->setMinimumWidth(80);
  zeile->addWidget(zaehler_);
  zeile->addStretch();
  haupt->addLayout(zeile);
  auto* knoepfe = new QHBoxLayout;
  start_ = new QPushButton(QStringLiteral("Start"), this);
  anhalten_ = new QPushButton(QStringLiteral("Anhalten"), this);
  knoepfe->addWidget(start_);
  knoepfe->addWidget(anhalten_);
  haupt->addLayout(knoepfe);
  connect(start_, &QPushButton::clicked, this, [this] { StartKnopfClick(); });
  connect(anhalten_, &QPushButton::clicked, this, [this] { AnhaltenKnopfClick(); });
  SetzeStandardKnopf(start_);
  SetzeAbbruchKnopf(anhalten_);
}

TParSuchForm::~TParSuchForm() = default;

void TParSuchForm::StartKnopfClick() {
  if (laeuft_) return;
  laeuft_ = true;
  start_->setEnabled(false);
  TParSuche suche(tabelle_);
  suche_ = &suche;
  QElapsedTimer takt;
  takt.start();
  suche.Abbruch = [&] {
    if (takt.elapsed() >= kTaktMs) {
      zaehler_->setText(QString::number(suche.Kombinationen()));
      QCoreApplication::processEvents();
      if (ImTakt) ImTakt();
      takt.restart();
    }
    return false;
  };
  suche.Suche();
  suche_ = nullptr;
  laeuft_ = false;
  zaehler_->setText(QString::number(suche.Kombinationen()));
  suche.UebernimmLoesung(tabelle_);
  done(suche.Kombinationen() > 0 ? mrOk : mrAbbrechen);
}

void TParSuchForm::AnhaltenKnopfClick() {
  if (laeuft_) {
    suche_->Anhalten();
    return;
  }
  done(mrAbbrechen);
}

void TParSuchForm::reject() {
  AnhaltenKnopfClick();
}

}  // namespace kolvar
