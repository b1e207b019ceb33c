#include "app/fensterordform.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/fensterplatz.h"
#include "model/standard.h"

namespace kolvar {

namespace {

// A small screen with the windows of arrangement k.
QPixmap AnordnungsBild(int k) {
  const QSize bildschirm(160, 120);
  QPixmap bild(bildschirm);
  bild.fill(QColor(0, 128, 128));
  QPainter maler(&bild);
  const QSize fenster = k == 1   ? QSize(90, 70)
                        : k == 4 ? QSize(60, 45)
                        : k == 2 ? QSize(60, 90)
                                 : QSize(110, 45);
  const int anzahl = k == 4 ? 8 : k == 1 ? 4 : 6;
  for (int i = 1; i <= anzahl; ++i) {
    // The arrangement drawn at a quarter of the screen's step.
    const TPunkt platz = FensterPlatz(i, k, {}, 0, bildschirm.width() * 4, bildschirm.height() * 4);
    QPoint ort = QPoint(platz.X, platz.Y) / 4;
    ort += QPoint((i - 1) % 2, 0);
    maler.setPen(Qt::black);
    maler.setBrush(Qt::white);
    maler.drawRect(QRect(ort, fenster));
    maler.fillRect(QRect(ort + QPoint(1, 1), QSize(fenster.width() - 1, 6)), QColor(0, 0, 128));
  }
  return bild;
}

}  // namespace

TFensterOrdForm::TFensterOrdForm(TStandard& standard, QWidget* eltern)
    : TKvDialog(eltern), standard_(standard), wahl_(std::clamp(standard.FensterAnordnung, 1, 4)) {
  setObjectName(QStringLiteral("FensterOrdForm"));
  setWindowTitle(QStringLiteral("Fensteranordnung"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Anordnung der Fenster auf dem Bildschirm"), this));
  auto* raster = new QGridLayout;
  for (int k = 1; k <= 4; ++k) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(k));
    panel->setAutoFillBackground(true);
    panel->setFrameShape(QFrame::Panel);
    auto* innen = new QVBoxLayout(panel);
    innen->setContentsMargins(6, 6, 6, 6);
    auto* bild = new QLabel(panel);
    bild->setPixmap(AnordnungsBild(k));
    innen->addWidget(bild);
    panel->installEventFilter(this);
    bild->installEventFilter(this);
    bild->setProperty("anordnung", k);
    panel->setProperty("anordnung", k);
    raster->addWidget(panel, (k - 1) / 2, (k - 1) % 2);
    panels_[static_cast<std::size_t>(k - 1)] = panel;
  }
  layout->addLayout(raster);
  auto* knoepfe = new QHBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  knoepfe->addStretch();
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  layout->addLayout(knoepfe);
  SetzeStandardKnopf(ok);
  SetzeAbbruchKnopf(abbrechen);
  KnopfErgebnis(abbrechen, mrAbbrechen);
  connect(ok, &QPushButton::clicked, this, [this] { OkKnopfClick(); });
  Faerben();
}

void TFensterOrdForm::BildClick(int k) {
  wahl_ = std::clamp(k, 1, 4);
  Faerben();
}

void TFensterOrdForm::OkKnopfClick() {
  if (wahl_ == standard_.FensterAnordnung) {
    done(mrAbbrechen);
    return;
  }
  standard_.FensterAnordnung = wahl_;
  done(mrOk);
}

void TFensterOrdForm::Faerben() {
  for (int k = 1; k <= 4; ++k) {
    QFrame* panel = panels_[static_cast<std::size_t>(k - 1)];
    QPalette farben = panel->palette();
    farben.setColor(QPalette::Window, k == wahl_ ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    panel->setPalette(farben);
  }
}

bool TFensterOrdForm::eventFilter(QObject* ziel, QEvent* ereignis) {
  if (ereignis->type() == QEvent::MouseButtonPress && ziel->property("anordnung").isValid()) {
    BildClick(ziel->property("anordnung").toInt());
    return true;
  }
  return TKvDialog::eventFilter(ziel, ereignis);
}

}  // namespace kolvar
