#include "engine/eckdaten.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/planweit.h"
#include "model/idialoge.h"
#include "model/ipalettezustand.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

TEckdaten TEckdaten::Aus(const TStandard& st) {
  TEckdaten e;
  e.mtn = st.mtn;
  e.vkm = st.vkm;
  e.nkm = st.nkm;
  e.dvs = st.dvs;
  e.mwn = st.mwn();
  e.spz = st.spz;
  e.vtm = st.vtm;
  e.pas = st.pas;
  e.hga = st.hga;
  e.efa = st.efa;
  return e;
}

int HoechsterBenutzterTag(const TSchule& schule) {
  int tag = 5;
  for (const TKurs* k : schule.Kurse())
    for (const TSetzung* s : k->Setzungen()) tag = std::max(tag, s->Tag());
  return std::min(tag, kTage);
}

int LoescheStundenNachTag(TSchule& schule, int letzterTag) {
  TSchule::TAktion aktion(schule);
  // Lessons on days that no longer exist cannot be taken back into a plan.
  const TPlanweit planweit(schule);
  int anzahl = 0;
  const std::vector<TKurs*> kurse = schule.Kurse().Elemente();
  for (TKurs* k : kurse) {
    const std::vector<TSetzung*> setzungen = k->Setzungen().Elemente();
    for (TSetzung* s : setzungen)
      if (s->Tag() > letzterTag) {
        k->EntferneSetzung(s);
        ++anzahl;
      }
  }
  return anzahl;
}

void UebernimmEckdaten(TSchule& schule, const TEckdaten& w) {
  TSchule::TAktion aktion(schule);
  TStandard& st = schule.Standard();
  if (w.mwn > st.mwn())
    schule.ErweiterePlanversionen(w.mwn);
  else if (w.mwn < st.mwn())
    schule.LoeschePlanversionen(w.mwn);
  st.dvs = std::clamp(w.dvs, 1, 100);
  st.vkm = std::clamp(w.vkm, 1, 3);
  st.nkm = std::clamp(w.nkm, 0, 3);
  st.spz = std::clamp(w.spz, 0, 60);
  st.SetVertrVerwahrTage(w.vtm);
  st.SetTageProWoche(w.mtn);
  st.pas = std::clamp(w.pas, 0, 6);
  st.efa = w.efa;
  st.hga = w.hga;
  const int benutzt = HoechsterBenutzterTag(schule);
  if (st.mtn < benutzt) {
    const std::string tage = st.mtn == 6 ? "Sonntag" : "Samstag oder Sonntag";
    if (schule.Dialoge().Frage(TDialog::StundenLoeschen, {tage}) == Modal::Ja)
      LoescheStundenNachTag(schule, st.mtn);
    else
      st.SetTageProWoche(benutzt);
  }
  schule.AktualisiereAlleFenster();
}

}  // namespace kolvar
