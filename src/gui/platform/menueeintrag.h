// One entry of a pop-up menu built from data.
#pragma once

#include <QString>
#include <functional>

namespace kolvar {

struct TMenueEintrag {
  QString text;
  bool haken = false;
  bool aktiv = true;
  int id = 0;
  std::function<void()> aktion;
  bool trenner = false;

  static TMenueEintrag Trenner() {
    TMenueEintrag e;
    e.trenner = true;
    e.aktiv = false;
    return e;
  }
};

}  // namespace kolvar
