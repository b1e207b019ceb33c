#include "druck/svdruck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "druckhilfen.h"
#include "model/setzung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class SVDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    s->standard.mtn = 5;
  }
  std::unique_ptr<TPrevPrinter> Drucke(int art, const std::vector<TElement*>& elemente,
                                       TDruckGeraet geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    TSVDruck druck(*s->schule, art, o);
    p->BeginRecord();
    druck.Drucke(*p, elemente);
    p->EndRecord();
    layout = druck.Layout();
    symbolX = [layout = layout](int d, int p) {
      return layout.Links + layout.c1 + layout.c2 + (d - 1) * 17 * layout.s + 5 + (p - 1) * layout.s;
    };
    return p;
  }
  // The digits written in the column of symbol (d, p), top to bottom.
  std::string Spalte(const TPrevPrinter& p, int d, int stunde) const {
    std::string ziffern;
    for (int n = 1; n <= p.PageCount(); ++n)
      for (const auto& t : Texte(*p.PageMetafile(n)))
        if (t.x == symbolX(d, stunde)) ziffern += t.text;
    return ziffern;
  }
  static int Anzahl(const TDruckSeite& seite, TBefehlsArt art, uint32_t pinsel, bool leer) {
    int n = 0;
    for (const TDruckBefehl& b : seite.Befehle)
      if (b.Art == art && b.Pinsel.Farbe == pinsel && b.Pinsel.Leer == leer) ++n;
    return n;
  }
  std::vector<TElement*> AlleLehrer() const {
    std::vector<TElement*> e;
    for (TLehrer* l : s->schule->Lehrer()) e.push_back(l);
    return e;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TStundenVerteilungDruckOptionen o;
  TSVLayout layout;
  std::function<int(int, int)> symbolX;
};

TEST_F(SVDruck, TotalsPrintTheirDigitsDownwardsUnitsFirst) {
  struct Fall {
    int zaehler;
    std::string ziffern;
  };
  for (const Fall& f :
       std::vector<Fall>{{0, "0"}, {7, "7"}, {12, "21"}, {105, "501"}, {1000, "0"}, {1012, "21"}}) {
    const std::vector<char> z = TSVDruck::SummenZiffern(f.zaehler);
    EXPECT_EQ(std::string(z.begin(), z.end()), f.ziffern) << f.zaehler;
  }
}

TEST_F(SVDruck, TotalsCountLessonsOnceOrOnlyGaps) {
  s->deutsch5a->NeueSetzung(1, 1, 1, s->r101, false);  // MUE Monday 1 and 3: a gap in 2
  s->mathe5b->NeueSetzung(1, 1, 3, s->r102, false);
  s->mathe5a->NeueSetzung(1, 1, 1, s->r101, false);  // SCH Monday 1
  s->sportSch->NeueSetzung(1, 2, 1, s->th, true);    // SCH Tuesday 1, fixed and coupled
  for (bool luecken : {false, true}) {
    o.svsg = luecken;
    auto p = Drucke(0, AlleLehrer());
    ASSERT_EQ(p->PageCount(), 1);
    EXPECT_EQ(Spalte(*p, 1, 1), luecken ? "0" : "2");
    EXPECT_EQ(Spalte(*p, 1, 2), luecken ? "1" : "0");
    EXPECT_EQ(Spalte(*p, 1, 3), luecken ? "0" : "1");
    EXPECT_EQ(Spalte(*p, 2, 1), luecken ? "0" : "1");
    // The gap count stands right of the last day block.
    const int ende = symbolX(6, 1) - 5;
    const auto zahl = Finde(*p->PageMetafile(1), "1");
    const bool rechts =
        std::any_of(zahl.begin(), zahl.end(), [&](const auto& t) { return t.x == ende + 10; });
    EXPECT_EQ(rechts, luecken);
  }
}

TEST_F(SVDruck, SymbolsFollowTheDayPattern) {
  s->deutsch5a->NeueSetzung(1, 1, 1, s->r101, false);  // E
  s->mathe5b->NeueSetzung(1, 1, 2, s->r102, true);     // G
  s->mue->Sperrung().SetzeBereich(1, 1, 4, true);      // S
  for (bool sperren : {false, true}) {
    o.svsr = sperren;
    auto p = Drucke(0, {s->mue});
    const TDruckSeite& seite = *p->PageMetafile(1);
    EXPECT_EQ(Anzahl(seite, TBefehlsArt::Ellipse, 0xFFFFFF, true), 1);  // the open circle
    EXPECT_EQ(Anzahl(seite, TBefehlsArt::Rechteck, 0xC0C0C0, false), sperren ? 1 : 0);
    // Free bars: 16 periods on five days, less the two lessons and the lock when it shows.
    EXPECT_EQ(Anzahl(seite, TBefehlsArt::Rechteck, 0xFFFFFF, false), 5 * 16 - 2 - (sperren ? 1 : 0) + 1);
  }
}

TEST_F(SVDruck, ARuleFollowsEveryFifthElementByListPosition) {
  for (int i = 4; i <= 12; ++i) s->schule->NeuerLehrer("L" + std::to_string(i));
  const std::vector<TElement*> alle = AlleLehrer();
  const std::vector<TElement*> ab3(alle.begin() + 2, alle.begin() + 11);  // positions 3..11
  auto p = Drucke(0, ab3);
  std::vector<int> regeln;
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle)
    if (b.Art == TBefehlsArt::Linie && b.Ort.oben == b.Ort.unten) regeln.push_back(b.Ort.oben);
  ASSERT_EQ(regeln.size(), 2u);
  const int l5 = Finde(*p->PageMetafile(1), alle[4]->Kuerzel())[0].y;
  const int l6 = Finde(*p->PageMetafile(1), alle[5]->Kuerzel())[0].y;
  EXPECT_GT(regeln[0], l5);
  EXPECT_LT(regeln[0], l6);
  EXPECT_EQ(l6 - l5, layout.h + 10);
}

TEST_F(SVDruck, CouplingsPrintBlocksWithoutTotalsOrLineThree) {
  s->sportSch->NeueSetzung(1, 2, 1, s->th, false);
  auto p = Drucke(2, {s->spo});
  const TDruckSeite& seite = *p->PageMetafile(1);
  EXPECT_TRUE(Finde(seite, "Lehrer").empty());
  ASSERT_EQ(Finde(seite, "SPO").size(), 1u);
  EXPECT_EQ(Finde(seite, "SPO")[0].y, 79 + 3 * 20);
  EXPECT_EQ(Finde(seite, "Mo").size(), 1u);
  // Each sport course: its teacher at the margin, its subject in the second column.
  const auto sch = Finde(seite, "SCH");
  ASSERT_EQ(sch.size(), 1u);
  EXPECT_EQ(sch[0].x, 79);
  const auto fach = Finde(seite, "Sp");
  ASSERT_EQ(fach.size(), 2u);
  EXPECT_EQ(fach[0].x, 79 + layout.c1);
  EXPECT_EQ(Spalte(*p, 1, 1), "");
  // The placed coupled lesson is a filled circle.
  EXPECT_EQ(Anzahl(seite, TBefehlsArt::Ellipse, 0x000000, false), 1);
}

TEST_F(SVDruck, SubjectsShowTheCouplingOrElseTheFirstClass) {
  auto p = Drucke(3, {s->sp, s->de});
  const TDruckSeite& seite = *p->PageMetafile(1);
  EXPECT_EQ(Finde(seite, "SPO").size(), 2u);
  EXPECT_EQ(Finde(seite, "5a").size(), 1u);
  EXPECT_EQ(Finde(seite, "6a").size(), 1u);
  EXPECT_EQ(Finde(seite, "6a")[0].x, 79 + layout.c1);
}

TEST_F(SVDruck, AnEmptyRangePrintsTheHeaderOnly) {
  for (int art : {0, 2}) {
    auto p = Drucke(art, {});
    ASSERT_EQ(p->PageCount(), 1);
    const std::size_t kopf = art == 0 ? 2u + 1u + 5u : 2u;
    EXPECT_EQ(Texte(*p->PageMetafile(1)).size(), kopf) << art;
  }
}

TEST_F(SVDruck, ManyElementsBreakPagesAndRepeatTheHeading) {
  for (int i = 4; i <= 40; ++i) s->schule->NeuerLehrer("L" + std::to_string(i));
  TDruckGeraet kurz = KleinesGeraet();
  kurz.Blatt.y = kurz.Seite.y = 600;
  auto p = Drucke(0, AlleLehrer(), kurz);
  ASSERT_GE(p->PageCount(), 3);
  int zeilen = 0;
  for (int n = 1; n <= p->PageCount(); ++n) {
    const TDruckSeite& seite = *p->PageMetafile(n);
    EXPECT_EQ(Finde(seite, "Lehrer").size(), 1u) << n;
    for (const auto& t : Texte(seite))
      if (t.x == 79 && t.y >= 79 + 3 * 20) {
        ++zeilen;
        EXPECT_LE(t.y + 6 * 20, 600 + 20) << t.text;
      }
  }
  EXPECT_EQ(zeilen, 40);
}

TEST_F(SVDruck, NothingLiesOutsideThePrintersPrintableArea) {
  for (int i = 4; i <= 60; ++i) s->schule->NeuerLehrer("L" + std::to_string(i));
  s->standard.mtn = 7;
  o.svra = 0;
  o.svsg = true;
  // A narrow sheet whose printer leaves a strip of 50 pixels (6 mm) on every side.
  TDruckGeraet g = KleinesGeraet();
  g.Blatt = {1200, 1400};
  g.Versatz = {50, 50};
  g.Seite = {1100, 1300};
  for (int art : {0, 2}) {
    auto p = Drucke(art, art == 0 ? AlleLehrer() : std::vector<TElement*>{s->spo}, g);
    ASSERT_GE(p->PageCount(), art == 0 ? 2 : 1);
    int geprueft = 0;
    for (int n = 1; n <= p->PageCount(); ++n)
      for (const TDruckBefehl& b : p->PageMetafile(n)->Befehle) {
        TDruckRechteck r = b.Ort;
        if (b.Art == TBefehlsArt::Text) {
          r.rechts = r.links + TZeichenMass(b.Schrift.Fett).TextBreite(b.Text);
          r.unten = r.oben + 20;
        }
        ++geprueft;
        // The recording holds points from the printable area's corner.
        EXPECT_TRUE(std::min(r.links, r.rechts) >= 0 && std::max(r.links, r.rechts) <= 1100 &&
                    std::min(r.oben, r.unten) >= 0 && std::max(r.oben, r.unten) <= 1300)
            << "page " << n << " '" << b.Text << "' at " << r.links << "," << r.oben << " - " << r.rechts
            << "," << r.unten;
      }
    EXPECT_GT(geprueft, 100);
    EXPECT_GE(layout.s, 1);
  }
}

// Widths that grow with the font: 2 pixels a point per character.
class TGroessenMesser : public IDruckMesser {
  class TMass : public ITextMass {
   public:
    explicit TMass(int punkt) : punkt_(punkt) {}
    int TextBreite(std::string_view text) const override {
      return static_cast<int>(text.size()) * 2 * punkt_;
    }
    int TextHoehe(std::string_view) const override { return 3 * punkt_; }

   private:
    int punkt_;
  };

 public:
  std::unique_ptr<ITextMass> Mass(const TDruckSchrift& s, int) const override {
    return std::make_unique<TMass>(s.Groesse);
  }
};

TEST_F(SVDruck, TotalsShrinkWithTheColumnsAndNeverOverlap) {
  s->standard.mtn = 7;
  s->deutsch5a->NeueSetzung(1, 1, 1, s->r101, false);
  s->mathe5a->NeueSetzung(1, 1, 2, s->r101, false);
  TGroessenMesser groessen;
  for (int punkt : {6, 8, 10, 20, 40}) {
    o.Schrift.Groesse = punkt;
    TPrevPrinter p(KleinesGeraet(), groessen);
    TSVDruck druck(*s->schule, 1, o);
    p.BeginRecord();
    druck.Drucke(p, {s->k5a, s->k5b, s->k6a});
    p.EndRecord();
    const TSVLayout l = druck.Layout();
    // At 6 points the days fit; from 8 points on the symbols shrink to fit seven days.
    ASSERT_EQ(l.s < 2 * punkt, punkt >= 8) << punkt << " pt";
    // The totals: one digit a text, on the three lines under the last class.
    std::map<int, std::vector<const TDruckBefehl*>> zeilen;
    const TDruckSeite& seite = *p.PageMetafile(p.PageCount());
    for (const TDruckBefehl& b : seite.Befehle)
      if (b.Art == TBefehlsArt::Text && b.Text.size() == 1 &&
          std::isdigit(static_cast<unsigned char>(b.Text[0])))
        zeilen[b.Ort.oben].push_back(&b);
    ASSERT_FALSE(zeilen.empty()) << punkt;
    EXPECT_EQ(zeilen.begin()->second.size(), 7u * 16u) << punkt << " pt: a digit in every slot";
    for (auto& [y, ziffern] : zeilen) {
      std::sort(ziffern.begin(), ziffern.end(),
                [](const TDruckBefehl* a, const TDruckBefehl* b) { return a->Ort.links < b->Ort.links; });
      for (std::size_t i = 0; i + 1 < ziffern.size(); ++i)
        EXPECT_LE(ziffern[i]->Ort.links + 2 * ziffern[i]->Schrift.Groesse, ziffern[i + 1]->Ort.links)
            << punkt << " pt: '" << ziffern[i]->Text << "' runs into '" << ziffern[i + 1]->Text << "' at y "
            << y;
    }
    // Each digit still stands in its slot's column: Monday's first two periods hold a lesson.
    const auto& einer = zeilen.begin()->second;
    const auto slot = [&l](int d, int stunde) {
      return l.Links + l.c1 + (d - 1) * 17 * l.s + 5 + (stunde - 1) * l.s;
    };
    for (const auto& [stunde, ziffer] :
         std::vector<std::pair<int, std::string>>{{1, "1"}, {2, "1"}, {3, "0"}}) {
      const auto it = std::find_if(einer.begin(), einer.end(),
                                   [&](const TDruckBefehl* b) { return b->Ort.links == slot(1, stunde); });
      ASSERT_NE(it, einer.end()) << punkt << " pt, period " << stunde;
      EXPECT_EQ((*it)->Text, ziffer) << punkt << " pt, period " << stunde;
    }
  }
}

TEST_F(SVDruck, SmallFontsStillDrawSymbolsOfTwoPixels) {
  s->deutsch5a->NeueSetzung(1, 1, 1, s->r101, false);
  auto p = Drucke(0, {s->mue});
  for (const TDruckBefehl& b : p->PageMetafile(1)->Befehle)
    if (b.Art == TBefehlsArt::Ellipse) {
      EXPECT_EQ(b.Ort.rechts - b.Ort.links, 2);
      EXPECT_EQ(b.Ort.unten - b.Ort.oben, 2);
    }
}

}  // namespace
}  // namespace kolvar
