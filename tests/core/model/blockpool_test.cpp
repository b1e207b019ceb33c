// The block pool placements and records come from: blocks are distinct, aligned and whole however
// they are given back, freed blocks are handed out again before any new chunk, and a school's
// objects all return when it goes.

#include "model/blockpool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include "model/kurs.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/generator.h"

namespace kolvar {
namespace {

// A size no class of the program uses, so the counts are this test's own.
using Pool = TBlockPool<40, 16>;

std::vector<void*> HoleViele(std::size_t n) {
  std::vector<void*> bloecke;
  for (std::size_t i = 0; i < n; ++i) bloecke.push_back(Pool::Hole());
  return bloecke;
}

void Fuelle(void* p, std::size_t i) {
  std::memset(p, static_cast<int>(i % 251), 40);
}

bool Unversehrt(const void* p, std::size_t i) {
  const auto* b = static_cast<const unsigned char*>(p);
  return std::all_of(b, b + 40, [&](unsigned char c) { return c == i % 251; });
}

TEST(TBlockPool, ZurueckgegebeneBloeckeKommenVorNeuenWieder) {
  const std::ptrdiff_t vergeben = Pool::Vergeben();
  void* a = Pool::Hole();
  void* b = Pool::Hole();
  const std::size_t bloecke = Pool::Bloecke();
  EXPECT_NE(a, b);
  EXPECT_EQ(Pool::Vergeben(), vergeben + 2);
  Pool::Gib(a);
  EXPECT_EQ(Pool::Hole(), a);
  Pool::Gib(b);
  Pool::Gib(a);
  Pool::Gib(nullptr);  // as delete of a null pointer
  EXPECT_EQ(Pool::Vergeben(), vergeben);
  // Both came back, so two more cost no chunk.
  void* c = Pool::Hole();
  void* d = Pool::Hole();
  EXPECT_EQ((std::set<void*>{a, b}), (std::set<void*>{c, d}));
  EXPECT_EQ(Pool::Bloecke(), bloecke);
  Pool::Gib(c);
  Pool::Gib(d);
}

// Many chunks' worth, given back in a random order in two halves: every block is aligned, none
// overlaps another (each keeps its own bytes while all are out), and handing the same number out
// again makes no new chunk and gives exactly the blocks that came back.
TEST(TBlockPool, VieleBloeckeInBeliebigerFolgeZurueck) {
  constexpr std::size_t n = 5000;
  std::vector<void*> bloecke = HoleViele(n);
  const std::size_t gebaut = Pool::Bloecke();
  EXPECT_GE(gebaut, n);
  EXPECT_EQ(std::set<void*>(bloecke.begin(), bloecke.end()).size(), n);
  for (std::size_t i = 0; i < n; ++i) {
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bloecke[i]) % 16, 0u) << i;
    Fuelle(bloecke[i], i);
  }
  for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(Unversehrt(bloecke[i], i)) << i;

  std::mt19937 zufall(7);
  for (int runde = 0; runde < 3; ++runde) {
    std::shuffle(bloecke.begin(), bloecke.end(), zufall);
    const std::size_t haelfte = n / 2 + static_cast<std::size_t>(runde);
    std::set<void*> zurueck;
    for (std::size_t i = 0; i < haelfte; ++i) {
      zurueck.insert(bloecke[i]);
      Pool::Gib(bloecke[i]);
    }
    std::vector<void*> wieder = HoleViele(haelfte);
    EXPECT_EQ(std::set<void*>(wieder.begin(), wieder.end()), zurueck);
    std::copy(wieder.begin(), wieder.end(), bloecke.begin());
    EXPECT_EQ(Pool::Bloecke(), gebaut);
  }
  for (std::size_t i = 0; i < n; ++i) Fuelle(bloecke[i], i);
  for (std::size_t i = 0; i < n; ++i) ASSERT_TRUE(Unversehrt(bloecke[i], i)) << i;
  std::shuffle(bloecke.begin(), bloecke.end(), zufall);
  for (void* p : bloecke) Pool::Gib(p);
  std::vector<void*> alle = HoleViele(n);
  EXPECT_EQ(Pool::Bloecke(), gebaut);
  for (void* p : alle) Pool::Gib(p);
}

// Another thread has its own chunks; a block it gives back that this thread made is reused there.
TEST(TBlockPool, JederThreadHatSeineEigenenBloecke) {
  void* hier = Pool::Hole();
  std::vector<void*> dort;
  std::size_t dortBloecke = 0;
  std::thread t([&] {
    dortBloecke = Pool::Bloecke();
    dort.push_back(Pool::Hole());
    Pool::Gib(hier);
    dort.push_back(Pool::Hole());
    dort.push_back(Pool::Hole());
  });
  t.join();
  EXPECT_EQ(dortBloecke, 0u);
  EXPECT_NE(dort[0], hier);
  EXPECT_EQ(dort[1], hier);
  EXPECT_NE(dort[2], hier);
}

// The sum over a school's placements and its records; Anzahl also takes ended records out.
std::pair<std::ptrdiff_t, std::ptrdiff_t> Objekte(TSchule& s) {
  std::ptrdiff_t setzungen = 0;
  for (const TKurs* k : s.Kurse()) setzungen += k->Setzungen().Anzahl();
  return {setzungen, s.Vertretungen().Anzahl()};
}

// Every placement and record of a generated school is a pool block, each goes back when its
// plan is cleared or the school is destroyed, and the next school reuses the same blocks.
TEST(TBlockPool, EineSchuleGibtAllesZurueck) {
  if (!kBlockPoolAktiv) GTEST_SKIP() << "plain new and delete under the sanitizers";
  using Setzungen = TPoolVon<TSetzung>;
  using Vertretungen = TPoolVon<TVertretung>;
  const std::ptrdiff_t setzungenVorher = Setzungen::Vergeben();
  const std::ptrdiff_t vertretungenVorher = Vertretungen::Vergeben();
  TFesteUhr uhr(int64_t{kGeneratorHeute} * 86400);
  std::size_t bloecke[2] = {0, 0};
  for (int runde = 0; runde < 2; ++runde) {
    TStandard standard;
    auto s = ErzeugeSchule(standard, Profil::Typisch, 11, {nullptr, nullptr, &uhr});
    const auto [setzungen, vertretungen] = Objekte(*s);
    ASSERT_GT(setzungen, 1000);
    ASSERT_GT(vertretungen, 100);
    EXPECT_EQ(Setzungen::Vergeben() - setzungenVorher, setzungen);
    EXPECT_EQ(Vertretungen::Vergeben() - vertretungenVorher, vertretungen);
    bloecke[runde] = Setzungen::Bloecke() + Vertretungen::Bloecke();

    // Half the courses lose their plan: what they held goes back at once.
    int n = 0;
    for (TKurs* k : s->Kurse())
      if (++n % 2 == 0) k->EntferneAlleSetzungen();
    const auto [setzungenDanach, vertretungenDanach] = Objekte(*s);
    EXPECT_LT(setzungenDanach, setzungen);
    EXPECT_EQ(Setzungen::Vergeben() - setzungenVorher, setzungenDanach);
    EXPECT_EQ(Vertretungen::Vergeben() - vertretungenVorher, vertretungenDanach);
    s.reset();
    EXPECT_EQ(Setzungen::Vergeben(), setzungenVorher);
    EXPECT_EQ(Vertretungen::Vergeben(), vertretungenVorher);
  }
  EXPECT_EQ(bloecke[1], bloecke[0]);
}

}  // namespace
}  // namespace kolvar
