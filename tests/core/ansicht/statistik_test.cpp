// The statistics rows (weighted and plain sums, "nicht zählen", couplings, "Einzeln") and the
// hour distribution's day patterns and gaps of hand-made weeks.

#include <gtest/gtest.h>

#include "ansicht/statistik.h"
#include "ansicht/svzeile.h"
#include "model/fensterart.h"
#include "model/setzung.h"
#include "model/stundentext.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class StatistikTest : public ::testing::Test {
 protected:
  StatistikTest() : s(BaueKleineSchule()) {}
  std::unique_ptr<TKleineSchule> s;
  TSchule& Sch() { return *s->schule; }
  std::string W(int64_t wert) const { return FormatiereStunden(wert, s->standard); }
};

TEST_F(StatistikTest, EveryKindHasAsManyTextsAsHeadersAndRefusesOtherElements) {
  const std::pair<int, const TElement*> faelle[] = {
      {FensterArt::LeStat, s->mue}, {FensterArt::KlStat, s->k5a},  {FensterArt::FaStat, s->de},
      {FensterArt::KoStat, s->spo}, {FensterArt::RaStat, s->r101}, {FensterArt::UVStat, s->uv}};
  for (auto [art, e] : faelle) {
    SCOPED_TRACE(art);
    EXPECT_EQ(StatistikZeile(art, *e, s->standard).size(), StatistikKoepfe(art).size());
    EXPECT_TRUE(StatistikZeile(art, *s->th, s->standard).empty() || art == FensterArt::RaStat);
  }
  EXPECT_TRUE(StatistikKoepfe(FensterArt::SV).empty());
  EXPECT_TRUE(StatistikZeile(FensterArt::LeDep, *s->mue, s->standard).empty());
}

TEST_F(StatistikTest, TeacherRowsAreWeightedAndSkipCoursesNotCounted) {
  s->standard.dvs = 2;
  s->mue->SetzeSoll(-1, 48);   // 24 hours
  s->deutsch5a->SetFaktor(3);  // 4 hours x 1.5
  s->mathe5b->SetzeNichtZaehlenLehrer(true);
  const auto z = StatistikZeile(FensterArt::LeStat, *s->mue, s->standard);
  EXPECT_EQ(z, (std::vector<std::string>{W(48), W(12), "4", W(36), "MUE", s->mue->Name()}));
  // Over target: the rest is negative.
  s->mathe5b->SetzeNichtZaehlenLehrer(false);
  s->mue->SetzeSoll(-1, 2);
  EXPECT_EQ(StatistikZeile(FensterArt::LeStat, *s->mue, s->standard)[3], W(2 - 12 - 3));
}

TEST_F(StatistikTest, AClassCountsACouplingOnceUnlessEinzeln) {
  TKopplung* ko = Sch().NeueKopplung("REL");
  for (int stunden : {2, 3, 3}) Sch().ErzeugeKurs(nullptr, s->k6a, ko, s->sp, nullptr, stunden);
  const int ohne = 3;  // BER De 6a
  s->k6a->SetzeSoll(-1, 30);
  for (bool einzeln : {false, true}) {
    SCOPED_TRACE(einzeln);
    s->k6a->SetzeEinzeln(einzeln);
    const int ist = ohne + (einzeln ? 8 : 3);
    const auto z = StatistikZeile(FensterArt::KlStat, *s->k6a, s->standard);
    EXPECT_EQ(z[1], W(ist));
    EXPECT_EQ(z[2], std::to_string(ist));
    EXPECT_EQ(z[3], W(30 - ist));
  }
  // The coupling statistics count its courses.
  EXPECT_EQ(StatistikZeile(FensterArt::KoStat, *ko, s->standard)[0], "3");
}

TEST_F(StatistikTest, SubjectRowsCountTeachersAndBothSidesIndividually) {
  s->sportBer->SetzeNichtZaehlenKlassen(true);
  const auto z = StatistikZeile(FensterArt::FaStat, *s->sp, s->standard);
  const auto breit = [&](int64_t w) { return FormatiereStunden(w, s->standard.vkm + 2, s->standard.nkm, 1); };
  EXPECT_EQ(z[0], std::to_string(s->sp->Lehrer().Anzahl()));
  EXPECT_EQ(z[1], breit(4));
  EXPECT_EQ(z[2], "4");
  EXPECT_EQ(z[3], breit(2));
  EXPECT_EQ(z[4], "2");
}

TEST_F(StatistikTest, TablesShowTheirOrientation) {
  for (auto [art, text] : {std::pair<uint8_t, const char*>{1, "F"}, {0, "L"}}) {
    s->uv->SetzeArt(art);
    EXPECT_EQ(StatistikZeile(FensterArt::UVStat, *s->uv, s->standard)[0], text);
  }
}

TEST_F(StatistikTest, TheCopyTextJoinsRowsByTabsAndSkipsRowsWithoutElement) {
  EXPECT_EQ(StatistikKopiertext({{"a", "b", ""}, {}, {"c"}}), (std::vector<std::string>{"a\tb\t", "c"}));
  EXPECT_TRUE(StatistikKopiertext({}).empty());
}

// Day patterns: periods placed (E), coupled (K), fixed (G/L), locked (S), gaps (U).
TEST_F(StatistikTest, DayPatternsAndGapsOfHandMadeWeeks) {
  s->standard.mtn = 5;
  s->standard.pst = 6;
  TLehrer* l = Sch().NeuerLehrer("WOC");
  TKurs* einzeln = Sch().ErzeugeKurs(l, s->k6a, nullptr, s->ma, nullptr, 10);
  TKurs* gekoppelt = Sch().ErzeugeKurs(l, s->k6a, s->spo, s->sp, nullptr, 10);
  struct Fall {
    int tag;
    std::vector<int> einzeln, gekoppelt, fixiert, gesperrt;
    std::string muster;
  };
  const Fall faelle[] = {
      {1, {1, 4}, {}, {}, {}, "EUUEFF"},   // two gaps
      {2, {1, 4}, {}, {}, {2}, "ESUEFF"},  // a lock is no gap
      {3, {2}, {3}, {2}, {}, "FGKFFF"},    // fixed and coupled, no gap
      {4, {6}, {}, {}, {}, "FFFFFE"},
      {5, {1}, {7}, {7}, {}, "EFFFFF"},  // beyond the periods shown: cut, not counted
  };
  for (const Fall& f : faelle) {
    for (int p : f.einzeln) einzeln->Setze(1, f.tag, nullptr, p);
    for (int p : f.gekoppelt) gekoppelt->Setze(1, f.tag, nullptr, p);
    for (int p : f.gesperrt) l->Sperrung().SetzeBereich(1, f.tag, p, true);
    for (int p : f.fixiert)
      for (TSetzung* st : (p == 2 ? einzeln : gekoppelt)->Setzungen())
        if (st->Tag() == f.tag && st->Stunde() == p) st->SetFixiert(true);
  }
  const TSVZeile z = SVZeile(*l, s->standard);
  EXPECT_EQ(z.Kuerzel, "WOC");
  ASSERT_EQ(z.Muster.size(), 5u);
  for (const Fall& f : faelle) EXPECT_EQ(z.Muster[static_cast<std::size_t>(f.tag - 1)], f.muster) << f.tag;
  EXPECT_EQ(z.Springstunden, 3);
  // The class shares the same week.
  EXPECT_EQ(SVZeile(*s->k6a, s->standard).Springstunden, 4);  // without the lock, day 2 has two gaps too
}

}  // namespace
}  // namespace kolvar
