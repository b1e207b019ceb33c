#include "model/fensterplatz.h"

#include <gtest/gtest.h>

namespace kolvar {
namespace {

TPunkt Platz(int i, int anordnung, const TRechteck& palette, int pas = 0, int breite = 1280,
             int hoehe = 1024) {
  return FensterPlatz(i, anordnung, palette, pas, breite, hoehe);
}

TEST(FensterPlatz, KaskadeSpaltenZeilenViertel) {
  const TRechteck oben{0, 0, 450, 50};  // a one-row palette at the top edge
  EXPECT_EQ(Platz(1, 1, oben), (TPunkt{0, 55}));
  EXPECT_EQ(Platz(2, 1, oben), (TPunkt{30, 85}));
  // n = min(1280 / 60, (1024 - 55) / 60) = 16 steps, then the cascade starts again.
  EXPECT_EQ(Platz(17, 1, oben), (TPunkt{0, 55}));
  const TRechteck weg{500, 500, 450, 50};
  EXPECT_EQ(Platz(1, 2, weg), (TPunkt{640, 0}));
  EXPECT_EQ(Platz(2, 2, weg), (TPunkt{0, 0}));
  EXPECT_EQ(Platz(3, 2, weg), (TPunkt{670, 30}));
  EXPECT_EQ(Platz(1, 3, weg), (TPunkt{0, 512}));
  EXPECT_EQ(Platz(3, 4, weg), (TPunkt{640, 512}));
  EXPECT_EQ(Platz(4, 4, weg), (TPunkt{0, 0}));
  EXPECT_EQ(Platz(5, 4, weg), (TPunkt{670, 30}));
  const TRechteck links{0, 0, 60, 400};  // a column palette at the left edge
  EXPECT_EQ(Platz(1, 1, links, 6), (TPunkt{65, 0}));
  // A tiny screen still has four steps.
  EXPECT_EQ(Platz(5, 1, {500, 500, 10, 10}, 0, 100, 100), (TPunkt{0, 0}));
}

// A new window never lands exactly on one that stands at its place; the next free place is taken.
TEST(FensterPlatz, FreierPlatzUeberspringtBelegte) {
  const TRechteck weg{500, 500, 450, 50};
  struct TFall {
    int i, anordnung;
    std::vector<TPunkt> belegt;
    TPunkt erwartet;
  };
  const TFall faelle[] = {
      {1, 1, {}, {0, 0}},           {2, 1, {{0, 0}}, {30, 30}},
      {2, 1, {{30, 30}}, {60, 60}}, {2, 1, {{30, 30}, {60, 60}, {31, 30}}, {90, 90}},
      {1, 4, {{640, 0}}, {0, 512}}, {1, 4, {{640, 0}, {0, 512}, {640, 512}}, {0, 0}},
  };
  for (const TFall& f : faelle) {
    const TPunkt ort = FreierFensterPlatz(f.i, f.anordnung, weg, 0, 1280, 1024, f.belegt);
    EXPECT_EQ(ort, f.erwartet) << f.i << "/" << f.anordnung << ": " << ort.X << "," << ort.Y;
  }
  // Every place taken: the window's own.
  std::vector<TPunkt> alle;
  for (int i = 1; i <= 100; ++i) alle.push_back(Platz(i, 1, weg, 0, 300, 300));
  EXPECT_EQ(FreierFensterPlatz(3, 1, weg, 0, 300, 300, alle), Platz(3, 1, weg, 0, 300, 300));
}

TEST(FensterPlatz, ImBildschirm) {
  const TRechteck schirm{0, 0, 1280, 900};
  struct TFall {
    TRechteck fenster;
    TPunkt erwartet;
  };
  const TFall faelle[] = {
      {{100, 100, 400, 300}, {100, 100}},    // inside: stays
      {{640, 450, 892, 200}, {388, 450}},    // a wide plan in the right quadrant moves left
      {{640, 800, 400, 300}, {640, 600}},    // below the lower edge moves up
      {{30, 30, 2000, 1200}, {0, 0}},        // larger than the screen: its corner shows
      {{-50, -20, 100, 100}, {0, 0}},        // left of and above the screen
      {{1180, 800, 100, 100}, {1180, 800}},  // ending exactly on the edge
  };
  for (const TFall& f : faelle) {
    const TPunkt ort = ImBildschirm(f.fenster, schirm);
    EXPECT_EQ(ort, f.erwartet) << f.fenster.Links << "," << f.fenster.Oben << " -> " << ort.X << "," << ort.Y;
  }
  EXPECT_EQ(ImBildschirm({1000, 10, 400, 100}, {1280, 0, 1024, 768}), (TPunkt{1280, 10}))
      << "a second screen";
}

}  // namespace
}  // namespace kolvar
