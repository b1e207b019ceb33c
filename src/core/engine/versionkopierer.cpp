#include "engine/versionkopierer.h"

#include <algorithm>

#include "engine/planweit.h"
#include "model/element.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

bool HatPlan(const TElement& e) {
  return e.Art() == TElementArt::Lehrer || e.Art() == TElementArt::Klasse || e.Art() == TElementArt::Raum;
}

bool HatSoll(const TElement& e) {
  return e.Art() == TElementArt::Lehrer || e.Art() == TElementArt::Klasse;
}

// The placements of the course's hours in version v on the school days, in list order.
std::vector<TSetzung*> SetzungenIn(const TKurs& k, int v, int tage) {
  std::vector<TSetzung*> liste;
  for (TSetzung* s : k.Setzungen())
    if (s->Version() == v && s->Tag() >= 1 && s->Tag() <= tage) liste.push_back(s);
  return liste;
}

void Sammle(std::vector<TSetzung*>& liste, TSetzung* s) {
  if (s && std::find(liste.begin(), liste.end(), s) == liste.end()) liste.push_back(s);
}

}  // namespace

TVersionKopierer::TVersionKopierer(TSchule& schule, int von, int zu, bool auchPlaene)
    : schule_(schule), von_(von), zu_(zu), auchPlaene_(auchPlaene) {}

bool TVersionKopierer::Kopiere(TArt art, const std::vector<TElement*>& elemente) {
  const int n = schule_.Standard().mwn();
  // The same version as source and target would lose the lessons before they are read.
  if (von_ == zu_ || von_ < 1 || zu_ < 1 || von_ > n || zu_ > n) return false;
  const TPlanweit planweit(schule_);
  weiter_ = true;
  gefragt_ = false;
  verdraengen_ = true;
  if (art == AlleKurse) {
    for (TLehrer* l : schule_.Lehrer()) l->SetzeSoll(zu_, l->Soll(von_));
    for (TKlasse* k : schule_.Klassen()) k->SetzeSoll(zu_, k->Soll(von_));
    const std::vector<TKurs*> kurse = schule_.Kurse().Elemente();
    if (auchPlaene_) {
      for (TLehrer* l : schule_.Lehrer()) SperrungenKopieren(*l);
      for (TKlasse* k : schule_.Klassen()) SperrungenKopieren(*k);
      for (TRaum* r : schule_.Raeume()) SperrungenKopieren(*r);
      for (TKurs* k : kurse)
        if (weiter_) VersionKollisionPruefen(*k);
    }
    for (TKurs* k : kurse)
      if (weiter_) VersionKursKopieren(*k);
  } else {
    for (TElement* e : elemente) {
      if (!weiter_) break;
      if (HatSoll(*e)) {
        auto* se = static_cast<TSollElement*>(e);
        se->SetzeSoll(zu_, se->Soll(von_));
      }
      const std::vector<TKurs*> kurse = e->Kurse().Elemente();
      if (auchPlaene_) {
        if (HatPlan(*e)) SperrungenKopieren(*static_cast<TPlanElement*>(e));
        // Every kind is checked: a coupling or subject has no plan, yet its lessons displace.
        for (TKurs* k : kurse)
          if (weiter_) VersionKollisionPruefen(*k);
      }
      for (TKurs* k : kurse)
        if (weiter_) VersionKursKopieren(*k);
    }
  }
  schule_.SetzeGeaendert(true);
  return true;
}

void TVersionKopierer::SperrungenKopieren(TPlanElement& e) {
  TWochBereich& sperre = e.Sperrung();
  for (int d = 1; d <= kTage; ++d) sperre.SetzeTag(zu_, d, sperre.Tag(von_, d));
  for (int d = 1; d <= kTage; ++d)
    for (int p = 1; p <= kStunden; ++p)
      if (e.Belegung().Belegt(zu_, d, p)) sperre.SetzeBereich(zu_, d, p, false);
}

void TVersionKopierer::SammleRaum(std::vector<TSetzung*>& liste, const TRaum& r, int d, int p,
                                  const TKurs& ausser) {
  if (!r.Belegung().Belegt(zu_, d, p)) return;
  if (!raumKurseGebaut_) {
    for (const TKurs* k : schule_.Kurse())
      for (const TSetzung* s : k->Setzungen())
        if (s->Raum()) {
          std::vector<const TKurs*>& kurse = raumKurse_[s->Raum()];
          if (kurse.empty() || kurse.back() != k) kurse.push_back(k);
        }
    raumKurseGebaut_ = true;
  }
  const auto it = raumKurse_.find(&r);
  if (it == raumKurse_.end()) return;
  for (const TKurs* k : it->second)
    if (k != &ausser)
      if (TSetzung* s = k->FindeSetzung(zu_, d, p); s && s->Raum() == &r) Sammle(liste, s);
}

std::vector<TSetzung*> TVersionKopierer::Lektionen(const TKurs& k, int d, int p, const TRaum* raum) {
  std::vector<TSetzung*> liste;
  if (k.Lehrer())
    for (const TKurs* a : k.Lehrer()->Kurse())
      if (a != &k) Sammle(liste, a->FindeSetzung(zu_, d, p));
  if (raum) SammleRaum(liste, *raum, d, p, k);
  for (const TKlasse* kl : k.Klassen())
    for (const TKurs* a : kl->Kurse())
      if (a != &k && !(k.Kopplung() && a->Kopplung() == k.Kopplung()))
        Sammle(liste, a->FindeSetzung(zu_, d, p));
  return liste;
}

void TVersionKopierer::Verweigere() {
  if (Verbot) Verbot();
  weiter_ = false;
}

void TVersionKopierer::Frage() {
  if (gefragt_) return;
  gefragt_ = true;
  const int antwort = Problem ? Problem() : 6;
  if (antwort == 2)
    weiter_ = false;
  else
    verdraengen_ = antwort == 6;
}

void TVersionKopierer::VersionKollisionPruefen(TKurs& k) {
  for (const TSetzung* s : SetzungenIn(k, von_, schule_.Standard().mtn)) {
    if (!weiter_) return;
    const int d = s->Tag(), p = s->Stunde();
    TRaum* raum = s->Raum();
    if (k.Sperrung().Belegt(zu_, d, p)) {
      Verweigere();
      return;
    }
    // The course's own fixed hour at the very slot stays and is already what the copy makes.
    if (const TSetzung* eigene = k.FindeSetzung(zu_, d, p); eigene && !eigene->Fixiert()) {
      Frage();
      if (!weiter_) return;
    }
    auto pruefe = [&](const TPlanElement* e, const std::vector<TSetzung*>& lektionen) {
      if (e && e->Sperrung().Belegt(zu_, d, p)) return false;
      return std::none_of(lektionen.begin(), lektionen.end(), [](const TSetzung* l) { return l->Fixiert(); });
    };
    // Teacher, room, then each class, as the user would read the refusal.
    std::vector<TSetzung*> lehrer, raeume;
    if (k.Lehrer())
      for (const TKurs* a : k.Lehrer()->Kurse())
        if (a != &k) Sammle(lehrer, a->FindeSetzung(zu_, d, p));
    if (raum) SammleRaum(raeume, *raum, d, p, k);
    std::vector<std::pair<const TPlanElement*, std::vector<TSetzung*>>> teile{{k.Lehrer(), lehrer},
                                                                              {raum, raeume}};
    for (const TKlasse* kl : k.Klassen()) {
      std::vector<TSetzung*> liste;
      for (const TKurs* a : kl->Kurse())
        if (a != &k && !(k.Kopplung() && a->Kopplung() == k.Kopplung()))
          Sammle(liste, a->FindeSetzung(zu_, d, p));
      teile.emplace_back(kl, std::move(liste));
    }
    for (const auto& [element, lektionen] : teile) {
      if (!pruefe(element, lektionen)) {
        Verweigere();
        return;
      }
      if (!lektionen.empty()) {
        Frage();
        if (!weiter_) return;
      }
    }
  }
}

void TVersionKopierer::VersionKursKopieren(TKurs& k) {
  k.SetzeStunden(zu_, k.Stunden(von_));
  // Fixed hours stay: the check has refused every copy that would need their slot.
  const std::vector<TSetzung*> alle = k.Setzungen().Elemente();
  for (TSetzung* s : alle)
    if (s->Version() == zu_ && !s->Fixiert()) k.EntferneSetzung(s);
  if (!auchPlaene_) return;
  for (const TSetzung* s : SetzungenIn(k, von_, schule_.Standard().mtn)) {
    const int d = s->Tag(), p = s->Stunde();
    TRaum* raum = s->Raum();
    // Locks and fixed lessons are never overridden, whatever the check before said.
    if (k.IstGesperrt(zu_, d, p, raum)) continue;
    const std::vector<TSetzung*> weg = Lektionen(k, d, p, raum);
    if (!weg.empty()) {
      if (!verdraengen_) continue;
      if (std::any_of(weg.begin(), weg.end(), [](const TSetzung* l) { return l->Fixiert(); })) continue;
      for (TSetzung* l : weg) l->Kurs().EntferneSetzung(l);
    }
    k.Setze(zu_, d, raum, p);
  }
  for (int d = 1; d <= kTage; ++d) k.Sperrung().SetzeTag(zu_, d, k.Sperrung().Tag(von_, d));
  for (const TSetzung* s : k.Setzungen())
    if (s->Version() == zu_) k.Sperrung().SetzeBereich(zu_, s->Tag(), s->Stunde(), false);
}

}  // namespace kolvar
