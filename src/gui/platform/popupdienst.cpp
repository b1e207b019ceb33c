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

int TSkriptPopupDienst::Zeige(const std::vector<TPopupEintrag>& eintraege, const QPoint& global,
                              int spaltenHoehe) {
  Angebot angebot;
  angebot.ort = global;
  angebot.spaltenHoehe = spaltenHoehe;
  for (const TPopupEintrag& e : eintraege) {
    angebot.texte << e.text;
    angebot.aktiv.push_back(e.aktiv && !e.trenner);
    angebot.haken.push_back(e.haken);
  }
  angebote_.push_back(angebot);
  if (antworten_.empty()) {
    fehler_ << QStringLiteral("unerwartetes Menü: %1").arg(angebot.texte.join(QLatin1Char('|')));
    return -1;
  }
  const Antwort antwort = antworten_.front();
  antworten_.pop_front();
  int index = antwort.index;
  if (!antwort.text.isNull()) index = static_cast<int>(angebot.texte.indexOf(antwort.text));
  if (antwort.text.isNull() && antwort.index < 0) return -1;
  if (index < 0 || index >= static_cast<int>(eintraege.size()) || !angebot.aktiv[index]) {
    fehler_ << QStringLiteral("nicht wählbar: %1")
                   .arg(antwort.text.isNull() ? QString::number(antwort.index) : antwort.text);
    return -1;
  }
  return index;
}

}  // namespace kolvar
