#include "druck/reststundendruck.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ansicht/statistik.h"
#include "druckhilfen.h"
#include "model/fensterart.h"
#include "model/setzung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class RestDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
    s->mue->SetzeSoll(1, 24);
    s->sch->SetzeSoll(1, 3);  // less than his six hours: a negative Rest
    s->k5a->SetzeSoll(1, 30);
  }
  std::unique_ptr<TPrevPrinter> Drucke(int art, const std::vector<TElement*>& elemente,
                                       TDruckGeraet geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    p->BeginRecord();
    TRestStundenDruck(*s->schule, art, o).Drucke(*p, elemente);
    p->EndRecord();
    return p;
  }
  // The texts of the line whose first text is kuerzel, left to right.
  static std::vector<std::string> Zeile(const TDruckSeite& seite, const std::string& kuerzel) {
    const auto anfang = Finde(seite, kuerzel);
    if (anfang.empty()) return {};
    std::vector<TGefundenerText> texte;
    for (const auto& t : Texte(seite))
      if (t.y == anfang.back().y) texte.push_back(t);
    std::sort(texte.begin(), texte.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    std::vector<std::string> zeile;
    for (const auto& t : texte) zeile.push_back(t.text);
    return zeile;
  }
  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TRestStundenDruckOptionen o;
};

TEST_F(RestDruck, TeacherAndClassLinesAgreeWithTheStatistics) {
  struct Fall {
    int art, statistik;
    std::vector<TElement*> elemente;
  };
  for (const Fall& f : std::vector<Fall>{{0, FensterArt::LeStat, {s->mue, s->sch, s->ber}},
                                         {1, FensterArt::KlStat, {s->k5a, s->k5b, s->k6a}}}) {
    auto p = Drucke(f.art, f.elemente);
    for (const TElement* e : f.elemente) {
      const auto stat = StatistikZeile(f.statistik, *e, s->standard);
      const auto zeile = Zeile(*p->PageMetafile(1), e->Kuerzel());
      ASSERT_GE(zeile.size(), 6u) << e->Kuerzel();
      const std::size_t soll = zeile.size() - 5;
      EXPECT_EQ(zeile[soll], stat[0]) << e->Kuerzel();
      EXPECT_EQ(zeile[soll + 1], stat[1]) << e->Kuerzel();
      EXPECT_EQ(zeile[soll + 2], stat[3]) << e->Kuerzel();
    }
  }
}

TEST_F(RestDruck, TheSummeAddsEveryColumnWithItsSign) {
  TRestStundenDruck druck(*s->schule, 0, o);
  auto p = Drucke(0, {s->mue, s->sch, s->ber});
  std::vector<int64_t> summe(5, 0);
  for (const TElement* e : {s->mue, s->sch, s->ber}) {
    const TRestWerte w = druck.Werte(*e);
    for (std::size_t i = 0; i < 5; ++i) summe[i] += w.Stunden[i];
  }
  EXPECT_LT(druck.Werte(*s->sch).Stunden[2], 0);
  const auto zeile = Zeile(*p->PageMetafile(1), "Summe");
  ASSERT_EQ(zeile.size(), 6u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(zeile[i + 1], druck.Zahl(summe[i])) << i;
  EXPECT_EQ(summe[0], 24 + 3 + s->ber->Soll(1));
}

TEST_F(RestDruck, OneElementHasASummeEqualToItsLine) {
  for (int art : {0, 1, 2}) {
    TElement* e = art == 0   ? static_cast<TElement*>(s->mue)
                  : art == 1 ? static_cast<TElement*>(s->k5a)
                             : s->sp;
    auto p = Drucke(art, {e});
    auto zeile = Zeile(*p->PageMetafile(1), e->Kuerzel());
    auto summe = Zeile(*p->PageMetafile(1), "Summe");
    const std::size_t werte = art == 2 ? 7 : 5;
    ASSERT_GE(zeile.size(), werte);
    ASSERT_EQ(summe.size(), werte + 1);
    EXPECT_TRUE(std::equal(zeile.end() - static_cast<long>(werte), zeile.end(), summe.begin() + 1)) << art;
  }
}

TEST_F(RestDruck, SubjectsCountTheirTeachersAndSumTheCounts) {
  auto p = Drucke(2, {s->de, s->ma, s->sp});
  const auto summe = Zeile(*p->PageMetafile(1), "Summe");
  ASSERT_EQ(summe.size(), 8u);
  EXPECT_EQ(summe[1],
            std::to_string(s->de->Lehrer().Anzahl() + s->ma->Lehrer().Anzahl() + s->sp->Lehrer().Anzahl()));
  const auto sport = Zeile(*p->PageMetafile(1), "Sp");
  ASSERT_EQ(sport.size(), 8u);
  EXPECT_EQ(sport[1], "2");
}

TEST_F(RestDruck, HoursAreFixedPointWithTheDecimalCommaInVkmPlusThreeCharacters) {
  s->standard.nkm = 2;
  s->standard.vkm = 3;
  auto p = Drucke(0, {s->mue});
  const auto zeile = Zeile(*p->PageMetafile(1), "MUE");
  ASSERT_EQ(zeile.size(), 7u);
  EXPECT_EQ(zeile[2], " 24,00") << "the comma of every hour value";
}

TEST_F(RestDruck, HeadingsStandAtTheKindsColumns) {
  // w = 40 (widest abbreviation "MUE" + "A"), "Lehrer" + "A" = 70 < 2w; n = 90 ("n.verpl." + "A").
  struct Fall {
    int art;
    const char* erster;
    int start;
  };
  for (const Fall& f :
       std::vector<Fall>{{0, "Soll", 79 + 2 * 40}, {1, "Soll", 79 + 4 * 40}, {2, "Lehrer", 79 + 2 * 40}}) {
    auto p = Drucke(f.art, {});
    const auto koepfe = Finde(*p->PageMetafile(1), f.erster);
    ASSERT_FALSE(koepfe.empty()) << f.art;
    EXPECT_EQ(koepfe.back().x, f.start) << f.art;
    EXPECT_EQ(koepfe.back().y, 79 + 3 * 20);
    const auto verpl = Finde(*p->PageMetafile(1), "n.verpl.");
    ASSERT_EQ(verpl.size(), 1u);
    EXPECT_EQ(verpl[0].x, f.start + (f.art == 2 ? 6 : 4) * 90) << f.art;
  }
}

TEST_F(RestDruck, AnEmptyRangePrintsTheHeaderOnly) {
  auto p = Drucke(0, {});
  ASSERT_EQ(p->PageCount(), 1);
  EXPECT_TRUE(Finde(*p->PageMetafile(1), "Summe").empty());
  EXPECT_EQ(Texte(*p->PageMetafile(1)).size(), 2u + 6u);
}

TEST_F(RestDruck, ALineThatDoesNotFitStartsAPageWithTheHeadingsAgain) {
  TDruckGeraet kurz = KleinesGeraet();
  kurz.Blatt.y = kurz.Seite.y = 79 + 4 * 20 + 3 * 20 + 10;  // room for one line under the headings
  auto p = Drucke(0, {s->mue, s->sch, s->ber}, kurz);
  ASSERT_GE(p->PageCount(), 3);
  for (int n = 1; n <= p->PageCount(); ++n) EXPECT_EQ(Finde(*p->PageMetafile(n), "Soll").size(), 1u) << n;
  for (const char* k : {"MUE", "SCH", "BER", "Summe"}) {
    int gefunden = 0;
    for (int n = 1; n <= p->PageCount(); ++n)
      gefunden += static_cast<int>(Finde(*p->PageMetafile(n), k).size());
    EXPECT_EQ(gefunden, 1) << k;
  }
}

}  // namespace
}  // namespace kolvar
