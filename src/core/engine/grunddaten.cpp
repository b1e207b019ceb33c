#include "engine/grunddaten.h"

#include <algorithm>

#include "engine/kursbearbeitung.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uvtab.h"

namespace kolvar {

std::optional<int32_t> KursStundenSchritt(const TKurs& kurs, bool hoch) {
  // The course editor's hours box and the class editor's spinner follow one rule.
  const TStundenSpin spin = StundenSpin(kurs);
  const int32_t neu = spin.Wert + (hoch ? spin.Schritt : -spin.Schritt);
  if (!SpinStundenErlaubt(kurs, neu)) return std::nullopt;
  return neu / spin.Schritt;
}

bool SchritteKursStunden(TKurs& kurs, bool hoch) {
  const std::optional<int32_t> neu = KursStundenSchritt(kurs, hoch);
  if (!neu) return false;
  TSchule::TAktion aktion(kurs.Schule());
  kurs.SetzeStunden(-1, *neu);
  kurs.KursGeaendert();
  return true;
}

bool UebernahmeErlaubt(const TKlasse& ziel) {
  return !ziel.HatVerplanteKurse();
}

namespace {

TKurs* Kopiere(TKlasse& ziel, TKlasse& quelle, const TKurs& k, bool klassenraum) {
  TSchule& schule = ziel.Schule();
  const int32_t stunden = k.Stunden(schule.Standard().AktuelleVersion());
  TKurs* kopie = schule.ErzeugeKurs(nullptr, &ziel, nullptr, k.Fach(), nullptr, stunden);
  for (TKlasse* andere : k.Klassen())
    if (andere != &quelle) kopie->FuegeKlasseHinzu(andere);
  for (TRaum* r : k.Raeume()) {
    TRaum* raum = r;
    if (klassenraum && r == quelle.Raum()) raum = ziel.Raum();
    if (raum != nullptr) kopie->FuegeRaumHinzu(raum, false);
  }
  for (int v = 1; v <= k.Sperrung().Versionen(); ++v)
    if (const TWoElem* w = k.Sperrung().Woche(v)) kopie->Sperrung().SetzeWoche(v, *w);
  kopie->SetzeNichtVerplanen(k.NichtVerplanen());
  kopie->SetzeNichtZaehlenLehrer(k.NichtZaehlenLehrer());
  kopie->SetzeNichtZaehlenKlassen(k.NichtZaehlenKlassen());
  kopie->SetzeStundenProTag(k.StundenProTag());
  kopie->SetzeEinzelstunden(k.Einzelstunden());
  kopie->SetzeTabelle(k.Tabelle());
  return kopie;
}

}  // namespace

bool UebernimmKurse(TKlasse& ziel, TKlasse& quelle, TKopplungsUebernahme modus, bool klassenraum) {
  if (&ziel == &quelle || !UebernahmeErlaubt(ziel)) return false;
  TSchule& schule = ziel.Schule();
  TSchule::TAktion aktion(schule);
  // Copies: the lists change while they are walked.
  const std::vector<TKurs*> alte = ziel.Kurse().Elemente();
  const std::vector<TKurs*> neue = quelle.Kurse().Elemente();
  for (TKurs* k : alte) {
    if (k->Klassen().Anzahl() == 1)
      schule.LoescheKurs(k);
    else
      k->EntferneKlasse(&ziel);
  }
  for (TKurs* k : neue) {
    if (k->Kopplung() != nullptr && modus == TKopplungsUebernahme::Ohne) continue;
    if (k->Kopplung() != nullptr && modus == TKopplungsUebernahme::Ergaenzen) {
      // Its placements go into the target's plan as well (the target has none of its own).
      k->FuegeKlasseHinzu(&ziel);
      continue;
    }
    Kopiere(ziel, quelle, *k, klassenraum);
  }
  ziel.Aktualisiere();
  return true;
}

bool WaehleKlassenlehrer(TKlasse& klasse, int nummer, bool gewaehlt, TLehrer* lehrer) {
  if (!gewaehlt) return false;
  if ((nummer == 1 ? klasse.Lehrer1() : klasse.Lehrer2()) == lehrer) return false;
  if (nummer == 1)
    klasse.SetzeLehrer1(lehrer);
  else
    klasse.SetzeLehrer2(lehrer);
  return true;
}

namespace {

template <class Element>
void Heimraum(Element& e, TRaum* neu, TRaumAntwort antwort) {
  if (antwort == TRaumAntwort::Abbrechen) return;
  TSchule::TAktion aktion(e.Schule());
  if (antwort == TRaumAntwort::Ja && neu != nullptr) e.SetzeRaumInKursen(neu);
  e.SetzeRaum(neu);
  e.ZeigeWerte();
}

}  // namespace

void WechsleHeimraum(TKlasse& klasse, TRaum* neu, TRaumAntwort antwort) {
  Heimraum(klasse, neu, antwort);
}

void WechsleHeimraum(TLehrer& lehrer, TRaum* neu, TRaumAntwort antwort) {
  Heimraum(lehrer, neu, antwort);
}

TUVSeite UVSeite(uint8_t ausrichtung, bool rechts) {
  if (ausrichtung == 1)
    return rechts ? TUVSeite{TElementArt::Fach, "Fächer", "Neues Fach"}
                  : TUVSeite{TElementArt::Klasse, "Klassen", "Neue Klasse"};
  return rechts ? TUVSeite{TElementArt::Klasse, "Klassen", "Neue Klasse"}
                : TUVSeite{TElementArt::Lehrer, "Lehrer", "Neuer Lehrer"};
}

namespace {

template <class T>
std::vector<TElement*> Liste(const TListe<T>& l) {
  std::vector<TElement*> v;
  for (T* e : l) v.push_back(e);
  return v;
}

}  // namespace

std::vector<TElement*> UVElemente(const TUVTab& tabelle, TElementArt art) {
  switch (art) {
    case TElementArt::Lehrer:
      return Liste(tabelle.Lehrer());
    case TElementArt::Klasse:
      return Liste(tabelle.Klassen());
    case TElementArt::Fach:
      return Liste(tabelle.Faecher());
    default:
      return {};
  }
}

void WechsleUVAusrichtung(TUVTab& tabelle, uint8_t ausrichtung) {
  if (tabelle.Ausrichtung() == ausrichtung) return;
  TSchule::TAktion aktion(tabelle.Schule());
  tabelle.SetzeArt(ausrichtung);
  tabelle.ZeigeWerte();
}

bool UVFuegeHinzu(TUVTab& tabelle, TElement* e) {
  if (e == nullptr) return false;
  const std::vector<TElement*> da = UVElemente(tabelle, e->Art());
  if (std::find(da.begin(), da.end(), e) != da.end()) return false;
  switch (e->Art()) {
    case TElementArt::Lehrer:
      tabelle.FuegeLehrerHinzu(static_cast<TLehrer*>(e));
      return true;
    case TElementArt::Klasse:
      tabelle.FuegeKlasseHinzu(static_cast<TKlasse*>(e));
      return true;
    case TElementArt::Fach:
      tabelle.FuegeFachHinzu(static_cast<TFach*>(e));
      return true;
    default:
      return false;
  }
}

void UVEntferne(TUVTab& tabelle, TElement* e) {
  if (e == nullptr) return;
  switch (e->Art()) {
    case TElementArt::Lehrer:
      tabelle.EntferneLehrer(static_cast<TLehrer*>(e));
      break;
    case TElementArt::Klasse:
      tabelle.EntferneKlasse(static_cast<TKlasse*>(e));
      break;
    case TElementArt::Fach:
      tabelle.EntferneFach(static_cast<TFach*>(e));
      break;
    default:
      break;
  }
}

}  // namespace kolvar
