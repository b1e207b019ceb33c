#include "masterdata/klgrform.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "engine/grunddaten.h"
#include "engine/kursbearbeitung.h"
#include "masterdata/raumfrage.h"
#include "masterdata/sperrung.h"
#include "masterdata/uebernahmeform.h"
#include "model/fach.h"
#include "model/imenue.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"
#include "platform/qtext.h"

namespace kolvar {

namespace {

QString KuerzelOderOhne(const TElement* e) {
  return e != nullptr ? Q(e->Kuerzel()) : QStringLiteral("ohne");
}

QLineEdit* Wertfeld(QWidget* eltern, int breite) {
  auto* f = new QLineEdit(eltern);
  f->setReadOnly(true);
  f->setFixedWidth(breite);
  f->setFocusPolicy(Qt::NoFocus);
  return f;
}

// A box with a field and its button.
QGroupBox* Knopfbox(QWidget* eltern, QLabel*& feld, QPushButton*& knopf, const QString& text) {
  auto* box = new QGroupBox(eltern);
  auto* l = new QHBoxLayout(box);
  l->setContentsMargins(4, 2, 4, 2);
  feld = new QLabel(QStringLiteral("ohne"), box);
  feld->setMinimumWidth(50);
  knopf = new QPushButton(text, box);
  knopf->setFocusPolicy(Qt::NoFocus);
  l->addWidget(feld);
  l->addWidget(knopf);
  return box;
}

}  // namespace

TSpinKnoepfe BaueSpin(QWidget* eltern, QBoxLayout* layout) {
  TSpinKnoepfe s;
  auto* spalte = new QVBoxLayout;
  spalte->setSpacing(0);
  s.Hoch = new QToolButton(eltern);
  s.Hoch->setArrowType(Qt::UpArrow);
  s.Runter = new QToolButton(eltern);
  s.Runter->setArrowType(Qt::DownArrow);
  for (QToolButton* k : {s.Hoch, s.Runter}) {
    k->setFixedSize(16, 11);
    k->setFocusPolicy(Qt::NoFocus);
    spalte->addWidget(k);
  }
  layout->addLayout(spalte);
  return s;
}

TKlGrForm::TKlGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::KlGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("Klasse"));
  auto* oben = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  auto* werte = new QGridLayout;
  werte->addWidget(new QLabel(QStringLiteral("Soll"), this), 0, 0);
  SollFeld = Wertfeld(this, 50);
  werte->addWidget(SollFeld, 0, 1);
  auto* spin = new QHBoxLayout;
  SollSpin = BaueSpin(this, spin);
  werte->addLayout(spin, 0, 2);
  werte->addWidget(new QLabel(QStringLiteral("Ist"), this), 1, 0);
  IstFeld = Wertfeld(this, 50);
  IstEinfachFeld = Wertfeld(this, 50);
  werte->addWidget(IstFeld, 1, 1);
  werte->addWidget(IstEinfachFeld, 1, 2, 1, 2);
  werte->setColumnStretch(4, 1);
  links->addLayout(werte);
  links->addWidget(Knopfbox(this, RaumFeld, RaumKnopf, QStringLiteral("Raum")));
  links->addWidget(Knopfbox(this, Lehrer1Feld, Lehrer1Knopf, QStringLiteral("Lehrer 1")));
  links->addWidget(Knopfbox(this, Lehrer2Feld, Lehrer2Knopf, QStringLiteral("Lehrer 2")));
  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(QStringLiteral("Info"), this));
  info->addWidget(InfoFeld);
  info->addStretch();
  links->addLayout(info);
  UebernahmeKnopf = new QPushButton(QStringLiteral("Übernehmen"), this);
  UebernahmeKnopf->setFocusPolicy(Qt::NoFocus);
  EinzelCheck = new QCheckBox(QStringLiteral("Einzeln"), this);
  EinzelCheck->setFocusPolicy(Qt::NoFocus);
  links->addWidget(UebernahmeKnopf);
  links->addWidget(EinzelCheck);
  links->addStretch();
  oben->addLayout(links);

  auto* kursBox = new QGroupBox(QStringLiteral("Kurse"), this);
  kursBox->setObjectName(QStringLiteral("KursBox"));
  auto* kl = new QVBoxLayout(kursBox);
  auto* kopf = new QHBoxLayout;
  FachKnopf = new QPushButton(QStringLiteral("Neuer Kurs"), kursBox);
  FachKnopf->setFocusPolicy(Qt::NoFocus);
  kopf->addWidget(FachKnopf);
  StdSpinButton = BaueSpin(kursBox, kopf);
  kl->addLayout(kopf);
  FaecherGrid = BaueListe([this](QPainter& p, int z, const QRect& r, bool a) { DrawFach(p, z, r, a); });
  FaecherGrid->setParent(kursBox);
  FaecherGrid->setMinimumSize(110, 160);
  FaecherGrid->SetzeSpaltenBreite(0, 100);
  LoeschbareListe(FaecherGrid);
  kl->addWidget(FaecherGrid, 1);
  oben->addWidget(kursBox, 1);
  Inhalt()->addLayout(oben, 1);
  BaueSperrung();

  connect(SollSpin.Hoch, &QToolButton::clicked, this, [this] { SollSpinClick(true); });
  connect(SollSpin.Runter, &QToolButton::clicked, this, [this] { SollSpinClick(false); });
  connect(StdSpinButton.Hoch, &QToolButton::clicked, this, [this] { StdSpinClick(true); });
  connect(StdSpinButton.Runter, &QToolButton::clicked, this, [this] { StdSpinClick(false); });
  connect(RaumKnopf, &QPushButton::clicked, this, [this] { RaumKnopfClick(); });
  connect(Lehrer1Knopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(1); });
  connect(Lehrer2Knopf, &QPushButton::clicked, this, [this] { LehrerKnopfClick(2); });
  connect(FachKnopf, &QPushButton::clicked, this, [this] { FachKnopfClick(); });
  connect(UebernahmeKnopf, &QPushButton::clicked, this, [this] { UebernahmeKnopfClick(); });
  connect(EinzelCheck, &QCheckBox::clicked, this, [this] { EinzelCheckClick(); });
  connect(FaecherGrid, &TGitter::ZelleLosgelassen, this,
          [this](int, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            if (knopf == Qt::LeftButton) FaecherGridMouseUp(z);
          });
  connect(FaecherGrid, &TGitter::Doppelklick, this, [this](int s, int z, Qt::KeyboardModifiers) {
    if (s == 0) FaecherGridDblClick(z);
  });
}

TKlasse* TKlGrForm::Klasse() const {
  return static_cast<TKlasse*>(element_);
}

TKurs* TKlGrForm::KursIn(int zeile) const {
  if (zeile < 0 || zeile >= FaecherGrid->Zeilen()) return nullptr;
  return FaecherGrid->ObjektAls<TKurs>(0, zeile);
}

void TKlGrForm::KursWirdGeloescht(TKurs* kurs) {
  for (int z = 0; z < FaecherGrid->Zeilen(); ++z)
    if (KursIn(z) == kurs) FaecherGrid->SetzeObjekt(0, z, nullptr);
}

void TKlGrForm::Fuelle() {
  const TKurs* gewaehlt = KursIn(FaecherGrid->Zeile());
  const std::vector<TKurs*> kurse = Klasse()->Kurse().Elemente();
  FaecherGrid->Leeren();
  FaecherGrid->SetzeZeilen(std::max<int>(1, static_cast<int>(kurse.size())));
  FaecherGrid->SetzeObjekt(0, 0, nullptr);
  for (std::size_t i = 0; i < kurse.size(); ++i) FaecherGrid->SetzeObjekt(0, static_cast<int>(i), kurse[i]);
  WaehleKurs(gewaehlt);
}

void TKlGrForm::WaehleKurs(const TKurs* kurs) {
  for (int z = 0; z < FaecherGrid->Zeilen(); ++z)
    if (kurs != nullptr && KursIn(z) == kurs) {
      ZeigeZeile(*FaecherGrid, z);
      return;
    }
}

void TKlGrForm::DrawFach(QPainter& p, int zeile, const QRect& r, bool ausgewaehlt) const {
  const TKurs* k = KursIn(zeile);
  if (k == nullptr) {
    ZeichneZeile(p, r, false, {}, {});
    return;
  }
  ZeichneZeile(p, r, ausgewaehlt, QString::number(k->Stunden(-1)),
               k->Fach() != nullptr ? Q(k->Fach()->Kuerzel()) : QStringLiteral("????"),
               k->Kopplung() != nullptr);
}

void TKlGrForm::Zeige() {
  TGrForm::Zeige();
  TKlasse* k = Klasse();
  if (k == nullptr) return;
  const TStandard& st = Schule().Standard();
  SollFeld->setText(Q(FormatiereStunden(k->Soll(-1), st)).trimmed());
  IstFeld->setText(Q(FormatiereStunden(k->IstGewichtet(-1, k->Einzeln(), Seite::Klasse), st)).trimmed());
  IstEinfachFeld->setText(QStringLiteral("( %1 )").arg(k->IstEinfach(-1, k->Einzeln(), Seite::Klasse)));
  SetRaum();
  SetLehrer1();
  SetLehrer2();
  EinzelCheck->setChecked(k->Einzeln());
  FaecherGrid->viewport()->update();
}

void TKlGrForm::SetRaum() {
  RaumFeld->setText(KuerzelOderOhne(Klasse()->Raum()));
}
void TKlGrForm::SetLehrer1() {
  Lehrer1Feld->setText(KuerzelOderOhne(Klasse()->Lehrer1()));
}
void TKlGrForm::SetLehrer2() {
  Lehrer2Feld->setText(KuerzelOderOhne(Klasse()->Lehrer2()));
}

void TKlGrForm::SollSpinClick(bool hoch) {
  if (Klasse() == nullptr) return;
  TSchule::TAktion aktion(Schule());
  Klasse()->AendereSoll(hoch ? 1 : -1);
}

void TKlGrForm::StdSpinClick(bool hoch) {
  TKurs* k = KursIn(FaecherGrid->Zeile());
  if (k == nullptr) return;
  TSchule::TAktion aktion(Schule());
  if (SchritteKursStunden(*k, hoch)) FaecherGrid->ZeichneZelleNeu(0, FaecherGrid->Zeile());
}

void TKlGrForm::RaumKnopfClick() {
  TKlasse* k = Klasse();
  if (k == nullptr || palette_ == nullptr) return;
  if (!palette_->WaehleElement(TElementArt::Raum, true,
                               RaumKnopf->mapToGlobal(QPoint(0, RaumKnopf->height()))))
    return;
  auto* neu = static_cast<TRaum*>(palette_->Wahl(TElementArt::Raum));
  if (Element() != k) return;  // the window went over to another class meanwhile
  TRaumAntwort antwort = TRaumAntwort::Nein;
  if (neu != nullptr)
    antwort = FrageHeimraum(true, Q(k->Kuerzel()), k->Raum() ? Q(k->Raum()->Kuerzel()) : QString(),
                            Q(neu->Kuerzel()), this);
  WechsleHeimraum(*k, neu, antwort);
}

void TKlGrForm::LehrerKnopfClick(int nummer) {
  TKlasse* k = Klasse();
  if (k == nullptr || palette_ == nullptr) return;
  QPushButton* knopf = nummer == 1 ? Lehrer1Knopf : Lehrer2Knopf;
  const bool gewaehlt =
      palette_->WaehleElement(TElementArt::Lehrer, true, knopf->mapToGlobal(QPoint(0, knopf->height())));
  if (Element() != k) return;
  TSchule::TAktion aktion(Schule());
  WaehleKlassenlehrer(*k, nummer, gewaehlt, static_cast<TLehrer*>(palette_->Wahl(TElementArt::Lehrer)));
}

void TKlGrForm::FachKnopfClick() {
  TKlasse* k = Klasse();
  if (k == nullptr || palette_ == nullptr) return;
  if (!palette_->WaehleElement(TElementArt::Fach, false,
                               FachKnopf->mapToGlobal(QPoint(0, FachKnopf->height()))))
    return;
  auto* fach = static_cast<TFach*>(palette_->Wahl(TElementArt::Fach));
  if (fach == nullptr || Element() != k) return;
  WaehleKurs(NeuerKursMitVorgaben(Schule(), nullptr, k, fach));
}

void TKlGrForm::UebernahmeKnopfClick() {
  TKlasse* k = Klasse();
  if (k == nullptr) return;
  if (!UebernahmeErlaubt(*k)) {
    ZeigeUebernVerbot(Q(k->Kuerzel()), this);
    return;
  }
  TUebernahmeForm form(k, palette_, this);
  if (form.Zeige() != mrOk || form.Quelle() == nullptr || Element() != k) return;
  TSchule::TAktion aktion(Schule());
  UebernimmKurse(*k, *form.Quelle(), form.Modus(), form.raumCheck->isChecked());
}

void TKlGrForm::EinzelCheckClick() {
  if (Klasse() == nullptr) return;
  TSchule::TAktion aktion(Schule());
  Klasse()->SetzeEinzeln(EinzelCheck->isChecked());
  Klasse()->ZeigeWerte();
}

void TKlGrForm::FaecherGridMouseUp(int zeile) {
  const TKurs* k = KursIn(zeile);
  if (k == nullptr || Modus() != Modus::Zeigen || !IstAktiv()) return;
  TMenueDaten menue;
  k->KopplungsMenueEintraege(menue, (Tasten() & Taste::Strg) != 0);
  ZeigeKernMenue(menue.Eintraege(), MenueOrt(*FaecherGrid, zeile),
                 MenueSpaltenLaenge(Schule().Klassen().Anzahl()));
}

void TKlGrForm::FaecherGridDblClick(int zeile) {
  TKurs* k = KursIn(zeile);
  if (k == nullptr || Modus() != Modus::Loeschen) return;
  LoescheKurseNachFrage(Schule(), {k});
}

}  // namespace kolvar
