#include "masterdata/fagrform.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "model/fach.h"
#include "model/imenue.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/lehrer.h"
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

template <class T>
std::vector<TElement*> Elemente(const TListe<T>& l) {
  std::vector<TElement*> v;
  for (T* e : l) v.push_back(e);
  return v;
}

}  // namespace

TFaGrForm::TFaGrForm(TSchule& schule, IPalette* palette, QWidget* eltern)
    : TGrForm(FensterArt::FaGr, schule, palette, eltern) {
  SetzeCaption(QStringLiteral("Fach"));
  auto* info = new QHBoxLayout;
  info->addWidget(new QLabel(QStringLiteral("Info"), this));
  info->addWidget(InfoFeld);
  info->addStretch();
  Inhalt()->addLayout(info);
  auto* werte = new QGridLayout;
  werte->addWidget(new QLabel(QStringLiteral("Klassen"), this), 0, 0);
  KlassenIstFeld = Wertfeld(this);
  KlassenIstEinfachFeld = Wertfeld(this);
  werte->addWidget(KlassenIstFeld, 0, 1);
  werte->addWidget(KlassenIstEinfachFeld, 0, 2);
  werte->addWidget(new QLabel(QStringLiteral("Lehrer"), this), 1, 0);
  LehrerIstFeld = Wertfeld(this);
  LehrerIstEinfachFeld = Wertfeld(this);
  werte->addWidget(LehrerIstFeld, 1, 1);
  werte->addWidget(LehrerIstEinfachFeld, 1, 2);
  werte->setColumnStretch(3, 1);
  Inhalt()->addLayout(werte);
  auto* listen = new QHBoxLayout;
  auto baue = [&](const QString& titel, const QString& name, TGitter*& liste) {
    auto* box = new QGroupBox(titel, this);
    box->setObjectName(name);
    auto* l = new QVBoxLayout(box);
    liste = BaueListe(
        [this, &liste](QPainter& p, int z, const QRect& r, bool a) { Zeichne(p, *liste, z, r, a); });
    liste->setParent(box);
    liste->setMinimumSize(100, 160);
    liste->SetzeSpaltenBreite(0, 90);
    l->addWidget(liste);
    listen->addWidget(box);
    TGitter* g = liste;
    // The course pop-up waits the double-click time, so that a double click opens the window.
    connect(g, &TGitter::EinzelKlick, this, [this, g](int, int z, QPoint) { ListeMouseUp(*g, z); });
    connect(g, &TGitter::Doppelklick, this,
            [this, g](int, int z, Qt::KeyboardModifiers) { ListeDblClick(*g, z); });
  };
  baue(QStringLiteral("Lehrer"), QStringLiteral("LehrerBox"), LehrerGrid);
  baue(QStringLiteral("Klassen"), QStringLiteral("KlassenBox"), KlassenGrid);
  Inhalt()->addLayout(listen, 1);
}

TFach* TFaGrForm::Fach() const {
  return static_cast<TFach*>(element_);
}

TElement* TFaGrForm::ElementIn(const TGitter& liste, int zeile) {
  if (zeile < 0 || zeile >= liste.Zeilen()) return nullptr;
  return liste.ObjektAls<TElement>(0, zeile);
}

void TFaGrForm::FuelleListe(TGitter& liste, const std::vector<TElement*>& elemente) {
  TElement* gewaehlt = ElementIn(liste, liste.Zeile());
  liste.Leeren();
  liste.SetzeZeilen(std::max<int>(1, static_cast<int>(elemente.size())));
  liste.SetzeObjekt(0, 0, nullptr);
  for (std::size_t i = 0; i < elemente.size(); ++i) liste.SetzeObjekt(0, static_cast<int>(i), elemente[i]);
  Einfuegen(liste, gewaehlt);
}

void TFaGrForm::Fuelle() {
  FuelleListe(*LehrerGrid, Elemente(Fach()->Lehrer()));
  FuelleListe(*KlassenGrid, Elemente(Fach()->Klassen()));
}

void TFaGrForm::Einfuegen(TGitter& liste, TElement* e) {
  for (int z = 0; z < liste.Zeilen(); ++z)
    if (e != nullptr && ElementIn(liste, z) == e) {
      ZeigeZeile(liste, z);
      return;
    }
}

void TFaGrForm::Zeichne(QPainter& p, const TGitter& liste, int zeile, const QRect& r,
                        bool ausgewaehlt) const {
  const TElement* e = ElementIn(liste, zeile);
  if (e == nullptr || Fach() == nullptr) {
    ZeichneZeile(p, r, false, {}, {});
    return;
  }
  const int32_t stunden = e->Art() == TElementArt::Lehrer
                              ? Fach()->StundenDesLehrers(static_cast<const TLehrer*>(e))
                              : Fach()->StundenDerKlasse(static_cast<const TKlasse*>(e));
  ZeichneZeile(p, r, ausgewaehlt, QString::number(stunden), Q(e->Kuerzel()));
}

void TFaGrForm::Zeige() {
  TGrForm::Zeige();
  TFach* f = Fach();
  if (f == nullptr) return;
  const TStandard& st = Schule().Standard();
  auto gewichtet = [&](int seite) {
    const int32_t wert = f->IstGewichtet(-1, true, seite);
    return Q(FormatiereStunden(wert, st.vkm + 2, st.nkm, st.dvs)).trimmed();
  };
  KlassenIstFeld->setText(gewichtet(Seite::Klasse));
  KlassenIstEinfachFeld->setText(QStringLiteral("( %1 )").arg(f->IstEinfach(-1, true, Seite::Klasse)));
  LehrerIstFeld->setText(gewichtet(Seite::Lehrer));
  LehrerIstEinfachFeld->setText(QStringLiteral("( %1 )").arg(f->IstEinfach(-1, true, Seite::Lehrer)));
  LehrerGrid->viewport()->update();
  KlassenGrid->viewport()->update();
}

void TFaGrForm::ListeMouseUp(TGitter& liste, int zeile) {
  const TElement* e = ElementIn(liste, zeile);
  if (e == nullptr || !IstAktiv()) return;
  TMenueDaten menue;
  const bool mitInfo = (Tasten() & Taste::Strg) != 0;
  if (e->Art() == TElementArt::Lehrer)
    Fach()->FuelleKursMenueLehrer(menue, static_cast<const TLehrer*>(e), mitInfo);
  else
    Fach()->FuelleKursMenueKlasse(menue, static_cast<const TKlasse*>(e), mitInfo);
  ZeigeKernMenue(menue.Eintraege(), MenueOrt(liste, zeile), MenueSpaltenLaenge(Schule().Klassen().Anzahl()));
}

void TFaGrForm::ListeDblClick(TGitter& liste, int zeile) {
  TElement* e = ElementIn(liste, zeile);
  if (e == nullptr) return;
  const int gruppe = (Tasten() & Taste::Shift) ? 1 : Schule().Ansichtsgruppe();
  if (palette_ != nullptr) palette_->OeffneElementFenster(e, gruppe, 0);
}

}  // namespace kolvar
