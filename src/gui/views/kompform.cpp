#include "views/kompform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "model/klasse.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "platform/qtext.h"

namespace kolvar {

namespace {

// The loop gives the event loop a turn at most this often, not after every source slot.
constexpr qint64 kTaktMs = 20;

// The class plan of the shown class and version: day header, period header, and a cell per
// slot, grey when locked, filled when occupied (darker for a fixed lesson).
class TKompWoche : public QWidget {
 public:
  static constexpr int kKopf = 16, kSpalte = 30, kZelle = 15, kZeile = 13;

  TKompWoche(const TSchule& schule, const TKomprimierer& komp, QWidget* eltern)
      : QWidget(eltern), schule_(schule), komp_(komp) {
    setObjectName(QStringLiteral("KompWoche"));
    // The period column takes the widest label of every version the pass may show, so that no
    // label is cut and the window keeps its size from class to class.
    const TStandard& st = schule_.Standard();
    const QFontMetrics mass(Schrift());
    for (int v = 1; v <= std::clamp(st.mwn(), 1, kMaxVersionen); ++v)
      for (int p = 1; p <= kStunden; ++p)
        spalte_ = std::max(spalte_, mass.horizontalAdvance(Label(v, p)) + 4);
    setFixedSize(spalte_ + 7 * kZelle + 4, kKopf + kStunden * kZeile + 1);
  }

  // The width of the period column.
  int StundenSpalte() const { return spalte_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter maler(this);
    const TStandard& st = schule_.Standard();
    const int tage = std::clamp(st.mtn, 0, kTage);
    const int v = std::clamp(komp_.Version(), 1, kMaxVersionen);
    maler.setFont(Schrift());
    for (int d = 1; d <= tage; ++d)
      maler.drawText(QRect(spalte_ + (d - 1) * kZelle, 0, kZelle, kKopf), Qt::AlignCenter,
                     Q(st.spg[static_cast<std::size_t>(d - 1)]).left(2));
    for (int p = 1; p <= kStunden; ++p)
      maler.drawText(QRect(0, kKopf + (p - 1) * kZeile, spalte_ - 2, kZeile),
                     Qt::AlignRight | Qt::AlignVCenter, Label(v, p));
    const TKlasse* k = komp_.Klasse();
    for (int d = 1; d <= tage; ++d)
      for (int p = 1; p <= kStunden; ++p) {
        const QRect zelle(spalte_ + (d - 1) * kZelle, kKopf + (p - 1) * kZeile, kZelle, kZeile);
        QColor farbe = Qt::white;
        if (k != nullptr) {
          if (const TSetzung* s = k->Belegung().Belegt(v, d, p) ? k->SetzungAn(v, d, p) : nullptr)
            farbe = s->Fixiert() ? QColor(60, 90, 160) : QColor(150, 180, 230);
          else if (k->Sperrung().Belegt(v, d, p))
            farbe = QColor(190, 190, 190);
        }
        maler.fillRect(zelle, farbe);
        maler.setPen(Qt::black);
        maler.drawRect(zelle);
      }
  }

 private:
  QFont Schrift() const {
    QFont schrift = font();
    schrift.setPointSizeF(std::max(6.0, schrift.pointSizeF() - 3));
    return schrift;
  }
  QString Label(int v, int p) const {
    const QString text =
        Q(schule_.Standard().sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)]);
    return text.isEmpty() ? QString::number(p) : text;
  }

  const TSchule& schule_;
  const TKomprimierer& komp_;
  int spalte_ = kSpalte;
};

}  // namespace

TKompForm::TKompForm(TSchule& schule, QWidget* eltern) : TKvDialog(eltern), schule_(schule), komp_(schule) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("KompForm"));
  setWindowTitle(QStringLiteral("Komprimieren"));
  auto* haupt = new QHBoxLayout(this);
  auto* plan = new QGroupBox(QStringLiteral("Klassenplan"), this);
  auto* planLayout = new QVBoxLayout(plan);
  woche_ = new TKompWoche(schule_, komp_, plan);
  planLayout->addWidget(woche_);
  haupt->addWidget(plan);

  auto* rechts = new QVBoxLayout;
  auto* info = new QGroupBox(QStringLiteral("Information"), this);
  auto* infoLayout = new QGridLayout(info);
  klasse_ = new QLabel(info);
  version_ = new QLabel(info);
  luecken_ = new QLabel(info);
  klasse_->setObjectName(QStringLiteral("KlasseFeld"));
  version_->setObjectName(QStringLiteral("VersionFeld"));
  luecken_->setObjectName(QStringLiteral("LueckenFeld"));
  infoLayout->addWidget(new QLabel(QStringLiteral("Klasse"), info), 0, 0);
  infoLayout->addWidget(klasse_, 0, 1);
  infoLayout->addWidget(new QLabel(QStringLiteral("Version"), info), 1, 0);
  infoLayout->addWidget(version_, 1, 1);
  infoLayout->addWidget(new QLabel(QStringLiteral("Hohlstunden"), info), 2, 0);
  infoLayout->addWidget(luecken_, 2, 1);
  rechts->addWidget(info);

  auto* steuerung = new QGroupBox(QStringLiteral("Steuerung"), this);
  auto* steuerLayout = new QVBoxLayout(steuerung);
  start_ = new QPushButton(QStringLiteral("Start"), steuerung);
  naechste_ = new QPushButton(QStringLiteral("nächste Klasse"), steuerung);
  abbrechen_ = new QPushButton(QStringLiteral("Abbrechen"), steuerung);
  steuerLayout->addWidget(start_);
  steuerLayout->addWidget(naechste_);
  steuerLayout->addWidget(abbrechen_);
  rechts->addWidget(steuerung);

  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* einstLayout = new QVBoxLayout(einstellungen);
  bruecken_ = new QCheckBox(QStringLiteral("Brücken erlauben"), einstellungen);
  mehrfach_ = new QCheckBox(QStringLiteral("Mehrfachstunden zerreißen"), einstellungen);
  einstLayout->addWidget(bruecken_);
  einstLayout->addWidget(mehrfach_);
  rechts->addWidget(einstellungen);
  rechts->addStretch();
  haupt->addLayout(rechts);

  TStandard& st = schule_.Standard();
  bruecken_->setChecked(st.kmpb);
  mehrfach_->setChecked(st.kmpm);
  connect(bruecken_, &QCheckBox::clicked, this, [this](bool an) { schule_.Standard().SetKompBruecken(an); });
  connect(mehrfach_, &QCheckBox::clicked, this, [this](bool an) { schule_.Standard().SetKompMehrfach(an); });
  connect(start_, &QPushButton::clicked, this, [this] { StartKnopfClick(); });
  connect(naechste_, &QPushButton::clicked, this, [this] { NaechsteKnopfClick(); });
  connect(abbrechen_, &QPushButton::clicked, this, [this] { AbbrechenKnopfClick(); });
  SetzeStandardKnopf(start_);
  SetzeAbbruchKnopf(abbrechen_);

  komp_.LueckenGeaendert = [this](int) {
    ZeigeInfo();
    woche_->update();
  };
  TKlasse* erste = schule_.Klassen().Leer() ? nullptr : schule_.Klassen().Hole(1);
  komp_.Zeige(erste, komp_.StartVersion());
  // A school without classes: nothing to show and nothing to start.
  start_->setEnabled(erste != nullptr);
  naechste_->setEnabled(false);
  ZeigeInfo();
}

void TKompForm::ZeigeInfo() {
  const TKlasse* k = komp_.Klasse();
  klasse_->setText(k ? Q(k->Kuerzel()) : QString());
  version_->setText(k ? QString::number(komp_.Version()) : QString());
  luecken_->setText(k ? QString::number(komp_.Luecken()) : QString());
}

void TKompForm::StartKnopfClick() {
  if (laeuft_ || komp_.Klasse() == nullptr) return;
  laeuft_ = true;
  start_->setEnabled(false);
  naechste_->setEnabled(true);
  bruecken_->setEnabled(false);
  mehrfach_->setEnabled(false);
  QElapsedTimer takt;
  takt.start();
  auto gibTakt = [this, &takt] {
    woche_->update();
    QCoreApplication::processEvents();
    if (ImTakt) ImTakt();
    takt.restart();
  };
  komp_.Abbruch = [&] {
    if (takt.elapsed() >= kTaktMs) gibTakt();
    return false;
  };
  {
    // One action: each open window refreshes once, after the pass.
    TSchule::TAktion aktion(schule_);
    const std::vector<TKlasse*> klassen = schule_.Klassen().Elemente();
    TKlasse* erste = komp_.Klasse();
    auto it = std::find(klassen.begin(), klassen.end(), erste);
    std::size_t i = it == klassen.end() ? 0 : static_cast<std::size_t>(it - klassen.begin());
    while (!komp_.Angehalten()) {
      komp_.KomprimiereKlasse(*klassen[i]);
      gibTakt();
      if (komp_.Angehalten()) break;
      i = (i + 1) % klassen.size();
      komp_.Zeige(klassen[i], komp_.StartVersion());
      ZeigeInfo();
      // One pass: it ends where it began.
      if (klassen[i] == erste) break;
    }
  }
  komp_.Abbruch = {};
  laeuft_ = false;
  done(mrOk);
}

void TKompForm::NaechsteKnopfClick() {
  if (laeuft_) komp_.NaechsteKlasse();
}

void TKompForm::AbbrechenKnopfClick() {
  if (laeuft_) {
    komp_.Anhalten();
    return;
  }
  done(mrAbbrechen);
}

void TKompForm::reject() {
  AbbrechenKnopfClick();
}

}  // namespace kolvar
