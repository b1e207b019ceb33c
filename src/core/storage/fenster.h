#pragma once
// One saved window of the school file: kind, caption and place on the screen. The reader hands
// them to the GUI, which reopens them; the GUI hands the open windows to the writer.

#include <string>

namespace kolvar {

struct TFenster {
  int Art = 0;  // the window's kind (Tag)
  std::string Titel;
  int Links = 0;
  int Oben = 0;
  int Breite = 0;
  int Hoehe = 0;
  bool operator==(const TFenster&) const = default;
};

}  // namespace kolvar
