#include "print/druckplnform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "model/element.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/dialogdienst.h"
#include "print/zeitplnform.h"

namespace kolvar {

// One dialog class serves the four plan printouts; each kind carries the name it is known by.
QString TDruckPlnForm::FormName(TPlanDruckArt art) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return QStringLiteral("TDruckLPlnForm");
    case TPlanDruckArt::Raum:
      return QStringLiteral("TDruckRPlnForm");
    case TPlanDruckArt::Kopplung:
      return QStringLiteral("TDruckKoPlnForm");
    default:
      return QStringLiteral("TDruckKPlnForm");
  }
}

QString TDruckPlnForm::Caption(TPlanDruckArt art) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return QStringLiteral("Lehrerpläne drucken");
    case TPlanDruckArt::Raum:
      return QStringLiteral("Drucke Raumpläne");
    case TPlanDruckArt::Kopplung:
      return QStringLiteral("Drucke Kopplungspläne");
    default:
      return QStringLiteral("Klassenpläne drucken");
  }
}

TPlanDruckOptionen& TDruckPlnForm::Optionen(TSchule& schule, TPlanDruckArt art) {
  TStandard& st = schule.Standard();
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return st.LehrerPlanDruck;
    case TPlanDruckArt::Raum:
      return st.RaumPlanDruck;
    case TPlanDruckArt::Kopplung:
      return st.KopplungsPlanDruck;
    default:
      return st.KlassenPlanDruck;
  }
}

TDruckPlnForm::TDruckPlnForm(TSchule& schule, TPlanDruckArt art, TWaehler waehler, QWidget* eltern)
    : TDruckDialog(schule, Caption(art), Optionen(schule, art).Schrift,
                   {&Optionen(schule, art).rl, &Optionen(schule, art).rr, &Optionen(schule, art).ro,
                    &Optionen(schule, art).ru},
                   eltern),
      art_(art),
      o_(Optionen(schule, art)) {
  setObjectName(FormName(art));
  BaueVonBis();
  auto* bemerkungZeile = new QHBoxLayout;
  bemerkungZeile->addWidget(new QLabel(QStringLiteral("Bemerkung"), this));
  bemerkung_ = new QLineEdit(this);
  bemerkung_->setMaxLength(61);
  bemerkungZeile->addWidget(bemerkung_);
  OptionenSpalte()->addLayout(bemerkungZeile);

  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* spalte = new QVBoxLayout(einstellungen);
  OptionenSpalte()->addWidget(einstellungen);
  const auto box = [this, spalte](const QString& text) {
    QCheckBox* b = NeueBox(text);
    spalte->addWidget(b);
    return b;
  };
  QString alle;
  switch (art_) {
    case TPlanDruckArt::Lehrer:
      erste_ = box(QStringLiteral("mit Klasse"));
      zweite_ = box(QStringLiteral("mit Fach"));
      dritte_ = box(QStringLiteral("mit Raum"));
      kopplung_ = box(QStringLiteral("mit Kopplung"));
      statt_ = box(QStringLiteral("Kopplung statt Klasse"));
      alle = QStringLiteral("alle Lehrerpläne");
      break;
    case TPlanDruckArt::Raum:
      erste_ = box(QStringLiteral("mit Lehrer"));
      zweite_ = box(QStringLiteral("mit Klasse"));
      dritte_ = box(QStringLiteral("mit Fach"));
      kopplung_ = box(QStringLiteral("mit Kopplung"));
      statt_ = box(QStringLiteral("Kopplung statt Klasse"));
      alle = QStringLiteral("alle Raumpläne");
      break;
    case TPlanDruckArt::Kopplung:
      kopplung_ = box(QStringLiteral("mit Kopplungsbezeichnung"));
      alle = QStringLiteral("alle Klopplungspläne");  // spelled as the program always has
      break;
    default:
      erste_ = box(QStringLiteral("mit Lehrer"));
      zweite_ = box(QStringLiteral("mit Fach"));
      dritte_ = box(QStringLiteral("mit Raum"));
      kopplung_ = box(QStringLiteral("mit Kopplung"));
      statt_ = box(QStringLiteral("Kopplung statt Lehrer"));
      alle = QStringLiteral("alle Klassenpläne");
      break;
  }
  sperr_ = box(QStringLiteral("mit Sperrungen"));
  fett_ = box(QStringLiteral("Kopplungen fett"));
  alle_ = box(alle);
  datum_ = box(QStringLiteral("mit Datum"));
  if (art_ != TPlanDruckArt::Kopplung) seite_ = box(QStringLiteral("1 Seite pro Plan"));
  farbe_ = box(QStringLiteral("mit Farbe"));
  connect(alle_, &QCheckBox::clicked, this, [this] { AlleClick(); });
  // The coupling stands in for the teacher in class plans, for the class otherwise.
  KoppleBoxen(art_ == TPlanDruckArt::Raum ? zweite_ : erste_, kopplung_, statt_);

  auto* reihenfolge = new QGroupBox(QStringLiteral("Reihenfolge"), this);
  auto* rz = new QHBoxLayout(reihenfolge);
  stundenLinks_ = new QRadioButton(QStringLiteral("Stunden links"), reihenfolge);
  tageLinks_ = new QRadioButton(QStringLiteral("Tage links"), reihenfolge);
  rz->addWidget(stundenLinks_);
  rz->addWidget(tageLinks_);
  OptionenSpalte()->addWidget(reihenfolge);
  if (art_ != TPlanDruckArt::Kopplung) {
    auto* anordnung = new QGroupBox(QStringLiteral("Kürzelanordnung"), this);
    auto* az = new QHBoxLayout(anordnung);
    neben_ = new QRadioButton(QStringLiteral("nebeneinander"), anordnung);
    unter_ = new QRadioButton(QStringLiteral("untereinander"), anordnung);
    az->addWidget(neben_);
    az->addWidget(unter_);
    OptionenSpalte()->addWidget(anordnung);
  }
  OptionenSpalte()->addStretch(1);

  TWahlKnopf knopf{QStringLiteral("Auswahl"), QStringLiteral("Klassen"),
                   [&schule] { return AlleElemente(schule.Klassen()); }};
  if (art_ == TPlanDruckArt::Lehrer)
    knopf = {QStringLiteral("Auswahl"), QStringLiteral("Lehrer"),
             [&schule] { return AlleElemente(schule.Lehrer()); }};
  if (art_ == TPlanDruckArt::Raum)
    knopf = {QStringLiteral("Auswahl"), QStringLiteral("Räume"),
             [&schule] { return AlleElemente(schule.Raeume()); }};
  const QString titel = QStringLiteral("für ") + knopf.listenName;
  // The coupling plans choose their classes under the singular caption.
  if (art_ == TPlanDruckArt::Kopplung) knopf.listenName = QStringLiteral("Klasse");
  BaueElementWahl(titel, {knopf}, std::move(waehler));
}

QCheckBox* TDruckPlnForm::NeueBox(const QString& text) {
  auto* b = new QCheckBox(text, this);
  boxen_.push_back(b);
  return b;
}

QCheckBox* TDruckPlnForm::Box(const QString& text) const {
  for (QCheckBox* b : boxen_)
    if (b->text() == text) return b;
  return nullptr;
}

void TDruckPlnForm::AlleClick() {
  if (alle_->isChecked()) return;
  TZeitPlnForm zeit(this);
  zeit.SetzeZeit(geaendertNach_);
  zeit.Zeige();
  geaendertNach_ = zeit.Zeit();
}

void TDruckPlnForm::LadeOptionen() {
  SetzeVonBis(o_.vt, o_.bt, o_.vs, o_.bs);
  bemerkung_->setText(QString::fromStdString(o_.bm));
  switch (art_) {
    case TPlanDruckArt::Lehrer:
      erste_->setChecked(o_.kl), zweite_->setChecked(o_.fa), dritte_->setChecked(o_.ra);
      break;
    case TPlanDruckArt::Raum:
      erste_->setChecked(o_.le), zweite_->setChecked(o_.kl), dritte_->setChecked(o_.fa);
      break;
    case TPlanDruckArt::Klasse:
      erste_->setChecked(o_.le), zweite_->setChecked(o_.fa), dritte_->setChecked(o_.ra);
      break;
    default:
      break;
  }
  kopplung_->setChecked(art_ == TPlanDruckArt::Kopplung ? o_.mk : o_.ko);
  if (statt_ != nullptr) statt_->setChecked(o_.st);
  sperr_->setChecked(o_.sp);
  fett_->setChecked(o_.fe);
  alle_->setChecked(o_.al);
  datum_->setChecked(o_.da);
  if (seite_ != nullptr) seite_->setChecked(o_.d1s);
  farbe_->setChecked(o_.co);
  (o_.li == 1 ? tageLinks_ : stundenLinks_)->setChecked(true);
  if (neben_ != nullptr) (o_.ne == 1 ? unter_ : neben_)->setChecked(true);
  geaendertNach_ = static_cast<int64_t>(o_.ad) * 86400 + o_.at;
}

void TDruckPlnForm::SpeichereOptionen() {
  o_.vt = VonTag()->value();
  o_.bt = BisTag()->value();
  o_.vs = VonStunde()->value();
  o_.bs = BisStunde()->value();
  o_.bm = bemerkung_->text().toStdString();
  switch (art_) {
    case TPlanDruckArt::Lehrer:
      o_.kl = erste_->isChecked(), o_.fa = zweite_->isChecked(), o_.ra = dritte_->isChecked();
      break;
    case TPlanDruckArt::Raum:
      o_.le = erste_->isChecked(), o_.kl = zweite_->isChecked(), o_.fa = dritte_->isChecked();
      break;
    case TPlanDruckArt::Klasse:
      o_.le = erste_->isChecked(), o_.fa = zweite_->isChecked(), o_.ra = dritte_->isChecked();
      break;
    default:
      break;
  }
  if (art_ == TPlanDruckArt::Kopplung)
    o_.mk = kopplung_->isChecked();
  else
    o_.ko = kopplung_->isChecked();
  if (statt_ != nullptr) o_.st = statt_->isChecked();
  o_.sp = sperr_->isChecked();
  o_.fe = fett_->isChecked();
  o_.al = alle_->isChecked();
  o_.da = datum_->isChecked();
  if (seite_ != nullptr) o_.d1s = seite_->isChecked();
  o_.co = farbe_->isChecked();
  o_.li = tageLinks_->isChecked() ? 1 : 0;
  if (neben_ != nullptr) o_.ne = unter_->isChecked() ? 1 : 0;
  const int64_t tag = geaendertNach_ >= 0 ? geaendertNach_ / 86400 : (geaendertNach_ - 86399) / 86400;
  o_.ad = static_cast<int32_t>(tag);
  o_.at = static_cast<int32_t>(geaendertNach_ - tag * 86400);
}

void TDruckPlnForm::Drucke(IZeichenflaeche& flaeche) {
  std::vector<TPlanElement*> elemente;
  for (TElement* e : Elemente()) elemente.push_back(static_cast<TPlanElement*>(e));
  TPlanDruck druck(schule_, art_, o_);
  druck.Drucke(flaeche, elemente);
}

}  // namespace kolvar
