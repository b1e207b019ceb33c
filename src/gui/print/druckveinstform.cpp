#include "print/druckveinstform.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kolvar {

namespace {

QButtonGroup* Radios(QGroupBox* box, QBoxLayout* zeile, const std::vector<const char*>& texte) {
  auto* gruppe = new QButtonGroup(box);
  for (std::size_t i = 0; i < texte.size(); ++i) {
    auto* r = new QRadioButton(QString::fromUtf8(texte[i]), box);
    gruppe->addButton(r, static_cast<int>(i));
    zeile->addWidget(r);
  }
  return gruppe;
}

void Waehle(QButtonGroup* gruppe, int id) {
  if (QAbstractButton* b = gruppe->button(id)) b->setChecked(true);
}

}  // namespace

TDruckVEinstForm::TDruckVEinstForm(int nummer, QWidget* eltern) : TKvDialog(eltern) {
  setWindowTitle(QStringLiteral("Einstellung für den Druck des Vertretungsplans"));
  using V = TVertrDruckEinstellung;
  auto* haupt = new QVBoxLayout(this);
  const auto box = [this](const QString& text, bool V::*wert, QWidget* eltern) {
    auto* b = new QCheckBox(text, eltern);
    boxen_.push_back({b, wert});
    return b;
  };
  const auto plan = [&](const QString& titel, bool V::*drucken, const std::vector<const char*>& ordnungen) {
    auto* g = new QGroupBox(titel, this);
    auto* spalte = new QVBoxLayout(g);
    spalte->addWidget(box(QStringLiteral("Drucken"), drucken, g));
    auto* zeile = new QHBoxLayout;
    spalte->addLayout(zeile);
    haupt->addWidget(g);
    return Radios(g, zeile, ordnungen);
  };
  haupt->addWidget(new QLabel(QStringLiteral("Einstellung %1").arg(nummer), this));
  VPSortRadio = plan(QStringLiteral("Vertretungsplan"), &V::vdv,
                     {"Klassen", "vertr. Lehrern", "fehl. Lehrern", "Stunden"});
  EPSortRadio =
      plan(QStringLiteral("Ersatzraumplan"), &V::vde, {"Klassen", "Lehrern", "fehl. Räumen", "Stunden"});
  auto* optionen = new QGroupBox(this);
  auto* og = new QGridLayout(optionen);
  const std::array<std::pair<const char*, bool V::*>, 6> texte{{{"mit Kopplungen", &V::vmk},
                                                                {"mit Datum", &V::vmd},
                                                                {"mit allg. Bemerkungen", &V::vma},
                                                                {"mit fehl. Lehrern", &V::vfl},
                                                                {"mit fehl. Klassen", &V::vfk},
                                                                {"mit fehl. Räumen", &V::vfr}}};
  for (std::size_t i = 0; i < texte.size(); ++i)
    og->addWidget(box(QString::fromUtf8(texte[i].first), texte[i].second, optionen), static_cast<int>(i % 3),
                  static_cast<int>(i / 3));
  haupt->addWidget(optionen);
  auto* unten = new QHBoxLayout;
  auto* lehrer = new QGroupBox(QStringLiteral("Lehrer mit"), this);
  LeBezRadio = Radios(lehrer, new QHBoxLayout(lehrer), {"Name", "Kürzel"});
  auto* bem = new QGroupBox(QStringLiteral("Bemerkungen für"), this);
  BemRadio = Radios(bem, new QHBoxLayout(bem), {"Schüler", "Lehrer"});
  unten->addWidget(lehrer);
  unten->addWidget(bem);
  haupt->addLayout(unten);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch(1);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);
  KnopfErgebnis(ok, mrOk);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
}

void TDruckVEinstForm::Lade(const TVertrDruckEinstellung& v) {
  for (const TBox& b : boxen_) b.box->setChecked(v.*b.wert);
  Waehle(VPSortRadio, v.vvs);
  Waehle(EPSortRadio, v.ves);
  Waehle(LeBezRadio, v.vlb);
  Waehle(BemRadio, v.vba);
}

TVertrDruckEinstellung TDruckVEinstForm::Vorgabe() const {
  TVertrDruckEinstellung v;
  for (const TBox& b : boxen_) v.*b.wert = b.box->isChecked();
  v.vvs = std::max(0, VPSortRadio->checkedId());
  v.ves = std::max(0, EPSortRadio->checkedId());
  v.vlb = std::max(0, LeBezRadio->checkedId());
  v.vba = std::max(0, BemRadio->checkedId());
  return v;
}

QCheckBox* TDruckVEinstForm::Box(const QString& text) const {
  for (const TBox& b : boxen_)
    if (b.box->text() == text) return b.box;
  return nullptr;
}

}  // namespace kolvar
