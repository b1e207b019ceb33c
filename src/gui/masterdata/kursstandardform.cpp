#include "masterdata/kursstandardform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/meldungsform.h"
#include "engine/vorgabenkopie.h"
#include "engine/vorgaberegeln.h"
#include "masterdata/farbfeld.h"
#include "masterdata/sperrung.h"
#include "model/fensterart.h"
#include "model/ifenster.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/beschaeftigt.h"
#include "platform/wahldialoge.h"

namespace kolvar {

namespace {

QSpinBox* Spin(QWidget* eltern, const char* name, int von, int bis) {
  auto* spin = new QSpinBox(eltern);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(von, bis);
  return spin;
}

QCheckBox* Haken(QWidget* eltern, const QString& text, const char* name) {
  auto* box = new QCheckBox(text, eltern);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

bool IstDeputatFenster(const IFenster* f) {
  return f != nullptr && FamilieDerArt(f->Tag()) == TFamilie::Deputat;
}

}  // namespace

TKursStandardForm::TKursStandardForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(schule.Standard(), eltern),
      schule_(schule),
      arbeit_(schule.Standard().Versionen()),
      leer_(schule.Standard().Versionen()) {
  BearbeitetSchule(schule);
  setObjectName(QStringLiteral("KursStandardForm"));
  setWindowTitle(QStringLiteral("Voreinstellung für Kurse"));
  auto* spalten = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  auto* rechts = new QVBoxLayout;
  spalten->addLayout(links);
  spalten->addLayout(rechts);
  Inhalt()->addLayout(spalten);

  auto* einstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* raster = new QGridLayout(einstellungen);
  stunden_ = Spin(einstellungen, "StundenSpin", 0, kTage * kStunden);
  faktor_ = Spin(einstellungen, "FaktorSpin", 0, 10000);
  spt_ = Spin(einstellungen, "SpTSpin", 1, kStunden);
  einzel_ = Spin(einstellungen, "EinzelSpin", 0, kTage);
  tabelle_ = Spin(einstellungen, "TabelleSpin", 1, kAutomatikTabellen);
  const std::array<std::pair<QString, QSpinBox*>, 5> spins{{{QStringLiteral("Kurs-Stunden"), stunden_},
                                                            {QStringLiteral("Faktor"), faktor_},
                                                            {QStringLiteral("Stunden pro Tag"), spt_},
                                                            {QStringLiteral("Einzelstunden"), einzel_},
                                                            {QStringLiteral("Automatik-Tab."), tabelle_}}};
  for (int i = 0; i < 5; ++i) {
    raster->addWidget(new QLabel(spins[static_cast<std::size_t>(i)].first, einstellungen), i, 0);
    raster->addWidget(spins[static_cast<std::size_t>(i)].second, i, 1);
  }
  nvp_ = Haken(einstellungen, QStringLiteral("nicht verplanen"), "nvpCheck");
  nzl_ = Haken(einstellungen, QStringLiteral("nicht zählen Lehrer"), "nzlCheck");
  nzk_ = Haken(einstellungen, QStringLiteral("nicht zählen Klassen"), "nzkCheck");
  raster->addWidget(nvp_, 5, 0, 1, 2);
  raster->addWidget(nzl_, 6, 0, 1, 2);
  raster->addWidget(nzk_, 7, 0, 1, 2);
  farbFeld_ = new TFarbFeld(einstellungen);
  farbFeld_->setObjectName(QStringLiteral("FarbFeld"));
  auto* farbKnopf = new QPushButton(QStringLiteral("Farbe ändern"), einstellungen);
  farbKnopf->setObjectName(QStringLiteral("FarbKnopf"));
  farbKnopf->setAutoDefault(false);
  raster->addWidget(farbFeld_, 8, 0);
  raster->addWidget(farbKnopf, 8, 1);
  links->addWidget(einstellungen);

  auto* listen = new QGroupBox(QStringLiteral("Kurse in Listen"), this);
  auto* lLayout = new QVBoxLayout(listen);
  sort_ = new QButtonGroup(listen);
  auto* kl = new QRadioButton(QStringLiteral("nach Klassen sortieren"), listen);
  kl->setObjectName(QStringLiteral("KlSortRadio"));
  auto* le = new QRadioButton(QStringLiteral("nach Lehrern sortieren"), listen);
  le->setObjectName(QStringLiteral("LeSortRadio"));
  sort_->addButton(kl, 0);
  sort_->addButton(le, 1);
  lLayout->addWidget(kl);
  lLayout->addWidget(le);
  links->addWidget(listen);
  links->addStretch();

  sperrung_ = new TSperrung(this);
  sperrung_->setObjectName(QStringLiteral("SperrBox"));
  rechts->addWidget(sperrung_);

  auto* kopier = new QGroupBox(QStringLiteral("Einstellung kopieren"), this);
  kopier->setObjectName(QStringLiteral("KopierBox"));
  auto* kRaster = new QGridLayout(kopier);
  const std::array<std::pair<const char*, const char*>, 9> boxen{{{"Kurs-Stunden", "StundenCopyCheck"},
                                                                  {"Faktor", "faktorCopyCheck"},
                                                                  {"Stunden pro Tag", "SpTCopyCheck"},
                                                                  {"Einzelstunden", "EinzelCopyCheck"},
                                                                  {"Automatik-Tabelle", "TabelleCopyCheck"},
                                                                  {"Sperrung", "SperrungCopyCheck"},
                                                                  {"Zähleinstellung", "ZaehlCopyCheck"},
                                                                  {"Verplaneinstellung", "PlanCopyCheck"},
                                                                  {"Farbe", "FarbeCopyCheck"}}};
  for (std::size_t i = 0; i < boxen.size(); ++i) {
    kopie_[i] = Haken(kopier, QString::fromUtf8(boxen[i].first), boxen[i].second);
    kRaster->addWidget(kopie_[i], static_cast<int>(i % 5), static_cast<int>(i / 5));
    connect(kopie_[i], &QCheckBox::clicked, this, [this] {
      bool eine = false;
      for (QCheckBox* b : kopie_) eine = eine || b->isChecked();
      kopieren_->setEnabled(eine);
    });
  }
  kopieren_ = new QPushButton(QStringLiteral("Kopieren"), kopier);
  kopieren_->setObjectName(QStringLiteral("KopierKnopf"));
  kopieren_->setAutoDefault(false);
  kopieren_->setEnabled(false);
  kRaster->addWidget(kopieren_, 4, 1);
  rechts->addWidget(kopier);
  rechts->addStretch();

  connect(farbKnopf, &QPushButton::clicked, this, [this] { FarbKnopfClick(); });
  connect(kopieren_, &QPushButton::clicked, this, [this] { KopierKnopfClick(); });
  connect(spt_, &QSpinBox::valueChanged, this, [this](int proTag) {
    const int einzel = EinzelstundenVorschlag(stunden_->value(), proTag);
    if (einzel >= 0) einzel_->setValue(einzel);
  });

  // The courses the copy reaches: the selection of the active workload window, in row order.
  if (IFenster* aktiv = schule_.AktivesFenster(); IstDeputatFenster(aktiv)) ziele_ = aktiv->MarkierteKurse();
}

TKursStandardForm::~TKursStandardForm() = default;

void TKursStandardForm::Laden(const TStandard& st) {
  stunden_->setValue(st.kst);
  faktor_->setValue(st.fkt);
  {
    const QSignalBlocker sperre(spt_);
    spt_->setValue(st.spt);
  }
  einzel_->setValue(st.ezs);
  tabelle_->setValue(st.tbn);
  nvp_->setChecked(st.nvp);
  nzl_->setChecked(st.nzl);
  nzk_->setChecked(st.nzk);
  farbFeld_->SetzeFarbe(st.kfa);
  sort_->button(st.nks ? 0 : 1)->setChecked(true);
  arbeit_.SetzeVersionen(st.mwn());
  leer_.SetzeVersionen(st.mwn());
  leer_.Leere();
  for (int v = 1; v <= st.mwn(); ++v) arbeit_.SetzeWoche(v, st.kus);
  sperrung_->Vorbereiten(st);
  sperrung_->SetzeQuelle(TSperrQuelle::VonVorlage(arbeit_, leer_), nullptr);
}

void TKursStandardForm::FarbKnopfClick() {
  uint32_t farbe = farbFeld_->Farbe();
  if (TWahlDialoge::Dienst().WaehleFarbe(farbe, schule_.Standard().cfa, this)) farbFeld_->SetzeFarbe(farbe);
}

void TKursStandardForm::KopierKnopfClick() {
  TKursKopie k;
  k.Stunden = kopie_[KopStunden]->isChecked();
  k.Faktor = kopie_[KopFaktor]->isChecked();
  k.ProTag = kopie_[KopProTag]->isChecked();
  k.Einzel = kopie_[KopEinzel]->isChecked();
  k.Tabelle = kopie_[KopTabelle]->isChecked();
  k.Sperrung = kopie_[KopSperrung]->isChecked();
  k.Zaehlen = kopie_[KopZaehlen]->isChecked();
  k.Verplanen = kopie_[KopPlan]->isChecked();
  k.Farbe = kopie_[KopFarbe]->isChecked();
  k.StundenWert = stunden_->value();
  k.FaktorWert = faktor_->value();
  k.ProTagWert = spt_->value();
  k.EinzelWert = einzel_->value();
  k.TabelleWert = tabelle_->value();
  k.nvp = nvp_->isChecked();
  k.nzl = nzl_->isChecked();
  k.nzk = nzk_->isChecked();
  k.FarbWert = farbFeld_->Farbe();
  KopiereKursEinstellungen(schule_, ziele_, k, arbeit_);
}

void TKursStandardForm::Speichern(TStandard& st) {
  if (const TWoElem* woche = arbeit_.Woche(st.AktuelleVersion())) st.kus = *woche;
  st.kst = stunden_->value();
  st.fkt = faktor_->value();
  st.spt = spt_->value();
  st.ezs = einzel_->value();
  st.tbn = tabelle_->value();
  st.nvp = nvp_->isChecked();
  st.nzl = nzl_->isChecked();
  st.nzk = nzk_->isChecked();
  st.kfa = farbFeld_->Farbe();
  const bool nachKlassen = sort_->checkedId() == 0;
  if (nachKlassen == st.nks) return;
  st.nks = nachKlassen;
  TSanduhr sanduhr;
  TMeldungsForm meldung(this);
  meldung.SetzeMeldung(QStringLiteral("Die Kurse werden sortiert."));
  meldung.ZeigeSofort();
  schule_.OrdneKurseNeu();
  schule_.AktualisiereAlleFenster();
}

}  // namespace kolvar
