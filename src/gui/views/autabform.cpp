#include "views/autabform.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdlib>

#include "model/standard.h"
#include "platform/gitter.h"

namespace kolvar {

namespace {

using T = TTabellenBearbeitung;

// The arrows of the resource bitmaps, drawn: red when the link is on, black when off.
void Pfeil(QPainter& p, int x, int y, bool nachUnten, bool an) {
  const QColor farbe = an ? QColor(220, 0, 0) : QColor(0, 0, 0);
  p.setPen(farbe);
  p.setBrush(farbe);
  QPolygon dreieck;
  if (nachUnten)
    dreieck << QPoint(x, y) << QPoint(x + 4, y) << QPoint(x + 2, y + 4);
  else
    dreieck << QPoint(x, y + 4) << QPoint(x + 4, y + 4) << QPoint(x + 2, y);
  p.drawPolygon(dreieck);
}

}  // namespace

TAuTabForm::TAuTabForm(TStandard& standard, QWidget* eltern)
    : TEinstellungsDialog(standard, eltern),
      standard_(standard),
      arbeit_(std::make_unique<T>(standard.AutomatikTabellen)) {
  setObjectName(QStringLiteral("AuTabForm"));
  setWindowTitle(QStringLiteral("Automatiktabelle"));
  auto* oben = new QHBoxLayout;
  oben->addWidget(new QLabel(QStringLiteral("Tabelle Nr.:"), this));
  spin_ = new QSpinBox(this);
  spin_->setObjectName(QStringLiteral("TabSpin"));
  spin_->setRange(1, kAutomatikTabellen);
  spin_->findChild<QLineEdit*>()->setReadOnly(true);
  oben->addWidget(spin_);
  oben->addStretch();
  Inhalt()->addLayout(oben);
  gitter_ = new TGitter(this);
  gitter_->setObjectName(QStringLiteral("TabGrid"));
  gitter_->SetzeSpalten(kTage + 1);
  gitter_->SetzeZeilen(kStunden + 1);
  gitter_->SetzeFesteSpalten(1);
  gitter_->SetzeFesteZeilen(1);
  gitter_->SetzeStandardBreite(42);
  gitter_->SetzeStandardHoehe(18);
  gitter_->SetzeOptionen(TGitter::goFesteLinien | TGitter::goLinien);
  gitter_->SetzeRollbalken(false);
  gitter_->setMinimumSize(gitter_->viewportSizeHint() + QSize(4, 4));
  Inhalt()->addWidget(gitter_);
  gitter_->SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, TZellZustand zustand) {
    Zeichne(p, s, z, r, zustand.fest, zustand.ausgewaehlt);
  });
  connect(spin_, &QSpinBox::valueChanged, this, [this] { ZeigeTabelle(); });
  connect(gitter_, &TGitter::ZelleGedrueckt, this,
          [this](int s, int z, Qt::MouseButton knopf, Qt::KeyboardModifiers, QPoint ort) {
            if (knopf == Qt::LeftButton) Gedrueckt(s, z, ort);
          });
  connect(gitter_, &TGitter::ZiehenEnde, this, [this](int qs, int qz, int zs, int zz) {
    arbeit_->Tausche(spin_->value(), qs, qz, zs, zz);
    ZeigeTabelle();
  });
}

TAuTabForm::~TAuTabForm() = default;

void TAuTabForm::Laden(const TStandard& standard) {
  arbeit_ = std::make_unique<T>(standard.AutomatikTabellen);
  for (int d = 1; d <= kTage; ++d)
    gitter_->SetzeText(d, 0, QString::fromStdString(standard.spg[static_cast<std::size_t>(d - 1)]));
  const int v = std::clamp(standard.AktuelleVersion(), 1, kMaxVersionen);
  const QFontMetrics mass(gitter_->font());
  int breite = gitter_->StandardBreite();
  for (int p = 1; p <= kStunden; ++p) {
    const QString label =
        QString::fromStdString(standard.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)]);
    gitter_->SetzeText(0, p, label);
    breite = std::max(breite, mass.horizontalAdvance(label) + 6);
  }
  // The period column takes its longest label whole.
  gitter_->SetzeSpaltenBreite(0, breite);
  gitter_->setMinimumSize(gitter_->viewportSizeHint() + QSize(4, 4));
  ZeigeTabelle();
}

void TAuTabForm::Speichern(TStandard& standard) {
  standard.SetAutomatikTabellen(arbeit_->Tabellen());
}

void TAuTabForm::ZeigeTabelle() {
  const int t = spin_->value();
  for (int d = 1; d <= kTage; ++d)
    for (int p = 1; p <= kStunden; ++p) gitter_->SetzeText(d, p, QString::number(arbeit_->Eintrag(t, d, p)));
  gitter_->viewport()->update();
}

void TAuTabForm::Gedrueckt(int spalte, int zeile, QPoint ort) {
  if (spalte < 1 || zeile < 1) return;
  const QRect r = gitter_->ZellRechteck(spalte, zeile);
  const int t = spin_->value();
  switch (T::Treffer(ort.x() - r.left(), ort.y() - r.top(), r.width(), zeile)) {
    case T::TTreffer::Ziehen:
      gitter_->BeginneZiehen(spalte, zeile);
      return;
    case T::TTreffer::LinkOben:
      arbeit_->SchalteVerbindung(t, spalte, zeile - 1);
      break;
    case T::TTreffer::LinkUnten:
      arbeit_->SchalteVerbindung(t, spalte, zeile);
      break;
    case T::TTreffer::Nichts:
      return;
  }
  ZeigeTabelle();
}

void TAuTabForm::Zeichne(QPainter& p, int spalte, int zeile, const QRect& r, bool fest,
                         bool ausgewaehlt) const {
  const QPalette& pal = gitter_->palette();
  p.fillRect(r, fest          ? pal.color(QPalette::Button)
                : ausgewaehlt ? pal.color(QPalette::Highlight)
                              : pal.color(QPalette::Base));
  p.setPen(ausgewaehlt && !fest ? Qt::white : pal.color(QPalette::Text));
  const bool daten = spalte >= 1 && zeile >= 1;
  const int t = spin_->value();
  const QString text =
      daten ? QString::number(std::abs(arbeit_->Eintrag(t, spalte, zeile))) : gitter_->Text(spalte, zeile);
  p.drawText(r.adjusted(3, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
  if (!daten) return;
  const int x = r.right() - T::kStreifen + 2;
  if (zeile >= 2) Pfeil(p, x, r.top() + 2, true, arbeit_->Verbunden(t, spalte, zeile - 1));
  if (zeile <= kStunden - 1) Pfeil(p, x, r.top() + 9, false, arbeit_->Verbunden(t, spalte, zeile));
}

}  // namespace kolvar
