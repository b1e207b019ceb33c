// Pop-up menus built from data entries, broken into columns, replaceable in tests.
#pragma once

#include <QPoint>
#include <vector>

#include "platform/menueeintrag.h"

namespace kolvar {

class IPopupDienst {
 public:
  virtual ~IPopupDienst() = default;
  // Shows the entries at a screen position with columns of the given height (0: one column);
  // entries with sub-items open them as submenus, broken into columns the same way. Returns the
  // chosen entry (and sub-item); index -1 when dismissed.
  virtual TPopupWahl Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                           int spaltenHoehe) = 0;

  // Shows the entries, runs the chosen entry's (or sub-item's) action and returns its id (-1
  // when dismissed).
  int Waehle(const std::vector<TPopupEintrag>& eintraege, const QPoint& global, int spaltenHoehe);
  // The plan views' rule: columns of max(sqrt(n / 3) * 3, 16).
  int WaehleUmbrochen(const std::vector<TPopupEintrag>& eintraege, const QPoint& global);
};

class TQtPopupDienst : public IPopupDienst {
 public:
  TPopupWahl Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                   int spaltenHoehe) override;
};

}  // namespace kolvar
