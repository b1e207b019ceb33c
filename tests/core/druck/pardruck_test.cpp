#include "druck/pardruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "engine/partabelle.h"
#include "model/kopplung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class ParDruck : public ::testing::Test {
 protected:
  void SetUp() override { s = BaueKleineSchule(); }
  std::unique_ptr<TPrevPrinter> Drucke(const TParTabelle& t, int breite = 2000, int hoehe = 2800) {
    TDruckGeraet g = KleinesGeraet();
    g.Blatt = g.Seite = {breite, hoehe};
    auto p = std::make_unique<TPrevPrinter>(g, messer);
    TParDruck druck(*s->schule, o);
    p->BeginRecord();
    druck.Drucke(*p, t);
    p->EndRecord();
    masse = druck.Masse();
    return p;
  }
  static std::vector<int> BoxHoehen(const TDruckSeite& seite) {
    std::vector<int> h;
    for (const TDruckBefehl& b : seite.Befehle)
      if (b.Art == TBefehlsArt::Rechteck) h.push_back(b.Ort.unten - b.Ort.oben);
    return h;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TParallelDruckOptionen o;
  TParMasse masse;
};

TEST_F(ParDruck, StripsCoverTheCountColumnAndEveryTableColumnWithoutAnEmptyStrip) {
  // Boxes 40 wide ("99:" and "SPO" plus "A"); 320 pixels hold 5 of them, 100 pixels none (still 1).
  struct Fall {
    int breite, spalten, proStreifen, seiten;
  };
  for (auto [breite, spalten, proStreifen, seiten] : std::vector<Fall>{
           {320, 2, 5, 1}, {320, 4, 5, 1}, {320, 5, 5, 2}, {320, 9, 5, 2}, {320, 10, 5, 3}, {100, 2, 1, 3}}) {
    TParTabelle t(*s->schule);
    t.Baue(2, spalten, false);
    t.SetzeZelle(1, spalten, s->spo);
    auto p = Drucke(t, breite);
    EXPECT_EQ(masse.P, proStreifen);
    ASSERT_EQ(p->PageCount(), seiten) << spalten;
    EXPECT_EQ(BoxHoehen(*p->PageMetafile(seiten)).size(),
              2u * static_cast<std::size_t>((spalten + 1) - proStreifen * (seiten - 1)));
    EXPECT_EQ(Finde(*p->PageMetafile(seiten), "SPO").size(), 1u)
        << "the last column stands on the last strip";
  }
}

TEST_F(ParDruck, BoxesAreOneLineHighWithoutTeachersAndSubjectsElseOneLinePerCourse) {
  TParTabelle t(*s->schule);
  t.Baue(1, 2, false);
  t.SetzeZelle(1, 1, s->spo);
  struct Fall {
    bool pml, pmf;
    int hoehe;
    std::size_t sch;
  };
  for (const Fall& f : std::vector<Fall>{
           {false, false, 30, 0}, {true, false, 70, 1}, {true, true, 70, 1}, {false, true, 70, 0}}) {
    o.pml = f.pml;
    o.pmf = f.pmf;
    auto p = Drucke(t);
    const TDruckSeite& seite = *p->PageMetafile(1);
    for (int h : BoxHoehen(seite)) EXPECT_EQ(h, f.hoehe);
    ASSERT_EQ(Finde(seite, "SCH").size(), f.sch);
    EXPECT_EQ(Finde(seite, "Sp").size(), f.pmf ? 2u : 0u);
    if (f.pml && f.pmf) {
      EXPECT_EQ(Finde(seite, "Sp").front().x, Finde(seite, "SCH").front().x + masse.T);
    }
  }
}

TEST_F(ParDruck, HeaderLineTwoIsTheVersionInBracesThreeBlanksAndTheTitle) {
  for (const int version : {1, 2}) {
    s = BaueKleineSchule(version);  // with two versions the second is current
    s->standard.SetAktuelleVersion(version);
    TParTabelle t(*s->schule);
    t.Baue(1, 1, false);
    auto p = Drucke(t);
    const auto zeile =
        Finde(*p->PageMetafile(1), "{" + std::to_string(version) + "}   " + s->schule->Titel());
    ASSERT_EQ(zeile.size(), 1u) << version;
    EXPECT_EQ(zeile[0].y, 79 + 20);
    EXPECT_EQ(Finde(*p->PageMetafile(1), "Parallele Kopplungen")[0].y, 79 + 60);
  }
}

TEST_F(ParDruck, ConflictListOnlyForRowsThatNeedATeacherTwice) {
  TKopplung* k2 = s->schule->NeueKopplung("K2");
  s->schule->ErzeugeKurs(s->sch, s->k6a, k2, s->ma, nullptr, 1);
  TParTabelle t(*s->schule);
  t.Baue(2, 2, false);
  t.SetzeZelle(1, 1, s->spo);
  t.SetzeZelle(2, 2, k2);
  o.pmk = true;
  auto ohne = Drucke(t);
  EXPECT_TRUE(Finde(*ohne->PageMetafile(1), "Konflikte bei der Kopplungsparallelisierung").empty());

  t.SetzeZelle(1, 2, s->spo);
  const auto doppelt = DoppelteLehrer(t, 1);
  ASSERT_EQ(doppelt.size(), 2u);
  EXPECT_EQ(doppelt[0].Lehrer, s->sch);
  EXPECT_EQ(doppelt[0].Kopplungen, (std::vector<const TKopplung*>{s->spo, s->spo}));
  t.SetzeZelle(1, 1, k2);
  const auto eine = DoppelteLehrer(t, 1);
  ASSERT_EQ(eine.size(), 1u);
  EXPECT_EQ(eine[0].Kopplungen, (std::vector<const TKopplung*>{k2, s->spo}));

  auto mit = Drucke(t);
  const TDruckSeite& seite = *mit->PageMetafile(1);
  ASSERT_EQ(Finde(seite, "Konflikte bei der Kopplungsparallelisierung").size(), 1u);
  ASSERT_EQ(Finde(seite, "Zeile 1:").size(), 1u);
  EXPECT_TRUE(Finde(seite, "Zeile 2:").empty());
  const auto liste = Finde(seite, "[K2, SPO]");
  ASSERT_EQ(liste.size(), 1u);
  EXPECT_EQ(liste.front().x, 79 + 110 + masse.T);
  EXPECT_EQ(liste.front().y, Finde(seite, "Zeile 1:").front().y);
}

}  // namespace
}  // namespace kolvar
