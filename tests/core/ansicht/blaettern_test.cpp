// The arrow buttons' steps through an element list: wrapping, and in teacher and class plans
// with Ctrl the skip to the next element with a roomless placement.

#include <gtest/gtest.h>

#include "ansicht/blaettern.h"
#include "model/fensterart.h"
#include "model/ipalettezustand.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

TEST(Blaettern, WrapsAtBothEndsOfTheList) {
  auto s = BaueKleineSchule();
  TSchule& schule = *s->schule;
  // The list is MUE, SCH, BER.
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->ber, true, 0), s->mue);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->mue, false, 0), s->ber);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LeGr, s->mue, true, 0), s->sch);
  // Not an element window, or an element of another list: nothing opens.
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::Fehler, s->mue, true, 0), nullptr);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->k5a, true, 0), nullptr);
}

TEST(Blaettern, CtrlInTeacherAndClassPlansSkipsToARoomlessPlacement) {
  auto s = BaueKleineSchule();
  TSchule& schule = *s->schule;
  const uint8_t strg = Taste::Strg;
  // Nobody has a roomless hour: back to the start, and a plan does not open its own element.
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->mue, true, strg), nullptr);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::KlPln, s->k5a, false, strg), nullptr);
  // BER's hour without a room (his course has none) is the one found, either way round.
  s->deutsch6a->Setze(1, 2, nullptr, 1);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->mue, true, strg), s->ber);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->mue, false, strg), s->ber);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::KlPln, s->k5a, true, strg), s->k6a);
  // A room taken off an hour counts as well; without Ctrl the plain next element.
  s->deutsch5a->LoeseRaumAnStunde(1, 1, 1);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->ber, true, strg), s->mue);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LePln, s->mue, true, 0), s->sch);
  // Only the teacher and class plans skip: a room plan and a master-data window step plainly.
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::RaPln, s->r101, true, strg), s->r102);
  EXPECT_EQ(BlaetterZiel(schule, FensterArt::LeGr, s->mue, true, strg), s->sch);
}

}  // namespace
}  // namespace kolvar
