// Free slots of a course (its blocked-slot grid), the room of an hour and room exchanges.

#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>
#include <vector>

#include "engine/raumsuche.h"
#include "engine/zeitfeld.h"
#include "model/idialoge.h"
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

namespace {

constexpr uint32_t kGanzerTag = 0xFFFF;

bool RaumFrei(const TRaum& r, int v, int d, int p) {
  return !r.Sperrung().Belegt(v, d, p) && !r.Belegung().Belegt(v, d, p);
}

}  // namespace

// The rooms of a coupling during one rating: each distinct room once, every course's rooms as
// indices into that pool, the free periods of a day read once, and the answer of each slot
// kept, since every member asks the same question there. One object serves rating after
// rating (Beginne), so its buffers are not made anew for every course.
struct TKurs::TKopplungsRaeume {
  // Forgets the previous coupling's rooms and answers.
  void Beginne(const TKopplung& ko, int version) {
    kopplung = &ko;
    v = version;
    gebaut = false;
    pool.clear();
    ids.clear();
    anfang.clear();
    ohneRaum.clear();
    masken.clear();
    alleRaeume = 0;
    frei.clear();
    tagGelesen.fill(false);
    gefragt.fill(0);
    verteilbar.fill(0);
  }

  // Of the periods in frei (bit p - 1 for period p), those of day d where the coupling's
  // courses cannot all have distinct free rooms (courses without rooms need none). An obvious
  // assignment is tried before the full matching.
  uint32_t Blockiert(int d, uint32_t freieStunden) {
    const auto t = static_cast<std::size_t>(d - 1);
    uint32_t neu = freieStunden & ~gefragt[t];
    if (neu != 0) {
      if (!gebaut) Baue();
      const uint32_t* freiAmTag = FreiAm(d);
      for (; neu != 0; neu &= neu - 1) {
        const uint32_t bit = neu & (~neu + 1);
        const bool ja = pool.size() > 64 ? Gierig(freiAmTag, bit) || Zuordnung(freiAmTag, bit)
                                         : MitMasken(freiAmTag, bit);
        if (ja) verteilbar[t] |= bit;
        gefragt[t] |= bit;
      }
    }
    return freieStunden & ~verteilbar[t];
  }

 private:
  // With at most 64 rooms each course's rooms are one word: a room too few for the courses
  // that need one, or a course without a free room, answers at once.
  bool MitMasken(const uint32_t* freiAmTag, uint32_t bit) {
    uint64_t frei = 0;
    for (std::size_t i = 0; i < pool.size(); ++i)
      if (freiAmTag[i] & bit) frei |= uint64_t{1} << i;
    if (ZaehleBits(alleRaeume & frei) < static_cast<int>(masken.size())) return false;
    uint64_t genommen = 0;
    bool gierig = true;
    for (const uint64_t m : masken) {
      const uint64_t f = m & frei;
      if (f == 0) return false;
      const uint64_t rest = f & ~genommen;
      if (rest == 0) {
        gierig = false;
        continue;
      }
      genommen |= rest & (~rest + 1);
    }
    return gierig || Zuordnung(freiAmTag, bit);
  }

  // Each course its first free room not yet taken.
  bool Gierig(const uint32_t* freiAmTag, uint32_t bit) {
    vergeben.assign(pool.size(), 0);
    for (std::size_t i = 0; i < ohneRaum.size(); ++i) {
      if (ohneRaum[i]) continue;
      bool bedient = false;
      for (const int id : RaeumeVon(i)) {
        const auto r = static_cast<std::size_t>(id);
        if ((freiAmTag[r] & bit) == 0 || vergeben[r]) continue;
        vergeben[r] = 1;
        bedient = true;
        break;
      }
      if (!bedient) return false;
    }
    return true;
  }

  std::span<const int> RaeumeVon(std::size_t i) const {
    return std::span<const int>(ids).subspan(anfang[i], anfang[i + 1] - anfang[i]);
  }

  void Baue() {
    gebaut = true;
    // A few rooms are found faster by looking than by hashing; many need the map.
    std::unordered_map<const TRaum*, int> index;
    auto id = [&](const TRaum* r) {
      if (index.empty()) {
        const auto it = std::find(pool.begin(), pool.end(), r);
        if (it != pool.end()) return static_cast<int>(it - pool.begin());
      } else if (const auto it = index.find(r); it != index.end()) {
        return it->second;
      }
      pool.push_back(r);
      if (pool.size() > 64 && index.empty())
        for (std::size_t i = 0; i < pool.size(); ++i) index.emplace(pool[i], static_cast<int>(i));
      else if (!index.empty())
        index.emplace(r, static_cast<int>(pool.size() - 1));
      return static_cast<int>(pool.size() - 1);
    };
    anfang.push_back(0);
    const std::vector<TRaum*>* vorige = nullptr;
    for (const TKurs* k : kopplung->Kurse()) {
      const std::vector<TRaum*>& eigene = k->raeume_.Elemente();
      ohneRaum.push_back(eigene.empty() ? 1 : 0);
      // Courses of a coupling often list the same rooms: their ids are copied, not looked up.
      if (vorige != nullptr && *vorige == eigene) {
        const std::size_t von = anfang[anfang.size() - 2];
        for (std::size_t j = 0; j < eigene.size(); ++j) ids.push_back(ids[von + j]);
      } else {
        for (const TRaum* r : eigene) ids.push_back(id(r));
      }
      anfang.push_back(ids.size());
      vorige = &eigene;
    }
    if (pool.size() > 64) return;
    for (std::size_t i = 0; i < ohneRaum.size(); ++i) {
      if (ohneRaum[i]) continue;
      uint64_t m = 0;
      for (const int r : RaeumeVon(i)) m |= uint64_t{1} << r;
      masken.push_back(m);
      alleRaeume |= m;
    }
  }

  // The full matching, for when the obvious assignment left a course without a room.
  bool Zuordnung(const uint32_t* freiAmTag, uint32_t bit) {
    const std::size_t n = ohneRaum.size();
    if (wuensche.size() < n) wuensche.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
      TRaumSuche::TWunsch& w = wuensche[i];
      w.Raeume.clear();
      w.OhneRaum = ohneRaum[i] != 0;
      for (const int id : RaeumeVon(i))
        if (freiAmTag[static_cast<std::size_t>(id)] & bit) w.Raeume.push_back(id);
      if (!w.OhneRaum && w.Raeume.empty()) return false;
    }
    return suche.Verteilbar(wuensche, n);
  }

  const uint32_t* FreiAm(int d) {
    const std::size_t m = pool.size();
    if (frei.empty()) frei.assign(m * kTage, 0);
    const auto tag = static_cast<std::size_t>(d - 1);
    if (!tagGelesen[tag]) {
      tagGelesen[tag] = true;
      for (std::size_t i = 0; i < m; ++i)
        frei[tag * m + i] = ~(pool[i]->Belegung().Tag(v, d) | pool[i]->Sperrung().Tag(v, d)) & kGanzerTag;
    }
    return frei.data() + tag * m;
  }

  const TKopplung* kopplung = nullptr;
  int v = 0;
  bool gebaut = false;
  std::vector<const TRaum*> pool;
  // Course i's rooms are ids[anfang[i] .. anfang[i + 1]).
  std::vector<int> ids;
  std::vector<std::size_t> anfang;
  std::vector<char> ohneRaum;
  std::vector<uint64_t> masken;  // the rooms of each course that needs one, at most 64 in all
  uint64_t alleRaeume = 0;
  std::vector<uint32_t> frei;  // per day, per pool room: its free periods
  std::array<bool, kTage> tagGelesen{};
  // Per day: the periods already asked, and those of them with rooms for everyone.
  std::array<uint32_t, kTage> gefragt{};
  std::array<uint32_t, kTage> verteilbar{};
  std::vector<TRaumSuche::TWunsch> wuensche;
  std::vector<char> vergeben;
  TRaumSuche suche;
};

void TKurs::EigenerSperrbereich(TKopplungsRaeume* raeume) {
  if (prioritaet_ != 0) return;
  const TStandard& st = Schule().Standard();
  // Only the versions the version rule covers are asked for; with one version in use, the
  // grids of the others would be work nobody reads.
  int von = 1, bis = 0;
  ergebnis_.Bereich(-1, von, bis);
  const int mtn = st.mtn;
  // Each week is read once; the day words are then plain array reads.
  thread_local std::vector<const TWoElem*> eigeneWochen;  // the coupling's courses in a class
  auto tagVon = [](const TWoElem* w, int d) { return w != nullptr ? w->Tag(d) : 0u; };
  for (int v = von; v <= bis; ++v) {
    TWoElem* ergebnis = ergebnis_.Woche(v);
    if (ergebnis == nullptr) continue;
    const TWoElem* belegt = belegung_.Woche(v);
    const TWoElem* gesperrt = sperrung_.Woche(v);
    const TWoElem* lehrerBelegt = lehrer_ != nullptr ? lehrer_->Belegung().Woche(v) : nullptr;
    const TWoElem* lehrerGesperrt = lehrer_ != nullptr ? lehrer_->Sperrung().Woche(v) : nullptr;
    std::array<uint32_t, kTage> wort{};
    for (int d = 1; d <= kTage; ++d)
      wort[static_cast<std::size_t>(d - 1)] = (d > mtn ? kGanzerTag : 0u) | tagVon(belegt, d) |
                                              tagVon(gesperrt, d) | tagVon(lehrerBelegt, d) |
                                              tagVon(lehrerGesperrt, d);
    for (const TKlasse* kl : klassen_) {
      const TWoElem* klassenSperre = kl->Sperrung().Woche(v);
      const TWoElem* klassenBelegt = kl->Belegung().Woche(v);
      eigeneWochen.clear();
      if (kopplung_ != nullptr)
        for (const TKurs* k : kopplung_->Kurse())
          if (k->klassen_.Position(kl) > 0) eigeneWochen.push_back(k->belegung_.Woche(v));
      // Lessons of the own coupling share the class's slot; any other lesson blocks it. The
      // class's word is the union of its lessons, so only where the coupling sits must the
      // other lessons be looked at, each of them once for the whole week.
      std::array<uint32_t, kTage> geteilt{};
      bool irgendwo = false;
      for (int d = 1; d <= kTage; ++d) {
        const auto t = static_cast<std::size_t>(d - 1);
        const uint32_t klasse = tagVon(klassenBelegt, d);
        wort[t] |= tagVon(klassenSperre, d);
        if (kopplung_ == nullptr || klasse == 0) {
          wort[t] |= klasse;
          continue;
        }
        uint32_t eigene = 0;
        for (const TWoElem* w : eigeneWochen) eigene |= tagVon(w, d);
        wort[t] |= klasse & ~eigene;
        geteilt[t] = klasse & eigene;
        // Slots already blocked (the course itself sits where its coupling does) need no look.
        irgendwo = irgendwo || (geteilt[t] & ~wort[t]) != 0;
      }
      if (!irgendwo) continue;
      for (const TKurs* k : kl->Kurse()) {
        if (k->kopplung_ == kopplung_) continue;
        if (const TWoElem* w = k->belegung_.Woche(v))
          for (int d = 1; d <= kTage; ++d)
            wort[static_cast<std::size_t>(d - 1)] |= w->Tag(d) & geteilt[static_cast<std::size_t>(d - 1)];
      }
    }
    for (int d = 1; d <= kTage; ++d) ergebnis->SetzeTag(d, wort[static_cast<std::size_t>(d - 1)]);
  }
  if (st.ara || raeume_.Leer()) return;

  if (kopplung_ == nullptr) {
    // Blocked where every room of the course is occupied or locked.
    for (int v = von; v <= bis; ++v) {
      TWoElem* ergebnis = ergebnis_.Woche(v);
      if (ergebnis == nullptr) continue;
      std::array<uint32_t, kTage> alle;
      alle.fill(kGanzerTag);
      for (const TRaum* r : raeume_) {
        const TWoElem* belegt = r->Belegung().Woche(v);
        const TWoElem* gesperrt = r->Sperrung().Woche(v);
        uint32_t rest = 0;
        for (int d = 1; d <= kTage; ++d) {
          uint32_t& a = alle[static_cast<std::size_t>(d - 1)];
          a &= tagVon(belegt, d) | tagVon(gesperrt, d);
          rest |= a;
        }
        // A room free wherever the others left a slot: the remaining rooms block nothing more.
        if (rest == 0) break;
      }
      for (int d = 1; d <= kTage; ++d)
        ergebnis->SetzeTag(d, ergebnis->Tag(d) | alle[static_cast<std::size_t>(d - 1)]);
    }
    return;
  }
  const int v = st.AktuelleVersion();
  TWoElem* ergebnis = ergebnis_.Woche(v);
  if (ergebnis == nullptr) return;
  if (raeume == nullptr) {
    // A rating never starts another: one object per thread serves them all.
    thread_local TKopplungsRaeume eigene;
    raeume = &eigene;
    raeume->Beginne(*kopplung_, v);
  }
  for (int d = 1; d <= std::min(mtn, kTage); ++d) {
    const uint32_t wort = ergebnis->Tag(d);
    if (wort == kGanzerTag) continue;
    ergebnis->SetzeTag(d, wort | raeume->Blockiert(d, ~wort & kGanzerTag));
  }
}

void TKurs::BerechneSperrbereich(bool mitKopplung) {
  if (prioritaet_ != 0) return;
  if (!mitKopplung || kopplung_ == nullptr) {
    EigenerSperrbereich(nullptr);
    return;
  }
  // The room search at a slot answers the same for every member: ask it once per slot.
  thread_local TKopplungsRaeume raeume;
  TKopplungsRaeume* memo = nullptr;
  if (!Schule().Standard().ara) {
    memo = &raeume;
    memo->Beginne(*kopplung_, Schule().Standard().AktuelleVersion());
  }
  const std::vector<TKurs*>& kurse = kopplung_->Kurse().Elemente();
  int von = 1, bis = 0;
  ergebnis_.Bereich(-1, von, bis);
  // Asked for every course placed: the buffers are kept from one course to the next.
  thread_local std::vector<TWoElem> gemeinsam;
  gemeinsam.assign(static_cast<std::size_t>(std::max(0, bis - von + 1)), TWoElem{});
  // The grids change nothing of the hours: each member's open hours are asked once.
  thread_local std::vector<char> offen;
  offen.clear();
  for (const TKurs* k : kurse) offen.push_back(k->OffeneStunden(-1) >= 1 ? 1 : 0);
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    TKurs* k = kurse[i];
    if (!offen[i]) continue;
    k->EigenerSperrbereich(memo);
    for (int v = von; v <= bis; ++v)
      if (const TWoElem* w = k->ergebnis_.Woche(v)) {
        TWoElem& g = gemeinsam[static_cast<std::size_t>(v - von)];
        for (int d = 1; d <= kTage; ++d) g.SetzeTag(d, g.Tag(d) | w->Tag(d));
      }
  }
  for (std::size_t i = 0; i < kurse.size(); ++i) {
    TKurs* k = kurse[i];
    // A member without open hours starts from its own fresh grid, not from an old result.
    if (!offen[i]) k->EigenerSperrbereich(memo);
    for (int v = von; v <= bis; ++v)
      if (TWoElem* w = k->ergebnis_.Woche(v)) {
        const TWoElem& g = gemeinsam[static_cast<std::size_t>(v - von)];
        for (int d = 1; d <= kTage; ++d) w->SetzeTag(d, w->Tag(d) | g.Tag(d));
      }
  }
}

int TKurs::SetzungenInVersion(int v) const {
  // The exact slot grid: no two placements of a course share a slot.
  const TWoElem* w = gesetzt_.Woche(v);
  if (w == nullptr) return 0;
  int n = 0;
  for (int d = 1; d <= kTage; ++d) n += ZaehleBits(w->Tag(d));
  return n;
}

TRaum* TKurs::FindeFreienRaum(int v, int d, int p) const {
  for (TRaum* r : raeume_)
    if (RaumFrei(*r, v, d, p)) return r;
  return nullptr;
}

void TKurs::VereinheitlicheRaeume() {
  // A room no hour uses is no common room: with none in use nothing changes.
  TRaum* haupt = nullptr;
  int maximum = 0;
  for (TRaum* r : raeume_) {
    int anzahl = 0;
    for (const TSetzung* s : setzungen_)
      if (s->Raum() == r) ++anzahl;
    if (anzahl > maximum) {
      maximum = anzahl;
      haupt = r;
    }
  }
  if (haupt == nullptr) return;
  for (TSetzung* s : setzungen_.Elemente()) {
    if (s->Fixiert() || s->Raum() == haupt) continue;
    if (RaumFrei(*haupt, s->Version(), s->Tag(), s->Stunde())) SetzeRaum(s, haupt);
  }
}

void TKurs::ZeigeMoeglicheStunden(const TRaum* r) {
  const TStandard& st = Schule().Standard();
  const int v = st.AktuelleVersion();
  if (TWoElem* woche = ergebnis_.Woche(v)) *woche = TWoElem{};
  for (int d = 1; d <= std::min(st.mtn, kTage); ++d) {
    for (int p = 1; p <= kStunden; ++p) {
      bool gesperrt = !KannSetzen(-1, d, r, p);
      if (!gesperrt && kopplung_ != nullptr) {
        for (const TKurs* k : kopplung_->Kurse()) {
          if (k == this || k->nvp_ || k->OffeneStunden(-1) < 1) continue;
          if (!k->KannSetzen(-1, d, nullptr, p)) {
            gesperrt = true;
            break;
          }
        }
      }
      if (gesperrt) ergebnis_.SetzeBereich(v, d, p, true);
    }
  }
  if (lehrer_ == nullptr) return;
  if (auto* plan = dynamic_cast<IPlanFenster*>(lehrer_->PlnForm()))
    plan->ZieleMarkieren(this);
  else if (lehrer_->PlnForm() != nullptr)
    lehrer_->PlnForm()->NeuZeichnen();
}

bool TKurs::SetzMenuePruefeVersion(int v, int d, int p) const {
  if (StundeFrei(v, d, nullptr, p)) return true;
  if (kopplung_ == nullptr) return false;
  for (const TKurs* k : kopplung_->Kurse())
    if (!k->StundeFrei(v, d, kopplung_, p) && !k->belegung_.Belegt(v, d, p)) return false;
  return true;
}

void TKurs::SetzeMenueClick(int d, int p, TRaum* r) {
  int von, bis;
  const TStandard& st = Schule().Standard();
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  for (int v = von; v <= bis; ++v) {
    Setze(v, d, r, p);
    if (kopplung_ == nullptr) continue;
    for (TKurs* k : kopplung_->Kurse().Elemente())
      if (k != this) k->Setze(v, d, k->FindeFreienRaum(v, d, p), p);
  }
}

void TKurs::TauscheRaumAnStunde(TRaum* r, int v, int d, int p) {
  if (r == nullptr || FindeSetzung(v, d, p) == nullptr) return;
  TKurs* anderer = r->KursAn(v, d, p);
  if (anderer == this) return;
  if (anderer != nullptr)
    TauscheRaeume(anderer, v, d, p);
  else if (RaumFrei(*r, v, d, p))
    WechsleRaum(r, v, d, p);
}

void TKurs::TauscheRaeume(TKurs* anderer, int v, int d, int p) {
  TSetzung* eigene = FindeSetzung(v, d, p);
  TSetzung* fremde = anderer != nullptr ? anderer->FindeSetzung(v, d, p) : nullptr;
  if (eigene == nullptr || fremde == nullptr || anderer == this) return;
  const std::vector<std::string> texte{TextMitRaum(v, d, p), anderer->TextMitRaum(v, d, p),
                                       ZeitFeldText(Schule().Standard(), d, p)};
  if (Schule().Dialoge().Frage(TDialog::Raumtausch, texte) != Modal::Ok) return;
  TRaum* meiner = eigene->Raum();
  TRaum* seiner = fremde->Raum();
  LoeseRaum(eigene);
  anderer->LoeseRaum(fremde);
  if (seiner != nullptr) {
    if (raeume_.Position(seiner) == 0) FuegeRaumHinzu(seiner, true);
    SetzeRaum(eigene, seiner);
  }
  if (meiner != nullptr) {
    if (anderer->raeume_.Position(meiner) == 0) anderer->FuegeRaumHinzu(meiner, true);
    anderer->SetzeRaum(fremde, meiner);
  }
}

void TKurs::WechsleRaum(TRaum* r, int v, int d, int p) {
  TSetzung* s = FindeSetzung(v, d, p);
  if (s == nullptr || r == nullptr) return;
  if (raeume_.Position(r) == 0) FuegeRaumHinzu(r, true);
  SetzeRaum(s, r);
}

}  // namespace kolvar
