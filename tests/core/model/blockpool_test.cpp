// The block pool placements and records come from: blocks are distinct, aligned and whole however
// they are given back, freed blocks are handed out again before any new chunk, and a school's
// objects all return to its pools.

#include "model/blockpool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

constexpr std::size_t kGroesse = 40;

std::vector<void*> HoleViele(TBlockPool& pool, std::size_t n) {
  std::vector<void*> bloecke;
  for (std::size_t i = 0; i < n; ++i) bloecke.push_back(pool.Hole(kGroesse));
  return bloecke;
}

void Fuelle(void* p, std::size_t i) {
  std::memset(p, static_cast<int>(i % 251), kGroesse);
}

bool Unversehrt(const void* p, std::size_t i) {
  const auto* b = static_cast<const unsigned char*>(p);
  return std::all_of(b, b + kGroesse, [&](unsigned char c) { return c == i % 251; });
}

TEST(TBlockPool, ZurueckgegebeneBloeckeKommenVorNeuenWieder) {
  TBlockPool pool;
  void* a = pool.Hole(kGroesse);
  void* b = pool.Hole(kGroesse);
  const std::size_t bloecke = pool.Bloecke();
  EXPECT_NE(a, b);
  EXPECT_GE(pool.BlockGroesse(), kGroesse);
  EXPECT_EQ(pool.Vergeben(), 2u);
  pool.Gib(a);
  EXPECT_EQ(pool.Hole(kGroesse), a);
  void* e = pool.Hole(kGroesse);
  pool.Gib(b);
  pool.Gib(a);
  pool.Gib(nullptr);  // as delete of a null pointer
  EXPECT_EQ(pool.Vergeben(), 1u);
  void* c = pool.Hole(kGroesse);
  void* d = pool.Hole(kGroesse);
  EXPECT_EQ((std::set<void*>{a, b}), (std::set<void*>{c, d}));
  pool.Gib(e);
  EXPECT_EQ(pool.Bloecke(), bloecke);
  pool.Gib(c);
  pool.Gib(d);
}

// Many chunks' worth, given back in a random order in two halves: every block is aligned as new
// aligns, none overlaps another (each keeps its own bytes while all are out), and handing the same
// number out again makes no new chunk and gives exactly the blocks that came back. The pool then
// goes with all its chunks (the sanitizer build sees a leak otherwise).
TEST(TBlockPool, VieleBloeckeInBeliebigerFolgeZurueck) {
  auto pool = std::make_unique<TBlockPool>();
  constexpr std::size_t n = 5000;
  std::vector<void*> bloecke = HoleViele(*pool, n);
  const std::vector<void*> erste = bloecke;
  const std::size_t gebaut = pool->Bloecke();
  EXPECT_GE(gebaut, n);
  EXPECT_EQ(std::set<void*>(bloecke.begin(), bloecke.end()).size(), n);
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bloecke[i]) % __STDCPP_DEFAULT_NEW_ALIGNMENT__, 0u) << i;
    Fuelle(bloecke[i], i);
  }
  for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(Unversehrt(bloecke[i], i)) << i;

  std::mt19937 zufall(7);
  for (std::size_t runde = 0; runde < 3; ++runde) {
    std::shuffle(bloecke.begin(), bloecke.end(), zufall);
    const std::size_t haelfte = n / 2 + runde;
    std::set<void*> zurueck;
    for (std::size_t i = 0; i < haelfte; ++i) {
      zurueck.insert(bloecke[i]);
      pool->Gib(bloecke[i]);
    }
    EXPECT_EQ(pool->Vergeben(), n - haelfte);
    std::vector<void*> wieder = HoleViele(*pool, haelfte);
    EXPECT_EQ(std::set<void*>(wieder.begin(), wieder.end()), zurueck);
    std::copy(wieder.begin(), wieder.end(), bloecke.begin());
    EXPECT_EQ(pool->Bloecke(), gebaut);
  }
  for (std::size_t i = 0; i < n; ++i) Fuelle(bloecke[i], i);
  for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(Unversehrt(bloecke[i], i)) << i;
  std::shuffle(bloecke.begin(), bloecke.end(), zufall);
  for (void* p : bloecke) pool->Gib(p);
  // With every block back, they come in the order of the first time, whatever the order they went.
  std::vector<void*> alle = HoleViele(*pool, n);
  EXPECT_EQ(alle, erste);
  EXPECT_EQ(pool->Bloecke(), gebaut);
  for (void* p : alle) pool->Gib(p);
  EXPECT_EQ(pool->Vergeben(), 0u);
  pool.reset();
}

// The sum over a school's placements and its records; Anzahl also takes ended records out.
std::pair<std::size_t, std::size_t> Objekte(TSchule& s) {
  std::size_t setzungen = 0;
  for (const TKurs* k : s.Kurse()) setzungen += static_cast<std::size_t>(k->Setzungen().Anzahl());
  return {setzungen, static_cast<std::size_t>(s.Vertretungen().Anzahl())};
}

// Every placement and record of a generated school is a block of its pools, each goes back when
// its plan is cleared, and placing again reuses the blocks.
TEST(TBlockPool, EineSchuleGibtAllesZurueck) {
  if (!kBlockPoolAktiv) GTEST_SKIP() << "plain new and delete under the sanitizers";
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
  TStandard standard;
  auto s = ErzeugeSchule(standard, Profil::Typisch, 11, {nullptr, nullptr, &uhr});
  TBlockPool& setzungen = s->SetzungsPool();
  TBlockPool& vertretungen = s->VertretungsPool();
  const auto [anfangS, anfangV] = Objekte(*s);
  ASSERT_GT(anfangS, 1000u);
  ASSERT_GT(anfangV, 100u);
  EXPECT_EQ(setzungen.Vergeben(), anfangS);
  EXPECT_EQ(vertretungen.Vergeben(), anfangV);

  // Each course's first placement goes and comes back at its slot.
  const std::size_t bloecke = setzungen.Bloecke();
  for (TKurs* k : s->Kurse()) {
    if (k->Setzungen().Leer()) continue;
    TSetzung* z = k->Setzungen().Hole(1);
    const int v = z->Version(), d = z->Tag(), p = z->Stunde();
    TRaum* r = z->Raum();
    k->EntferneSetzung(z);
    ASSERT_NE(k->NeueSetzung(v, d, p, r, false), nullptr);
  }
  EXPECT_EQ(setzungen.Bloecke(), bloecke);
  const auto [mitteS, mitteV] = Objekte(*s);
  EXPECT_EQ(setzungen.Vergeben(), mitteS);
  EXPECT_EQ(vertretungen.Vergeben(), mitteV);

  for (TKurs* k : s->Kurse()) k->EntferneAlleSetzungen();
  EXPECT_EQ(Objekte(*s), std::make_pair(std::size_t{0}, std::size_t{0}));
  EXPECT_EQ(setzungen.Vergeben(), 0u);
  EXPECT_EQ(vertretungen.Vergeben(), 0u);
  for (const std::string& fehler : PruefeModell(*s)) ADD_FAILURE() << fehler;
}

}  // namespace
}  // namespace kolvar
