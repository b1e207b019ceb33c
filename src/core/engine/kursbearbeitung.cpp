#include "engine/kursbearbeitung.h"

#include <algorithm>

#include "engine/zeitfeld.h"

#include "model/element.h"
#include "model/fach.h"
#include "model/idialoge.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/wochbereich.h"

namespace kolvar {

int VersionsFaktor(const TKurs& k) {
  return k.Schule().Standard().eaw() ? 1 : std::max(1, k.StundenTabelle().Versionen());
}

TStundenSpin StundenSpin(const TKurs& k) {
  const int n = VersionsFaktor(k);
  TStundenSpin spin;
  spin.Schritt = n;
  spin.Max = kMaxKursStunden * n;
  spin.Min = k.NichtVerplanen() ? -kMaxKursStunden * n : k.GesetzteStunden(-1);
  spin.Wert = k.Stunden(-1);
  return spin;
}

bool SpinStundenErlaubt(const TKurs& k, int32_t wert) {
  const TStundenSpin spin = StundenSpin(k);
  if (wert < spin.Min || wert > spin.Max) return false;
  const int32_t jeVersion = wert / spin.Schritt;
  // The sum of the placed hours may fit while one version would keep more placed than it has.
  int von, bis;
  VersionsBereich(k.Schule().Standard().Versionen(), k.StundenTabelle().Versionen(), -1, von, bis);
  if (!k.NichtVerplanen())
    for (int v = von; v <= bis; ++v)
      if (k.GesetzteStunden(v) > jeVersion) return false;
  return true;
}

bool SetzeSpinStunden(TKurs& k, int32_t wert) {
  if (!SpinStundenErlaubt(k, wert)) return false;
  const TStundenSpin spin = StundenSpin(k);
  const int32_t jeVersion = wert / spin.Schritt;
  int von, bis;
  VersionsBereich(k.Schule().Standard().Versionen(), k.StundenTabelle().Versionen(), -1, von, bis);
  bool gleich = true;
  for (int v = von; v <= bis; ++v) gleich = gleich && k.StundenTabelle().Stunden(v) == jeVersion;
  if (!gleich) k.SetzeStunden(-1, jeVersion);
  k.KursGeaendert();
  return true;
}

int EinzelAusBlock(int32_t stunden, int block) {
  if (block <= 1) return stunden;
  return stunden % block;
}

void SetzeBlockLaenge(TKurs& k, int block) {
  block = std::clamp(block, 1, 16);
  k.SetzeStundenProTag(block);
  const int32_t h = k.Stunden(-1) / VersionsFaktor(k);
  if (h > 0) k.SetzeEinzelstunden(std::clamp(EinzelAusBlock(h, block), 0, 7));
  k.KursGeaendert();
}

void SetzeEinzelne(TKurs& k, int n) {
  k.SetzeEinzelstunden(std::clamp(n, 0, 7));
  k.KursGeaendert();
}

void SetzeKursTabelle(TKurs& k, int n) {
  k.SetzeTabelle(std::clamp(n, 1, 4));
  k.KursGeaendert();
}

void SetzeKursFaktor(TKurs& k, int32_t f) {
  k.SetFaktor(std::clamp<int32_t>(f, 0, 10000));
  k.KursGeaendert();
}

void SetzeKursNichtZaehlenLehrer(TKurs& k, bool an) {
  k.SetzeNichtZaehlenLehrer(an);
  k.KursGeaendert();
}

void SetzeKursNichtZaehlenKlassen(TKurs& k, bool an) {
  k.SetzeNichtZaehlenKlassen(an);
  k.KursGeaendert();
}

void SetzeKursInfo(TKurs& k, std::string_view text) {
  k.SetzeInfo(text);
  k.KursGeaendert();
}

void SetzeKursFarbe(TKurs& k, uint32_t farbe) {
  k.SetzeFarbe(farbe);
  k.KursGeaendert();
}

bool NichtVerplanenAenderbar(const TKurs& k) {
  return k.Setzungen().Leer();
}

bool SetzeNichtVerplanenFlag(TKurs& k, bool an) {
  if (!NichtVerplanenAenderbar(k)) return false;
  k.SetzeNichtVerplanen(an);
  // Negative hours mean something only to a course that is never placed; the hours are part of
  // the sort keys, so the zeroing puts the course at its place again.
  if (!an && k.HatNegativeStunden()) k.NegativeStundenNull();
  k.KursGeaendert();
  return true;
}

std::string KursWertText(const TKurs& k) {
  return FormatiereStunden(int64_t{k.Stunden(-1)} * k.Faktor(), k.Schule().Standard());
}

bool BrauchtLeerePlaene(TKursFeld feld) {
  return feld == TKursFeld::Lehrer || feld == TKursFeld::Klassen || feld == TKursFeld::Kopplung;
}

namespace {

template <typename T>
T* Als(TElement* e, TElementArt art) {
  return e != nullptr && e->Art() == art ? static_cast<T*>(e) : nullptr;
}

}  // namespace

bool UebernimmElement(TKurs& k, TKursFeld feld, TElement* e) {
  switch (feld) {
    case TKursFeld::Lehrer: {
      auto* l = Als<TLehrer>(e, TElementArt::Lehrer);
      if (l == nullptr || l == k.Lehrer() || !k.FrageVerplant()) return false;
      k.SetzeLehrer(l);
      return true;
    }
    case TKursFeld::Klassen: {
      auto* kl = Als<TKlasse>(e, TElementArt::Klasse);
      if (kl == nullptr || k.Klassen().Position(kl) != 0 || !k.FrageVerplant()) return false;
      k.FuegeKlasseHinzu(kl);
      return true;
    }
    case TKursFeld::Kopplung: {
      auto* ko = Als<TKopplung>(e, TElementArt::Kopplung);
      if (ko == nullptr || ko == k.Kopplung() || !k.FrageVerplant()) return false;
      k.SetzeKopplung(ko);
      return true;
    }
    case TKursFeld::Fach: {
      auto* f = Als<TFach>(e, TElementArt::Fach);
      if (f == nullptr || f == k.Fach()) return false;
      k.SetzeFach(f);
      return true;
    }
    case TKursFeld::Raeume: {
      auto* r = Als<TRaum>(e, TElementArt::Raum);
      if (r == nullptr || k.Raeume().Position(r) != 0) return false;
      k.FuegeRaumHinzu(r, false);
      return true;
    }
    default:
      return false;
  }
}

bool EntferneAusKurs(TKurs& k, TKursFeld feld, TElement* e) {
  switch (feld) {
    case TKursFeld::Lehrer:
      if (k.Lehrer() == nullptr || !k.FrageVerplant()) return false;
      k.LoeseLehrer();
      return true;
    case TKursFeld::Fach:
      if (k.Fach() == nullptr) return false;
      k.LoeseFach();
      return true;
    case TKursFeld::Kopplung:
      if (k.Kopplung() == nullptr || !k.FrageVerplant()) return false;
      k.LoeseKopplung();
      return true;
    case TKursFeld::Klassen: {
      auto* kl = Als<TKlasse>(e, TElementArt::Klasse);
      if (kl == nullptr || k.Klassen().Position(kl) == 0 || !k.FrageVerplant()) return false;
      k.EntferneKlasse(kl);
      return true;
    }
    case TKursFeld::Raeume: {
      auto* r = Als<TRaum>(e, TElementArt::Raum);
      if (r == nullptr || k.Raeume().Position(r) == 0 || !k.FrageRaumEntfernen(r)) return false;
      k.EntferneRaum(r);
      return true;
    }
    default:
      return false;
  }
}

bool EntferneAlle(TKurs& k, TKursFeld feld) {
  if (feld == TKursFeld::Klassen) {
    if (k.Klassen().Leer() || !k.FrageVerplant()) return false;
    while (!k.Klassen().Leer()) k.EntferneKlasse(k.Klassen().Hole(1));
    return true;
  }
  if (feld != TKursFeld::Raeume) return EntferneAusKurs(k, feld, nullptr);
  bool geaendert = false;
  // A room whose question was answered "Nein" stays; the next one is asked all the same.
  for (TRaum* r : k.Raeume().Elemente())
    if (k.FrageRaumEntfernen(r)) {
      k.EntferneRaum(r);
      geaendert = true;
    }
  return geaendert;
}

bool ErgaenzeAus(TKurs& ziel, const TKurs& quelle, TKursFeld feld) {
  if (&ziel == &quelle) return false;
  std::vector<TElement*> elemente;
  if (feld == TKursFeld::Klassen)
    for (TKlasse* kl : quelle.Klassen()) elemente.push_back(kl);
  else if (feld == TKursFeld::Raeume)
    for (TRaum* r : quelle.Raeume()) elemente.push_back(r);
  bool geaendert = false;
  for (TElement* e : elemente) geaendert = UebernimmElement(ziel, feld, e) || geaendert;
  return geaendert;
}

bool UebernimmFeldAus(TKurs& ziel, const TKurs& quelle, TKursFeld feld) {
  switch (feld) {
    case TKursFeld::Klassen:
    case TKursFeld::Raeume:
      ErgaenzeAus(ziel, quelle, feld);
      break;
    case TKursFeld::Info:
      ziel.SetzeInfo(quelle.Info());
      break;
    default:
      return false;
  }
  ziel.KursGeaendert();
  return true;
}

TKurs* NeuerKursMitVorgaben(TSchule& s, TLehrer* lehrer, TKlasse* klasse, TFach* fach) {
  TRaum* raum = klasse != nullptr ? klasse->Raum() : nullptr;
  if (raum == nullptr && lehrer != nullptr) raum = lehrer->Raum();
  TSchule::TAktion aktion(s);
  return s.ErzeugeKurs(lehrer, klasse, nullptr, fach, raum, s.Standard().kst);
}

int LoescheKurseNachFrage(TSchule& s, const std::vector<TKurs*>& kurse) {
  TSchule::TAktion aktion(s);
  std::vector<TKurs*> gefragt, weg;
  for (TKurs* k : kurse) {
    // A course in several marked cells is asked for once.
    if (k == nullptr || std::find(gefragt.begin(), gefragt.end(), k) != gefragt.end()) continue;
    gefragt.push_back(k);
    if (k->FrageVerplant()) weg.push_back(k);
  }
  // Each deletion takes the course out of every window first.
  for (TKurs* k : weg) s.LoescheKurs(k);
  return static_cast<int>(weg.size());
}

bool LoescheStundeNachFrage(TKurs& k, int tag, int stunde) {
  TSchule& s = k.Schule();
  const int v = s.Standard().AktuelleVersion();
  bool mitKopplung = false;
  if (const TKopplung* ko = k.Kopplung()) {
    std::vector<std::string> texte{ZeitFeldText(s.Standard(), tag, stunde), k.TextMitRaum(v, tag, stunde)};
    for (const TKurs* partner : ko->Kurse())
      if (partner->Belegung().Belegt(v, tag, stunde)) texte.push_back(partner->TextMitRaum(v, tag, stunde));
    const int antwort = s.Dialoge().Frage(TDialog::KursLoeschen, texte);
    if (antwort != Modal::Ja && antwort != Modal::Ok) return false;
    mitKopplung = antwort == Modal::Ok;
  }
  TSchule::TAktion aktion(s);
  k.EntferneStunde(-1, tag, stunde, mitKopplung);
  return true;
}

bool TauscheRaumZeilen(TKurs& k, int a, int b) {
  const int n = k.Raeume().Anzahl();
  if (a == b || a < 1 || b < 1 || a > n || b > n) return false;
  k.TauscheRaumFolge(a, b);
  k.KursGeaendert();
  return true;
}

TKurs* NaechsterKurs(const std::vector<TKurs*>& liste, const TKurs* von, bool vorwaerts) {
  const auto it = std::find(liste.begin(), liste.end(), von);
  if (it == liste.end()) return nullptr;
  const auto n = static_cast<long>(liste.size());
  const long i = ((it - liste.begin()) + (vorwaerts ? 1 : -1) + n) % n;
  return liste[static_cast<std::size_t>(i)];
}

}  // namespace kolvar
