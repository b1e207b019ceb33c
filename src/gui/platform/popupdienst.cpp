#include "platform/popupdienst.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

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
  // A click on a button while the pop-up was open (a palette button such as "-K") closes the
  // pop-up and still clicks the button, once the caller of the pop-up is done.
  if (menue.Gewaehlt() < 0 && menue.SchliessOrt()) {
    auto* knopf = qobject_cast<QAbstractButton*>(QApplication::widgetAt(*menue.SchliessOrt()));
    if (knopf != nullptr && knopf->isEnabled() && knopf->isVisible())
      QTimer::singleShot(0, knopf, &QAbstractButton::click);
  }
  return {menue.Gewaehlt(), menue.GewaehltUnter()};
}

}  // namespace kolvar
