#include "engine/automat.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "engine/planweit.h"
#include "model/ifenster.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

std::vector<TKurs*> KurseDerAuswahl(const IFenster* fenster) {
  if (fenster == nullptr) return {};
  const TFensterArtInfo* art = FensterArtInfo(fenster->Tag());
  if (art == nullptr || !art->AutomatAuswahl) return {};
  return fenster->MarkierteKurse();
}

void TKurs::BerechnePrioritaet() {
  if (prioritaet_ != 0) return;
  // Slots blocked in any version the version rule covers, a day's words at a time.
  int von = 1, bis = 0;
  ergebnis_.Bereich(-1, von, bis);
  int belegt = 0;
  for (int d = 1; d <= kTage; ++d) {
    uint32_t tag = 0;
    for (int v = von; v <= bis; ++v) tag |= ergebnis_.Tag(v, d);
    belegt += ZaehleBits(tag & 0xFFFFu);
  }
  int32_t prio = Stunden(-1) + belegt + 3 * stundenProTag_ + GesetzteStunden(-1);
  if (kopplung_ != nullptr) {
    prio *= 100;
    for (const TKurs* k : kopplung_->Kurse()) prio += 1 + k->Klassen().Anzahl();
  }
  prioritaet_ = prio;
}

TAutomat::TAutomat(TSchule& schule) : schule_(schule), lauf_(schule.Standard()) {
  lauf_.Gesetzt = [this] {
    if (Gesetzt) Gesetzt();
  };
}

int TAutomat::Offen(const TKurs& k) const {
  return std::max(0, k.OffeneStunden(-1));
}

int TAutomat::SummeOffen() const {
  int summe = 0;
  for (const TKurs* k : liste_) summe += Offen(*k);
  return summe;
}

int TAutomat::NochZuSetzen() const {
  return std::clamp(lauf_.NochZuSetzen, 0, gesamt_);
}

int TAutomat::Fortschritt() const {
  return gesamt_ - NochZuSetzen();
}

void TAutomat::NimmPartnerAuf() {
  const std::size_t n = liste_.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TKopplung* ko = liste_[i]->Kopplung();
    if (ko == nullptr) continue;
    for (TKurs* k : ko->Kurse())
      if (!k->NichtVerplanen() && inListe_.insert(k).second) liste_.push_back(k);
  }
}

void TAutomat::SperreSpaeteStunden(TKurs& k) {
  if (letzteStunde_ < 1 || letzteStunde_ >= kStunden) return;
  const uint32_t spaet = 0xFFFFu & ~((1u << letzteStunde_) - 1u);
  auto sperre = [spaet](TKurs& kurs) {
    TWochBereich& e = kurs.Ergebnis();
    int von = 1, bis = 0;
    e.Bereich(-1, von, bis);
    for (int v = von; v <= bis; ++v)
      for (int d = 1; d <= kTage; ++d) e.SetzeTag(v, d, e.Tag(v, d) | spaet);
  };
  if (k.Kopplung() == nullptr) {
    sperre(k);
    return;
  }
  for (TKurs* partner : k.Kopplung()->Kurse()) sperre(*partner);
}

void TAutomat::AutomatVorbereiten(const std::vector<TKurs*>& auswahl) {
  liste_.clear();
  inListe_.clear();
  nichtVerplanbar_.clear();
  halt_ = false;
  for (TKurs* k : auswahl)
    if (k != nullptr && !k->NichtVerplanen() && inListe_.insert(k).second) liste_.push_back(k);
  NimmPartnerAuf();
  SetzReihenfolgeBerechnen();
  gesamt_ = SummeOffen();
  const int apr = std::clamp(schule_.Standard().apr, 5, 100);
  // Without open hours there is no share to cut by; such a run places nothing anyway.
  if (apr < 100 && gesamt_ > 0) {
    int summe = 0;
    std::size_t i = 0;
    for (; i < liste_.size(); ++i) {
      if (100.0 * summe / gesamt_ >= apr) break;
      summe += Offen(*liste_[i]);
    }
    if (i + 1 < liste_.size()) {
      for (std::size_t j = i + 1; j < liste_.size(); ++j) inListe_.erase(liste_[j]);
      liste_.erase(liste_.begin() + static_cast<std::ptrdiff_t>(i + 1), liste_.end());
    }
    NimmPartnerAuf();
    SetzReihenfolgeBerechnen();
    gesamt_ = SummeOffen();
  }
  noch_ = gesamt_;
  lauf_.NochZuSetzen = noch_;
  nichtVerplanbareStunden_ = 0;
}

void TAutomat::SetzReihenfolgeBerechnen() {
  Bewerte(nullptr);
}

void TAutomat::BewerteBetroffene() {
  // Only courses that share a teacher, class or room with an hour placed or taken since the last
  // rating (and their coupling partners) can rate differently now.
  std::unordered_set<const TKurs*> betroffen;
  std::unordered_set<const TElement*> gesehen;
  auto nimm = [&](const TElement* e) {
    if (e == nullptr || !gesehen.insert(e).second) return;
    for (const TKurs* k : e->Kurse()) {
      if (!betroffen.insert(k).second || k->Kopplung() == nullptr) continue;
      for (const TKurs* partner : k->Kopplung()->Kurse()) betroffen.insert(partner);
    }
  };
  for (const TKurs* k : beruehrt_) {
    betroffen.insert(k);
    nimm(k->Lehrer());
    for (const TKlasse* kl : k->Klassen()) nimm(kl);
    for (const TRaum* r : k->Raeume()) nimm(r);
    for (const TSetzung* s : k->Setzungen()) nimm(s->Raum());
  }
  Bewerte(&betroffen);
}

void TAutomat::Bewerte(const std::unordered_set<const TKurs*>* nur) {
  if (Bewertung) Bewertung(true);
  ++bewertungen_;
  beruehrt_.clear();
  for (TKurs* k : liste_)
    if (nur == nullptr || nur->contains(k)) k->SetzePrioritaet(0);
  for (TKurs* k : liste_) {
    if (k->Prioritaet() != 0) continue;
    k->BerechneSperrbereich(true);
    SperreSpaeteStunden(*k);
    k->BerechnePrioritaet();
    // The coupling's grids are final now: computing them again for each partner would give
    // the same grids, so the partners are rated from them at once.
    if (k->Kopplung() != nullptr)
      for (TKurs* partner : k->Kopplung()->Kurse())
        if (partner->Prioritaet() == 0 && inListe_.contains(partner)) partner->BerechnePrioritaet();
  }
  Ordne(nur);
  lauf_.NeuBewerten = false;
  if (Bewertung) Bewertung(false);
}

void TAutomat::Ordne(const std::unordered_set<const TKurs*>* nur) {
  // Equal priorities keep their order, as the bubble sort of old did.
  auto vor = [](const std::pair<TKurs*, std::size_t>& a, const std::pair<TKurs*, std::size_t>& b) {
    if (a.first->Prioritaet() != b.first->Prioritaet()) return a.first->Prioritaet() > b.first->Prioritaet();
    return a.second < b.second;
  };
  std::vector<std::pair<TKurs*, std::size_t>> alt, neu;
  if (nur != nullptr) {
    for (std::size_t i = 0; i < liste_.size(); ++i)
      (nur->contains(liste_[i]) ? neu : alt).emplace_back(liste_[i], i);
  }
  // The others kept their ratings, so they are still in order: only the re-rated ones are
  // sorted and merged in. Should they not be in order, everything is sorted.
  if (nur == nullptr || !std::is_sorted(alt.begin(), alt.end(), vor)) {
    std::stable_sort(liste_.begin(), liste_.end(),
                     [](const TKurs* a, const TKurs* b) { return a->Prioritaet() > b->Prioritaet(); });
    return;
  }
  std::sort(neu.begin(), neu.end(), vor);
  std::vector<std::pair<TKurs*, std::size_t>> alle(liste_.size());
  std::merge(alt.begin(), alt.end(), neu.begin(), neu.end(), alle.begin(), vor);
  for (std::size_t i = 0; i < alle.size(); ++i) liste_[i] = alle[i].first;
}

bool TAutomat::Schritt() {
  if (Fertig()) return false;
  const TPlanweit planweit(schule_);
  if (lauf_.NeuBewerten) BewerteBetroffene();
  TKurs* kopf = liste_.front();
  TKurs* c = kopf;
  c->SetzePrioritaet(0);
  if (TKopplung* ko = c->Kopplung()) {
    // The partner with the most open hours leads; a "nicht verplanen" one never does.
    for (TKurs* k : ko->Kurse()) {
      if (k->NichtVerplanen()) continue;
      k->SetzePrioritaet(0);
      if (k->OffeneStunden(-1) > c->OffeneStunden(-1)) c = k;
    }
  }
  c->BerechneSperrbereich(true);
  SperreSpaeteStunden(*c);
  c->BerechnePrioritaet();

  std::vector<TKurs*> gruppe;
  if (c->Kopplung() == nullptr) {
    gruppe.push_back(c);
  } else {
    for (TKurs* k : c->Kopplung()->Kurse())
      if (inListe_.contains(k)) gruppe.push_back(k);
  }
  if (std::find(gruppe.begin(), gruppe.end(), kopf) == gruppe.end()) gruppe.push_back(kopf);
  int vorher = 0;
  for (const TKurs* k : gruppe) vorher += Offen(*k);

  const TStandard& st = schule_.Standard();
  int von = 1, bis = 0;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  for (int v = von; v <= bis; ++v) {
    const int n = c->Stunden(v) - c->GesetzteStunden(v);
    if (n > 0) AutoKursSetzen(lauf_, *c, v, n);
  }
  if (c->Kopplung() == nullptr) {
    c->VereinheitlicheRaeume();
  } else {
    for (TKurs* k : c->Kopplung()->Kurse()) k->VereinheitlicheRaeume();
  }

  // Every hour placed or taken belongs to the coupling (or the course alone) and the head.
  if (c->Kopplung() == nullptr) {
    beruehrt_.push_back(c);
  } else {
    for (TKurs* k : c->Kopplung()->Kurse()) beruehrt_.push_back(k);
  }
  beruehrt_.push_back(kopf);
  for (TKurs* k : gruppe) {
    const int offen = Offen(*k);
    nichtVerplanbareStunden_ += offen;
    liste_.erase(std::find(liste_.begin(), liste_.end(), k));
    inListe_.erase(k);
    if (offen > 0) nichtVerplanbar_.push_back(k);
  }
  noch_ = std::max(0, noch_ - vorher);
  lauf_.NochZuSetzen = noch_;
  return true;
}

}  // namespace kolvar
