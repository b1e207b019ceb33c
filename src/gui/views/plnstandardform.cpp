#include "views/plnstandardform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/vorgaberegeln.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/popupdienst.h"
#include "platform/schriftbreite.h"
#include "platform/wahldialoge.h"
#include "views/kuerzelbreiten.h"

namespace kolvar {

namespace {

QString SchriftText(const TSchrift& s) {
  return QString::fromStdString(s.Name) + QLatin1Char(' ') + QString::number(s.Groesse);
}

std::array<int, 5> PlanBreiten(const TPlanFensterOptionen& f) {
  return {f.plb, f.pkb, f.pob, f.pfb, f.prb};
}

}  // namespace

QStringList TPlnStandardForm::Anordnungen() {
  return {QStringLiteral("1"),      QStringLiteral("2 hoch"), QStringLiteral("2 quer"),
          QStringLiteral("3 hoch"), QStringLiteral("3 quer"), QStringLiteral("4")};
}

TPlnStandardForm::TPlnStandardForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern), schule_(schule) {
  setObjectName(QStringLiteral("PlnStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellungen für Pläne"));
  auto* spalten = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  auto* rechts = new QVBoxLayout;
  spalten->addLayout(links);
  spalten->addLayout(rechts);
  Inhalt()->addLayout(spalten);

  auto* plan = new QGroupBox(QStringLiteral("im Plan"), this);
  auto* pRaster = new QGridLayout(plan);
  spt_ = new QSpinBox(plan);
  spt_->setObjectName(QStringLiteral("SPTSpin"));
  spt_->setRange(1, kStunden);
  // Only the arrows (and the arrow keys) change it, and the field looks so: the dialog's face
  // behind the number and no text cursor, as a field that takes no typing.
  QLineEdit* sptFeld = spt_->findChild<QLineEdit*>();
  sptFeld->setReadOnly(true);
  sptFeld->setCursor(Qt::ArrowCursor);
  QPalette nurLesen = spt_->palette();
  for (const QPalette::ColorGroup gruppe : {QPalette::Active, QPalette::Inactive})
    nurLesen.setColor(gruppe, QPalette::Base, nurLesen.color(gruppe, QPalette::Window));
  spt_->setPalette(nurLesen);
  pRaster->addWidget(new QLabel(QStringLiteral("Std/Tag"), plan), 0, 0);
  pRaster->addWidget(spt_, 0, 1);
  mitRaum_ = new QCheckBox(QStringLiteral("Räume anzeigen"), plan);
  mitRaum_->setObjectName(QStringLiteral("MitRaumCheck"));
  koppFett_ = new QCheckBox(QStringLiteral("Kopplungen fett"), plan);
  koppFett_->setObjectName(QStringLiteral("KoppFettCheck"));
  pRaster->addWidget(mitRaum_, 1, 0, 1, 2);
  pRaster->addWidget(koppFett_, 2, 0, 1, 2);
  links->addWidget(plan);

  auto* kuerzel = new QGroupBox(QStringLiteral("Kürzel"), this);
  auto* kLayout = new QVBoxLayout(kuerzel);
  neben_ = new QButtonGroup(kuerzel);
  auto* neben = new QRadioButton(QStringLiteral("nebeneinander"), kuerzel);
  neben->setObjectName(QStringLiteral("NebenRadio"));
  auto* unter = new QRadioButton(QStringLiteral("untereinander"), kuerzel);
  unter->setObjectName(QStringLiteral("UnterRadio"));
  neben_->addButton(neben, 0);
  neben_->addButton(unter, 1);
  kLayout->addWidget(neben);
  kLayout->addWidget(unter);
  links->addWidget(kuerzel);

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
  links->addWidget(schrift);

  auto* man = new QGroupBox(QStringLiteral("Manuelle Planfenster"), this);
  auto* mLayout = new QHBoxLayout(man);
  manFeld_ = new QLineEdit(man);
  manFeld_->setObjectName(QStringLiteral("ManFeld"));
  manFeld_->setReadOnly(true);
  manKnopf_ = new QPushButton(QStringLiteral("Ändern"), man);
  manKnopf_->setObjectName(QStringLiteral("ManWechselKnopf"));
  manKnopf_->setAutoDefault(false);
  mLayout->addWidget(manFeld_);
  mLayout->addWidget(manKnopf_);
  links->addWidget(man);
  links->addStretch();

  breiten_ = new TKuerzelBreiten(this);
  rechts->addWidget(breiten_);
  rechts->addStretch();

  connect(schriftKnopf_, &QPushButton::clicked, this, [this] { SchriftButtonClick(); });
  connect(manKnopf_, &QPushButton::clicked, this, [this] { ManWechselKnopfClick(); });
  // Widths are stored at once: "Abbrechen" keeps them.
  connect(breiten_, &TKuerzelBreiten::BreiteGeaendert, this, [this](int art, int breite) {
    auto& f = schule_.Standard().PlanFenster;
    int* ziele[5] = {&f.plb, &f.pkb, &f.pob, &f.pfb, &f.prb};
    *ziele[art] = breite;
  });
}

void TPlnStandardForm::Laden(const TStandard& st) {
  const auto& f = st.PlanFenster;
  spt_->setValue(st.pst);
  mitRaum_->setChecked(f.mra);
  koppFett_->setChecked(f.pkf);
  neben_->button(f.neb ? 0 : 1)->setChecked(true);
  ZeigeSchrift();
  breiten_->SetzeBreiten(PlanBreiten(f));
  AnordnungClick(f.pma);
}

void TPlnStandardForm::ZeigeSchrift() {
  const TSchrift& s = schule_.Standard().PlanFenster.Schrift;
  schriftFeld_->setText(SchriftText(s));
  breiten_->SetzeSchrift(QtSchrift(s));
}

void TPlnStandardForm::SchriftButtonClick() {
  TStandard& st = schule_.Standard();
  TSchrift schrift = st.PlanFenster.Schrift;
  if (!TWahlDialoge::Dienst().WaehleSchrift(schrift, this)) return;
  st.PlanFenster.Schrift = schrift;
  st.BerechneSpaltenbreiten(SchriftBreite, KuerzelListen(schule_));
  ZeigeSchrift();
  breiten_->SetzeBreiten(PlanBreiten(st.PlanFenster));
}

void TPlnStandardForm::ManWechselKnopfClick() {
  std::vector<TPopupEintrag> eintraege;
  const QStringList texte = Anordnungen();
  for (int i = 0; i < texte.size(); ++i) {
    TPopupEintrag e;
    e.text = texte[i];
    e.id = i;
    e.haken = i == anordnung_;
    eintraege.push_back(e);
  }
  const int wahl =
      TDienste::Popups().Waehle(eintraege, manKnopf_->mapToGlobal(QPoint(0, manKnopf_->height())), 0);
  if (wahl >= 0) AnordnungClick(wahl);
}

void TPlnStandardForm::AnordnungClick(int anordnung) {
  anordnung_ = std::clamp(anordnung, 0, 5);
  manFeld_->setText(Anordnungen()[anordnung_]);
}

void TPlnStandardForm::Speichern(TStandard& st) {
  auto& f = st.PlanFenster;
  st.pst = spt_->value();
  f.neb = neben_->checkedId() == 0;
  f.mra = mitRaum_->isChecked();
  f.pkf = koppFett_->isChecked();
  f.pma = anordnung_;
  PlanFensterNeuAufbauen(schule_);
}

}  // namespace kolvar
