// A small panel that shows a colour of the settings (red in the lowest byte).
#pragma once

#include <QFrame>
#include <cstdint>

namespace kolvar {

class TFarbFeld : public QFrame {
  Q_OBJECT

 public:
  explicit TFarbFeld(QWidget* eltern = nullptr);
  void SetzeFarbe(uint32_t farbe);
  uint32_t Farbe() const { return farbe_; }

 private:
  uint32_t farbe_ = 0xFFFFFF;
};

}  // namespace kolvar
