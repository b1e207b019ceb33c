#include "masterdata/grdatstandardform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine/vorgabenkopie.h"
#include "engine/vorgaberegeln.h"
#include "masterdata/sperrung.h"
#include "model/element.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "platform/gitter.h"

namespace kolvar {

namespace {

constexpr TElementArt kArten[3] = {TElementArt::Lehrer, TElementArt::Klasse, TElementArt::Raum};

// An up-down of target hours in units of 1/dvs, shown as the settings format hours.
class TSollSpin : public QSpinBox {
 public:
  TSollSpin(const TStandard& standard, QWidget* eltern) : QSpinBox(eltern), standard_(standard) {
    lineEdit()->setReadOnly(true);
  }

 protected:
  QString textFromValue(int wert) const override {
    return QString::fromStdString(FormatiereStunden(wert, standard_));
  }

 private:
  const TStandard& standard_;
};

}  // namespace

TGrDatStandardForm::TGrDatStandardForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern),
      schule_(schule),
      arbeit_(schule.Standard().Versionen()),
      leer_(schule.Standard().Versionen()) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("GrDatStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellungen für Grunddaten"));
  const TStandard& st = schule.Standard();
  auto* spalten = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  spalten->addLayout(links);
  Inhalt()->addLayout(spalten);

  auto* soll = new QGroupBox(QStringLiteral("Sollstunden für"), this);
  auto* sRaster = new QGridLayout(soll);
  leSoll_ = new TSollSpin(st, soll);
  leSoll_->setObjectName(QStringLiteral("LeUpDown"));
  klSoll_ = new TSollSpin(st, soll);
  klSoll_->setObjectName(QStringLiteral("KlUpDown"));
  leFeld_ = new QLabel(soll);
  leFeld_->setObjectName(QStringLiteral("LeSollFeld"));
  klFeld_ = new QLabel(soll);
  klFeld_->setObjectName(QStringLiteral("KlSollFeld"));
  sRaster->addWidget(new QLabel(QStringLiteral("Lehrer"), soll), 0, 0);
  sRaster->addWidget(leFeld_, 0, 1);
  sRaster->addWidget(leSoll_, 0, 2);
  sRaster->addWidget(new QLabel(QStringLiteral("Klassen"), soll), 1, 0);
  sRaster->addWidget(klFeld_, 1, 1);
  sRaster->addWidget(klSoll_, 1, 2);
  links->addWidget(soll);

  sperrung_ = new TSperrung(this);
  sperrung_->setObjectName(QStringLiteral("SperrBox"));
  links->addWidget(sperrung_);
  links->addStretch();

  auto* kue = new QGroupBox(QStringLiteral("Kürzel"), this);
  kue->setObjectName(QStringLiteral("KueBox"));
  auto* kLayout = new QVBoxLayout(kue);
  kuerzel_ = new TGitter(kue);
  kuerzel_->setObjectName(QStringLiteral("KuerzelGrid"));
  kuerzel_->SetzeSpalten(1);
  kuerzel_->SetzeZeilen(1);
  kuerzel_->SetzeFesteSpalten(0);
  kuerzel_->SetzeFesteZeilen(0);
  kuerzel_->SetzeStandardBreite(80);
  kuerzel_->SetzeStandardHoehe(18);
  kuerzel_->SetzeOptionen(TGitter::goLinien | TGitter::goBereichsauswahl | TGitter::goZeilenauswahl);
  kuerzel_->setFixedWidth(110);
  kuerzel_->setMinimumHeight(160);
  kLayout->addWidget(kuerzel_);
  auto* fuer = new QGroupBox(QStringLiteral("Kürzel für"), kue);
  auto* fLayout = new QVBoxLayout(fuer);
  art_ = new QButtonGroup(fuer);
  const char* texte[3] = {"Lehrer", "Klassen", "Räume"};
  const char* namen[3] = {"LeRadio", "KlRadio", "RaRadio"};
  for (int i = 0; i < 3; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(texte[i]), fuer);
    knopf->setObjectName(QString::fromLatin1(namen[i]));
    art_->addButton(knopf, i);
    fLayout->addWidget(knopf);
  }
  kLayout->addWidget(fuer);
  auto* kopier = new QGroupBox(QStringLiteral("Kopieren"), kue);
  auto* kopLayout = new QVBoxLayout(kopier);
  sperrCheck_ = new QCheckBox(QStringLiteral("Sperrung"), kopier);
  sperrCheck_->setObjectName(QStringLiteral("SperrCheck"));
  sollCheck_ = new QCheckBox(QStringLiteral("Soll"), kopier);
  sollCheck_->setObjectName(QStringLiteral("SollCheck"));
  kopieren_ = new QPushButton(QStringLiteral("Kopieren"), kopier);
  kopieren_->setObjectName(QStringLiteral("KopierenKnopf"));
  kopieren_->setAutoDefault(false);
  kopLayout->addWidget(sperrCheck_);
  kopLayout->addWidget(sollCheck_);
  kopLayout->addWidget(kopieren_);
  kLayout->addWidget(kopier);
  spalten->addWidget(kue);

  connect(art_, &QButtonGroup::idClicked, this, [this] { ArtGewaehlt(); });
  connect(sperrCheck_, &QCheckBox::clicked, this, [this] { PruefeKopieren(); });
  connect(sollCheck_, &QCheckBox::clicked, this, [this] { PruefeKopieren(); });
  connect(kopieren_, &QPushButton::clicked, this, [this] { KopierenKnopfClick(); });
  connect(leSoll_, &QSpinBox::valueChanged, this, [this] { ZeigeSoll(); });
  connect(klSoll_, &QSpinBox::valueChanged, this, [this] { ZeigeSoll(); });
}

TGrDatStandardForm::~TGrDatStandardForm() = default;

void TGrDatStandardForm::Laden(const TStandard& st) {
  const int n = std::max(1, st.dvs);
  for (QSpinBox* s : {leSoll_, klSoll_}) s->setRange(1, 200 * n);
  leSoll_->setValue(st.les);
  klSoll_->setValue(st.kls);
  ZeigeSoll();
  arbeit_.SetzeVersionen(st.mwn());
  leer_.SetzeVersionen(st.mwn());
  leer_.Leere();
  for (int v = 1; v <= st.mwn(); ++v) arbeit_.SetzeWoche(v, st.gds);
  sperrung_->Vorbereiten(st);
  sperrung_->SetzeQuelle(TSperrQuelle::VonVorlage(arbeit_, leer_), nullptr);
  sperrCheck_->setChecked(false);
  sollCheck_->setChecked(false);
  art_->button(0)->setChecked(true);
  ArtGewaehlt();
}

void TGrDatStandardForm::ZeigeSoll() {
  const TStandard& st = schule_.Standard();
  leFeld_->setText(QString::fromStdString(FormatiereStunden(leSoll_->value(), st)));
  klFeld_->setText(QString::fromStdString(FormatiereStunden(klSoll_->value(), st)));
}

void TGrDatStandardForm::ArtGewaehlt() {
  const int art = std::max(0, art_->checkedId());
  // Rooms have no target hours.
  sollCheck_->setEnabled(art != 2);
  PruefeKopieren();
  const std::vector<TElement*> elemente = schule_.Elemente(kArten[art]);
  kuerzel_->Leeren();
  kuerzel_->SetzeZeilen(std::max<int>(1, static_cast<int>(elemente.size())));
  for (int z = 0; z < static_cast<int>(elemente.size()); ++z) {
    kuerzel_->SetzeText(0, z, QString::fromStdString(elemente[static_cast<std::size_t>(z)]->Kuerzel()));
    kuerzel_->SetzeObjekt(0, z, elemente[static_cast<std::size_t>(z)]);
  }
  kuerzel_->SetzeZelle(0, 0);
}

void TGrDatStandardForm::PruefeKopieren() {
  kopieren_->setEnabled(
      GrunddatenKopierbar(sperrCheck_->isChecked(), sollCheck_->isEnabled(), sollCheck_->isChecked()));
}

void TGrDatStandardForm::KopierenKnopfClick() {
  const TGitterAuswahl a = kuerzel_->Auswahl();
  std::vector<TElement*> elemente;
  for (int z = std::max(0, a.oben); !a.Leer() && z <= a.unten && z < kuerzel_->Zeilen(); ++z)
    if (auto* e = kuerzel_->ObjektAls<TElement>(0, z)) elemente.push_back(e);
  const int art = std::max(0, art_->checkedId());
  const bool soll = sollCheck_->isEnabled() && sollCheck_->isChecked();
  KopiereGrunddaten(schule_, elemente, sperrCheck_->isChecked() ? &arbeit_ : nullptr,
                    soll ? (art == 0 ? leSoll_->value() : klSoll_->value()) : 0);
}

void TGrDatStandardForm::Speichern(TStandard& st) {
  st.les = leSoll_->value();
  st.kls = klSoll_->value();
  if (const TWoElem* woche = arbeit_.Woche(st.AktuelleVersion())) st.gds = *woche;
  GrunddatenFensterNeuAufbauen(schule_);
}

}  // namespace kolvar
