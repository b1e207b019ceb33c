#include "views/versstandardform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/meldungsform.h"
#include "engine/versionkopierer.h"
#include "model/element.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"

namespace kolvar {

namespace {

// The normal cursor while a question of the copy is open, the hourglass again afterwards.
int ZeigeMitPfeil(TKvDialog& dialog) {
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  const int ergebnis = dialog.Zeige();
  QGuiApplication::restoreOverrideCursor();
  return ergebnis;
}

}  // namespace

TVersVerbotsForm::TVersVerbotsForm(QWidget* eltern)
    : TFrageForm(
          QStringLiteral("Kollision"),
          {QStringLiteral("Stunden, die in der neuen Version verplant werden"),
           QStringLiteral("sollen, kollidieren mit dort schon verplanten und"),
           QStringLiteral("fixierten Stunden bzw. Sperrungen."),
           QStringLiteral("Sperrungen und Fixierungen können nicht"), QStringLiteral("verdrängt werden.")},
          {{QStringLiteral("Ok"), mrOk, true, true}}, true, eltern) {
  setObjectName(QStringLiteral("VersVerbotsForm"));
}

TVersProblemForm::TVersProblemForm(QWidget* eltern)
    : TFrageForm(QStringLiteral("Kollision"),
                 {QStringLiteral("Stunden, die in der neuen Version verplant werden"),
                  QStringLiteral("sollen, kollidieren mit dort schon verplanten Stunden."),
                  QStringLiteral("Sollen diese schon verplanten Stunden aus den "),
                  QStringLiteral("Plänen der neuen Version verdrängt werden?")},
                 {{QStringLiteral("Ja"), mrJa, true, false},
                  {QStringLiteral("Nein"), mrNein, false, false},
                  {QStringLiteral("Abbrechen"), mrAbbrechen, false, true}},
                 true, eltern) {
  setObjectName(QStringLiteral("VersProblemForm"));
}

TVersStandardForm::TVersStandardForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern), schule_(schule) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("VersStandardForm"));
  setWindowTitle(QStringLiteral("Planversionen"));
  gleich_ =
      new QCheckBox(QStringLiteral("Aktionen möglichst für alle Planversionen gleichzeitig ausführen"), this);
  Inhalt()->addWidget(gleich_);

  auto* wasGruppe = new QGroupBox(QStringLiteral("Was soll kopiert werden?"), this);
  auto* wasLayout = new QHBoxLayout(wasGruppe);
  auto* arten = new QVBoxLayout;
  kuRadio_ = new QButtonGroup(this);
  const char* const kuTexte[] = {"Lehrer", "Klassen", "Kopplungen", "Fächer", "Räume", "alle Kurse"};
  for (int i = 0; i < 6; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(kuTexte[i]), wasGruppe);
    kuRadio_->addButton(knopf, i);
    arten->addWidget(knopf);
  }
  arten->addSpacing(8);
  auchRadio_ = new QButtonGroup(this);
  auto* nurDeputate = new QRadioButton(QStringLiteral("nur Deputate"), wasGruppe);
  auto* auchPlaene = new QRadioButton(QStringLiteral("auch Pläne"), wasGruppe);
  auchRadio_->addButton(nurDeputate, 0);
  auchRadio_->addButton(auchPlaene, 1);
  arten->addWidget(nurDeputate);
  arten->addWidget(auchPlaene);
  arten->addStretch(1);
  wasLayout->addLayout(arten);
  versGrid_ = new QListWidget(wasGruppe);
  versGrid_->setObjectName(QStringLiteral("VersGrid"));
  versGrid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  versGrid_->setFixedWidth(90);
  wasLayout->addWidget(versGrid_);
  Inhalt()->addWidget(wasGruppe);

  auto* wohinGruppe = new QGroupBox(QStringLiteral("Wohin soll kopiert werden?"), this);
  auto* wohin = new QGridLayout(wohinGruppe);
  von_ = new QSpinBox(wohinGruppe);
  zu_ = new QSpinBox(wohinGruppe);
  kopieren_ = new QPushButton(QStringLiteral("Kopieren"), wohinGruppe);
  kopieren_->setAutoDefault(false);
  wohin->addWidget(new QLabel(QStringLiteral("von Version"), wohinGruppe), 0, 0);
  wohin->addWidget(von_, 0, 1);
  wohin->addWidget(new QLabel(QStringLiteral("zu Version"), wohinGruppe), 1, 0);
  wohin->addWidget(zu_, 1, 1);
  wohin->addWidget(kopieren_, 0, 2, 2, 1);
  Inhalt()->addWidget(wohinGruppe);

  connect(kuRadio_, &QButtonGroup::idClicked, this, [this] { FuelleVersGrid(); });
  connect(von_, &QSpinBox::valueChanged, this, [this] { PruefeKopieren(); });
  connect(zu_, &QSpinBox::valueChanged, this, [this] { PruefeKopieren(); });
  connect(kopieren_, &QPushButton::clicked, this, [this] { KopierenKnopfClick(); });
  Laden(schule_.Standard());
}

void TVersStandardForm::Laden(const TStandard& standard) {
  gleich_->setChecked(!standard.eaw());
  kuRadio_->button(std::clamp(standard.vku, 0, 5))->setChecked(true);
  auchRadio_->button(standard.vap ? 1 : 0)->setChecked(true);
  for (QSpinBox* feld : {von_, zu_}) {
    feld->setRange(1, standard.mwn());
    feld->setValue(standard.AktuelleVersion());
  }
  FuelleVersGrid();
  PruefeKopieren();
}

void TVersStandardForm::FuelleVersGrid() {
  versGrid_->clear();
  const int art = kuRadio_->checkedId();
  if (art < 0 || art > 4) return;
  for (const TElement* e : schule_.Elemente(static_cast<TElementArt>(art)))
    versGrid_->addItem(QString::fromStdString(e->Kuerzel()));
}

void TVersStandardForm::PruefeKopieren() {
  // A version copied onto itself would lose its lessons before they are read.
  kopieren_->setEnabled(von_->value() != zu_->value());
}

void TVersStandardForm::OkKnopfClick() {
  TStandard& st = schule_.Standard();
  const bool vorher = st.eaw();
  st.SetNurAktuelleVersion(!gleich_->isChecked());
  st.SetVersKopierArt(kuRadio_->checkedId());
  st.SetVersAuchPlaene(auchRadio_->checkedId() == 1);
  if (st.eaw() == vorher) done(mrAbbrechen);
}

void TVersStandardForm::KopierenKnopfClick() {
  if (von_->value() == zu_->value()) return;
  const int art = kuRadio_->checkedId();
  std::vector<TElement*> elemente;
  if (art >= 0 && art <= 4) {
    const std::vector<TElement*> alle = schule_.Elemente(static_cast<TElementArt>(art));
    for (int zeile = 0; zeile < versGrid_->count() && zeile < static_cast<int>(alle.size()); ++zeile)
      if (versGrid_->item(zeile)->isSelected()) elemente.push_back(alle[static_cast<std::size_t>(zeile)]);
  }
  TSanduhr sanduhr;
  TMeldungsForm meldung(this);
  meldung.SetzeMeldung(QStringLiteral("Die Planversion wird kopiert."));
  meldung.ZeigeSofort();
  TSchule::TAktion aktion(schule_);
  TVersionKopierer kopierer(schule_, von_->value(), zu_->value(), auchRadio_->checkedId() == 1);
  kopierer.Verbot = [this] {
    TVersVerbotsForm form(this);
    ZeigeMitPfeil(form);
  };
  kopierer.Problem = [this] {
    TVersProblemForm form(this);
    return ZeigeMitPfeil(form);
  };
  kopierer.Kopiere(static_cast<TVersionKopierer::TArt>(art), elemente);
  schule_.AktualisiereAlleFenster();
}

}  // namespace kolvar
