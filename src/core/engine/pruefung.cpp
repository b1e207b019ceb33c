#include "engine/pruefung.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

namespace {

bool Gueltig(const TSetzung& s, int versionen) {
  return s.Version() >= 1 && s.Version() <= versionen && s.Tag() >= 1 && s.Tag() <= kTage &&
         s.Stunde() >= 1 && s.Stunde() <= kStunden;
}

std::string TagText(const TStandard& st, int d) {
  return (d >= 1 && d <= kTage) ? st.spg[static_cast<std::size_t>(d - 1)] : std::string();
}

// Lifts the element's locks under the grid; true when a lock was lifted.
bool LoeseSperrungUnter(TWochBereich& sperrung, const TWochBereich& grid) {
  bool geaendert = false;
  for (int v = 1; v <= grid.Versionen(); ++v)
    for (int d = 1; d <= kTage; ++d) {
      const uint32_t alt = sperrung.Tag(v, d);
      const uint32_t neu = alt & ~grid.Tag(v, d);
      if (neu != alt) {
        sperrung.SetzeTag(v, d, neu);
        geaendert = true;
      }
    }
  return geaendert;
}

// Sorts (slot, course) pairs that came in course order by slot, keeping the course order: the
// order of sorting the pairs, in time linear in the pairs and the slots.
void NachSlot(std::vector<std::pair<int, int>>& paare, std::vector<int>& zaehler) {
  if (paare.empty()) return;
  int groesster = 0;
  for (const auto& p : paare) groesster = std::max(groesster, p.first);
  zaehler.assign(static_cast<std::size_t>(groesster) + 2, 0);
  for (const auto& p : paare) ++zaehler[static_cast<std::size_t>(p.first) + 1];
  for (std::size_t i = 1; i < zaehler.size(); ++i) zaehler[i] += zaehler[i - 1];
  std::vector<std::pair<int, int>> sortiert(paare.size());
  for (const auto& p : paare)
    sortiert[static_cast<std::size_t>(zaehler[static_cast<std::size_t>(p.first)]++)] = p;
  paare.swap(sortiert);
}

// Whether the sorted addresses hold c; without a branch per step, as the steps are guesses.
bool Enthaelt(const std::vector<const TKurs*>& sortiert, const TKurs* c) {
  if (sortiert.empty()) return false;
  const TKurs* const* anfang = sortiert.data();
  std::size_t n = sortiert.size();
  while (n > 1) {
    const std::size_t haelfte = n / 2;
    anfang = std::less<const TKurs*>()(anfang[haelfte], c) ? anfang + haelfte : anfang;
    n -= haelfte;
  }
  if (std::less<const TKurs*>()(*anfang, c)) ++anfang;
  return anfang != sortiert.data() + sortiert.size() && *anfang == c;
}

}  // namespace

// One placement as the checks read it.
struct TPlatz {
  TRaum* Raum;
  int Version, Tag, Stunde;

  explicit TPlatz(const TSetzung& s)
      : Raum(s.Raum()), Version(s.Version()), Tag(s.Tag()), Stunde(s.Stunde()) {}

  bool Gueltig(int versionen) const {
    return Version >= 1 && Version <= versionen && Tag >= 1 && Tag <= kTage && Stunde >= 1 &&
           Stunde <= kStunden;
  }
};

// Every course's placements read once, in each course's order, into one array: the checks
// walk them several times, and on a large school the placements lie scattered in memory.
class TPlatzListe {
 public:
  explicit TPlatzListe(const TSchule& schule) {
    std::size_t n = 0;
    for (const TKurs* c : schule.Kurse()) n += static_cast<std::size_t>(c->Setzungen().Anzahl());
    alle_.reserve(n);
    jeKurs_.reserve(static_cast<std::size_t>(schule.Kurse().Anzahl()));
    for (const TKurs* c : schule.Kurse()) {
      const std::vector<TSetzung*>& liste = c->Setzungen().Elemente();
      const std::size_t anfang = alle_.size();
      // Fetched a few ahead: one after the other, each read would wait for memory.
      constexpr std::size_t kVoraus = 8;
      for (std::size_t i = 0; i < std::min(kVoraus, liste.size()); ++i) __builtin_prefetch(liste[i]);
      for (std::size_t i = 0; i < liste.size(); ++i) {
        if (i + kVoraus < liste.size()) __builtin_prefetch(liste[i + kVoraus]);
        alle_.emplace_back(*liste[i]);
      }
      jeKurs_.emplace(c, std::make_pair(anfang, alle_.size()));
    }
  }

  // The course's placements in its own order.
  std::span<const TPlatz> Von(const TKurs* c) const {
    const auto it = jeKurs_.find(c);
    if (it != jeKurs_.end())
      return std::span<const TPlatz>(alle_).subspan(it->second.first, it->second.second - it->second.first);
    // A course outside the school's list (a damaged file) is read when it is asked for.
    auto [fremd, neu] = fremde_.try_emplace(c);
    if (neu)
      for (const TSetzung* s : c->Setzungen()) fremd->second.emplace_back(*s);
    return fremd->second;
  }

 private:
  std::vector<TPlatz> alle_;
  std::unordered_map<const TKurs*, std::pair<std::size_t, std::size_t>> jeKurs_;
  // Node-based: a span handed out stays valid while others are added.
  mutable std::unordered_map<const TKurs*, std::vector<TPlatz>> fremde_;
};

std::string ErgebnisText(int stufe) {
  switch (stufe) {
    case 0:
      return "keine Fehler gefunden.";
    case 1:
      return "kleinere Fehler gefunden.";
    default:
      return "größere Fehler gefunden.";
  }
}

// ---------------------------------------------------------------------------------------------
// Konsistenz

TPruefErgebnis TPruefung::PruefeKonsistenz() {
  TPruefErgebnis e;
  // The repairs change no placement: one reading serves every part.
  const TPlatzListe plaetze(*schule_);
  PruefeKursVerweise(e, plaetze);
  PruefeLehrerDoppelt(e, plaetze);
  PruefeKlassenDoppelt(e);
  PruefeRaeumeDoppelt(e, plaetze);
  return e;
}

void TPruefung::PruefeKursVerweise(TPruefErgebnis& e) {
  PruefeKursVerweise(e, TPlatzListe(*schule_));
}

void TPruefung::PruefeLehrerDoppelt(TPruefErgebnis& e) {
  PruefeLehrerDoppelt(e, TPlatzListe(*schule_));
}

void TPruefung::PruefeRaeumeDoppelt(TPruefErgebnis& e) {
  PruefeRaeumeDoppelt(e, TPlatzListe(*schule_));
}

void TPruefung::PruefeKursVerweise(TPruefErgebnis& e, const TPlatzListe& plaetze) {
  TSchule& sch = *schule_;
  bool geaendert = false;
  auto repariert = [&] {
    ++e.Reparaturen;
    e.Hebe(1);
    geaendert = true;
  };
  // Which element lists hold which courses: a short list is walked, a long one read once at
  // its first question and kept sorted by address (walking it once per course made the check
  // quadratic in the courses of a class or room).
  constexpr int kKurz = 32;
  std::unordered_map<const TElement*, std::vector<const TKurs*>> mitglieder;
  auto Mitglieder = [&](const TElement* el) -> std::vector<const TKurs*>& {
    auto [it, neu] = mitglieder.try_emplace(el);
    if (neu) {
      it->second.assign(el->Kurse().begin(), el->Kurse().end());
      std::sort(it->second.begin(), it->second.end(), std::less<const TKurs*>());
    }
    return it->second;
  };
  auto Haelt = [&](const TElement* el, const TKurs* c) {
    if (el->Kurse().Anzahl() < kKurz) return el->Kurse().Position(c) != 0;
    const std::vector<const TKurs*>& m = Mitglieder(el);
    return Enthaelt(m, c);
  };
  auto Nimm = [&](const TElement* el, const TKurs* c) {
    const auto it = mitglieder.find(el);
    if (it == mitglieder.end()) return;  // read from the list at its first question
    std::vector<const TKurs*>& m = it->second;
    const auto pos = std::lower_bound(m.begin(), m.end(), c, std::less<const TKurs*>());
    if (pos == m.end() || *pos != c) m.insert(pos, c);
  };
  // A snapshot: raising a course's hours sorts it anew in the school's list.
  const std::vector<TKurs*> kurse = sch.Kurse().Elemente();
  for (TKurs* c : kurse) {
    const int n = c->belegung_.Versionen();
    std::vector<int> zaehler(static_cast<std::size_t>(n) + 1, 0);
    TWochBereich belegung = c->belegung_;
    belegung.Leere();
    for (const TPlatz& s : plaetze.Von(c)) {
      if (!s.Gueltig(n)) {
        e.Zeilen.push_back("Der Kurs " + c->Text() + " hat eine ungültige Setzung.");
        e.Hebe(2);
        continue;
      }
      const int v = s.Version, d = s.Tag, p = s.Stunde;
      ++zaehler[static_cast<std::size_t>(v)];
      belegung.SetzeBereich(v, d, p, true);
      if (c->sperrung_.Belegt(v, d, p)) {
        c->sperrung_.SetzeBereich(v, d, p, false);
        geaendert = true;
      }
      if (TRaum* r = s.Raum) {
        if (!r->Belegung().Belegt(v, d, p)) {
          r->BelegungIntern().SetzeBereich(v, d, p, true);
          geaendert = true;
        }
        if (r->Sperrung().Belegt(v, d, p)) {
          r->Sperrung().SetzeBereich(v, d, p, false);
          geaendert = true;
        }
      }
    }
    if (!(belegung == c->belegung_)) {
      c->belegung_ = belegung;
      geaendert = true;
    }
    for (int v = 1; v <= n; ++v) {
      const int anzahl = zaehler[static_cast<std::size_t>(v)];
      if (anzahl > 0 && c->Stunden(v) < anzahl) {
        c->SetzeStunden(v, anzahl);
        repariert();
      }
    }
    for (TRaum* r : c->SpaeterRaeume().Elemente())
      if (c->Raeume().Position(r) == 0) {
        c->FuegeRaumHinzu(r, false);  // files the course in the room's list too
        Nimm(r, c);
        repariert();
      }
    auto verweis = [&](TElement* el) {
      if (!el || Haelt(el, c)) return;
      Nimm(el, c);
      // Class lists have their own order.
      if (el->Art() == TElementArt::Klasse)
        el->KurseIntern().FuegeSortiertEin(c, VergleicheKurseNachOrdnung);
      else
        el->KurseIntern().FuegeSortiertEin(c, VergleicheKurse);
      repariert();
    };
    verweis(c->Lehrer());
    verweis(c->Kopplung());
    verweis(c->Fach());
    for (TKlasse* k : c->Klassen()) verweis(k);
    for (TRaum* r : c->Raeume()) verweis(r);
    for (TRaum* r : c->SpaeterRaeume()) verweis(r);
  }
  geaendert |= ZaehleSetzungenNeu(plaetze);
  if (geaendert) sch.SetzeGeaendert(true);
}

bool TPruefung::ZaehleSetzungenNeu(const TPlatzListe& plaetze) {
  TSchule& sch = *schule_;
  std::vector<TPlanElement*> elemente;
  for (TLehrer* l : sch.Lehrer()) elemente.push_back(l);
  for (TKlasse* k : sch.Klassen()) elemente.push_back(k);
  for (TRaum* r : sch.Raeume()) elemente.push_back(r);
  std::vector<TWochBereich> vorher;
  vorher.reserve(elemente.size());
  for (TPlanElement* el : elemente) {
    vorher.push_back(el->Belegung());
    el->LeereZaehler();
  }
  for (TKurs* c : sch.Kurse()) {
    c->gesetzt_.Leere();
    for (const TPlatz& s : plaetze.Von(c)) {
      if (!s.Gueltig(c->gesetzt_.Versionen())) continue;
      const int v = s.Version, d = s.Tag, p = s.Stunde;
      c->gesetzt_.SetzeBereich(v, d, p, true);
      TKurs::Belege(c->Lehrer(), v, d, p);
      for (TKlasse* k : c->Klassen()) TKurs::Belege(k, v, d, p);
      TKurs::Belege(s.Raum, v, d, p);
    }
  }
  bool geaendert = false;
  for (std::size_t i = 0; i < elemente.size(); ++i) geaendert |= !(vorher[i] == elemente[i]->Belegung());
  return geaendert;
}

void TPruefung::PruefeLehrerDoppelt(TPruefErgebnis& e, const TPlatzListe& plaetze) {
  TSchule& sch = *schule_;
  const TStandard& st = sch.Standard();
  bool geaendert = false;
  for (TLehrer* l : sch.Lehrer()) {
    TWochBereich grid = l->Belegung();
    grid.Leere();
    for (const TKurs* c : l->Kurse()) {
      if (c->Lehrer() != l) continue;
      for (const TPlatz& s : plaetze.Von(c)) {
        if (!s.Gueltig(grid.Versionen())) continue;
        const int v = s.Version, d = s.Tag, p = s.Stunde;
        if (grid.Belegt(v, d, p)) {
          e.Zeilen.push_back("Lehrer " + l->Kuerzel() + " " + ZeitText(st, v, d, p) + " doppelt im Plan.");
          e.Hebe(2);
        }
        grid.SetzeBereich(v, d, p, true);
      }
    }
    geaendert |= LoeseSperrungUnter(l->Sperrung(), grid);
    if (!(grid == l->Belegung())) {
      l->BelegungIntern() = grid;
      geaendert = true;
    }
  }
  if (geaendert) sch.SetzeGeaendert(true);
}

void TPruefung::PruefeKlassenDoppelt(TPruefErgebnis& e) {
  TSchule& sch = *schule_;
  const TStandard& st = sch.Standard();
  bool geaendert = false;
  std::vector<int> zaehler;
  for (TKlasse* k : sch.Klassen()) {
    TWochBereich grid = k->Belegung();
    grid.Leere();
    const std::vector<TKurs*>& kurse = k->Kurse().Elemente();
    for (const TKurs* c : kurse) grid.Vereinige(c->Belegung());
    // Every ordered pair of courses sharing a slot: a clash is listed once from each side, by
    // pair and then by slot. Only courses that meet in a slot are paired.
    std::vector<std::pair<int, int>> belegt;  // slot key, course index
    for (int i = 0; i < static_cast<int>(kurse.size()); ++i) {
      const TWochBereich& b = kurse[static_cast<std::size_t>(i)]->Belegung();
      for (int v = 1; v <= b.Versionen(); ++v)
        for (int d = 1; d <= kTage; ++d)
          for (uint32_t w = b.Tag(v, d); w != 0; w &= w - 1)
            belegt.emplace_back(((v - 1) * kTage + d - 1) * kStunden + std::countr_zero(w), i);
    }
    NachSlot(belegt, zaehler);
    std::vector<std::array<int, 3>> paare;  // course a, course b, slot key
    for (std::size_t anfang = 0, ende = 0; anfang < belegt.size(); anfang = ende) {
      ende = anfang + 1;
      while (ende < belegt.size() && belegt[ende].first == belegt[anfang].first) ++ende;
      for (std::size_t x = anfang; x < ende; ++x)
        for (std::size_t y = anfang; y < ende; ++y) {
          const TKurs* a = kurse[static_cast<std::size_t>(belegt[x].second)];
          const TKurs* b = kurse[static_cast<std::size_t>(belegt[y].second)];
          if (a == b || (a->Kopplung() && a->Kopplung() == b->Kopplung())) continue;
          paare.push_back({belegt[x].second, belegt[y].second, belegt[x].first});
        }
    }
    std::sort(paare.begin(), paare.end());
    for (const std::array<int, 3>& paar : paare) {
      const int slot = paar[2];
      const int v = slot / (kTage * kStunden) + 1, d = slot / kStunden % kTage + 1, p = slot % kStunden + 1;
      e.Zeilen.push_back("Klasse " + k->Kuerzel() + " " + ZeitText(st, v, d, p) + " doppelt im Plan.");
      e.Hebe(2);
    }
    if (!(grid == k->Belegung())) {
      k->BelegungIntern() = grid;
      geaendert = true;
    }
    geaendert |= LoeseSperrungUnter(k->Sperrung(), grid);
  }
  if (geaendert) sch.SetzeGeaendert(true);
}

void TPruefung::PruefeRaeumeDoppelt(TPruefErgebnis& e, const TPlatzListe& plaetze) {
  TSchule& sch = *schule_;
  const TStandard& st = sch.Standard();
  // A placement may name a room outside its course's room list: walk every placement.
  std::unordered_map<const TRaum*, std::vector<const TPlatz*>> jeRaum;
  for (const TKurs* c : sch.Kurse())
    for (const TPlatz& s : plaetze.Von(c))
      if (s.Raum) jeRaum[s.Raum].push_back(&s);
  bool geaendert = false;
  for (TRaum* r : sch.Raeume()) {
    TWochBereich grid = r->Belegung();
    grid.Leere();
    for (const TPlatz* s : jeRaum[r]) {
      if (!s->Gueltig(grid.Versionen())) continue;
      const int v = s->Version, d = s->Tag, p = s->Stunde;
      if (grid.Belegt(v, d, p)) {
        e.Zeilen.push_back("Raum " + r->Kuerzel() + " " + ZeitText(st, v, d, p) + " doppelt im Plan.");
        e.Hebe(2);
      }
      grid.SetzeBereich(v, d, p, true);
    }
    geaendert |= LoeseSperrungUnter(r->Sperrung(), grid);
    if (!(grid == r->Belegung())) {
      r->BelegungIntern() = grid;
      geaendert = true;
    }
  }
  if (geaendert) sch.SetzeGeaendert(true);
}

// ---------------------------------------------------------------------------------------------
// The other checks

TPruefErgebnis TPruefung::PruefeBruecken() const {
  TPruefErgebnis e;
  const TStandard& st = schule_->Standard();
  for (const TKurs* c : schule_->Kurse()) {
    const int n = c->Belegung().Versionen();
    for (int v = 1; v <= n; ++v)
      for (int d = 1; d <= kTage; ++d) {
        const uint32_t wort = c->Belegung().Tag(v, d);
        if (wort == 0) continue;
        int erste = 0, letzte = 0;
        for (int p = 1; p <= kStunden; ++p)
          if (c->Belegung().Belegt(v, d, p)) {
            if (erste == 0) erste = p;
            letzte = p;
          }
        bool luecke = false;
        for (int p = erste + 1; p < letzte; ++p)
          if (!c->Belegung().Belegt(v, d, p)) luecke = true;
        if (letzte > erste + 1 && luecke) {
          e.Zeilen.push_back("Der Kurs " + c->Text() + " hat {" + std::to_string(v) + "} " + TagText(st, d) +
                             " eine Brücke.");
          e.Hebe(1);
        }
      }
  }
  return e;
}

TPruefErgebnis TPruefung::PruefeFehlendeRaeume() const {
  TPruefErgebnis e;
  const TStandard& st = schule_->Standard();
  for (const TKurs* c : schule_->Kurse())
    for (const TSetzung* s : c->Setzungen()) {
      if (s->Raum() || !Gueltig(*s, c->Belegung().Versionen())) continue;
      e.Zeilen.push_back("Der Kurs " + c->Text() + " hat " +
                         ZeitText(st, s->Version(), s->Tag(), s->Stunde()) + " keinen Raum.");
      e.Hebe(1);
    }
  return e;
}

TPruefErgebnis TPruefung::PruefeFehlendeStunden() const {
  TPruefErgebnis e;
  for (const TKurs* c : schule_->Kurse()) {
    if (c->NichtVerplanen()) continue;
    for (int v = 1; v <= c->StundenTabelle().Versionen(); ++v) {
      const int offen = c->Stunden(v) - c->GesetzteStunden(v);
      if (offen <= 0) continue;
      e.Zeilen.push_back("Im Kurs {" + std::to_string(v) + "} " + c->Text() + " sind " +
                         std::to_string(offen) + " Stunden noch nicht gesetzt.");
      e.Hebe(1);
    }
  }
  return e;
}

TPruefErgebnis TPruefung::PruefeKopplungen() const {
  TPruefErgebnis e;
  for (const TKopplung* ko : schule_->Kopplungen()) {
    const std::vector<TKurs*>& m = ko->Kurse().Elemente();
    if (m.empty()) continue;
    const TKurs* erster = m.front();
    bool stunden = false, spt = false, ezs = false, tbn = false;
    for (const TKurs* c : m) {
      stunden |= !(c->StundenTabelle() == erster->StundenTabelle());
      spt |= c->StundenProTag() != erster->StundenProTag();
      ezs |= c->Einzelstunden() != erster->Einzelstunden();
      tbn |= c->Tabelle() != erster->Tabelle();
    }
    if (stunden)
      for (const TKurs* c : m)
        for (int v = 1; v <= c->StundenTabelle().Versionen(); ++v)
          e.Zeilen.push_back(c->Text() + " {" + std::to_string(v) + "} " + std::to_string(c->Stunden(v)) +
                             " Wochenstunden.");
    if (spt)
      for (const TKurs* c : m)
        e.Zeilen.push_back(c->Text() + " " + std::to_string(c->StundenProTag()) + " Stunden pro Tag.");
    if (ezs)
      for (const TKurs* c : m)
        e.Zeilen.push_back(c->Text() + " " + std::to_string(c->Einzelstunden()) + " Einzelstunden.");
    if (tbn)
      for (const TKurs* c : m)
        e.Zeilen.push_back(c->Text() + "  Tabelle " + std::to_string(c->Tabelle()) + ".");
    if (stunden || spt || ezs || tbn) e.Hebe(1);
  }
  return e;
}

TPruefErgebnis TPruefung::PruefeEinzelstunden() const {
  TPruefErgebnis e;
  const int schultage = std::clamp(schule_->Standard().mtn, 0, kTage);
  for (const TKurs* c : schule_->Kurse()) {
    if (c->NichtVerplanen()) continue;
    const int n = c->Belegung().Versionen();
    for (int v = 1; v <= n; ++v) {
      const int stunden = c->Stunden(v);
      std::array<int, kTage + 1> jeTag{};
      int gesetzt = 0;
      for (const TSetzung* s : c->Setzungen())
        if (s->Version() == v && Gueltig(*s, n)) {
          ++jeTag[static_cast<std::size_t>(s->Tag())];
          ++gesetzt;
        }
      // Only fully placed versions; a version without hours has nothing to check.
      if (stunden <= 0 || gesetzt != stunden) continue;
      int einzeln = 0, bloecke = 0;
      for (int d = 1; d <= schultage; ++d) {
        einzeln += jeTag[static_cast<std::size_t>(d)] == 1;
        bloecke += jeTag[static_cast<std::size_t>(d)] == c->StundenProTag();
      }
      bool gut = einzeln == c->Einzelstunden();
      if (gut && c->StundenProTag() > 1)
        gut = bloecke == (stunden - einzeln) / c->StundenProTag() && bloecke >= 1;
      if (!gut) {
        e.Zeilen.push_back("Im Kurs {" + std::to_string(v) + "} " + c->Text() +
                           " ist die Einzelstundenbedingung verletzt. ");
        e.Hebe(1);
      }
    }
  }
  return e;
}

TPruefErgebnis TPruefung::PruefeVersionen() const {
  TPruefErgebnis e;
  const int tage = schule_->Standard().mtn;
  auto zeile = [&e](const std::string& wer, const std::string& was) {
    e.Zeilen.push_back("Bei " + wer + " ist die " + was + " in Planversionen unterschiedlich.");
    e.Hebe(1);
  };
  auto planElement = [&](const TPlanElement& el, const std::string& art) {
    if (!el.Sperrung().VersionenGleich(tage)) zeile(art + el.Kuerzel(), "Sperrung");
    if (!el.Belegung().VersionenGleich(tage)) zeile(art + el.Kuerzel(), "Lage der Stunden");
  };
  for (const TLehrer* l : schule_->Lehrer()) {
    if (!l->SollTabelle().VersionenGleich()) zeile("Lehrer " + l->Kuerzel(), "Anzahl der Sollstunden");
    planElement(*l, "Lehrer ");
  }
  for (const TKlasse* k : schule_->Klassen()) {
    if (!k->SollTabelle().VersionenGleich()) zeile("Klasse " + k->Kuerzel(), "Anzahl der Sollstunden");
    planElement(*k, "Klasse ");
  }
  for (const TRaum* r : schule_->Raeume()) planElement(*r, "Raum ");
  for (const TKurs* c : schule_->Kurse()) {
    const std::string wer = "Kurs " + c->Text();
    if (!c->StundenTabelle().VersionenGleich()) zeile(wer, "Anzahl der Stunden");
    if (!c->Sperrung().VersionenGleich(tage)) zeile(wer, "Sperrung");
    if (!c->Belegung().VersionenGleich(tage)) zeile(wer, "Lage der Stunden");
  }
  return e;
}

}  // namespace kolvar
