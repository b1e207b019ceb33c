#include "platform/popupdienst.h"

#include "platform/spaltenmenue.h"

namespace kolvar {

int IPopupDienst::Waehle(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                         int spaltenHoehe) {
  const int index = Zeige(eintraege, global, spaltenHoehe);
  if (index < 0 || index >= static_cast<int>(eintraege.size())) return -1;
  const TPopupEintrag& eintrag = eintraege[index];
  if (!eintrag.aktiv || eintrag.trenner) return -1;
  if (eintrag.aktion) eintrag.aktion();
  return eintrag.id;
}

int IPopupDienst::WaehleUmbrochen(const std::vector<TPopupEintrag>& eintraege, const QPoint& global) {
  return Waehle(eintraege, global, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
}

int TQtPopupDienst::Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                          int spaltenHoehe) {
  if (eintraege.empty()) return -1;
  TSpaltenMenue menue;
  menue.SetzeEintraege(eintraege, spaltenHoehe);
  menue.exec(global);
  return menue.Gewaehlt();
}

}  // namespace kolvar
