#include "engine/vorgabenkopie.h"

#include <algorithm>

#include "engine/kursbearbeitung.h"
#include "model/element.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/wochbereich.h"

namespace kolvar {

void KopiereKursEinstellungen(TSchule& schule, const std::vector<TKurs*>& kurse, const TKursKopie& k,
                              const TWochBereich& sperrung) {
  if (kurse.empty() || !k.Irgendetwas()) return;
  TSchule::TAktion aktion(schule);
  const TStandard& st = schule.Standard();
  const int von = st.eaw() ? st.AktuelleVersion() : 1;
  const int bis = st.eaw() ? st.AktuelleVersion() : st.mwn();
  for (TKurs* kurs : kurse) {
    if (k.Stunden)
      for (int v = von; v <= bis; ++v)
        kurs->SetzeStunden(v, std::max(k.StundenWert, kurs->GesetzteStunden(v)));
    if (k.Faktor) kurs->SetFaktor(k.FaktorWert);
    if (k.ProTag) kurs->SetzeStundenProTag(k.ProTagWert);
    if (k.Einzel) kurs->SetzeEinzelstunden(k.EinzelWert);
    if (k.Tabelle) kurs->SetzeTabelle(k.TabelleWert);
    // The course editor's rule: clearing the flag leaves no negative hours behind.
    if (k.Verplanen) SetzeNichtVerplanenFlag(*kurs, k.nvp);
    if (k.Zaehlen) {
      kurs->SetzeNichtZaehlenLehrer(k.nzl);
      kurs->SetzeNichtZaehlenKlassen(k.nzk);
    }
    if (k.Sperrung) kurs->UebernimmSperrung(sperrung);
    if (k.Farbe) kurs->SetzeFarbe(k.FarbWert);
    kurs->KursGeaendert();
  }
}

bool GrunddatenKopierbar(bool sperrung, bool sollMoeglich, bool soll) {
  return sperrung || (sollMoeglich && soll);
}

void KopiereGrunddaten(TSchule& schule, const std::vector<TElement*>& elemente, const TWochBereich* sperrung,
                       int32_t soll) {
  if (elemente.empty() || (sperrung == nullptr && soll <= 0)) return;
  TSchule::TAktion aktion(schule);
  for (TElement* e : elemente) {
    if (sperrung != nullptr)
      if (auto* pe = dynamic_cast<TPlanElement*>(e)) {
        pe->UebernimmSperrung(*sperrung);
        pe->AktualisierePlan();
      }
    if (soll > 0)
      if (auto* se = dynamic_cast<TSollElement*>(e)) se->UebernimmSoll(soll);
  }
}

}  // namespace kolvar
