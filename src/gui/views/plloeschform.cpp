#include "views/plloeschform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

#include "app/meldungsform.h"
#include "engine/planloescher.h"
#include "model/element.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/dienste.h"
#include "platform/popupdienst.h"
#include "platform/spaltenmenue.h"
#include "views/wochenwahl.h"

namespace kolvar {

TPlLoeschForm::TPlLoeschForm(TSchule& schule, QWidget* eltern) : TKvDialog(eltern), schule_(schule) {
  setObjectName(QStringLiteral("PlLoeschForm"));
  setWindowTitle(QStringLiteral("Pläne löschen"));
  auto* haupt = new QHBoxLayout(this);
  auto* links = new QVBoxLayout;
  auto* gruppe = new QGroupBox(QStringLiteral("Stunden löschen"), this);
  auto* gruppenLayout = new QVBoxLayout(gruppe);
  art_ = new QButtonGroup(this);
  const char* const arten[] = {"in allenPlänen", "für Lehrer", "für Klassen",
                               "für Kopplungen", "für Fächer", "für Räume"};
  for (int i = 0; i < 6; ++i) {
    auto* knopf = new QRadioButton(QString::fromUtf8(arten[i]), gruppe);
    art_->addButton(knopf, i);
    gruppenLayout->addWidget(knopf);
  }
  mitKopplungen_ = new QCheckBox(QStringLiteral("mit Kopplungen"), gruppe);
  ohneFixierte_ = new QCheckBox(QStringLiteral("ohne fixierte Std."), gruppe);
  gruppenLayout->addWidget(mitKopplungen_);
  gruppenLayout->addWidget(ohneFixierte_);
  links->addWidget(gruppe);
  auto* bereich = new QGridLayout;
  vonKnopf_ = new QPushButton(QStringLiteral("von"), this);
  bisKnopf_ = new QPushButton(QStringLiteral("bis"), this);
  vonKnopf_->setAutoDefault(false);
  bisKnopf_->setAutoDefault(false);
  vonFeld_ = new QLabel(this);
  bisFeld_ = new QLabel(this);
  vonFeld_->setMinimumWidth(60);
  bereich->addWidget(vonKnopf_, 0, 0);
  bereich->addWidget(vonFeld_, 0, 1);
  bereich->addWidget(bisKnopf_, 1, 0);
  bereich->addWidget(bisFeld_, 1, 1);
  links->addLayout(bereich);
  links->addStretch(1);
  haupt->addLayout(links);

  auto* rechts = new QVBoxLayout;
  auto* wochenGruppe = new QGroupBox(QStringLiteral("zu löschende Stunden"), this);
  auto* wochenLayout = new QVBoxLayout(wochenGruppe);
  woche_ = new TWochenWahl(schule_.Standard().mtn, wochenGruppe);
  wochenLayout->addWidget(woche_);
  rechts->addWidget(wochenGruppe);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  rechts->addLayout(knoepfe);
  haupt->addLayout(rechts);

  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  connect(art_, &QButtonGroup::idClicked, this, [this](int art) { ArtGewaehlt(art); });
  connect(mitKopplungen_, &QCheckBox::clicked, this,
          [this](bool an) { schule_.Standard().SetPlLoeschMitKopplungen(an); });
  connect(ohneFixierte_, &QCheckBox::clicked, this,
          [this](bool an) { schule_.Standard().SetPlLoeschOhneFixierte(an); });
  connect(vonKnopf_, &QPushButton::clicked, this, [this] { WaehleGrenze(true); });
  connect(bisKnopf_, &QPushButton::clicked, this, [this] { WaehleGrenze(false); });
  VorDemZeigen();
}

void TPlLoeschForm::VorDemZeigen() {
  const TStandard& st = schule_.Standard();
  const int art = std::clamp(st.plr, 0, 5);
  art_->button(art)->setChecked(true);
  mitKopplungen_->setChecked(st.plm);
  ohneFixierte_->setChecked(st.plf);
  TWoElem alles;
  for (int d = 1; d <= std::clamp(st.mtn, 1, kTage); ++d) alles.SetzeTag(d, 0xFFFF);
  woche_->SetzeAuswahl(alles);
  ArtGewaehlt(art);
}

std::vector<TElement*> TPlLoeschForm::Elemente() const {
  const int art = art_->checkedId();
  if (art < 1) return {};
  return schule_.Elemente(static_cast<TElementArt>(art - 1));
}

void TPlLoeschForm::ArtGewaehlt(int art) {
  schule_.Standard().SetPlLoeschArt(art);
  const int n = static_cast<int>(Elemente().size());
  von_ = n > 0 ? 1 : 0;
  bis_ = n;
  ZeigeBereich();
}

void TPlLoeschForm::ZeigeBereich() {
  const std::vector<TElement*> elemente = Elemente();
  const bool aktiv = !elemente.empty();
  vonKnopf_->setEnabled(aktiv);
  bisKnopf_->setEnabled(aktiv);
  auto text = [&](int pos) {
    return pos >= 1 && pos <= static_cast<int>(elemente.size())
               ? QString::fromStdString(elemente[static_cast<std::size_t>(pos - 1)]->Kuerzel())
               : QString();
  };
  vonFeld_->setText(text(von_));
  bisFeld_->setText(text(bis_));
}

void TPlLoeschForm::WaehleGrenze(bool von) {
  const std::vector<TElement*> elemente = Elemente();
  std::vector<TPopupEintrag> eintraege;
  for (std::size_t i = 0; i < elemente.size(); ++i) {
    TPopupEintrag e;
    e.text = QString::fromStdString(elemente[i]->Kuerzel());
    e.id = static_cast<int>(i) + 1;
    eintraege.push_back(std::move(e));
  }
  QPushButton* knopf = von ? vonKnopf_ : bisKnopf_;
  const int n = static_cast<int>(eintraege.size());
  const int wahl = TDienste::Popups().Waehle(eintraege, knopf->mapToGlobal(QPoint(knopf->width(), 0)),
                                             SpaltenHoehe(n, 16));
  if (wahl < 1) return;
  (von ? von_ : bis_) = wahl;
  ZeigeBereich();
}

void TPlLoeschForm::OkKnopfClick() {
  TSanduhr sanduhr;
  TMeldungsForm meldung(this);
  meldung.SetzeMeldung(QStringLiteral("Die Pläne werden gelöscht."));
  meldung.ZeigeSofort();
  TSchule::TAktion aktion(schule_);
  TPlanLoescher(schule_).LoeschePlaene(static_cast<TPlanLoescher::TArt>(art_->checkedId()), von_, bis_,
                                       woche_->Auswahl(), mitKopplungen_->isChecked(),
                                       ohneFixierte_->isChecked());
  schule_.AktualisiereAlleFenster();
}

}  // namespace kolvar
