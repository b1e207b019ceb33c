// One entry of a pop-up menu built from data (the core fills its own TMenueEintrag).
#pragma once

#include <QString>
#include <functional>

namespace kolvar {

struct TPopupEintrag {
  QString text;
  bool haken = false;
  bool aktiv = true;
  int id = 0;
  std::function<void()> aktion;
  bool trenner = false;

  static TPopupEintrag Trenner() {
    TPopupEintrag e;
    e.trenner = true;
    e.aktiv = false;
    return e;
  }
};

}  // namespace kolvar
