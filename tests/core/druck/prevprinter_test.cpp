#include "druck/prevprinter.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"

namespace kolvar {
namespace {

class TZaehlZiel : public IDruckZiel {
 public:
  bool Beginne(const std::string&) override {
    ++begonnen;
    return beginnt;
  }
  void NeueSeite() override { ++neueSeiten; }
  void Seite(const TDruckSeite&, const TDruckGeraet&) override { ++seiten; }
  bool Ende() override { return true; }
  bool beginnt = true;
  int begonnen = 0, neueSeiten = 0, seiten = 0;
};

class TMeldungen : public IDruckMeldung {
 public:
  void Meldung(const std::string& text) override { texte.push_back(text); }
  std::vector<std::string> texte;
};

TDruckGeraet MitVersatz() {
  TDruckGeraet g = KleinesGeraet();
  g.Versatz = {100, 150};
  return g;
}

TEST(PrevPrinter, TakesTheUnprintableStripOffEveryPointAndGivesItBackInPenPos) {
  TZeichenMesser messer;
  TPrevPrinter p(MitVersatz(), messer);
  p.BeginRecord();
  p.TextOut(600, 600, "A");
  p.Rectangle({200, 300, 400, 500});
  p.MoveTo(700, 800);
  EXPECT_EQ(p.PenPos(), (TDruckPunkt{700, 800}));
  p.LineTo(900, 1000);
  const auto& b = p.Seite(1)->Befehle;
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b[0].Ort.links, 500);
  EXPECT_EQ(b[0].Ort.oben, 450);
  EXPECT_EQ(b[1].Ort, (TDruckRechteck{100, 150, 300, 350}));
  EXPECT_EQ(b[2].Ort, (TDruckRechteck{600, 650, 800, 850}));
}

TEST(PrevPrinter, DrawsAndMeasuresOnlyOnAnOpenPage) {
  TZeichenMesser messer;
  TPrevPrinter p(KleinesGeraet(), messer);
  p.TextOut(10, 10, "vorher");
  EXPECT_EQ(p.TextWidth("abc"), -1);
  EXPECT_EQ(p.TextHeight(), -1);
  p.BeginRecord();
  EXPECT_EQ(p.TextWidth("abc"), 30);
  EXPECT_EQ(p.PageMetafile(1), nullptr) << "pages are not handed out while recording";
  p.EndRecord();
  p.TextOut(10, 10, "nachher");
  p.FillRect({0, 0, 5, 5});
  EXPECT_EQ(p.TextHeight(), -1);
  ASSERT_NE(p.PageMetafile(1), nullptr);
  EXPECT_TRUE(p.PageMetafile(1)->Befehle.empty());
  EXPECT_EQ(p.PageMetafile(0), nullptr);
  EXPECT_EQ(p.PageMetafile(2), nullptr);
}

TEST(PrevPrinter, MeasuresInTheCurrentFont) {
  TZeichenMesser messer;
  TPrevPrinter p(KleinesGeraet(), messer);
  p.BeginRecord();
  EXPECT_EQ(p.TextWidth("Ma"), 20);
  p.GetFont().Fett = true;
  EXPECT_EQ(p.TextWidth("Ma"), 24);
  p.GetFont().Fett = false;
  EXPECT_EQ(p.TextWidth("Ma"), 20);
}

TEST(PrevPrinter, PrintEndsAnOpenRecordingAndSendsEveryPage) {
  TZeichenMesser messer;
  TMeldungen meldungen;
  TPrevPrinter p(KleinesGeraet(), messer, &meldungen);
  p.BeginRecord();
  p.NewPage();
  p.NewPage();
  TZaehlZiel ziel;
  EXPECT_TRUE(p.Print(ziel));
  EXPECT_TRUE(p.Abgeschlossen());
  EXPECT_EQ(ziel.seiten, 3);
  EXPECT_EQ(ziel.neueSeiten, 2);
  EXPECT_EQ(meldungen.texte.front(), "Seite 0 wird aufgezeichnet.");
  EXPECT_EQ(meldungen.texte[3], "Seite 3 wird aufgezeichnet.");
  EXPECT_EQ(meldungen.texte.back(), "Seite 3 wird gedruckt.");
}

TEST(PrevPrinter, APrinterThatCannotBeginIsAFailureAndAnEmptyRecordingTouchesNoPrinter) {
  TZeichenMesser messer;
  TPrevPrinter leer(KleinesGeraet(), messer);
  TZaehlZiel ziel;
  EXPECT_TRUE(leer.Print(ziel));
  EXPECT_EQ(ziel.begonnen, 0);
  TPrevPrinter p(KleinesGeraet(), messer);
  p.BeginRecord();
  ziel.beginnt = false;
  EXPECT_FALSE(p.Print(ziel));
  EXPECT_EQ(ziel.seiten, 0);
}

TEST(PrevPrinter, ANewRecordingDropsTheOldPages) {
  TZeichenMesser messer;
  TPrevPrinter p(KleinesGeraet(), messer);
  p.BeginRecord();
  p.NewPage();
  p.EndRecord();
  p.BeginRecord();
  EXPECT_EQ(p.PageCount(), 1);
  EXPECT_EQ(p.AktuelleSeite(), 1);
  EXPECT_EQ(p.InchToPixel(1 / 2.54), 79);
}

}  // namespace
}  // namespace kolvar
