// The backdrop behind the program's windows: the whole screen in the colour "efa", shown while
// "hga" is set. It takes no input and stays below every other window.
#pragma once

#include <QWidget>
#include <cstdint>

namespace kolvar {

class THintergrund : public QWidget {
  Q_OBJECT

 public:
  explicit THintergrund(QWidget* eltern = nullptr);
  // Colour in the settings' form 0x00BBGGRR.
  void SetzeFarbe(uint32_t farbe);
  QColor Farbe() const;

 protected:
  void showEvent(QShowEvent* ereignis) override;
};

}  // namespace kolvar
