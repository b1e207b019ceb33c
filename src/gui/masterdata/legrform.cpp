#include "masterdata/legrform.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include "engine/grunddaten.h"
#include "masterdata/raumfrage.h"
#include "model/fach.h"
#include "model/imenue.h"
#include "model/ipalettezustand.h"
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

QLineEdit* Wertfeld(QWidget* eltern) {
  auto* f = new QLineEdit(eltern);
  f->setReadOnly(true);
  f->setFixedWidth(50);
  f->setFocusPolicy(Qt::NoFocus);
  return f;
}

}  // namespace

TLeGrForm::TLeGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::LeGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("Lehrer"));
  auto* oben = new QHBoxLayout;
  auto* links = new QVBoxLayout;
  auto* werte = new QGridLayout;
  werte->addWidget(new QLabel(QStringLiteral("Soll"), this), 0, 0);
  SollFeld = Wertfeld(this);
  werte->addWidget(SollFeld, 0, 1);
  auto* spin = new QHBoxLayout;
  SollSpin = BaueSpin(this, spin);
  werte->addLayout(spin, 0, 2);
  werte->addWidget(new QLabel(QStringLiteral("Ist"), this), 1, 0);
  IstFeld = Wertfeld(this);
  IstEinfachFeld = Wertfeld(this);
  werte->addWidget(IstFeld, 1, 1);
  werte->addWidget(IstEinfachFeld, 1, 2, 1, 2);
  werte->setColumnStretch(4, 1);
  links->addLayout(werte);
  auto* raumBox = new QGroupBox(this);
  raumBox->setObjectName(QStringLiteral("RaumBox"));
  auto* rl = new QHBoxLayout(raumBox);
  rl->setContentsMargins(4, 2, 4, 2);
  RaumFeld = new QLabel(QStringLiteral("ohne"), raumBox);
  RaumFeld->setMinimumWidth(50);
  RaumKnopf = new QPushButton(QStringLiteral("Raum"), raumBox);
  RaumKnopf->setFocusPolicy(Qt::NoFocus);
  rl->addWidget(RaumFeld);
  rl->addWidget(RaumKnopf);
  links->addWidget(raumBox);
  links->addWidget(new QLabel(QStringLiteral("Name"), this));
  links->addWidget(InfoFeld);
  links->addStretch();
  oben->addLayout(links);

  auto* fachBox = new QGroupBox(QStringLiteral("Fächer"), this);
  fachBox->setObjectName(QStringLiteral("FachBox"));
  auto* fl = new QVBoxLayout(fachBox);
  FachKnopf = new QPushButton(QStringLiteral("Neues Fach"), fachBox);
  FachKnopf->setFocusPolicy(Qt::NoFocus);
  fl->addWidget(FachKnopf);
  FaecherGrid = BaueListe([this](QPainter& p, int z, const QRect& r, bool a) {
    const TFach* f = FachIn(z);
    if (f == nullptr)
      ZeichneZeile(p, r, false, {}, {});
    else
      ZeichneZeile(p, r, a, QString::number(Lehrer()->StundenImFach(f)), Q(f->Kuerzel()), false, true);
  });
  FaecherGrid->setParent(fachBox);
  FaecherGrid->setMinimumSize(110, 140);
  FaecherGrid->SetzeSpaltenBreite(0, 100);
  LoeschbareListe(FaecherGrid);
  fl->addWidget(FaecherGrid, 1);
  oben->addWidget(fachBox, 1);
  Inhalt()->addLayout(oben, 1);
  BaueSperrung();

  connect(SollSpin.Hoch, &QToolButton::clicked, this, [this] { SollSpinClick(true); });
  connect(SollSpin.Runter, &QToolButton::clicked, this, [this] { SollSpinClick(false); });
  connect(RaumKnopf, &QPushButton::clicked, this, [this] { RaumKnopfClick(); });
  connect(FachKnopf, &QPushButton::clicked, this, [this] { FachKnopfClick((Tasten() & Taste::Strg) != 0); });
  connect(FaecherGrid, &TGitter::ZelleLosgelassen, this,
          [this](int, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            if (knopf == Qt::LeftButton) FaecherGridMouseUp(z);
          });
  connect(FaecherGrid, &TGitter::Doppelklick, this,
          [this](int, int z, Qt::KeyboardModifiers) { FaecherGridDblClick(z); });
}

TLehrer* TLeGrForm::Lehrer() const {
  return static_cast<TLehrer*>(element_);
}

TFach* TLeGrForm::FachIn(int zeile) const {
  if (zeile < 0 || zeile >= FaecherGrid->Zeilen()) return nullptr;
  return FaecherGrid->ObjektAls<TFach>(0, zeile);
}

void TLeGrForm::Fuelle() {
  TFach* gewaehlt = FachIn(FaecherGrid->Zeile());
  const std::vector<TFach*> faecher = Lehrer()->Faecher().Elemente();
  FaecherGrid->Leeren();
  FaecherGrid->SetzeZeilen(std::max<int>(1, static_cast<int>(faecher.size())));
  FaecherGrid->SetzeObjekt(0, 0, nullptr);
  for (std::size_t i = 0; i < faecher.size(); ++i)
    FaecherGrid->SetzeObjekt(0, static_cast<int>(i), faecher[i]);
  FachEinfuegen(gewaehlt);
}

void TLeGrForm::FachEinfuegen(TFach* fach) {
  for (int z = 0; z < FaecherGrid->Zeilen(); ++z)
    if (fach != nullptr && FachIn(z) == fach) {
      ZeigeZeile(*FaecherGrid, z);
      return;
    }
}

void TLeGrForm::Zeige() {
  TGrForm::Zeige();
  TLehrer* l = Lehrer();
  if (l == nullptr) return;
  const TStandard& st = Schule().Standard();
  SollFeld->setText(Q(FormatiereStunden(l->Soll(-1), st)).trimmed());
  IstFeld->setText(Q(FormatiereStunden(l->IstGewichtet(-1, true, Seite::Lehrer), st)).trimmed());
  IstEinfachFeld->setText(QStringLiteral("( %1 )").arg(l->IstEinfach(-1, true, Seite::Lehrer)));
  RaumFeld->setText(l->Raum() != nullptr ? Q(l->Raum()->Kuerzel()) : QStringLiteral("ohne"));
  FaecherGrid->viewport()->update();
}

void TLeGrForm::SollSpinClick(bool hoch) {
  if (Lehrer() == nullptr) return;
  TSchule::TAktion aktion(Schule());
  Lehrer()->AendereSoll(hoch ? 1 : -1);
}

void TLeGrForm::RaumKnopfClick() {
  TLehrer* l = Lehrer();
  if (l == nullptr || palette_ == nullptr) return;
  if (!palette_->WaehleElement(TElementArt::Raum, true,
                               RaumKnopf->mapToGlobal(QPoint(0, RaumKnopf->height()))))
    return;
  auto* neu = static_cast<TRaum*>(palette_->Wahl(TElementArt::Raum));
  if (Element() != l) return;
  TRaumAntwort antwort = TRaumAntwort::Nein;
  if (neu != nullptr)
    antwort = FrageHeimraum(false, Q(l->Kuerzel()), l->Raum() ? Q(l->Raum()->Kuerzel()) : QString(),
                            Q(neu->Kuerzel()), this);
  WechsleHeimraum(*l, neu, antwort);
}

void TLeGrForm::NimmFach(TFach* fach) {
  if (fach == nullptr) return;
  if (Lehrer()->Faecher().Position(fach) == 0) {
    TSchule::TAktion aktion(Schule());
    Lehrer()->FuegeFachHinzu(fach);
  }
  FachEinfuegen(fach);
}

void TLeGrForm::FachKnopfClick(bool strg) {
  TLehrer* l = Lehrer();
  if (l == nullptr) return;
  if (strg) {
    if (palette_ == nullptr) return;
    const std::vector<TElement*> wahl =
        palette_->ZeigeMenuForm(Schule().Elemente(TElementArt::Fach), QStringLiteral("Fächer"));
    if (Element() != l) return;
    for (TElement* e : wahl) NimmFach(static_cast<TFach*>(e));
    return;
  }
  if (palette_ == nullptr || !palette_->WaehleElement(TElementArt::Fach, false,
                                                      FachKnopf->mapToGlobal(QPoint(0, FachKnopf->height()))))
    return;
  if (Element() == l) NimmFach(static_cast<TFach*>(palette_->Wahl(TElementArt::Fach)));
}

void TLeGrForm::FaecherGridMouseUp(int zeile) {
  const TFach* f = FachIn(zeile);
  if (f == nullptr || Modus() != Modus::Zeigen) return;
  TMenueDaten menue;
  Lehrer()->FuelleKursMenue(menue, f, (Tasten() & Taste::Strg) != 0);
  ZeigeKernMenue(menue.Eintraege(), MenueOrt(*FaecherGrid, zeile),
                 MenueSpaltenLaenge(Schule().Klassen().Anzahl()));
}

void TLeGrForm::FaecherGridDblClick(int zeile) {
  TFach* f = FachIn(zeile);
  if (f == nullptr || Modus() != Modus::Loeschen) return;
  TSchule::TAktion aktion(Schule());
  Lehrer()->EntferneFach(f);
}

}  // namespace kolvar
