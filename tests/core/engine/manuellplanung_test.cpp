// The manual planning's decisions: its own course list survives deletions, the current course
// moves on when it goes or is complete, the reasons of a slot and the signs they give, the
// texts of its pop-ups, placing that refuses without changing anything, and the window's layout.

#include "engine/manuellplanung.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/engine/planhilfe.h"
#include "model/konflikt.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class ManuellPlanungTest : public ::testing::Test {
 protected:
  ManuellPlanungTest() : s(BaueKleineSchule()), m(*s->schule) { s->standard.pst = 6; }
  void TearDown() override {
    for (const std::string& f : PruefeModell(*s->schule)) ADD_FAILURE() << f;
  }
  std::unique_ptr<TKleineSchule> s;
  TManuellPlanung m;
};

TEST_F(ManuellPlanungTest, KeepsItsOwnListAndMovesTheCurrentCourseWhenOneIsDeleted) {
  m.MitKursliste({s->deutsch5a, s->mathe5b, s->deutsch5a, s->mathe5a}, false);
  ASSERT_EQ(m.Kurse().size(), 3u);
  EXPECT_EQ(m.AktKurs(), s->deutsch5a);
  EXPECT_EQ(m.Raum(), s->r101);
  struct TFall {
    TKurs* weg;
    TKurs* aktDanach;
    bool leer;
  } faelle[] = {
      {s->mathe5b, s->deutsch5a, false}, {s->deutsch5a, s->mathe5a, false}, {s->mathe5a, nullptr, true}};
  for (const TFall& f : faelle) {
    EXPECT_EQ(m.EntferneKurs(f.weg), f.leer);
    EXPECT_EQ(m.AktKurs(), f.aktDanach);
  }
}

TEST_F(ManuellPlanungTest, NextOpenCourseWrapsAndStaysWhenNoneIsLeft) {
  m.MitKursliste({s->deutsch6a, s->mathe5b, s->deutsch5a}, false);
  m.SetzeAktKurs(s->deutsch5a);
  EXPECT_EQ(m.NaechsterOffenerKurs(), s->deutsch6a);  // wraps to the start
  for (int p = 1; p <= 3; ++p) s->deutsch6a->Setze(1, 1, nullptr, p);
  EXPECT_EQ(m.NaechsterOffenerKurs(), s->mathe5b);
  for (int p = 1; p <= 3; ++p) s->mathe5b->Setze(1, 2, s->r102, p);
  EXPECT_EQ(m.NaechsterOffenerKurs(), s->deutsch5a);  // only itself
  for (int p = 1; p <= 4; ++p) s->deutsch5a->Setze(1, 3, s->r101, p);
  EXPECT_EQ(m.NaechsterOffenerKurs(), nullptr);
  EXPECT_FALSE(m.HatOffeneStunden());
  m.WeiterWennVoll();
  EXPECT_EQ(m.AktKurs(), s->deutsch5a);
}

// Stepping both ways wraps; passing over complete courses stops back at the start.
TEST_F(ManuellPlanungTest, NeighboursWrapAndSkipCompleteCoursesOnlyWhenAsked) {
  m.MitKursliste({s->deutsch6a, s->mathe5b, s->deutsch5a}, false);
  EXPECT_EQ(m.Nachbar(true, false), s->mathe5b);
  EXPECT_EQ(m.Nachbar(false, false), s->deutsch5a);
  for (int p = 1; p <= 3; ++p) s->mathe5b->Setze(1, 2, s->r102, p);
  EXPECT_EQ(m.Nachbar(true, true), s->deutsch5a);
  EXPECT_EQ(m.Nachbar(true, false), s->mathe5b);
  m.SetzeAktKurs(s->deutsch5a);
  EXPECT_EQ(m.Nachbar(false, true), s->deutsch6a);
  EXPECT_EQ(m.Nachbar(true, true), s->deutsch6a);
  for (int p = 1; p <= 3; ++p) s->deutsch6a->Setze(1, 1, nullptr, p);
  EXPECT_EQ(m.Nachbar(true, true), s->deutsch5a) << "none other open: back at the start";
  EXPECT_EQ(m.Nachbar(false, true), s->deutsch5a);
  TManuellPlanung leer(*s->schule);
  EXPECT_EQ(leer.Nachbar(true, true), nullptr);
}

// Acting on every version, a course complete in the version shown is passed over although other
// versions still have open hours of it; one complete only in another version is not.
TEST(ManuellPlanungVersionen, NeighboursPassOverCoursesCompleteInTheCurrentVersion) {
  auto s = BaueKleineSchule(2);
  s->standard.SetNurAktuelleVersion(false);
  TManuellPlanung m(*s->schule);
  m.MitKursliste({s->deutsch6a, s->mathe5b, s->deutsch5a}, false);
  for (int p = 1; p <= 3; ++p) s->mathe5b->Setze(1, 2, s->r102, p);
  ASSERT_LT(s->mathe5b->GesetzteStunden(-1), s->mathe5b->Stunden(-1));
  EXPECT_EQ(m.Nachbar(true, true), s->deutsch5a);
  EXPECT_EQ(m.Nachbar(true, false), s->mathe5b);
  s->standard.SetAktuelleVersion(2);
  EXPECT_EQ(m.Nachbar(true, true), s->mathe5b);
  // The window's other questions still count every version: Ma has open hours.
  for (int p = 1; p <= 3; ++p) s->deutsch6a->Setze(1, 1, nullptr, p);
  for (int p = 1; p <= 4; ++p) s->deutsch5a->Setze(1, 3, s->r101, p);
  EXPECT_TRUE(m.HatOffeneStunden());
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

// An element going away is no longer the chosen room or the shown coupling; a room the user
// switched off stays off.
TEST_F(ManuellPlanungTest, ForgottenElementsLeaveRoomAndCoupling) {
  s->sportSch->FuegeRaumHinzu(s->r102, false);
  m.MitKursliste({s->sportSch}, false);
  ASSERT_EQ(m.Raum(), s->th);
  ASSERT_EQ(m.GezeigteKopplung(), s->spo);
  s->sportSch->EntferneRaum(s->th);
  m.VergissElement(s->th);
  EXPECT_EQ(m.Raum(), s->r102) << "the course's next room";
  m.VergissElement(s->mue);
  EXPECT_EQ(m.Raum(), s->r102);
  m.VergissElement(s->spo);
  EXPECT_EQ(m.GezeigteKopplung(), nullptr);
  m.SetzeRaum(nullptr);
  m.VergissElement(s->r101);
  EXPECT_EQ(m.Raum(), nullptr);
}

TEST_F(ManuellPlanungTest, CourseMenuWrapsCompleteCoursesAndChecksTheCurrentOne) {
  m.MitKursliste({s->deutsch6a, s->mathe5b}, false);
  for (int p = 1; p <= 3; ++p) s->mathe5b->Setze(1, 2, s->r102, p);
  std::vector<TMenueEintrag> menue = m.KursMenueAufbauen();
  ASSERT_EQ(menue.size(), 2u);
  EXPECT_TRUE(menue[0].Haken);
  EXPECT_NE(menue[0].Text.front(), '<');
  EXPECT_EQ(menue[1].Text.front(), '<');
  EXPECT_EQ(menue[1].Text.back(), '>');
  EXPECT_NE(menue[1].Text.find("(3)"), std::string::npos);
  menue[1].Aktion();
  EXPECT_EQ(m.AktKurs(), s->mathe5b);
}

TEST_F(ManuellPlanungTest, ReasonsGiveOneSignPerCouplingAndTheHatchOnlyOnEmptyCells) {
  // MUE's Ma 5b fixed at Mon 1 (teacher fixed: square), unfixed at Mon 2 (circle); the sport
  // coupling holds the class at Mon 3 with two courses (one sign); Mon 4 is locked for MUE.
  s->mathe5b->Setze(1, 1, s->r102, 1);
  s->mathe5b->Setzungen().Hole(1)->SetFixiert(true);
  s->mathe5b->Setze(1, 1, s->r102, 2);
  s->sportSch->Setze(1, 1, s->th, 3);
  s->sportBer->Setze(1, 1, s->r102, 3);
  s->mue->Sperrung().SetzeBereich(1, 1, 4, true);
  m.MitKursliste({s->deutsch5a}, false);
  using F = TZeichenForm;
  struct TFall {
    int p;
    std::vector<TZeichen> zeichen;
    bool schraffur;
  } faelle[] = {{1, {{F::Quadrat, false}}, false},
                {2, {{F::Kreis, false}}, false},
                {3, {{F::Kreis, true}}, false},
                {4, {}, true},
                {5, {}, false}};
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.p);
    const TZellBild bild = m.Bild(1, f.p, nullptr);
    EXPECT_EQ(bild.Zeichen, f.zeichen);
    EXPECT_EQ(bild.Schraffur, f.schraffur);
  }
  // A cell of the current course: the bar and nothing else; a lock under a lesson: no hatch.
  s->deutsch5a->Setze(1, 2, s->r101, 5);
  m.SperrgruendeErmitteln();
  const TZellBild eigen = m.Bild(2, 5, s->deutsch5a);
  EXPECT_TRUE(eigen.AktBalken);
  EXPECT_TRUE(eigen.Zeichen.empty());
  EXPECT_FALSE(m.Bild(1, 4, s->mathe5b).Schraffur);
}

TEST_F(ManuellPlanungTest, ReasonTextsNameVersionKindAndCourse) {
  s->deutsch5a->Sperrung().SetzeBereich(1, 1, 1, true);
  s->sportBer->Sperrung().SetzeBereich(1, 1, 2, true);
  s->mue->Sperrung().SetzeBereich(1, 1, 3, true);
  m.MitKursliste({s->sportSch, s->deutsch5a}, false);
  auto texte = [&](int p) {
    std::vector<std::string> t;
    for (const TKonflikt& k : m.Gruende(1, p)) t.push_back(m.GrundText(k, 1, p));
    return t;
  };
  const std::vector<std::string> gekoppelt = texte(2);
  ASSERT_FALSE(gekoppelt.empty());
  EXPECT_EQ(gekoppelt[0].rfind("{1} gekoppelter Kurs gesperrt [", 0), 0u) << gekoppelt[0];
  m.SetzeAktKurs(s->deutsch5a);
  EXPECT_EQ(texte(1).at(0).rfind("{1} Kurs gesperrt [", 0), 0u) << texte(1).at(0);
  EXPECT_EQ(texte(3), std::vector<std::string>{"{1} MUE gesperrt"});
}

TEST_F(ManuellPlanungTest, PlacingTheCouplingPlacesEveryMemberAndARefusalChangesNothing) {
  m.MitKursliste({s->sportSch}, false);
  ASSERT_EQ(m.GezeigteKopplung(), s->spo);
  EXPECT_TRUE(m.Setze(2, 1));
  EXPECT_EQ(s->sportSch->FindeSetzung(1, 2, 1)->Raum(), s->th);
  EXPECT_NE(s->sportBer->FindeSetzung(1, 2, 1), nullptr);
  // The class is locked at Tue 2: refused with "Setzungsverbot", nothing placed.
  s->k5a->Sperrung().SetzeBereich(1, 2, 2, true);
  m.SperrgruendeErmitteln();
  const std::string vorher = Planstand(*s->schule);
  EXPECT_FALSE(m.Setze(2, 2));
  EXPECT_EQ(Planstand(*s->schule), vorher);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::Setzungsverbot), 1);
  // With reasons off the slot is checked afresh.
  TManuellPlanung ohne(*s->schule);
  ohne.MitKursliste({s->sportSch}, true);
  EXPECT_TRUE(ohne.Gruende(2, 2).Leer());
  EXPECT_FALSE(ohne.Setze(2, 2));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::Setzungsverbot), 2);
  EXPECT_EQ(Planstand(*s->schule), vorher);
}

TEST_F(ManuellPlanungTest, MovingTakesTheChosenRoomAndGoesOnToTheNextOpenCourse) {
  m.MitKursliste({s->deutsch5a, s->mathe5b}, false);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  m.SetzeRaum(s->r102);
  EXPECT_TRUE(m.Verschiebe(1, 1, 3, 4));
  ASSERT_NE(s->deutsch5a->FindeSetzung(1, 3, 4), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 3, 4)->Raum(), s->r102);
  EXPECT_EQ(m.AktKurs(), s->mathe5b);
  // Onto a slot the course holds already: nothing.
  m.SetzeAktKurs(s->deutsch5a);
  s->deutsch5a->Setze(1, 4, s->r101, 1);
  EXPECT_FALSE(m.Verschiebe(4, 1, 3, 4));
}

TEST(ManuellGeometrieTest, PanelsFollowTheLayoutTheMinimumHeightsAndTheScreen) {
  // Panel 30 x 5 + 40 + 37 = 227 wide, 8 x 18 x 2 + 8 x 5 + 18 + 45 = 391 high; the palette's
  // menu bar at the top puts the window 5 below it.
  auto masse = [](int pma) {
    TManuellMasse m;
    m.Pma = pma;
    m.Tage = 5;
    m.Stunden = 8;
    m.ZeilenHoehe = 18;
    m.MaxBreite = 30;
    m.StundenBreite = 40;
    m.Palette = {0, 0, 600, 60};
    m.Bildschirm = {0, 0, 1280, 900};
    return m;
  };
  struct TFall {
    const char* name;
    TManuellMasse m;
    int breite, hoehe;
    TRechteck fenster;
  };
  std::vector<TFall> faelle{
      {"1: one row at least 395", masse(0), 227, 395, {5, 65, 332, 430}},
      {"2 hoch", masse(1), 227, 395, {5, 65, 564, 430}},
      {"4", masse(5), 227, 391, {5, 65, 564, 822}},
  };
  TManuellMasse m = masse(2);
  m.Stunden = 2;  // 145 high: two rows take 195 each
  faelle.push_back({"2 quer, short", m, 227, 195, {5, 65, 332, 430}});
  m = masse(4);
  m.Stunden = 1;  // 104 high: three rows take 128 each
  faelle.push_back({"3 quer, short", m, 227, 128, {5, 65, 332, 429}});
  m = masse(5);
  m.Gruende = false;  // no mark strips
  faelle.push_back({"4 without reasons", m, 227, 351, {5, 65, 564, 742}});
  m = masse(0);
  m.Neb = m.Mra = true;  // three abbreviations side by side in one line
  faelle.push_back({"side by side with room", m, 527, 395, {5, 65, 632, 430}});
  m = masse(3);
  m.Pas = 4;  // a tool window at the left edge; the screen is too narrow for three panels
  m.Palette = {0, 0, 40, 600};
  m.Bildschirm = {0, 0, 800, 600};
  faelle.push_back({"3 hoch beside the palette, shrunk", m, 211, 395, {45, 5, 748, 430}});
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.name);
    const TManuellGeometrie g = ManuellGeometrie(f.m);
    EXPECT_EQ(g.PanelBreite, f.breite);
    EXPECT_EQ(g.PanelHoehe, f.hoehe);
    const TRechteck& r = g.Fenster;
    EXPECT_EQ(std::tie(r.Links, r.Oben, r.Breite, r.Hoehe),
              std::tie(f.fenster.Links, f.fenster.Oben, f.fenster.Breite, f.fenster.Hoehe));
  }
  // Two by two: panels from x 90 and y 5 with 5 between; the box beside them as high as both.
  const TManuellGeometrie g = ManuellGeometrie(masse(5));
  ASSERT_EQ(g.Panels.size(), 4u);
  EXPECT_EQ(std::tie(g.Panels[3].Links, g.Panels[3].Oben), std::make_tuple(322, 401));
  EXPECT_EQ(std::tie(g.Box.Links, g.Box.Oben, g.Box.Breite, g.Box.Hoehe), std::make_tuple(5, 5, 80, 787));
  EXPECT_EQ(g.LabelLinks(), 93);
}

// A window on the screen keeps its place and takes the room from there; only a title bar under
// the palette (which stays on top) moves down below it.
TEST(ManuellGeometrieTest, AWindowOnTheScreenKeepsItsPlace) {
  TManuellMasse m;
  m.Pma = 4;  // "3 quer": 227 x 391 panels as far as the screen allows
  m.Tage = 5;
  m.Stunden = 8;
  m.ZeilenHoehe = 18;
  m.MaxBreite = 30;
  m.StundenBreite = 40;
  m.Palette = {0, 0, 600, 60};
  m.Bildschirm = {0, 0, 1280, 900};
  m.HatOrt = true;
  m.PaletteFreilassen = true;
  struct TFall {
    TPunkt ort;
    int hoehe;
    TRechteck fenster;
  } faelle[] = {
      {{300, 200}, 216, {300, 200, 332, 693}},  // (900 - 5 - 200 - 30) / 3 - 5
      {{100, 30}, 261, {100, 65, 332, 828}},    // under the palette: 5 below it
      {{100, -10}, 261, {100, 65, 332, 828}},   // its title bar half above the screen
      {{100, 45}, 261, {100, 65, 332, 828}},    // the title bar's lower half under it
      {{700, 30}, 273, {700, 30, 332, 864}},    // beside the palette: stays
      {{1000, 5}, 281, {1000, 5, 275, 888}},    // at the right edge: narrower
  };
  for (const TFall& f : faelle) {
    SCOPED_TRACE(f.ort.X);
    m.Ort = f.ort;
    const TManuellGeometrie g = ManuellGeometrie(m);
    EXPECT_EQ(g.PanelHoehe, f.hoehe);
    const TRechteck& r = g.Fenster;
    EXPECT_EQ(std::tie(r.Links, r.Oben, r.Breite, r.Hoehe),
              std::tie(f.fenster.Links, f.fenster.Oben, f.fenster.Breite, f.fenster.Hoehe));
  }
  // Unasked, a window under the palette stays there too.
  m.PaletteFreilassen = false;
  m.Ort = {100, 30};
  EXPECT_EQ(ManuellGeometrie(m).Fenster.Oben, 30);
}

}  // namespace
}  // namespace kolvar
