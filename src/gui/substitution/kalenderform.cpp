#include "substitution/kalenderform.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/schule.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/gitter.h"
#include "platform/popupdienst.h"

namespace kolvar {

namespace {
constexpr int kVersionsZeile = 0, kWochenZeile = 1;
constexpr int kVersionenProSpalte = 16;
}  // namespace

TKalenderForm::TKalenderForm(TSchule& schule, QWidget* eltern)
    : TEinstellungsDialog(eltern), schule_(schule) {
  SetzeVersionsQuelle(schule.Standard());
  setObjectName(QStringLiteral("KalenderForm"));
  setWindowTitle(QStringLiteral("Kalender"));
  auto* kopf = new QHBoxLayout;
  zurueck_ = new QToolButton(this);
  vor_ = new QToolButton(this);
  zurueck_->setArrowType(Qt::LeftArrow);
  vor_->setArrowType(Qt::RightArrow);
  titel_ = new QLabel(this);
  titel_->setAlignment(Qt::AlignCenter);
  QFont fett = titel_->font();
  fett.setBold(true);
  titel_->setFont(fett);
  kopf->addWidget(zurueck_);
  kopf->addWidget(titel_, 1);
  kopf->addWidget(vor_);
  Inhalt()->addLayout(kopf);

  grid_ = new TGitter(this);
  grid_->setObjectName(QStringLiteral("KalenderGrid"));
  grid_->SetzeSpalten(1 + TKalender::kWochenSpalten);
  grid_->SetzeZeilen(TKalender::kErsteTagZeile + 7);
  grid_->SetzeFesteSpalten(1);
  grid_->SetzeFesteZeilen(TKalender::kErsteTagZeile);
  grid_->SetzeStandardBreite(36);
  grid_->SetzeStandardHoehe(18);
  // The labels column is 70 pixels unless the day names need more.
  grid_->SetzeSpaltenBreite(0, 70);
  grid_->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien | TGitter::goBereichsauswahl);
  grid_->SetzeRollbalken(false);
  grid_->setFixedSize(70 + TKalender::kWochenSpalten * 37 + 4, 9 * 19 + 4);
  grid_->SetzeZeichner([this](QPainter& p, int spalte, int zeile, const QRect& r, TZellZustand z) {
    ZeichneZelle(p, spalte, zeile, r, z.ausgewaehlt && !z.fest);
  });
  Inhalt()->addWidget(grid_);

  connect(zurueck_, &QToolButton::clicked, this, [this] {
    kalender_->Blaettere(-1);
    FuelleMonat();
  });
  connect(vor_, &QToolButton::clicked, this, [this] {
    kalender_->Blaettere(1);
    FuelleMonat();
  });
  connect(grid_, &TGitter::ZelleGedrueckt, this,
          [this](int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            if (knopf == Qt::LeftButton) GridGedrueckt(spalte, zeile);
          });
  connect(grid_, &TGitter::ZelleLosgelassen, this,
          [this](int spalte, int zeile, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint) {
            if (knopf == Qt::LeftButton) GridLosgelassen(spalte, zeile);
          });
}

TKalenderForm::~TKalenderForm() = default;

void TKalenderForm::LadeKalender() {
  kalender_ = std::make_unique<TKalender>(schule_);
  const TStandard& st = schule_.Standard();
  grid_->SetzeText(0, kVersionsZeile, QStringLiteral("Planversion"));
  grid_->SetzeText(0, kWochenZeile, QStringLiteral("Kal.woche"));
  const QFontMetrics mass(grid_->font());
  int breite = std::max(mass.horizontalAdvance(grid_->Text(0, kVersionsZeile)), 70 - 6);
  for (int d = 0; d < 7; ++d) {
    const QString name = QString::fromStdString(st.spn[static_cast<std::size_t>(d)]);
    grid_->SetzeText(0, TKalender::kErsteTagZeile + d, name);
    breite = std::max(breite, mass.horizontalAdvance(name));
  }
  grid_->SetzeSpaltenBreite(0, breite + 6);
  grid_->setFixedSize(breite + 6 + TKalender::kWochenSpalten * 37 + 4, 9 * 19 + 4);
  grid_->SetzeAuswahl(TGitterAuswahl{});
  FuelleMonat();
}

void TKalenderForm::FuelleMonat() {
  const TKalender& k = *kalender_;
  titel_->setText(QString::fromStdString(MonatsTitel(k.Jahr(), k.Monat())));
  for (int s = 1; s <= TKalender::kWochenSpalten; ++s) {
    grid_->SetzeText(s, kVersionsZeile, QString::number(k.Version(s)));
    grid_->SetzeText(s, kWochenZeile, QString::number(k.Kalenderwoche(s)));
    for (int z = TKalender::kErsteTagZeile; z < TKalender::kErsteTagZeile + 7; ++z) {
      const int tag = k.Tag(s, z);
      grid_->SetzeText(s, z, tag == 0 ? QString() : QString::number(tag));
    }
  }
  // The month ends may not move further.
  zurueck_->setEnabled(k.Jahr() > kErstesJahr || k.Monat() > 1);
  vor_->setEnabled(k.Jahr() < kLetztesJahr || k.Monat() < 12);
  grid_->viewport()->update();
}

void TKalenderForm::ZeichneZelle(QPainter& p, int spalte, int zeile, const QRect& r, bool ausgewaehlt) const {
  if (spalte == 0 || zeile < TKalender::kErsteTagZeile) {
    grid_->ZeichneStandard(p, spalte, zeile, r, TZellZustand{.fest = true});
    return;
  }
  const QString text = grid_->Text(spalte, zeile);
  const bool frei = text.startsWith(QLatin1Char('-'));
  QColor grund = palette().color(QPalette::Base);
  if (frei)
    grund = QColor(0x80, 0x80, 0x80);
  else if (zeile - TKalender::kErsteTagZeile + 1 > schule_.Standard().mtn)
    grund = Qt::red;
  if (ausgewaehlt) grund = QColor(255 - grund.red(), 255 - grund.green(), 255 - grund.blue());
  p.fillRect(r, grund);
  p.setPen(ausgewaehlt ? Qt::white : Qt::black);
  p.drawText(r.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, frei ? text.mid(1) : text);
}

void TKalenderForm::WaehleVersion(int spalte) {
  const int versionen = schule_.Standard().mwn();
  std::vector<TPopupEintrag> eintraege;
  for (int v = 1; v <= versionen; ++v) {
    TPopupEintrag e;
    e.text = QString::number(v);
    e.id = v;
    eintraege.push_back(std::move(e));
  }
  const QRect zelle = grid_->ZellRechteck(spalte, kVersionsZeile);
  const QPoint ort = grid_->viewport()->mapToGlobal(zelle.bottomLeft());
  const int v = TDienste::Popups().Waehle(eintraege, ort, kVersionenProSpalte);
  if (v < 1) return;
  kalender_->SetzeVersion(spalte, v);
  FuelleMonat();
}

void TKalenderForm::GridGedrueckt(int spalte, int zeile) {
  markiert_ = kalender_->Datum(spalte, zeile) != 0;
  start_ = QPoint(spalte, zeile);
}

void TKalenderForm::GridLosgelassen(int spalte, int zeile) {
  if (markiert_) {
    markiert_ = false;
    // Released off the grid: the range the mouse last selected.
    if (spalte < 0 || zeile < 0) {
      const TGitterAuswahl a = grid_->Auswahl();
      spalte = start_.x() == a.links ? a.rechts : a.links;
      zeile = start_.y() == a.oben ? a.unten : a.oben;
    }
    kalender_->MarkiereBereich(start_.x(), start_.y(), spalte, zeile);
    grid_->SetzeAuswahl(TGitterAuswahl{});
    FuelleMonat();
    return;
  }
  if (zeile == kVersionsZeile && spalte >= 1 && QPoint(spalte, zeile) == start_) WaehleVersion(spalte);
}

void TKalenderForm::OkKnopfClick() {
  TSchule::TAktion aktion(schule_);
  kalender_->Uebernimm(schule_);
}

}  // namespace kolvar
