#include "masterdata/uvgrform.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "engine/grunddaten.h"
#include "model/ipalettezustand.h"
#include "model/schule.h"
#include "model/uvtab.h"
#include "platform/gitter.h"
#include "platform/ipalette.h"

namespace kolvar {

TUVGrForm::TUVGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::UVGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("UV-Tabelle"));
  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(QStringLiteral("Info"), this));
  info->addWidget(InfoFeld);
  info->addStretch();
  Inhalt()->addLayout(info);
  auto* art = new QGroupBox(QStringLiteral("Zeilen/Spalten"), this);
  auto* al = new QHBoxLayout(art);
  UVRadio = new QRadioButton(QStringLiteral("Klassen/Fächer"), art);
  LKRadio = new QRadioButton(QStringLiteral("Lehrer/Klassen"), art);
  for (QRadioButton* r : {UVRadio, LKRadio}) {
    r->setFocusPolicy(Qt::NoFocus);
    al->addWidget(r);
  }
  auto* gruppe = new QButtonGroup(this);
  gruppe->addButton(UVRadio);
  gruppe->addButton(LKRadio);
  connect(UVRadio, &QRadioButton::clicked, this, [this] { ArtClick(1); });
  connect(LKRadio, &QRadioButton::clicked, this, [this] { ArtClick(0); });
  Inhalt()->addWidget(art);
  auto* listen = new QHBoxLayout;
  for (const bool rechts : {false, true}) {
    auto* box = new QGroupBox(this);
    auto* l = new QVBoxLayout(box);
    auto* knopf = new QPushButton(box);
    knopf->setFocusPolicy(Qt::NoFocus);
    TGitter* liste = BaueListe([this, rechts](QPainter& p, int z, const QRect& r, bool a) {
      const TElement* e = ElementIn(Liste(rechts), z);
      ZeichneZeile(p, r, e != nullptr && a, {},
                   e != nullptr ? QString::fromStdString(e->Kuerzel()) : QString());
    });
    liste->setParent(box);
    liste->setMinimumSize(100, 160);
    liste->SetzeSpaltenBreite(0, 90);
    LoeschbareListe(liste);
    l->addWidget(knopf);
    l->addWidget(liste, 1);
    listen->addWidget(box);
    (rechts ? RechtsGroup : LinksGroup) = box;
    (rechts ? RechtsGrid : LinksGrid) = liste;
    (rechts ? RechtsKnopf : LinksKnopf) = knopf;
    connect(knopf, &QPushButton::clicked, this,
            [this, rechts] { KnopfClick(rechts, (Tasten() & Taste::Strg) != 0); });
    connect(liste, &TGitter::Doppelklick, this,
            [this, rechts](int, int z, Qt::KeyboardModifiers) { ListeDblClick(rechts, z); });
  }
  Inhalt()->addLayout(listen, 1);
}

TUVTab* TUVGrForm::Tabelle() const {
  return static_cast<TUVTab*>(element_);
}

TElement* TUVGrForm::ElementIn(const TGitter& liste, int zeile) {
  if (zeile < 0 || zeile >= liste.Zeilen()) return nullptr;
  return liste.ObjektAls<TElement>(0, zeile);
}

// Built straight from the stored orientation: opening the window changes nothing in the table.
void TUVGrForm::Fuelle() {
  const uint8_t art = Tabelle()->Ausrichtung();
  (art == 1 ? UVRadio : LKRadio)->setChecked(true);
  for (const bool rechts : {false, true}) {
    const TUVSeite seite = UVSeite(art, rechts);
    (rechts ? RechtsGroup : LinksGroup)->setTitle(QString::fromUtf8(seite.Titel));
    (rechts ? RechtsKnopf : LinksKnopf)->setText(QString::fromUtf8(seite.Knopf));
    TGitter& liste = Liste(rechts);
    TElement* gewaehlt = ElementIn(liste, liste.Zeile());
    const std::vector<TElement*> elemente = UVElemente(*Tabelle(), seite.Art);
    liste.Leeren();
    liste.SetzeZeilen(std::max<int>(1, static_cast<int>(elemente.size())));
    liste.SetzeObjekt(0, 0, nullptr);
    for (std::size_t i = 0; i < elemente.size(); ++i) liste.SetzeObjekt(0, static_cast<int>(i), elemente[i]);
    for (int z = 0; z < liste.Zeilen(); ++z)
      if (gewaehlt != nullptr && ElementIn(liste, z) == gewaehlt) ZeigeZeile(liste, z);
  }
}

void TUVGrForm::Einfuegen(TElement* e) {
  if (e == nullptr || Tabelle() == nullptr) return;
  const bool rechts = UVSeite(Tabelle()->Ausrichtung(), true).Art == e->Art();
  TGitter& liste = Liste(rechts);
  for (int z = 0; z < liste.Zeilen(); ++z)
    if (ElementIn(liste, z) == e) ZeigeZeile(liste, z);
}

void TUVGrForm::ArtClick(uint8_t art) {
  TUVTab* t = Tabelle();
  if (t == nullptr) return;
  if (t->Ausrichtung() == art) return;
  WechsleUVAusrichtung(*t, art);
  Fuelle();
}

void TUVGrForm::NimmAuf(TElement* e) {
  if (e == nullptr) return;
  {
    TSchule::TAktion aktion(Schule());
    UVFuegeHinzu(*Tabelle(), e);
  }
  Einfuegen(e);
}

void TUVGrForm::KnopfClick(bool rechts, bool strg) {
  TUVTab* t = Tabelle();
  if (t == nullptr) return;
  const TUVSeite seite = UVSeite(t->Ausrichtung(), rechts);
  if (strg) {
    if (palette_ == nullptr) return;
    const QString titel = seite.Art == TElementArt::Lehrer ? QStringLiteral("Lehrer")
                          : seite.Art == TElementArt::Fach ? QStringLiteral("Fächer")
                                                           : QStringLiteral("Klassen");
    const std::vector<TElement*> wahl = palette_->ZeigeMenuForm(Schule().Elemente(seite.Art), titel);
    if (Element() != t) return;
    for (TElement* e : wahl) NimmAuf(e);
    return;
  }
  QPushButton* knopf = rechts ? RechtsKnopf : LinksKnopf;
  if (palette_ == nullptr ||
      !palette_->WaehleElement(seite.Art, false, knopf->mapToGlobal(QPoint(0, knopf->height()))))
    return;
  if (Element() == t) NimmAuf(palette_->Wahl(seite.Art));
}

void TUVGrForm::ListeDblClick(bool rechts, int zeile) {
  TElement* e = ElementIn(Liste(rechts), zeile);
  if (e == nullptr || Modus() != Modus::Loeschen) return;
  TSchule::TAktion aktion(Schule());
  UVEntferne(*Tabelle(), e);
}

}  // namespace kolvar
