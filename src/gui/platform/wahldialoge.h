// The colour and font choosers of the settings dialogs, behind one replaceable service so that
// tests answer them. The colour chooser keeps the settings' 16 custom colours: they go into the
// dialog and come back from it even when the user cancels.
#pragma once

#include <array>
#include <cstdint>

#include "model/optionen.h"

class QWidget;

namespace kolvar {

using TEigeneFarben = std::array<std::uint32_t, 16>;

class IWahlDialoge {
 public:
  virtual ~IWahlDialoge() = default;
  // Starts at farbe (red in the lowest byte); true and the colour when confirmed.
  virtual bool WaehleFarbe(std::uint32_t& farbe, TEigeneFarben& eigene, QWidget* eltern) = 0;
  // Starts at the font; true and the font (size within 6..24) when confirmed.
  virtual bool WaehleSchrift(TSchrift& schrift, QWidget* eltern) = 0;
};

class TWahlDialoge {
 public:
  static IWahlDialoge& Dienst();
  // Not owned; null puts the Qt dialogs back.
  static void SetzeDienst(IWahlDialoge* dienst);
};

}  // namespace kolvar
