// One entry of a pop-up menu built from data (the core fills its own TMenueEintrag).
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace kolvar {

struct TPopupEintrag {
  QString text;
  bool haken = false;
  bool aktiv = true;
  int id = 0;
  std::function<void()> aktion;
  bool trenner = false;
  // Shown as a submenu; an entry with sub-items is not chosen itself.
  std::vector<TPopupEintrag> unter;

  static TPopupEintrag Trenner() {
    TPopupEintrag e;
    e.trenner = true;
    e.aktiv = false;
    return e;
  }
};

// What was chosen in a pop-up: the entry, and the sub-item for an entry that has them.
struct TPopupWahl {
  int index = -1;  // -1: dismissed
  int unter = -1;

  bool operator==(const TPopupWahl&) const = default;
};

}  // namespace kolvar
