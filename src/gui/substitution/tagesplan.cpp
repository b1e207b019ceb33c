#include "substitution/tagesplan.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/element.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "platform/gitter.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {
QColor Farbe(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}
QString Kuerzel(const TElement* e) {
  return e ? QString::fromStdString(e->Kuerzel()) : QString();
}
}  // namespace

TTagesplan::TTagesplan(QWidget* eltern) : QGroupBox(QStringLiteral("Tagesplan"), eltern) {
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(4, 4, 4, 4);
  auto* radios = new QHBoxLayout;
  PlanRadio = new QButtonGroup(this);
  const char* texte[] = {"Lehrerplan", "Klassenplan"};
  for (int i = 0; i < 2; ++i) {
    auto* r = new QRadioButton(QString::fromUtf8(texte[i]), this);
    PlanRadio->addButton(r, i);
    radios->addWidget(r);
  }
  PlanRadio->button(0)->setChecked(true);
  connect(PlanRadio, &QButtonGroup::idClicked, this, [this](int plan) { emit PlanGewechselt(plan); });
  spalte->addLayout(radios);
  auto* labels = new QHBoxLayout;
  KuerzelLabel = new QLabel(this);
  RaumLabel = new QLabel(this);
  labels->addWidget(KuerzelLabel);
  labels->addWidget(RaumLabel);
  labels->addStretch();
  spalte->addLayout(labels);
  PlanGrid = new TGitter(this);
  PlanGrid->SetzeSpalten(2);
  PlanGrid->SetzeZeilen(kStunden);
  PlanGrid->SetzeFesteSpalten(1);
  PlanGrid->SetzeFesteZeilen(0);
  PlanGrid->SetzeSpaltenBreite(0, 50);
  PlanGrid->SetzeSpaltenBreite(1, 130);
  PlanGrid->SetzeZeichner(
      [this](QPainter& p, int s, int z, const QRect& r, TZellZustand) { ZeichneZelle(p, s, z, r); });
  connect(PlanGrid, &TGitter::Klick, this, [this](int s, int z) {
    if (s != 1 || z < 0 || z >= static_cast<int>(zeilen_.size())) return;
    const TKurs* k = zeilen_[static_cast<std::size_t>(z)].Kurs;
    if (!k || !k->Kopplung()) return;
    const QRect r = PlanGrid->ZellRechteck(s, z);
    emit KopplungGeklickt(z, PlanGrid->viewport()->mapToGlobal(QPoint(r.left(), r.top() + r.height() / 2)));
  });
  spalte->addWidget(PlanGrid, 1);
  setMinimumWidth(200);
}

int TTagesplan::Plan() const {
  return std::max(0, PlanRadio->checkedId());
}

void TTagesplan::SetzePlan(int plan) {
  if (QAbstractButton* k = PlanRadio->button(std::clamp(plan, 0, 1))) k->setChecked(true);
}

void TTagesplan::Zeige(const TVertretung* v, int zeilen) {
  klassenplan_ = Plan() == 1;
  const TPlanElement* e = v ? TVertrVorschlag::TagesplanElement(*v, Plan()) : nullptr;
  zeilen_ = v ? TVertrVorschlag::Tagesplan(*v, e) : std::vector<TTagesplanZeile>{};
  markiert_ = v ? v->Stunde() : 0;
  KuerzelLabel->setText(Kuerzel(e));
  const TRaum* raum = nullptr;
  if (e && e->Art() == TElementArt::Lehrer) raum = static_cast<const TLehrer*>(e)->Raum();
  if (e && e->Art() == TElementArt::Klasse) raum = static_cast<const TKlasse*>(e)->Raum();
  RaumLabel->setText(Kuerzel(raum));
  PlanGrid->SetzeZeilen(std::clamp(zeilen, 1, kStunden));
  PasseLabelSpalteAn();
  for (int z = 0; z < PlanGrid->Zeilen(); ++z) {
    const bool da = z < static_cast<int>(zeilen_.size());
    PlanGrid->SetzeText(
        0, z, da ? QString::fromStdString(zeilen_[static_cast<std::size_t>(z)].Bezeichnung) : QString());
    PlanGrid->SetzeText(
        1, z, da ? QString(QChar::fromLatin1(zeilen_[static_cast<std::size_t>(z)].Zeichen)) : QString());
  }
  PlanGrid->viewport()->update();
}

void TTagesplan::PasseLabelSpalteAn() {
  std::vector<std::string> labels;
  labels.reserve(zeilen_.size());
  for (const TTagesplanZeile& z : zeilen_) labels.push_back(z.Bezeichnung);
  const int breite = labelSpalte_.Breite(PlanGrid->font(), labels);
  if (breite == PlanGrid->SpaltenBreite(0)) return;
  PlanGrid->SetzeSpaltenBreite(0, breite);
  // The lessons' column keeps its width beside it: the box grows rather than scroll.
  PlanGrid->setMinimumWidth(PlanGrid->Geometrie().GanzeGroesse().width() + 2 * PlanGrid->frameWidth());
}

void TTagesplan::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r) const {
  const TTagesplanZeile* z = zeile >= 0 && zeile < static_cast<int>(zeilen_.size())
                                 ? &zeilen_[static_cast<std::size_t>(zeile)]
                                 : nullptr;
  if (spalte == 0) {
    p.fillRect(r, palette().button());
    p.setPen(zeile + 1 == markiert_ ? Qt::red : Qt::black);
    if (z)
      p.drawText(r.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                 QString::fromStdString(z->Bezeichnung));
    return;
  }
  if (!z || !z->Kurs) {
    p.fillRect(r, z && z->Zeichen == '*' ? QColor(0x80, 0x80, 0x80) : QColor(Qt::white));
    return;
  }
  const TKurs* k = z->Kurs;
  p.fillRect(r, Farbe(k->Farbe()));
  p.setPen(Qt::black);
  QString wer;
  if (k->Kopplung())
    wer = Kuerzel(k->Kopplung());
  else
    wer = klassenplan_ ? Kuerzel(k->Lehrer()) : Kuerzel(k->Klassen().Hole(1));
  const auto text = [&](int dx, const QString& s) {
    p.drawText(QRect(r.left() + dx, r.top() + 1, 38, r.height()), Qt::AlignLeft | Qt::AlignTop, s);
  };
  text(2, wer);
  text(40, Kuerzel(k->Fach()));
  text(80, Kuerzel(z->Setzung ? z->Setzung->Raum() : nullptr));
}

void SetzeWahlFensterHoehe(QWidget& fenster, const TGitter& liste, int listenHoehe, const TGitter* plan,
                           int planHoehe) {
  int hoechstens = QWIDGETSIZE_MAX;
  if (const QScreen* schirm = fenster.screen()) {
    const int rahmen =
        fenster.isVisible() ? std::max(0, fenster.frameGeometry().height() - fenster.height()) : 0;
    hoechstens = schirm->availableGeometry().height() - rahmen;
  }
  // The grids' shares are what the rules fix; the rest is measured from the laid-out window. Below
  // its layout's minimum a grid does not grow with the window, so the measure is taken again at
  // the height found until it holds (a few rounds at most).
  for (int runde = 0; runde < 4; ++runde) {
    if (QLayout* layout = fenster.layout()) {
      layout->invalidate();
      layout->activate();
    }
    int hoehe = fenster.height() + listenHoehe - liste.viewport()->height();
    if (plan != nullptr) hoehe = std::max(hoehe, fenster.height() + planHoehe - plan->viewport()->height());
    hoehe = std::max(1, std::min(hoehe, hoechstens));
    if (hoehe == fenster.height()) return;
    fenster.resize(fenster.width(), hoehe);
  }
}

}  // namespace kolvar
