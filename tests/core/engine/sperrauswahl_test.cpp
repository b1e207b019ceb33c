// The lock grid's rules: what a cell shows and what a dragged rectangle does to the locks.

#include <gtest/gtest.h>

#include "engine/sperrauswahl.h"
#include "model/setzung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

TEST(SperreAuswahl, RechteckNimmtDieUmkehrungDerStartzelle) {
  struct TFall {
    const char* name;
    int tagVon, tagBis, stdVon, stdBis, startTag, startStd;
    // Locked before: Mon 1; placed: Mon 2 (not locked), Tue 1 (also locked).
    std::vector<std::pair<int, int>> gesperrt;  // locked slots after
  };
  const std::vector<TFall> faelle{
      {"ein Klick auf freie Zelle", 3, 3, 4, 4, 3, 4, {{1, 1}, {2, 1}, {3, 4}}},
      {"ein Klick auf gesperrte Zelle", 1, 1, 1, 1, 1, 1, {{2, 1}}},
      {"freier Start sperrt freie Zellen", 1, 2, 1, 2, 2, 2, {{1, 1}, {2, 1}, {2, 2}}},
      {"gesperrter Start entsperrt", 1, 2, 1, 3, 1, 1, {{2, 1}}},
      // Started on the placed, unlocked Mon 2: locks the free cells only.
      {"Start auf gesetzter Zelle", 1, 1, 2, 3, 1, 2, {{1, 1}, {1, 3}, {2, 1}}},
      {"verkehrt herum gezogen", 2, 1, 3, 2, 2, 3, {{1, 1}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}},
      {"ausserhalb geklemmt", 7, 9, 16, 20, 7, 16, {{1, 1}, {2, 1}, {7, 16}}},
  };
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.name);
    TWochBereich sperre, belegt, leer;
    sperre.SetzeVersionen(2);
    belegt.SetzeVersionen(2);
    sperre.SetzeBereich(1, 1, 1, true);
    sperre.SetzeBereich(1, 2, 1, true);
    belegt.SetzeBereich(1, 1, 2, true);
    belegt.SetzeBereich(1, 2, 1, true);
    sperre.SetzeBereich(2, 5, 5, true);
    TSperrQuelle q = TSperrQuelle::VonVorlage(sperre, belegt);
    SperreAuswahl(q, 1, f.tagVon, f.tagBis, f.stdVon, f.stdBis, f.startTag, f.startStd);
    TWochBereich erwartet;
    erwartet.SetzeVersionen(2);
    for (auto [d, p] : f.gesperrt) erwartet.SetzeBereich(1, d, p, true);
    erwartet.SetzeBereich(2, 5, 5, true);  // the other version never changes
    EXPECT_EQ(sperre, erwartet);
  }
}

TEST(SperreAuswahl, NurEineKonkreteVersion) {
  TWochBereich sperre, leer;
  sperre.SetzeVersionen(3);
  TSperrQuelle q = TSperrQuelle::VonVorlage(sperre, leer);
  for (int v : {0, -1, 4}) EXPECT_FALSE(SperreAuswahl(q, v, 1, 7, 1, 16, 1, 1)) << v;
  EXPECT_TRUE(sperre.Leer());
}

TEST(SperreAuswahl, ElementZellenUndSchule) {
  auto s = BaueKleineSchule();
  // MUE: Mo1 De5a not fixed, Mo2 Ma5b fixed.
  s->deutsch5a->NeueSetzung(1, 1, 1, nullptr, false);
  s->mathe5b->NeueSetzung(1, 1, 2, nullptr, true);
  s->sportSch->NeueSetzung(1, 1, 3, nullptr, false);
  s->mue->Sperrung().SetzeBereich(1, 1, 4, true);
  s->schule->SetzeGeaendert(false);

  TSperrQuelle q = TSperrQuelle::VonElement(*s->mue);
  const auto z1 = ZeichneWochenZelle(q, 1, 1, 1), z2 = ZeichneWochenZelle(q, 1, 1, 2),
             z4 = ZeichneWochenZelle(q, 1, 1, 4);
  EXPECT_EQ(z1.Art, TWochenZelle::TArt::Gesetzt);
  EXPECT_FALSE(z1.Fixiert);
  EXPECT_TRUE(z2.Fixiert);
  EXPECT_EQ(z4.Art, TWochenZelle::TArt::Gesperrt);
  EXPECT_EQ(ZeichneWochenZelle(q, 1, 1, 5).Art, TWochenZelle::TArt::Leer);
  TSperrQuelle qs = TSperrQuelle::VonElement(*s->sch);
  EXPECT_TRUE(ZeichneWochenZelle(qs, 1, 1, 3).Gekoppelt);

  // A drag over Mon 1..5 started on the lock unlocks; placed cells keep theirs.
  EXPECT_TRUE(SperreAuswahl(*s->schule, q, 1, 1, 1, 1, 5, 1, 4));
  EXPECT_EQ(s->mue->Sperrung().Tag(1, 1), 0u);
  EXPECT_TRUE(s->schule->Geaendert());
  s->schule->SetzeGeaendert(false);
  // Nothing to change: the school stays unmodified.
  TSperrQuelle qk = TSperrQuelle::VonKurs(*s->deutsch5a);
  EXPECT_FALSE(SperreAuswahl(*s->schule, qk, 1, 1, 1, 1, 1, 1, 1));
  EXPECT_FALSE(s->schule->Geaendert());
  EXPECT_TRUE(SperreAuswahl(*s->schule, qk, 1, 2, 2, 1, 1, 2, 1));
  EXPECT_TRUE(s->deutsch5a->Sperrung().Belegt(1, 2, 1));
}

}  // namespace
}  // namespace kolvar
