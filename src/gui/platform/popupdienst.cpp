#include "platform/popupdienst.h"

#include "platform/kvform.h"
#include "platform/spaltenmenue.h"

namespace kolvar {

int IPopupDienst::Waehle(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                         int spaltenHoehe) {
  const TFreigabeAufschub aufschub;
  const TPopupWahl wahl = Zeige(eintraege, global, spaltenHoehe);
  auto gueltig = [](const std::vector<TPopupEintrag>& liste, int i) {
    return i >= 0 && i < static_cast<int>(liste.size()) && liste[i].aktiv && !liste[i].trenner;
  };
  if (!gueltig(eintraege, wahl.index)) return -1;
  const TPopupEintrag* eintrag = &eintraege[wahl.index];
  if (!eintrag->unter.empty()) {
    if (!gueltig(eintrag->unter, wahl.unter)) return -1;
    eintrag = &eintrag->unter[wahl.unter];
  } else if (wahl.unter >= 0) {
    return -1;
  }
  if (eintrag->aktion) eintrag->aktion();
  return eintrag->id;
}

int IPopupDienst::WaehleUmbrochen(const std::vector<TPopupEintrag>& eintraege, const QPoint& global) {
  return Waehle(eintraege, global, SpaltenHoehe(static_cast<int>(eintraege.size()), 16));
}

TPopupWahl TQtPopupDienst::Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                                 int spaltenHoehe) {
  if (eintraege.empty()) return {};
  const TFreigabeAufschub aufschub;
  TSpaltenMenue menue;
  menue.SetzeEintraege(eintraege, spaltenHoehe);
  menue.exec(global);
  return {menue.Gewaehlt(), menue.GewaehltUnter()};
}

}  // namespace kolvar
