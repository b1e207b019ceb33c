// The blocked-slot grid on generated schools against plain computations, and the automatic
// run's placements on a generated school pinned, so that no shortcut of the run changes them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/autolauf.h"
#include "engine/automat.h"
#include "engine/raumsuche.h"
#include "model/setzung.h"
#include "support/generator.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

std::vector<uint32_t> Woche(const TKurs& k, int v) {
  std::vector<uint32_t> w;
  for (int d = 1; d <= kTage; ++d) w.push_back(k.Ergebnis().Tag(v, d));
  return w;
}

std::vector<uint32_t> Grid(TKurs& k, int v) {
  k.SetzePrioritaet(0);
  k.BerechneSperrbereich(false);
  return Woche(k, v);
}

// The coupling's courses all get distinct free rooms at the slot, asked of the full search
// with every course's free rooms listed.
// One course's open hours in version v placed as the run over all courses places them, with v as
// the current version (its coupling rooms count).
void SetzeOffene(TAutoLauf& lauf, TStandard& standard, TKurs& k, int v) {
  const int n = k.OffeneStunden(v);
  if (n < 1 || k.NichtVerplanen()) return;
  standard.SetAktuelleVersion(v);
  k.SetzePrioritaet(0);
  k.BerechneSperrbereich(true);
  AutoKursSetzen(lauf, k, v, n);
}

bool RaeumeReichen(const TKurs& k, int v, int d, int p) {
  std::vector<const TRaum*> ids;
  std::vector<TRaumSuche::TWunsch> wuensche;
  for (const TKurs* partner : k.Kopplung()->Kurse()) {
    TRaumSuche::TWunsch& w = wuensche.emplace_back();
    w.OhneRaum = partner->Raeume().Leer();
    for (const TRaum* r : partner->Raeume()) {
      if (r->Belegung().Belegt(v, d, p) || r->Sperrung().Belegt(v, d, p)) continue;
      auto it = std::find(ids.begin(), ids.end(), r);
      if (it == ids.end()) it = ids.insert(ids.end(), r);
      w.Raeume.push_back(static_cast<int>(it - ids.begin()));
    }
  }
  TRaumSuche suche;
  return suche.Verteilbar(wuensche, wuensche.size());
}

// Asking for the current version alone gives that version's grid exactly as asking for all.
TEST(Sperrbereich, EineVersionWieAlleVersionen) {
  for (const bool ara : {false, true}) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, Profil::Typisch, 4);
    ASSERT_GE(standard.mwn(), 2);
    standard.ara = ara;
    int verglichen = 0;
    for (int v = 1; v <= standard.mwn(); ++v) {
      standard.SetAktuelleVersion(v);
      for (TKurs* k : schule->Kurse()) {
        standard.SetNurAktuelleVersion(true);
        const std::vector<uint32_t> eine = Grid(*k, v);
        standard.SetNurAktuelleVersion(false);
        ASSERT_EQ(eine, Grid(*k, v)) << k->Text() << " Version " << v << (ara ? " ara" : "");
        ++verglichen;
      }
    }
    EXPECT_GT(verglichen, 100);
  }
}

// The room part of a coupled course's grid: a slot the course could take otherwise is blocked
// exactly where the full search finds no distinct free rooms for the coupling.
TEST(Sperrbereich, KopplungsRaeumeWieVolleSuche) {
  for (const uint32_t seed : {4u, 9u}) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, Profil::Typisch, seed);
    int frei = 0, zuWenig = 0;
    for (int v = 1; v <= standard.mwn(); ++v) {
      standard.SetAktuelleVersion(v);
      for (TKurs* k : schule->Kurse()) {
        if (k->Kopplung() == nullptr || k->Raeume().Leer()) continue;
        standard.ara = true;
        const std::vector<uint32_t> ohneRaeume = Grid(*k, v);
        standard.ara = false;
        const std::vector<uint32_t> mitRaeume = Grid(*k, v);
        for (int d = 1; d <= std::min(standard.mtn, kTage); ++d)
          for (int p = 1; p <= kStunden; ++p) {
            const uint32_t bit = 1u << (p - 1);
            if (ohneRaeume[static_cast<std::size_t>(d - 1)] & bit) continue;
            const bool reichen = RaeumeReichen(*k, v, d, p);
            ASSERT_EQ((mitRaeume[static_cast<std::size_t>(d - 1)] & bit) == 0, reichen)
                << k->Text() << " " << v << "/" << d << "/" << p;
            ++(reichen ? frei : zuWenig);
          }
      }
    }
    EXPECT_GT(frei, 0) << seed;
    EXPECT_GT(zuWenig, 0) << seed;
  }
}

// The room part of a course without coupling: a slot it could take otherwise is blocked
// exactly where every one of its rooms is occupied or locked, also on a plan full enough that
// this happens.
TEST(Sperrbereich, EinzelkursRaeumeAlleBelegt) {
  TStandard standard;
  auto schule = ErzeugeSchule(standard, Profil::Typisch, 4);
  // Fill the plan first, so that whole room sets are taken at some slots.
  for (TKurs* k : schule->Kurse()) k->EntferneAlleSetzungen();
  TAutoLauf lauf(standard);
  int frei = 0, belegt = 0;
  for (int v = 1; v <= standard.mwn(); ++v) {
    standard.SetAktuelleVersion(v);  // also for the grids asked below
    for (TKurs* k : schule->Kurse()) SetzeOffene(lauf, standard, *k, v);
    for (TKurs* k : schule->Kurse()) {
      if (k->Kopplung() != nullptr || k->Raeume().Leer()) continue;
      standard.ara = true;
      const std::vector<uint32_t> ohneRaeume = Grid(*k, v);
      standard.ara = false;
      const std::vector<uint32_t> mitRaeume = Grid(*k, v);
      for (int d = 1; d <= kTage; ++d)
        for (int p = 1; p <= kStunden; ++p) {
          const uint32_t bit = 1u << (p - 1);
          if (ohneRaeume[static_cast<std::size_t>(d - 1)] & bit) continue;
          const std::vector<TRaum*>& raeume = k->Raeume().Elemente();
          const bool alle = std::all_of(raeume.begin(), raeume.end(), [&](const TRaum* r) {
            return r->Belegung().Belegt(v, d, p) || r->Sperrung().Belegt(v, d, p);
          });
          ASSERT_EQ((mitRaeume[static_cast<std::size_t>(d - 1)] & bit) != 0, alle)
              << k->Text() << " " << v << "/" << d << "/" << p;
          ++(alle ? belegt : frei);
        }
    }
  }
  EXPECT_GT(frei, 0);
  EXPECT_GT(belegt, 0);
}

// The couplings' room answers are kept from one rating to the next only as buffers: rating
// the courses front to back and back to front gives every course the same grid.
TEST(Sperrbereich, ReihenfolgeDerBewertungGleichgueltig) {
  TStandard standard;
  auto schule = ErzeugeSchule(standard, Profil::Typisch, 9);
  standard.ara = false;
  // A course with a rating keeps its grid: every grid here is computed afresh.
  for (TKurs* k : schule->Kurse()) k->SetzePrioritaet(0);
  int gekoppelt = 0;
  for (int v = 1; v <= standard.mwn(); ++v) {
    standard.SetAktuelleVersion(v);
    std::vector<TKurs*> kurse = schule->Kurse().Elemente();
    std::vector<std::vector<uint32_t>> vorwaerts;
    for (TKurs* k : kurse) {
      k->SetzePrioritaet(0);
      k->BerechneSperrbereich(k->Kopplung() != nullptr && vorwaerts.size() % 2 == 0);
      vorwaerts.push_back(Woche(*k, v));
    }
    for (std::size_t i = kurse.size(); i-- > 0;) {
      TKurs* k = kurse[i];
      k->SetzePrioritaet(0);
      k->BerechneSperrbereich(k->Kopplung() != nullptr && i % 2 == 0);
      ASSERT_EQ(Woche(*k, v), vorwaerts[i]) << k->Text() << " Version " << v;
      if (k->Kopplung() != nullptr) ++gekoppelt;
    }
  }
  EXPECT_GT(gekoppelt, 10);
}

// A coupling sharing more rooms than fit one word answers as one with a few.
TEST(Sperrbereich, KopplungMitVielenRaeumen) {
  for (const int anzahl : {10, 70}) {
    auto s = BaueKleineSchule(1);
    s->standard.ara = false;
    s->sportSch->EntferneRaum(s->th);
    s->sportBer->EntferneRaum(s->r102);
    std::vector<TRaum*> raeume;
    for (int i = 0; i < anzahl; ++i) {
      TRaum* r = s->schule->NeuerRaum("X" + std::to_string(i));
      raeume.push_back(r);
      s->sportSch->FuegeRaumHinzu(r, false);
      s->sportBer->FuegeRaumHinzu(r, false);
    }
    // Monday: one room left at period 3, two at period 4, none at period 5.
    for (std::size_t i = 0; i < raeume.size(); ++i) {
      if (i >= 1) raeume[i]->Sperrung().SetzeBereich(1, 1, 3, true);
      if (i >= 2) raeume[i]->Sperrung().SetzeBereich(1, 1, 4, true);
      raeume[i]->Sperrung().SetzeBereich(1, 1, 5, true);
    }
    s->sportSch->SetzePrioritaet(0);
    s->sportSch->BerechneSperrbereich(false);
    const TWochBereich& e = s->sportSch->Ergebnis();
    EXPECT_TRUE(e.Belegt(1, 1, 3)) << anzahl;
    EXPECT_FALSE(e.Belegt(1, 1, 4)) << anzahl;
    EXPECT_TRUE(e.Belegt(1, 1, 5)) << anzahl;
    EXPECT_FALSE(e.Belegt(1, 2, 3)) << anzahl;
    s->sportBer->SetzePrioritaet(0);
    s->sportBer->BerechneSperrbereich(true);
    EXPECT_EQ(s->sportSch->Ergebnis(), s->sportBer->Ergebnis()) << anzahl;
    EXPECT_TRUE(s->sportSch->Ergebnis().Belegt(1, 1, 3)) << anzahl;
  }
}

// Every placement of the school in list order, as one number.
uint64_t Pruefsumme(const TSchule& s) {
  uint64_t h = 1469598103934665603ull;
  auto mische = [&h](uint64_t x) {
    h ^= x;
    h *= 1099511628211ull;
  };
  for (const TKurs* k : s.Kurse()) {
    mische(k->Erstellnummer());
    for (const TSetzung* st : k->Setzungen()) {
      mische(static_cast<uint64_t>(st->Version() * 10000 + st->Tag() * 100 + st->Stunde()));
      for (const char c : st->Raum() != nullptr ? st->Raum()->Kuerzel() : std::string("-"))
        mische(static_cast<unsigned char>(c));
      mische(st->Fixiert() ? 1 : 0);
    }
  }
  return h;
}

// The run as the user starts it (every course, fixed hours kept) and every course placed
// version by version from an empty plan: the placements of a generated school of two
// versions, with and without the pattern check, as they came out before the run learnt its
// shortcuts.
TEST(Automat, GenerierteSchuleFestgehalten) {
  struct TFall {
    bool alleVersionen;
    bool aei;
    uint64_t summe;
  };
  for (const TFall& f :
       {TFall{false, true, 9484105440083810219ull}, TFall{false, false, 9092356989473549104ull},
        TFall{true, true, 9349834354024521706ull}, TFall{true, false, 17930804258317373760ull}}) {
    TStandard standard;
    auto schule = ErzeugeSchule(standard, Profil::Typisch, 7);
    standard.ara = false;
    standard.aei = f.aei;
    if (!f.alleVersionen) {
      for (TKurs* k : schule->Kurse())
        for (TSetzung* st : std::vector<TSetzung*>(k->Setzungen().Elemente()))
          if (!st->Fixiert()) k->EntferneSetzung(st);
      TAutomat a(*schule);
      a.AutomatVorbereiten(schule->Kurse().Elemente());
      while (a.Schritt()) {
      }
    } else {
      for (TKurs* k : schule->Kurse()) k->EntferneAlleSetzungen();
      TAutoLauf lauf(standard);
      for (int v = 1; v <= standard.mwn(); ++v)
        for (TKurs* k : schule->Kurse()) SetzeOffene(lauf, standard, *k, v);
    }
    for (const std::string& fehler : PruefeModell(*schule)) ADD_FAILURE() << fehler;
    EXPECT_EQ(Pruefsumme(*schule), f.summe) << f.alleVersionen << f.aei;
  }
}

// The versions are separate plans: a course placed in every version before the next course
// comes (as the run over all versions goes) gives the placements of placing every course
// version by version, records and all, on a school of many versions whose people are absent.
TEST(Automat, KursweiseWieVersionsweise) {
  for (bool aei : {true, false}) {
    auto lauf = [aei](bool kursweise) {
      TStandard standard;
      auto schule = ErzeugeSchule(standard, Profil::Gross, 3);
      standard.ara = false;
      standard.aei = aei;
      EXPECT_GT(standard.mwn(), 2);
      EXPECT_GT(schule->Vertretungen().Anzahl(), 0);
      for (TKurs* k : schule->Kurse()) k->EntferneAlleSetzungen();
      TAutoLauf l(standard);
      if (kursweise) {
        for (TKurs* k : schule->Kurse())
          for (int v = 1; v <= standard.mwn(); ++v) SetzeOffene(l, standard, *k, v);
      } else {
        for (int v = 1; v <= standard.mwn(); ++v)
          for (TKurs* k : schule->Kurse()) SetzeOffene(l, standard, *k, v);
      }
      for (const std::string& fehler : PruefeModell(*schule)) ADD_FAILURE() << fehler;
      return std::make_pair(Pruefsumme(*schule), schule->Vertretungen().Anzahl());
    };
    EXPECT_EQ(lauf(true), lauf(false)) << aei;
  }
}

}  // namespace
}  // namespace kolvar
