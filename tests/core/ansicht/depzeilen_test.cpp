// The rows of the workload views: which courses each kind lists, what the cells say, and that
// the listed hours add up to the element's own sums.

#include <gtest/gtest.h>

#include "ansicht/depzeilen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class DepZeilenTest : public ::testing::Test {
 protected:
  DepZeilenTest() : s(BaueKleineSchule()) {}
  std::unique_ptr<TKleineSchule> s;

  TDepZeilen Zeilen(const TElement& e, TDepFilter filter = {}) {
    TDepZeilen z;
    z.Fuelle(e.Kurse().Elemente(), s->standard, filter);
    return z;
  }
};

TEST_F(DepZeilenTest, EveryKindListsItsCoursesAndTheirHoursAddUpToTheElementsSums) {
  s->mathe5a->SetFaktor(2);
  s->standard.dvs = 2;
  const TElement* elemente[] = {s->mue, s->sch, s->ber, s->k5a,  s->k5b,  s->k6a, s->spo,
                                s->de,  s->ma,  s->sp,  s->r101, s->r102, s->th};
  for (const TElement* e : elemente) {
    SCOPED_TRACE(e->Kuerzel());
    const TDepZeilen z = Zeilen(*e);
    ASSERT_EQ(z.Anzahl(), e->Kurse().Anzahl());
    int32_t stunden = 0;
    int64_t wert = 0;
    for (int r = 1; r <= z.Anzahl(); ++r) {
      EXPECT_EQ(z.Kurs(r), e->Kurse().Hole(r));
      stunden += std::stoi(z.Texte(r)[1]);
      wert += int64_t{z.Kurs(r)->Stunden(-1)} * z.Kurs(r)->Faktor();
      EXPECT_EQ(z.Texte(r)[0],
                TDepZeilen::WertText(int64_t{z.Kurs(r)->Stunden(-1)} * z.Kurs(r)->Faktor(), s->standard));
    }
    EXPECT_EQ(stunden, e->IstEinfach(-1, true, Seite::Alle));
    EXPECT_EQ(wert, e->IstGewichtet(-1, true, Seite::Alle));
  }
  // MUE: De 5a R101 4 h, Ma 5b R102 3 h; the value of 4 h at dvs 2 is 2.0.
  const TDepZeilen mue = Zeilen(*s->mue);
  EXPECT_EQ(mue.Texte(1), (std::vector<std::string>{" 2,0", "4", "MUE", "De", "5a", "", "R101"}));
  // SCH Ma 5a, factor 2: 4 h x 2 / 2.
  EXPECT_EQ(TDepZeilen::Zelle(*s->mathe5a, TKursFeld::Wert, s->standard), " 4,0");
}

TEST_F(DepZeilenTest, ValueIsRightAlignedWithACommaAndTheSettingsDigits) {
  struct Fall {
    int vkm, nkm, dvs;
    int64_t wert;
    const char* text;
  } faelle[] = {{2, 1, 2, 6, " 3,0"}, {2, 0, 1, 7, "  7"}, {3, 2, 4, 5, "  1,25"}, {1, 1, 1, 123, "123,0"}};
  for (const Fall& f : faelle) {
    s->standard.vkm = f.vkm;
    s->standard.nkm = f.nkm;
    s->standard.dvs = f.dvs;
    EXPECT_EQ(TDepZeilen::WertText(f.wert, s->standard), f.text);
  }
}

TEST_F(DepZeilenTest, FiltersAndZeroHourCourses) {
  s->deutsch5a->SetzeStunden(-1, 0);
  s->standard.DeputatFenster.mns = false;
  EXPECT_EQ(Zeilen(*s->k5a).Anzahl(), s->k5a->Kurse().Anzahl() - 1);
  s->standard.DeputatFenster.mns = true;
  const TDepZeilen alle = Zeilen(*s->k5a);
  ASSERT_EQ(alle.Anzahl(), s->k5a->Kurse().Anzahl());
  // Open hours only: a course not to be placed and a fully placed one go.
  s->mathe5a->SetzeNichtVerplanen(true);
  s->sportSch->SetzeStunden(-1, 1);
  ASSERT_NE(s->sportSch->Setze(1, 1, s->th, 1), nullptr);
  const TDepZeilen offen = Zeilen(*s->k5a, {.NurOffen = true});
  for (TKurs* k : offen.Kurse()) {
    EXPECT_NE(k, s->mathe5a);
    EXPECT_NE(k, s->sportSch);
    EXPECT_NE(k, s->deutsch5a);
  }
  EXPECT_EQ(offen.Anzahl(), 1);  // the sport course of BER
  const TDepZeilen gekoppelt = Zeilen(*s->k5a, {.NurGekoppelt = true});
  for (TKurs* k : gekoppelt.Kurse()) EXPECT_NE(k->Kopplung(), nullptr);
  EXPECT_EQ(gekoppelt.Anzahl(), 2);
}

TEST_F(DepZeilenTest, OptionalColumnsFollowTheSettingsInTheirFixedOrder) {
  auto koepfe = [&] {
    std::vector<std::string> k;
    for (const TDepSpalte& sp : TDepZeilen::Spalten(s->standard)) k.push_back(sp.Kopf);
    return k;
  };
  EXPECT_EQ(koepfe(),
            (std::vector<std::string>{"Wert", "Std", "Lehrer", "Fach", "Klasse", "Kopplung", "Raum"}));
  s->standard.DeputatFenster.mzi = true;
  s->standard.DeputatFenster.mst = true;
  s->standard.DeputatFenster.mki = true;
  EXPECT_EQ(koepfe(), (std::vector<std::string>{"Wert", "Std", "Lehrer", "Fach", "Klasse", "Kopplung", "Raum",
                                                "Fkt.", "S/T", "Ez", "Tab", "Stat.", "Info"}));
  s->deutsch5a->SetzeInfo("Förder");
  TDepZeilen z = Zeilen(*s->mue);
  EXPECT_EQ(z.Texte(1).back(), "Förder");
  EXPECT_EQ(z.SpalteVon(TKursFeld::Info), 12);
}

TEST_F(DepZeilenTest, RowsFollowAChangedCourseAndDropADeletedOne) {
  TDepZeilen z = Zeilen(*s->mue);
  s->deutsch5a->SetzeStunden(-1, 5);
  EXPECT_TRUE(z.ZeileAktualisieren(s->deutsch5a, s->standard));
  EXPECT_EQ(z.Texte(1)[1], "5");
  EXPECT_FALSE(z.ZeileAktualisieren(s->sportBer, s->standard));
  z.Entferne(s->deutsch5a);
  EXPECT_EQ(z.Anzahl(), 1);
  EXPECT_EQ(z.Kurs(1), s->mathe5b);
  EXPECT_EQ(z.Kurs(2), nullptr);
  EXPECT_TRUE(z.Texte(2).empty());
}

}  // namespace
}  // namespace kolvar
