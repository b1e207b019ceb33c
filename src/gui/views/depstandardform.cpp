#include "views/depstandardform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/vorgaberegeln.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/schriftbreite.h"
#include "platform/uhr.h"
#include "platform/wahldialoge.h"
#include "views/kuerzelbreiten.h"
#include "views/statzeitform.h"

namespace kolvar {

namespace {

std::array<int, 5> DepBreiten(const TDeputatFensterOptionen& f) {
  return {f.dlb, f.dkb, f.dob, f.dfb, f.drb};
}

QCheckBox* Haken(QWidget* eltern, const QString& text, const char* name) {
  auto* box = new QCheckBox(text, eltern);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

TDepStandardForm::TDepStandardForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern), schule_(schule) {
  setObjectName(QStringLiteral("DepStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellungen für Deputate"));
  auto* spalten = new QHBoxLayout;
  breiten_ = new TKuerzelBreiten(this);
  spalten->addWidget(breiten_);
  auto* rechts = new QVBoxLayout;
  spalten->addLayout(rechts);
  Inhalt()->addLayout(spalten);

  auto* schrift = new QGroupBox(QStringLiteral("Schrift"), this);
  auto* sLayout = new QHBoxLayout(schrift);
  schriftFeld_ = new QLineEdit(schrift);
  schriftFeld_->setObjectName(QStringLiteral("SchriftFeld"));
  schriftFeld_->setReadOnly(true);
  schriftKnopf_ = new QPushButton(QStringLiteral("Ändern"), schrift);
  schriftKnopf_->setObjectName(QStringLiteral("SchriftButton"));
  schriftKnopf_->setAutoDefault(false);
  sLayout->addWidget(schriftFeld_);
  sLayout->addWidget(schriftKnopf_);
  rechts->addWidget(schrift);

  auto* inhalt = new QGroupBox(QStringLiteral("Inhalt"), this);
  auto* iLayout = new QVBoxLayout(inhalt);
  null_ = Haken(inhalt, QStringLiteral("Kurse mit 0 Stunden einblenden"), "NullCheck");
  info_ = Haken(inhalt, QStringLiteral("mit Kursinformationen"), "InfoCheck");
  statistik_ = Haken(inhalt, QStringLiteral("mit Statistik"), "StatistikCheck");
  zusatz_ = Haken(inhalt, QStringLiteral("mit Zusatzinformationen"), "ZusatzCheck");
  for (QCheckBox* b : {null_, info_, statistik_, zusatz_}) iLayout->addWidget(b);
  rechts->addWidget(inhalt);
  rechts->addStretch();

  connect(schriftKnopf_, &QPushButton::clicked, this, [this] { SchriftButtonClick(); });
  // Only a click asks: loading the box asks nothing.
  connect(statistik_, &QCheckBox::clicked, this, [this](bool an) {
    if (an) StatistikCheckClick();
  });
  connect(breiten_, &TKuerzelBreiten::BreiteGeaendert, this, [this](int art, int breite) {
    auto& f = schule_.Standard().DeputatFenster;
    int* ziele[5] = {&f.dlb, &f.dkb, &f.dob, &f.dfb, &f.drb};
    *ziele[art] = breite;
  });
}

void TDepStandardForm::Laden(const TStandard& st) {
  const auto& f = st.DeputatFenster;
  null_->setChecked(f.mns);
  info_->setChecked(f.mki);
  statistik_->setChecked(f.mst);
  zusatz_->setChecked(f.mzi);
  von_ = f.dvo;
  bis_ = f.dbi;
  ZeigeSchrift();
  breiten_->SetzeBreiten(DepBreiten(f));
}

void TDepStandardForm::ZeigeSchrift() {
  const TSchrift& s = schule_.Standard().DeputatFenster.Schrift;
  schriftFeld_->setText(QString::fromStdString(s.Name) + QLatin1Char(' ') + QString::number(s.Groesse));
  breiten_->SetzeSchrift(QtSchrift(s));
}

void TDepStandardForm::SchriftButtonClick() {
  TStandard& st = schule_.Standard();
  TSchrift schrift = st.DeputatFenster.Schrift;
  if (!TWahlDialoge::Dienst().WaehleSchrift(schrift, this)) return;
  st.DeputatFenster.Schrift = schrift;
  st.BerechneListenbreiten(SchriftBreite, KuerzelListen(schule_));
  ZeigeSchrift();
  breiten_->SetzeBreiten(DepBreiten(st.DeputatFenster));
}

void TDepStandardForm::StatistikCheckClick() {
  TStatZeitForm form(this);
  const int32_t heute = TDienste::Uhr().Heute();
  form.Vorbereiten(heute, heute);
  // Closed by its box, the spins are read all the same.
  if (form.Zeige() != mrOk) form.OkKnopfClick();
  von_ = form.Von();
  bis_ = form.Bis();
}

void TDepStandardForm::Speichern(TStandard& st) {
  auto& f = st.DeputatFenster;
  f.mns = null_->isChecked();
  f.mki = info_->isChecked();
  f.mst = statistik_->isChecked();
  f.mzi = zusatz_->isChecked();
  f.dvo = von_;
  f.dbi = bis_;
  DeputatFensterNeuAufbauen(schule_);
}

}  // namespace kolvar
