#include "print/druckvertrform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "druck/vertrdruck.h"
#include "model/datum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "print/druckveinstform.h"
#include "print/druckvstdform.h"

namespace kolvar {

TDruckVertrForm::TDruckVertrForm(TSchule& schule, TAblage zwischenablage, QWidget* eltern)
    : TDruckDialog(
          schule, QStringLiteral("Drucke Vertretungsplan"), schule.Standard().VertretungsDruck.Schrift,
          {&schule.Standard().VertretungsDruck.vra, &ungenutzt_[0], &ungenutzt_[1], &ungenutzt_[2]}, eltern),
      zwischenablage_(std::move(zwischenablage)) {
  NurLinkerRand(*this);
  auto* datum = new QGroupBox(QStringLiteral("Datum"), this);
  auto* dz = new QHBoxLayout(datum);
  auto* zurueck = new QPushButton(QStringLiteral("<"), datum);
  auto* vor = new QPushButton(QStringLiteral(">"), datum);
  zurueck->setObjectName(QStringLiteral("DatumZurueck"));
  vor->setObjectName(QStringLiteral("DatumVor"));
  datumFeld_ = new QLabel(datum);
  datumFeld_->setAlignment(Qt::AlignCenter);
  datumFeld_->setMinimumWidth(190);
  dz->addWidget(zurueck);
  dz->addWidget(datumFeld_, 1);
  dz->addWidget(vor);
  OptionenSpalte()->addWidget(datum);
  connect(zurueck, &QPushButton::clicked, this, [this] { DatumKnopfClick(-1); });
  connect(vor, &QPushButton::clicked, this, [this] { DatumKnopfClick(1); });

  auto* einstellungen = new QGroupBox(QStringLiteral("Drucken mit"), this);
  auto* eg = new QGridLayout(einstellungen);
  for (int n = 1; n <= 4; ++n) {
    auto* b = new QCheckBox(einstellungen);
    b->setAccessibleName(QStringLiteral("Einstellung %1 drucken").arg(n));
    auto* k = new QPushButton(QStringLiteral("Einstellung %1").arg(n), einstellungen);
    eg->addWidget(b, n - 1, 0);
    eg->addWidget(k, n - 1, 1);
    boxen_[static_cast<std::size_t>(n - 1)] = b;
    connect(k, &QPushButton::clicked, this, [this, n] { EinstellungClick(n); });
  }
  OptionenSpalte()->addWidget(einstellungen);

  auto* bemerkung = new QGroupBox(QStringLiteral("Allgemeine Bemerkungen"), this);
  auto* bg = new QVBoxLayout(bemerkung);
  auto* bz = new QHBoxLayout;
  bz->addWidget(new QLabel(QStringLiteral("Bemerkung Nr."), bemerkung));
  bemSpin_ = new QSpinBox(bemerkung);
  bemSpin_->setRange(1, kBemerkungsListen);
  bz->addWidget(bemSpin_);
  bz->addStretch(1);
  bg->addLayout(bz);
  memo_ = new QPlainTextEdit(bemerkung);
  memo_->setMinimumSize(260, 110);
  bg->addWidget(memo_);
  OptionenSpalte()->addWidget(bemerkung);
  connect(bemSpin_, &QSpinBox::valueChanged, this, [this](int n) { BemSpinChange(n); });
  connect(memo_, &QPlainTextEdit::textChanged, this, [this] { MemoChange(); });

  auto* ablage = new QPushButton(QStringLiteral("zur Zwischenablage"), this);
  OptionenSpalte()->addWidget(ablage);
  connect(ablage, &QPushButton::clicked, this, [this] { ZwischenablageClick(); });
  OptionenSpalte()->addStretch(1);
}

void TDruckVertrForm::LadeEinstellungen(int32_t datum) {
  datum_ = std::clamp(datum, kErsterTag, kLetzterTag);
  datumFeld_->setText(QString::fromStdString(VertrPlanDatumText(datum_)));
  TDruckDialog::LadeEinstellungen();
  BemSpinChange(bemSpin_->value());
}

void TDruckVertrForm::LadeOptionen() {
  const TVertretungsDruckOptionen& o = schule_.Standard().VertretungsDruck;
  for (std::size_t i = 0; i < boxen_.size(); ++i) boxen_[i]->setChecked(o.vc[i]);
}

void TDruckVertrForm::SpeichereOptionen() {
  std::array<bool, 4> drucken{};
  for (std::size_t i = 0; i < boxen_.size(); ++i) drucken[i] = boxen_[i]->isChecked();
  schule_.Standard().SetDruckVertrEinstWahl(drucken);
}

void TDruckVertrForm::DatumKnopfClick(int richtung) {
  const TStandard& st = schule_.Standard();
  int32_t d = datum_;
  // A school week has a school day; the bound only guards a calendar of free days.
  for (int i = 0; i < 3660; ++i) {
    const int32_t naechster = d + (richtung < 0 ? -1 : 1);
    if (naechster < kErsterTag || naechster > kLetzterTag) return;
    d = naechster;
    if (!st.AusserhalbSchultage(d) && !st.IstFreierTag(d)) {
      datum_ = d;
      datumFeld_->setText(QString::fromStdString(VertrPlanDatumText(datum_)));
      return;
    }
  }
}

void TDruckVertrForm::BemSpinChange(int nummer) {
  const auto& liste =
      schule_.Standard()
          .AllgBemerkung[static_cast<std::size_t>(std::clamp(nummer, 1, kBemerkungsListen) - 1)];
  QStringList zeilen;
  for (const std::string& z : liste) zeilen << QString::fromStdString(z);
  laedt_ = true;
  memo_->setPlainText(zeilen.join(QLatin1Char('\n')));
  laedt_ = false;
}

void TDruckVertrForm::MemoChange() {
  if (laedt_) return;
  auto& liste = schule_.Standard().AllgBemerkung[static_cast<std::size_t>(bemSpin_->value() - 1)];
  liste.clear();
  const QString text = memo_->toPlainText();
  if (text.isEmpty()) return;
  for (const QString& z : text.split(QLatin1Char('\n'))) liste.push_back(z.toStdString());
}

std::vector<std::string> TDruckVertrForm::Bemerkungen() const {
  return schule_.Standard().AllgBemerkung[static_cast<std::size_t>(bemSpin_->value() - 1)];
}

void TDruckVertrForm::EinstellungClick(int nummer) {
  TVertretungsDruckOptionen& o = schule_.Standard().VertretungsDruck;
  std::array<TVertrDruckEinstellung, 4> kopie = o.Vorgaben;
  TDruckVEinstForm form(nummer, this);
  form.Lade(kopie[static_cast<std::size_t>(nummer - 1)]);
  if (form.Zeige() != mrOk) return;
  kopie[static_cast<std::size_t>(nummer - 1)] = form.Vorgabe();
  schule_.Standard().SetDruckVertrEinstellungen(kopie, o.vc);
}

QString TDruckVertrForm::Text() {
  TVertretungsDruckOptionen o = schule_.Standard().VertretungsDruck;
  for (std::size_t i = 0; i < boxen_.size(); ++i) o.vc[i] = boxen_[i]->isChecked();
  QString text;
  for (const std::string& z : TVertrDruck(schule_, o, Bemerkungen(), datum_).Text())
    text += QString::fromStdString(z) + QStringLiteral("\r\n");
  return text;
}

void TDruckVertrForm::ZwischenablageClick() {
  schule_.Standard().VertretungsDruck.vra = RandSpin(0)->value();
  SpeichereOptionen();
  const QString text = Text();
  done(mrOk);
  if (zwischenablage_) zwischenablage_(text);
}

void TDruckVertrForm::Drucke(IZeichenflaeche& flaeche) {
  TVertrDruck(schule_, schule_.Standard().VertretungsDruck, Bemerkungen(), datum_).Drucke(flaeche);
}

}  // namespace kolvar
