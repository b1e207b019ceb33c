// TEinRandDialog: a print dialog with a left margin only ("linker Rand [cm]"); the frame's other
// three margins are hidden and kept apart from the stored options.
#pragma once

#include <array>

#include "print/druckdialog.h"

namespace kolvar {

class TEinRandDialog : public TDruckDialog {
  Q_OBJECT

 protected:
  TEinRandDialog(TSchule& schule, const QString& caption, TSchrift& schrift, int& rand, QWidget* eltern);

 private:
  std::array<int, 3> ohne_{};
};

}  // namespace kolvar
