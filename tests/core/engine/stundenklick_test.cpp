// The double click on a lesson in the plan views, per tool mode: what it changes in the model and
// which clicks it leaves to the view.

#include "engine/stundenklick.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/engine/planhilfe.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class StundeDoppelklickTest : public testing::Test {
 protected:
  void SetUp() override {
    s->standard.SetNurAktuelleVersion(false);  // the rule's "all versions"
    for (int v = 1; v <= 2; ++v) ASSERT_NE(s->deutsch5a->Setze(v, 2, s->r101, 3), nullptr);
    s->schule->SetzeGeaendert(false);
  }

  std::unique_ptr<TKleineSchule> s = BaueKleineSchule(2);
};

TEST_F(StundeDoppelklickTest, FixierenTogglesTheHourAndMarksTheSchoolModified) {
  s->schule->SetzeModus(Modus::Fixieren);
  EXPECT_TRUE(StundeDoppelklick(*s->schule, s->deutsch5a, 2, 3, false));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_TRUE(s->deutsch5a->IstFixiert(1, 2, 3));
  EXPECT_TRUE(s->deutsch5a->IstFixiert(2, 2, 3));

  s->schule->SetzeGeaendert(false);
  // Ctrl changes nothing in this mode.
  EXPECT_TRUE(StundeDoppelklick(*s->schule, s->deutsch5a, 2, 3, true));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_FALSE(s->deutsch5a->IstFixiert(1, 2, 3));
  EXPECT_FALSE(s->deutsch5a->IstFixiert(2, 2, 3));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(StundeDoppelklickTest, FixierenOnAnEmptyCellOnlyMarksTheSchoolModified) {
  s->schule->SetzeModus(Modus::Fixieren);
  const std::string vorher = Planstand(*s->schule);
  EXPECT_FALSE(StundeDoppelklick(*s->schule, nullptr, 4, 5, false));
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_EQ(Planstand(*s->schule), vorher);
}

TEST_F(StundeDoppelklickTest, LoeschenWithCtrlTakesTheRoomOffAndKeepsTheHour) {
  s->schule->SetzeModus(Modus::Loeschen);
  EXPECT_TRUE(StundeDoppelklick(*s->schule, s->deutsch5a, 2, 3, true));
  EXPECT_TRUE(s->schule->Geaendert());
  for (int v = 1; v <= 2; ++v) {
    const TSetzung* st = s->deutsch5a->FindeSetzung(v, 2, 3);
    ASSERT_NE(st, nullptr) << "version " << v;
    EXPECT_EQ(st->Raum(), nullptr) << "version " << v;
  }
  EXPECT_FALSE(s->r101->Belegung().Belegt(1, 2, 3));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(StundeDoppelklickTest, LoeschenWithCtrlTakesOnlyTheCurrentVersionsRoomWhenSoSet) {
  s->standard.SetNurAktuelleVersion(true);
  s->standard.SetAktuelleVersion(2);
  s->schule->SetzeModus(Modus::Loeschen);
  EXPECT_TRUE(StundeDoppelklick(*s->schule, s->deutsch5a, 2, 3, true));
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 2, 3)->Raum(), s->r101);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(2, 2, 3)->Raum(), nullptr);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST_F(StundeDoppelklickTest, TheViewsOwnClicksChangeNothing) {
  const std::string vorher = Planstand(*s->schule);
  struct TFall {
    uint8_t modus;
    TKurs* kurs;
    bool strg;
  };
  const TFall faelle[] = {
      {Modus::Loeschen, s->deutsch5a, false},  // deleting asks first: the view's
      {Modus::Loeschen, nullptr, true},       {Modus::Zeigen, s->deutsch5a, false},
      {Modus::Zeigen, s->deutsch5a, true},    {Modus::Setzen, s->deutsch5a, false},
      {Modus::Schieben, s->deutsch5a, true},
  };
  for (const TFall& f : faelle) {
    s->schule->SetzeModus(f.modus);
    EXPECT_FALSE(StundeDoppelklick(*s->schule, f.kurs, 2, 3, f.strg)) << int(f.modus);
    EXPECT_FALSE(s->schule->Geaendert()) << int(f.modus);
    EXPECT_EQ(Planstand(*s->schule), vorher) << int(f.modus);
  }
}

}  // namespace
}  // namespace kolvar
