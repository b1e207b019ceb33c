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
constexpr int kMinKopfBreite = 24;
constexpr int kKopfHoehe = 18;
const char* const kTagNamen[kTage] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
}  // namespace

TWochenWahl::TWochenWahl(int tage, QWidget* eltern)
    : QWidget(eltern),
      tage_(std::clamp(tage, 1, kTage)),
      kopfBreite_(kMinKopfBreite),
      band_(new QRubberBand(QRubberBand::Rectangle, this)) {
  for (int d = 1; d <= kTage; ++d) tagTexte_ << QString::fromLatin1(kTagNamen[d - 1]);
  for (int p = 1; p <= kStunden; ++p) stundenTexte_ << QString::number(p);
  setObjectName(QStringLiteral("WochenWahl"));
  setCursor(Qt::CrossCursor);
  setFixedSize(sizeHint());
}

void TWochenWahl::SetzeKoepfe(const QStringList& tage, const QStringList& stunden) {
  for (int i = 0; i < std::min<int>(kTage, tage.size()); ++i) tagTexte_[i] = tage[i];
  for (int i = 0; i < std::min<int>(kStunden, stunden.size()); ++i) stundenTexte_[i] = stunden[i];
  // The period column grows to its widest label, so no label is cut.
  int breite = kMinKopfBreite;
  for (const QString& text : stundenTexte_)
    breite = std::max(breite, fontMetrics().horizontalAdvance(text) + 6);
  kopfBreite_ = breite;
  setFixedSize(sizeHint());
  update();
}

QSize TWochenWahl::sizeHint() const {
  return {kopfBreite_ + tage_ * kBreite + 1, kKopfHoehe + kStunden * kHoehe + 1};
}

void TWochenWahl::SetzeAuswahl(const TWoElem& auswahl) {
  auswahl_ = auswahl;
  update();
}

QRect TWochenWahl::ZellRechteck(int tag, int stunde) const {
  return {kopfBreite_ + (tag - 1) * kBreite, kKopfHoehe + (stunde - 1) * kHoehe, kBreite, kHoehe};
}

QPoint TWochenWahl::Mitte(int tag, int stunde) const {
  return ZellRechteck(tag, stunde).center();
}

bool TWochenWahl::Zelle(const QPoint& punkt, int& tag, int& stunde) const {
  if (punkt.x() < kopfBreite_ || punkt.y() < kKopfHoehe) return false;
  tag = std::clamp((punkt.x() - kopfBreite_) / kBreite + 1, 1, tage_);
  stunde = std::clamp((punkt.y() - kKopfHoehe) / kHoehe + 1, 1, kStunden);
  return true;
}

void TWochenWahl::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), palette().window());
  maler.setPen(palette().color(QPalette::WindowText));
  for (int d = 1; d <= tage_; ++d)
    maler.drawText(QRect(kopfBreite_ + (d - 1) * kBreite, 0, kBreite, kKopfHoehe), Qt::AlignCenter,
                   tagTexte_[d - 1]);
  for (int p = 1; p <= kStunden; ++p)
    maler.drawText(QRect(0, kKopfHoehe + (p - 1) * kHoehe, kopfBreite_ - 3, kHoehe),
                   Qt::AlignRight | Qt::AlignVCenter, stundenTexte_[p - 1]);
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
  punkt.setX(std::max(punkt.x(), kopfBreite_));
  punkt.setY(std::max(punkt.y(), kKopfHoehe));
  Zelle(punkt, tag, stunde);
  TPlanLoescher::WechsleAuswahl(auswahl_, startTag_, startStunde_, tag, stunde);
  update();
  emit Geaendert();
}

}  // namespace kolvar
