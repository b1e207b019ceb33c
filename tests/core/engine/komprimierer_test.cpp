// Compressing class plans: which lessons may move into a gap, chains that fail are undone, and a
// stop at any point leaves a consistent plan.

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "core/engine/planhilfe.h"
#include "engine/komprimierer.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using TStunden = std::set<std::tuple<int, int>>;  // day, period

TStunden Stunden(const TKurs& k, int v) {
  TStunden m;
  for (const TSetzung* s : k.Setzungen())
    if (s->Version() == v) m.emplace(s->Tag(), s->Stunde());
  return m;
}

// The search also fills the early periods of days without lessons; locking them keeps the cases
// to Monday.
void SperreAbDienstag(TKlasse& k) {
  for (int v = 1; v <= k.Sperrung().Versionen(); ++v)
    for (int d = 2; d <= kTage; ++d)
      for (int p = 1; p <= 4; ++p) k.Sperrung().SetzeBereich(v, d, p, true);
}

void PruefeKonsistent(const TSchule& s, const std::string& fall) {
  for (const std::string& f : PruefeModell(s)) ADD_FAILURE() << fall << ": " << f;
}

// Class 6a has only its German course (no room, no coupling): where it ends up.
TEST(Komprimierer, FuelltLueckenNachDenEinstellungen) {
  struct TFall {
    const char* name;
    TStunden vorher;
    bool bruecken, mehrfach, fixiert;
    TStunden nachher;
    int luecken;
  };
  const std::vector<TFall> faelle{
      {"eine Luecke, eine Verschiebung", {{1, 1}, {1, 3}}, false, false, false, {{1, 1}, {1, 2}}, 0},
      {"ohne Bruecken bleibt der Tag",
       {{1, 1}, {1, 3}, {2, 5}},
       false,
       false,
       false,
       {{1, 1}, {1, 2}, {2, 5}},
       0},
      {"mit Bruecken vom anderen Tag",
       {{1, 1}, {1, 3}, {2, 5}},
       true,
       true,
       false,
       {{1, 1}, {1, 2}, {1, 3}},
       0},
      {"Doppelstunde bleibt ganz",
       {{1, 1}, {1, 4}, {1, 5}},
       false,
       false,
       false,
       {{1, 1}, {1, 4}, {1, 5}},
       2},
      {"Doppelstunde zerrissen", {{1, 1}, {1, 4}, {1, 5}}, false, true, false, {{1, 1}, {1, 2}, {1, 3}}, 0},
      {"jede Stunde fixiert", {{1, 1}, {1, 3}}, true, true, true, {{1, 1}, {1, 3}}, 0},
      {"keine Stunde", {}, true, true, false, {}, 0},
  };
  for (const TFall& f : faelle) {
    auto s = BaueKleineSchule(1);
    s->standard.kmpb = f.bruecken;
    s->standard.kmpm = f.mehrfach;
    SperreAbDienstag(*s->k6a);
    for (const auto& [d, p] : f.vorher) s->deutsch6a->Setze(1, d, nullptr, p)->SetFixiert(f.fixiert);
    TKomprimierer komp(*s->schule);
    komp.Zeige(s->k6a, komp.StartVersion());
    komp.KomprimiereKlasse(*s->k6a);
    EXPECT_EQ(Stunden(*s->deutsch6a, 1), f.nachher) << f.name;
    EXPECT_EQ(komp.Luecken(), f.luecken) << f.name;
    for (const TSetzung* st : s->deutsch6a->Setzungen()) EXPECT_EQ(st->Fixiert(), f.fixiert) << f.name;
    PruefeKonsistent(*s->schule, f.name);
  }
}

// 5a: Maths at Monday 1, the coupled sport at Monday 3. Only the coupling could close the gap;
// every chain of moves of the Maths hour fails after seven moves and is undone completely.
TEST(Komprimierer, KopplungBleibtUndKettenWerdenZurueckgenommen) {
  auto s = BaueKleineSchule(1);
  s->mathe5a->Setze(1, 1, s->r101, 1);
  s->sportSch->Setze(1, 1, s->th, 3);
  s->sportBer->Setze(1, 1, s->r102, 3);
  const std::string vorher = Planstand(*s->schule);
  TKomprimierer komp(*s->schule);
  komp.Zeige(s->k5a, 1);
  EXPECT_EQ(komp.Luecken(), 1);
  komp.KomprimiereKlasse(*s->k5a);
  EXPECT_EQ(Planstand(*s->schule), vorher);
  EXPECT_EQ(komp.Luecken(), 1);
  EXPECT_EQ(komp.Verschiebungen(), 0);
  PruefeKonsistent(*s->schule, "Kopplung");
}

// Without a class there is nothing to show or to move.
TEST(Komprimierer, OhneKlasse) {
  auto s = BaueKleineSchule(1);
  SetzeEinigeStunden(*s);
  const std::string vorher = Planstand(*s->schule);
  TKomprimierer komp(*s->schule);
  komp.Zeige(nullptr, 1);
  komp.KompKlasse(1);
  EXPECT_EQ(komp.Luecken(), 0);
  EXPECT_EQ(Planstand(*s->schule), vorher);
}

// The current version only, or every version; with one version both are the same.
TEST(Komprimierer, Versionen) {
  for (const int n : {1, 3, kMaxVersionen})
    for (const bool nurAktuelle : {false, true}) {
      auto s = BaueKleineSchule(n);
      s->standard.SetNurAktuelleVersion(nurAktuelle);
      s->standard.SetAktuelleVersion(n);
      SperreAbDienstag(*s->k6a);
      for (int v = 1; v <= n; ++v) {
        s->deutsch6a->Setze(v, 1, nullptr, 1);
        s->deutsch6a->Setze(v, 1, nullptr, 3);
      }
      TKomprimierer komp(*s->schule);
      komp.Zeige(s->k6a, komp.StartVersion());
      komp.KomprimiereKlasse(*s->k6a);
      for (int v = 1; v <= n; ++v) {
        const bool komprimiert = !nurAktuelle || v == n;
        const TStunden erwartet = komprimiert ? TStunden{{1, 1}, {1, 2}} : TStunden{{1, 1}, {1, 3}};
        EXPECT_EQ(Stunden(*s->deutsch6a, v), erwartet) << n << nurAktuelle << v;
      }
      PruefeKonsistent(*s->schule, "Versionen");
    }
}

// A stop, "nächste Klasse" or a spent search budget after any number of source slots: no hour is
// lost or doubled and the grids agree with the placements.
TEST(Komprimierer, AbbruchNaechsteKlasseUndBudgetMittenInDerSuche) {
  enum TWie { Abbruch, Naechste, Budget };
  for (const TWie wie : {Abbruch, Naechste, Budget})
    for (int nach = 1; nach <= 300; nach += 7) {
      auto s = BaueKleineSchule(2);
      s->standard.SetNurAktuelleVersion(false);
      s->standard.kmpm = true;
      for (int v = 1; v <= 2; ++v)
        for (const int p : {1, 4, 5}) s->deutsch6a->Setze(v, 1, nullptr, p);
      TKomprimierer komp(*s->schule);
      int aufrufe = 0;
      if (wie == Budget) komp.SuchSchritte = nach;
      komp.Abbruch = [&] {
        if (++aufrufe == nach && wie != Budget) {
          if (wie == Abbruch) return true;
          komp.NaechsteKlasse();
        }
        return false;
      };
      komp.Zeige(s->k6a, 1);
      komp.KomprimiereKlasse(*s->k6a);
      const std::string fall = std::to_string(nach) + " " + std::to_string(wie);
      EXPECT_EQ(komp.Angehalten(), wie == Abbruch && aufrufe >= nach) << fall;
      if (wie == Budget && nach == 1) {
        EXPECT_GT(komp.Aufgegeben(), 0) << fall;
      }
      for (int v = 1; v <= 2; ++v) EXPECT_EQ(Stunden(*s->deutsch6a, v).size(), 3u) << fall;
      PruefeKonsistent(*s->schule, fall);
    }
}

}  // namespace
}  // namespace kolvar
