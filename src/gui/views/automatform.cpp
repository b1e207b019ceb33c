#include "views/automatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "app/meldungsform.h"
#include "model/schule.h"

namespace kolvar {

namespace {
// The loop gives the event loop a turn at most this often, not after every one of many courses.
constexpr qint64 kTaktMs = 20;
}  // namespace

TAutomatForm::TAutomatForm(TSchule& schule, const std::vector<TKurs*>& auswahl,
                           std::function<void(const std::vector<TKurs*>&)> zeige, QWidget* eltern)
    : TKvDialog(eltern), schule_(schule), automat_(schule), zeige_(std::move(zeige)) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("AutomatForm"));
  setWindowTitle(QStringLiteral("Automatisches Rechnen"));
  auto* haupt = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  raster->addWidget(new QLabel(QStringLiteral("noch zu setzen"), this), 0, 0);
  noch_ = new QLabel(this);
  noch_->setObjectName(QStringLiteral("NochFeld"));
  raster->addWidget(noch_, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("nicht verplanbar"), this), 1, 0);
  nicht_ = new QLabel(this);
  nicht_->setObjectName(QStringLiteral("NichtFeld"));
  raster->addWidget(nicht_, 1, 1);
  haupt->addLayout(raster);
  balken_ = new QProgressBar(this);
  balken_->setMinimumWidth(260);
  haupt->addWidget(balken_);
  start_ = new QPushButton(QStringLiteral("Start"), this);
  abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), this);
  zeigen_ = new QPushButton(QStringLiteral("nicht verplanbare Stunden zeigen"), this);
  ok_ = new QPushButton(QStringLiteral("Ok"), this);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(start_);
  knoepfe->addWidget(abbrechen_);
  knoepfe->addWidget(ok_);
  haupt->addLayout(knoepfe);
  haupt->addWidget(zeigen_);
  zeigen_->setEnabled(false);
  ok_->setEnabled(false);
  connect(start_, &QPushButton::clicked, this, [this] { StartKnopfClick(); });
  connect(abbrechen_, &QPushButton::clicked, this, [this] { AbbrechenKnopfClick(); });
  connect(zeigen_, &QPushButton::clicked, this, [this] { ZeigenKnopfClick(); });
  KnopfErgebnis(ok_, mrOk);
  SetzeStandardKnopf(start_);
  SetzeAbbruchKnopf(abbrechen_);

  std::unique_ptr<TMeldungsForm> meldung;
  automat_.Bewertung = [this, &meldung](bool beginnt) {
    if (beginnt) {
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
      meldung = std::make_unique<TMeldungsForm>(this);
      meldung->SetzeMeldung(QStringLiteral("Die Reihenfolge der Setzungen wird berechnet."));
      meldung->ZeigeSofort();
    } else {
      meldung.reset();
      QGuiApplication::restoreOverrideCursor();
    }
  };
  automat_.AutomatVorbereiten(auswahl);
  // Later ratings run inside the loop, where the counters say enough.
  automat_.Bewertung = {};
  ZeigeZaehler();
}

void TAutomatForm::ZeigeZaehler() {
  noch_->setText(QString::number(automat_.NochZuSetzen()));
  nicht_->setText(QString::number(automat_.NichtVerplanbareStunden()));
  // A maximum of 0 would make the bar spin; the value always lies inside the range.
  balken_->setRange(0, std::max(1, automat_.Gesamt()));
  balken_->setValue(std::clamp(automat_.Fortschritt(), 0, std::max(1, automat_.Gesamt())));
}

void TAutomatForm::StartKnopfClick() {
  if (laeuft_) return;
  if (gelaufen_) {
    done(mrOk);
    return;
  }
  laeuft_ = true;
  start_->setEnabled(false);
  abbrechen_->setEnabled(true);
  {
    // One action: each open window refreshes once, after the run.
    TSchule::TAktion aktion(schule_);
    QElapsedTimer takt;
    bool erster = true;
    takt.start();
    while (automat_.Schritt()) {
      if (NachKurs) NachKurs();
      if (erster || takt.elapsed() >= kTaktMs) {
        ZeigeZaehler();
        QCoreApplication::processEvents();
        takt.restart();
        erster = false;
      }
    }
  }
  laeuft_ = false;
  gelaufen_ = true;
  ZeigeZaehler();
  start_->setEnabled(true);
  ok_->setEnabled(true);
  abbrechen_->setEnabled(false);
  zeigen_->setEnabled(!automat_.NichtVerplanbar().empty());
  if (schliessen_) done(mrAbbrechen);
}

void TAutomatForm::AbbrechenKnopfClick() {
  if (laeuft_) {
    automat_.Anhalten();
    schliessen_ = true;
    return;
  }
  done(mrAbbrechen);
}

void TAutomatForm::reject() {
  AbbrechenKnopfClick();
}

void TAutomatForm::ZeigenKnopfClick() {
  if (laeuft_ || automat_.NichtVerplanbar().empty()) return;
  const std::vector<TKurs*> liste = automat_.NichtVerplanbar();
  done(mrOk);
  if (zeige_) zeige_(liste);
}

}  // namespace kolvar
