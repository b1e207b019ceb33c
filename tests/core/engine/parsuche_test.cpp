// The search for clash-free arrangements of a parallel-coupling table, against an enumeration of
// every arrangement on small seeded tables: the count, the kept arrangement, fixed cells and
// stopping.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "engine/parsuche.h"
#include "engine/partabelle.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

// A school of six teachers and couplings of one or two courses each, from a seed.
struct TSuchSchule {
  std::unique_ptr<TKleineSchule> s = BaueKleineSchule();
  std::vector<TLehrer*> lehrer;
  std::vector<TKopplung*> kopplungen;

  explicit TSuchSchule(uint32_t seed) {
    TSchule& sch = *s->schule;
    for (const char* k : {"L1", "L2", "L3", "L4", "L5", "L6"}) lehrer.push_back(sch.NeuerLehrer(k));
    uint32_t x = seed * 2654435761u + 1;
    auto zufall = [&x](int n) {
      x = x * 1103515245u + 12345u;
      return static_cast<int>((x >> 16) % static_cast<uint32_t>(n));
    };
    for (int i = 0; i < 8; ++i) {
      TKopplung* ko = sch.NeueKopplung("K" + std::to_string(i));
      for (int j = 0; j <= zufall(2); ++j)
        sch.ErzeugeKurs(lehrer[static_cast<std::size_t>(zufall(6))], s->k6a, ko, nullptr, nullptr, 1);
      kopplungen.push_back(ko);
    }
    naechstes = [zufall]() mutable { return zufall(100); };
  }
  std::function<int()> naechstes;
};

using TAnordnung = std::vector<const TKopplung*>;  // row by row

// Every arrangement the search must count: each column a distinct permutation of its free
// entries over its free cells, fixed cells kept, and no teacher of a row in two columns' cells
// unless the later cell is fixed (a fixed cell is not checked, its teachers still count).
std::set<TAnordnung> AlleLoesungen(const TParTabelle& t) {
  const int Z = t.Zeilen(), S = t.Spalten();
  std::vector<std::vector<TAnordnung>> spalten(static_cast<std::size_t>(S));
  for (int s = 1; s <= S; ++s) {
    std::vector<const TKopplung*> frei;
    for (int z = 1; z <= Z; ++z)
      if (!t.Zelle(z, s).Fixiert) frei.push_back(t.Zelle(z, s).Kopplung);
    std::sort(frei.begin(), frei.end());
    do {
      TAnordnung spalte;
      std::size_t i = 0;
      for (int z = 1; z <= Z; ++z)
        spalte.push_back(t.Zelle(z, s).Fixiert ? t.Zelle(z, s).Kopplung : frei[i++]);
      spalten[static_cast<std::size_t>(s - 1)].push_back(spalte);
    } while (std::next_permutation(frei.begin(), frei.end()));
  }
  std::set<TAnordnung> loesungen;
  std::vector<std::size_t> wahl(static_cast<std::size_t>(S), 0);
  while (true) {
    bool gut = true;
    for (int z = 1; z <= Z && gut; ++z) {
      std::set<const TLehrer*> zeile;
      for (int s = 1; s <= S && gut; ++s) {
        const TKopplung* k = spalten[static_cast<std::size_t>(s - 1)][wahl[static_cast<std::size_t>(s - 1)]]
                                    [static_cast<std::size_t>(z - 1)];
        if (k == nullptr) continue;
        std::set<const TLehrer*> eigene;
        for (const TKurs* kurs : k->Kurse()) eigene.insert(kurs->Lehrer());
        if (!t.Zelle(z, s).Fixiert)
          for (const TLehrer* l : eigene) gut = gut && !zeile.contains(l);
        zeile.insert(eigene.begin(), eigene.end());
      }
    }
    if (gut) {
      TAnordnung a;
      for (int z = 1; z <= Z; ++z)
        for (int s = 1; s <= S; ++s)
          a.push_back(spalten[static_cast<std::size_t>(s - 1)][wahl[static_cast<std::size_t>(s - 1)]]
                             [static_cast<std::size_t>(z - 1)]);
      loesungen.insert(a);
    }
    std::size_t s = 0;
    while (s < wahl.size() && ++wahl[s] == spalten[s].size()) wahl[s++] = 0;
    if (s == wahl.size()) break;
  }
  return loesungen;
}

TEST(ParSuche, ZaehltJedeAnordnungEinmal) {
  int mitLoesung = 0, ohneLoesung = 0;
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    TSuchSchule p(seed);
    const int zeilen = 2 + static_cast<int>(seed % 3), spalten = 2 + static_cast<int>(seed % 2);
    TParTabelle t(*p.s->schule);
    t.Baue(zeilen, spalten, false);
    for (int z = 1; z <= zeilen; ++z)
      for (int s = 1; s <= spalten; ++s) {
        const int w = p.naechstes();
        // Some empty cells, some couplings twice in a column, a few fixed.
        if (w < 15) continue;
        t.SetzeZelle(z, s, p.kopplungen[static_cast<std::size_t>(w % 5)]);
        if (w > 90) t.SetzeFixiert(z, s, true);
      }
    const std::string fall = "seed " + std::to_string(seed);
    const std::set<TAnordnung> erwartet = AlleLoesungen(t);
    TParSuche suche(t);
    std::set<TAnordnung> gefunden;
    suche.Gefunden = [&](int64_t) {
      const TAnordnung a(suche.Loesung().begin(), suche.Loesung().end());
      EXPECT_TRUE(gefunden.insert(a).second) << fall << ": twice";
    };
    suche.Suche();
    EXPECT_FALSE(suche.Angehalten()) << fall;
    EXPECT_EQ(suche.Kombinationen(), static_cast<int64_t>(erwartet.size())) << fall;
    EXPECT_EQ(gefunden, erwartet) << fall;
    const TParTabelle vorher = t;
    EXPECT_EQ(suche.UebernimmLoesung(t), !erwartet.empty()) << fall;
    for (int z = 1; z <= zeilen; ++z)
      for (int s = 1; s <= spalten; ++s) {
        // Fixed cells keep coupling and mark; the table shows the last arrangement found.
        if (vorher.Zelle(z, s).Fixiert) {
          EXPECT_EQ(t.Zelle(z, s), vorher.Zelle(z, s)) << fall;
        }
        if (!erwartet.empty()) {
          EXPECT_EQ(t.Zelle(z, s).Kopplung,
                    suche.Loesung()[static_cast<std::size_t>((z - 1) * spalten + s - 1)]);
        }
      }
    (erwartet.empty() ? ohneLoesung : mitLoesung) += 1;
  }
  // The seeds give both kinds of table.
  EXPECT_GT(mitLoesung, 0);
  EXPECT_GT(ohneLoesung, 0);
}

TEST(ParSuche, HaeltAnUndLeereTabelle) {
  TSuchSchule p(3);
  TParTabelle t(*p.s->schule);
  t.Baue(6, 3, false);
  for (int z = 1; z <= 6; ++z)
    for (int s = 1; s <= 3; ++s) t.SetzeZelle(z, s, p.kopplungen[static_cast<std::size_t>((z + s) % 8)]);
  for (const int nach : {1, 5, 200}) {
    TParSuche suche(t);
    int gefragt = 0;
    suche.Abbruch = [&] { return ++gefragt >= nach; };
    suche.Suche();
    EXPECT_TRUE(suche.Angehalten()) << nach;
    EXPECT_EQ(suche.Kandidaten(), nach);
    EXPECT_EQ(gefragt, nach);
  }
  // Stopped from outside (the dialog's button) between two candidates.
  TParSuche suche(t);
  suche.Abbruch = [&] {
    if (suche.Kandidaten() == 10) suche.Anhalten();
    return false;
  };
  suche.Suche();
  EXPECT_TRUE(suche.Angehalten());
  EXPECT_EQ(suche.Kandidaten(), 10);
  // An empty table has exactly one arrangement.
  TParTabelle leer(*p.s->schule);
  leer.Baue(3, 2, false);
  TParSuche leerSuche(leer);
  leerSuche.Suche();
  EXPECT_EQ(leerSuche.Kombinationen(), 1);
}

}  // namespace
}  // namespace kolvar
