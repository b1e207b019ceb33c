#include "engine/autolauf.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

#include "engine/raumsuche.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"

namespace kolvar {

namespace {

std::size_t TabellenIndex(int t) {
  return static_cast<std::size_t>(std::clamp(t, 1, kAutomatikTabellen) - 1);
}

// A placement as it was, to put it back exactly.
struct TStand {
  TKurs* Kurs;
  int Tag;
  int Stunde;
  TRaum* Raum;
  bool Fixiert;
};

std::vector<TKurs*> Gruppe(TKurs& kurs) {
  if (kurs.Kopplung() == nullptr) return {&kurs};
  std::vector<TKurs*> g = kurs.Kopplung()->Kurse().Elemente();
  if (std::find(g.begin(), g.end(), &kurs) == g.end()) g.push_back(&kurs);
  return g;
}

std::vector<TStand> Merke(const std::vector<TKurs*>& gruppe, int v) {
  std::vector<TStand> stand;
  for (TKurs* k : gruppe)
    for (const TSetzung* s : k->Setzungen())
      if (s->Version() == v) stand.push_back({k, s->Tag(), s->Stunde(), s->Raum(), s->Fixiert()});
  return stand;
}

int Anzahl(const std::vector<TKurs*>& gruppe, int v) {
  int n = 0;
  for (const TKurs* k : gruppe) n += k->SetzungenInVersion(v);
  return n;
}

// Puts the group's placements of version v back to the recorded state: hours made since go,
// hours taken out since come back with their rooms and fixed flags.
void StelleWiederHer(const std::vector<TKurs*>& gruppe, int v, const std::vector<TStand>& stand) {
  for (TKurs* k : gruppe) {
    const std::vector<TSetzung*> jetzt = k->Setzungen().Elemente();
    for (TSetzung* s : jetzt) {
      if (s->Version() != v) continue;
      const bool alt = std::any_of(stand.begin(), stand.end(), [&](const TStand& e) {
        return e.Kurs == k && e.Tag == s->Tag() && e.Stunde == s->Stunde();
      });
      if (!alt) k->EntferneSetzung(s);
    }
  }
  for (const TStand& e : stand)
    if (e.Kurs->FindeSetzung(v, e.Tag, e.Stunde) == nullptr)
      e.Kurs->NeueSetzung(v, e.Tag, e.Stunde, e.Raum, e.Fixiert);
}

// With "ara" clear, the coupling's roomless hours at the slot get distinct free rooms together.
// Courses without rooms, and courses whose hour there already has a room or that have no hour
// there, need nothing.
void VerteileKopplungsRaeume(TKurs& kurs, int v, int d, int p) {
  // Asked for every hour a coupling gets: the buffers are kept from one hour to the next.
  thread_local std::vector<TSetzung*> setzungen;
  thread_local std::vector<TRaum*> ids;
  thread_local std::vector<TRaumSuche::TWunsch> wuensche;
  thread_local TRaumSuche suche;
  thread_local std::vector<int> wahl;
  setzungen.clear();
  ids.clear();
  const std::size_t n = static_cast<std::size_t>(kurs.Kopplung()->Kurse().Anzahl());
  if (wuensche.size() != n) wuensche.resize(n);
  std::size_t i = 0;
  for (TKurs* k : kurs.Kopplung()->Kurse()) {
    TSetzung* s = k->FindeSetzung(v, d, p);
    TRaumSuche::TWunsch& w = wuensche[i++];
    w.Raeume.clear();
    w.OhneRaum = k->Raeume().Leer() || s == nullptr || s->Raum() != nullptr;
    if (!w.OhneRaum) {
      for (TRaum* r : k->Raeume()) {
        if (r->Sperrung().Belegt(v, d, p) || r->Belegung().Belegt(v, d, p)) continue;
        auto it = std::find(ids.begin(), ids.end(), r);
        if (it == ids.end()) it = ids.insert(ids.end(), r);
        w.Raeume.push_back(static_cast<int>(it - ids.begin()));
      }
    }
    setzungen.push_back(w.OhneRaum ? nullptr : s);
  }
  if (!suche.VerteileRaeume(wuensche, wahl)) return;
  i = 0;
  for (TKurs* k : kurs.Kopplung()->Kurse().Elemente()) {
    if (setzungen[i] != nullptr && wahl[i] >= 0)
      k->SetzeRaum(setzungen[i], ids[static_cast<std::size_t>(wahl[i])]);
    ++i;
  }
}

class TKursSetzer {
 public:
  TKursSetzer(TAutoLauf& lauf, TKurs& kurs, int v)
      : lauf_(lauf),
        kurs_(kurs),
        v_(v),
        mtn_(std::clamp(kurs.Schule().Standard().mtn, 1, kTage)),
        ara_(kurs.Schule().Standard().ara),
        t_(kurs.Tabelle()),
        ordnung_(lauf.Ordnung(kurs.Tabelle())),
        belegt_(kurs.Belegung().Woche(v)),
        ergebnis_(kurs.Ergebnis().Woche(v)) {}

  uint32_t Wort(int d) const { return belegt_ != nullptr ? belegt_->Tag(d) & 0xFFFFu : 0u; }
  bool Gesperrt(int d, int p) const { return ergebnis_ != nullptr && ergebnis_->Stunde(d, p); }
  uint32_t Ergebnis(int d) const { return ergebnis_ != nullptr ? ergebnis_->Tag(d) & 0xFFFFu : 0u; }
  int Stunden(int d) const { return ZaehleBits(Wort(d)); }

  // No hour of the course on the day before and the day after (cyclic over the school days).
  bool NachbarnFrei(int d) const {
    const int vor = d <= 1 ? mtn_ : d - 1;
    const int nach = d >= mtn_ ? 1 : d + 1;
    return Wort(vor) == 0 && Wort(nach) == 0;
  }

  // Periods from p on that are free in the result grid and joined by the table's links.
  int Lauflaenge(int d, int p) const {
    int laenge = 0;
    for (int k = 0;; ++k) {
      const int q = p + k;
      if (k >= 1 && (q >= kStunden || !lauf_.Verbunden(t_, d, q - 1))) break;
      if (q > kStunden || Gesperrt(d, q)) break;
      ++laenge;
    }
    return laenge;
  }

  // One hour at the slot: for a coupled course every member with open hours gets one.
  // True when this course got its hour.
  bool SetzeEine(int d, int p) {
    if (kurs_.Kopplung() == nullptr) {
      if (!AutoStundeSetzen(lauf_, kurs_, v_, p, d)) return false;
      if (TRaum* r = kurs_.FindeFreienRaum(v_, d, p)) kurs_.SetzeRaum(kurs_.FindeSetzung(v_, d, p), r);
      return true;
    }
    bool eigene = false;
    // Asked for every hour a coupling gets: the buffer is kept from one hour to the next.
    thread_local std::vector<TKurs*> gesetzt;
    gesetzt.clear();
    for (TKurs* k : kurs_.Kopplung()->Kurse().Elemente()) {
      if (k->OffeneStunden(v_) < 1 || !AutoStundeSetzen(lauf_, *k, v_, p, d)) continue;
      gesetzt.push_back(k);
      eigene = eigene || k == &kurs_;
    }
    if (gesetzt.empty()) return false;
    if (ara_) {
      for (TKurs* k : gesetzt)
        if (TRaum* r = k->FindeFreienRaum(v_, d, p)) k->SetzeRaum(k->FindeSetzung(v_, d, p), r);
    } else {
      VerteileKopplungsRaeume(kurs_, v_, d, p);
    }
    return eigene;
  }

  int AutoBloeckeSetzen(int n) {
    const int s = std::max(1, kurs_.StundenProTag());
    for (int a = 2 * s; a >= 1; --a) {
      const int b = (a + 1) / 2;
      bool gesetzt = true;
      while (gesetzt && n >= b) {
        gesetzt = false;
        for (const TAutoLauf::TZelle& z : ordnung_) {
          if (n < b) break;
          if (z.Tag < 1) continue;
          if (a % 2 == 0 && !NachbarnFrei(z.Tag)) continue;
          if (Lauflaenge(z.Tag, z.Stunde) < std::min(a, s)) continue;
          if (Wort(z.Tag) != 0) continue;
          for (int i = 0; i < b; ++i)
            if (SetzeEine(z.Tag, z.Stunde + i)) {
              --n;
              gesetzt = true;
            }
        }
      }
    }
    return n;
  }

  // Moves first or last hours of multi-hour days to days without an hour of the course, until
  // the wanted number of single-hour days can come out.
  int Einzelstunden(int n) {
    const int e = std::min(kurs_.Einzelstunden(), kurs_.Stunden(v_));
    if (e < 1) return n;
    const int platziert = kurs_.SetzungenInVersion(v_);
    int einzeln = 0;
    for (int d = 1; d <= kTage; ++d)
      if (Stunden(d) == 1) ++einzeln;
    const int f = e - (kurs_.Stunden(v_) - platziert) - einzeln;
    if (f < 1) return n;
    std::array<int, kTage + 1> frei{};
    for (int d = 1; d <= kTage; ++d) frei[static_cast<std::size_t>(d)] = kStunden - ZaehleBits(Ergebnis(d));
    int m = 0;
    for (int d = 1; d <= mtn_; ++d)
      if (Stunden(d) == 0 && frei[static_cast<std::size_t>(d)] >= 1) ++m;
    m = std::min(m, f);
    while (m >= 1) {
      --m;
      TSetzung* raus = nullptr;
      for (TSetzung* s : kurs_.Setzungen()) {
        if (s->Version() != v_ || s->Fixiert()) continue;
        const int d = s->Tag();
        const uint32_t w = Wort(d);
        if (ZaehleBits(w) < 2) continue;
        const int erste = std::countr_zero(w) + 1;
        const int letzte = 32 - std::countl_zero(w);
        if (s->Stunde() != erste && s->Stunde() != letzte) continue;
        if (raus == nullptr || ZaehleBits(w) < Stunden(raus->Tag())) raus = s;
      }
      if (raus == nullptr) break;
      const int d = raus->Tag(), p = raus->Stunde();
      const std::vector<TStand> vorher = MerkeStunde(d, p);
      kurs_.EntferneStunde(v_, d, p, true);
      lauf_.NochZuSetzen += static_cast<int>(vorher.size());
      ++n;
      if (Stunden(d) == 1) --m;
      if (SetzeEinzelstunde(frei)) {
        --n;
      } else {
        // Nowhere to go: the hour stays where it was.
        for (const TStand& e2 : vorher)
          if (e2.Kurs->FindeSetzung(v_, d, p) == nullptr) e2.Kurs->NeueSetzung(v_, d, p, e2.Raum, e2.Fixiert);
        lauf_.NochZuSetzen -= static_cast<int>(vorher.size());
        --n;
        break;
      }
    }
    return n;
  }

  bool MusterPasst() const {
    const int h = kurs_.Stunden(v_);
    const int s = std::max(1, kurs_.StundenProTag());
    int summe = 0, einzeln = 0, volle = 0;
    for (int d = 1; d <= mtn_; ++d) {
      const int c = Stunden(d);
      summe += c;
      if (c == 1) ++einzeln;
      if (c == s) ++volle;
    }
    if (summe != h || einzeln != kurs_.Einzelstunden()) return false;
    return s < 2 || (volle == (h - einzeln) / s && volle >= 1);
  }

 private:
  std::vector<TStand> MerkeStunde(int d, int p) const {
    std::vector<TStand> stand;
    for (TKurs* k : Gruppe(kurs_))
      if (const TSetzung* s = k->FindeSetzung(v_, d, p)) stand.push_back({k, d, p, s->Raum(), s->Fixiert()});
    return stand;
  }

  bool SetzeEinzelstunde(std::array<int, kTage + 1>& frei) {
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
      for (const TAutoLauf::TZelle& z : ordnung_) {
        const int d = z.Tag;
        if (d < 1 || d > mtn_ || Wort(d) != 0 || frei[static_cast<std::size_t>(d)] < 1) continue;
        if (Gesperrt(d, z.Stunde)) continue;
        if (durchgang == 0 && !NachbarnFrei(d)) continue;
        if (!SetzeEine(d, z.Stunde)) continue;
        --frei[static_cast<std::size_t>(d)];
        return true;
      }
    }
    return false;
  }

  TAutoLauf& lauf_;
  TKurs& kurs_;
  int v_;
  int mtn_;
  bool ara_;
  int t_;
  const TAutoLauf::TOrdnung& ordnung_;
  // The course's weeks of the version: hours placed and taken change them in place.
  const TWoElem* belegt_;
  const TWoElem* ergebnis_;
};

}  // namespace

TAutoLauf::TAutoLauf(const TStandard& standard) {
  AutoTabellenUebernehmen(standard);
}

void TAutoLauf::AutoTabellenUebernehmen(const TStandard& standard) {
  Ast = std::clamp(standard.ast, 1, 5000);
  const TAutomatikTabellen& tabellen = TStandard::AutomatikTabellenGueltig(standard.AutomatikTabellen)
                                           ? standard.AutomatikTabellen
                                           : TStandard::StandardTabellen();
  for (std::size_t t = 0; t < tabellen.size(); ++t) {
    ordnung_[t] = TOrdnung{};
    for (int c = 0; c < kSlotZellen; ++c) {
      const int eintrag = tabellen[t][static_cast<std::size_t>(c)];
      const int rang = std::abs(eintrag);
      verbunden_[t][static_cast<std::size_t>(c)] = eintrag < 0;
      if (rang < 1 || rang > kSlotZellen) continue;
      ordnung_[t][static_cast<std::size_t>(rang - 1)] = {c % kTage + 1, c / kTage + 1, eintrag < 0};
    }
  }
}

const TAutoLauf::TOrdnung& TAutoLauf::Ordnung(int t) const {
  return ordnung_[TabellenIndex(t)];
}

bool TAutoLauf::Verbunden(int t, int d, int p) const {
  if (d < 1 || d > kTage || p < 1 || p > kStunden) return false;
  return verbunden_[TabellenIndex(t)][static_cast<std::size_t>((p - 1) * kTage + d - 1)];
}

bool AutoStundeSetzen(TAutoLauf& lauf, TKurs& kurs, int v, int p, int d) {
  if (kurs.Ergebnis().Belegt(v, d, p)) {
    ++lauf.Verweigert;
    return false;
  }
  if (kurs.Setze(v, d, nullptr, p) == nullptr) return false;
  --lauf.NochZuSetzen;
  ++lauf.Fortschritt;
  if (lauf.NochZuSetzen % lauf.Ast == 0) lauf.NeuBewerten = true;
  if (lauf.Gesetzt) lauf.Gesetzt();
  kurs.Ergebnis().SetzeBereich(v, d, p, true);
  return true;
}

int AutoKursSetzen(TAutoLauf& lauf, TKurs& kurs, int v, int n) {
  // Only a pattern that does not fit ("aei" clear) puts the group back as it was.
  const bool zurueck = !kurs.Schule().Standard().aei;
  const std::vector<TKurs*> gruppe = zurueck ? Gruppe(kurs) : std::vector<TKurs*>{};
  const std::vector<TStand> anfang = zurueck ? Merke(gruppe, v) : std::vector<TStand>{};
  const int anfangsZahl = static_cast<int>(anfang.size());
  TKursSetzer setzer(lauf, kurs, v);
  n = setzer.AutoBloeckeSetzen(n);
  n = setzer.Einzelstunden(n);
  if (zurueck && !setzer.MusterPasst()) {
    // Everything goes back as it was found, the hours of the partners too.
    const int neu = Anzahl(gruppe, v) - anfangsZahl;
    const int eigeneVorher = static_cast<int>(
        std::count_if(anfang.begin(), anfang.end(), [&](const TStand& e) { return e.Kurs == &kurs; }));
    const int eigeneJetzt = kurs.SetzungenInVersion(v);
    StelleWiederHer(gruppe, v, anfang);
    n += eigeneJetzt - eigeneVorher;
    lauf.NochZuSetzen += neu;
  }
  return n;
}

}  // namespace kolvar
