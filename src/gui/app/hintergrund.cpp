#include "app/hintergrund.h"

#include <QGuiApplication>
#include <QScreen>

namespace kolvar {

THintergrund::THintergrund(QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
  setObjectName(QStringLiteral("Hintergrund"));
  setWindowTitle(QStringLiteral("Hintergrund"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setEnabled(false);
  setAutoFillBackground(true);
}

void THintergrund::SetzeFarbe(uint32_t farbe) {
  QPalette farben = palette();
  farben.setColor(QPalette::Window, QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF));
  setPalette(farben);
}

QColor THintergrund::Farbe() const {
  return palette().color(QPalette::Window);
}

void THintergrund::showEvent(QShowEvent* ereignis) {
  // The whole screen but its last row, on every show.
  if (QScreen* bildschirm = QGuiApplication::primaryScreen()) {
    const QRect flaeche = bildschirm->geometry();
    setGeometry(0, 0, flaeche.width(), flaeche.height() - 1);
  }
  QWidget::showEvent(ereignis);
}

}  // namespace kolvar
