#include "views/wochenwahl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>

#include "engine/planloescher.h"

namespace kolvar {

namespace {
constexpr int kBreite = 30;
constexpr int kHoehe = 15;
constexpr int kKopfBreite = 24;
constexpr int kKopfHoehe = 18;
const char* const kTagNamen[kTage] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
}  // namespace

TWochenWahl::TWochenWahl(int tage, QWidget* eltern)
    : QWidget(eltern),
      tage_(std::clamp(tage, 1, kTage)),
      band_(new QRubberBand(QRubberBand::Rectangle, this)) {
  setObjectName(QStringLiteral("WochenWahl"));
  setCursor(Qt::CrossCursor);
  setFixedSize(sizeHint());
}

QSize TWochenWahl::sizeHint() const {
  return {kKopfBreite + tage_ * kBreite + 1, kKopfHoehe + kStunden * kHoehe + 1};
}

void TWochenWahl::SetzeAuswahl(const TWoElem& auswahl) {
  auswahl_ = auswahl;
  update();
}

QRect TWochenWahl::ZellRechteck(int tag, int stunde) const {
  return {kKopfBreite + (tag - 1) * kBreite, kKopfHoehe + (stunde - 1) * kHoehe, kBreite, kHoehe};
}

QPoint TWochenWahl::Mitte(int tag, int stunde) const {
  return ZellRechteck(tag, stunde).center();
}

bool TWochenWahl::Zelle(const QPoint& punkt, int& tag, int& stunde) const {
  if (punkt.x() < kKopfBreite || punkt.y() < kKopfHoehe) return false;
  tag = std::clamp((punkt.x() - kKopfBreite) / kBreite + 1, 1, tage_);
  stunde = std::clamp((punkt.y() - kKopfHoehe) / kHoehe + 1, 1, kStunden);
  return true;
}

void TWochenWahl::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), palette().window());
  maler.setPen(palette().color(QPalette::WindowText));
  for (int d = 1; d <= tage_; ++d)
    maler.drawText(QRect(kKopfBreite + (d - 1) * kBreite, 0, kBreite, kKopfHoehe), Qt::AlignCenter,
                   QString::fromLatin1(kTagNamen[d - 1]));
  for (int p = 1; p <= kStunden; ++p)
    maler.drawText(QRect(0, kKopfHoehe + (p - 1) * kHoehe, kKopfBreite - 3, kHoehe),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(p));
  for (int d = 1; d <= tage_; ++d)
    for (int p = 1; p <= kStunden; ++p) {
      const QRect r = ZellRechteck(d, p);
      maler.fillRect(r, auswahl_.Stunde(d, p) ? QColor(Qt::darkBlue) : QColor(Qt::white));
      maler.setPen(Qt::gray);
      maler.drawRect(r);
    }
}

void TWochenWahl::mousePressEvent(QMouseEvent* ereignis) {
  // Only the left button drags; any other press leaves the grid as it is.
  if (ereignis->button() != Qt::LeftButton || !Zelle(ereignis->position().toPoint(), startTag_, startStunde_))
    return;
  zieht_ = true;
  startPunkt_ = ereignis->position().toPoint();
  band_->setGeometry(QRect(startPunkt_, QSize()));
  band_->show();
}

void TWochenWahl::mouseMoveEvent(QMouseEvent* ereignis) {
  if (!zieht_) return;
  band_->setGeometry(QRect(startPunkt_, ereignis->position().toPoint()).normalized());
}

void TWochenWahl::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (!zieht_) return;
  zieht_ = false;
  band_->hide();
  int tag = 0, stunde = 0;
  QPoint punkt = ereignis->position().toPoint();
  punkt.setX(std::max(punkt.x(), kKopfBreite));
  punkt.setY(std::max(punkt.y(), kKopfHoehe));
  Zelle(punkt, tag, stunde);
  TPlanLoescher::WechsleAuswahl(auswahl_, startTag_, startStunde_, tag, stunde);
  update();
  emit Geaendert();
}

}  // namespace kolvar
