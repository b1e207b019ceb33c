#include "masterdata/farbfeld.h"

namespace kolvar {

TFarbFeld::TFarbFeld(QWidget* eltern) : QFrame(eltern) {
  setFrameShape(QFrame::Box);
  setFixedSize(40, 22);
  setAutoFillBackground(true);
  SetzeFarbe(farbe_);
}

void TFarbFeld::SetzeFarbe(uint32_t farbe) {
  farbe_ = farbe & 0xFFFFFFu;
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(static_cast<int>(farbe_ & 0xFF), static_cast<int>((farbe_ >> 8) & 0xFF),
                                      static_cast<int>((farbe_ >> 16) & 0xFF)));
  setPalette(p);
}

}  // namespace kolvar
