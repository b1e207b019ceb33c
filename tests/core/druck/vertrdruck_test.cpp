#include "druck/vertrdruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "model/lehrer.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertretung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

// Monday: MUE away in periods 1 and 2 (De 5a R101 gets SCH, Ma 5b R102 nobody), R101 away in
// period 3 (SCH Ma 5a), class 6a away in periods 1 and 2 (no lesson that day).
class VertrDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    s->uhr.jetzt = int64_t{kMontag} * 86400 + 8 * 3600;
    s->dialoge.standardAntwort = Modal::Ja;
    SetzeEinigeStunden(*s);
    for (int p = 1; p <= kStunden; ++p)
      s->standard.sp[0][static_cast<std::size_t>(p - 1)] = std::to_string(p) + ".";
    for (int p : {1, 2}) {
      SetzeFehltStunde(*s->mue, kMontag, p, true);
      SetzeFehltStunde(*s->k6a, kMontag, p, true);
    }
    SetzeFehltStunde(*s->r101, kMontag, 3, true);
    for (TVertretung* r : s->schule->Vertretungen())
      if (r->Art() == VertrArt::Lehrer && r->Stunde() == 1) {
        EXPECT_TRUE(r->SetzeVertreter(s->sch));
        r->SetSchuelerBem("Aula");
        r->SetLehrerBem("Aufsicht Aula");
      }
    o.vc = {true, false, false, false};
    o.Vorgaben[0].vlb = 1;
    o.Vorgaben[0].vvs = 3;
    o.Vorgaben[0].ves = 2;
  }
  std::vector<std::string> Text() { return TVertrDruck(*s->schule, o, {"Wandertag 7b"}, kMontag).Text(); }
  std::unique_ptr<TPrevPrinter> Drucke() {
    auto p = std::make_unique<TPrevPrinter>(KleinesGeraet(), messer);
    p->BeginRecord();
    TVertrDruck(*s->schule, o, {"Wandertag 7b"}, kMontag).Drucke(*p);
    p->EndRecord();
    return p;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TVertretungsDruckOptionen o;
};

using Zeilen = std::vector<std::string>;

TEST_F(VertrDruck, OnePresetGivesRemarksAbsencesAndBothPlansInTheirOwnOrders) {
  EXPECT_EQ(Text(),
            (Zeilen{"Vertretungsplan für\tMontag, 2. Mrz 2026", "Wandertag 7b", "fehlende Lehrer:",
                    "MUE\t1. - 2.", "fehlende Klassen:", "6a\t1. - 2.", "fehlende Räume:", "R101\t3. - 3.",
                    "1.", "MUE\t5a\tDe\tR101\t==>\tSCH\tAula", "2.", "MUE\t5b\tMa\tR102\t==>\t?????\t",
                    "Ersatzraumplan für\tMontag, 2. Mrz 2026", "R101", "3.\t5a\tMa\tSCH\t==>\t?????\t"}));
}

TEST_F(VertrDruck, ListPrintersFollowOrderNamesRemarksAndSwitches) {
  struct Fall {
    const char* was;
    TVertrDruckEinstellung v;
    Zeilen erwartet;
  };
  TVertrDruckEinstellung basis = o.Vorgaben[0];
  basis.vma = basis.vfl = basis.vfk = basis.vfr = false;
  const auto mit = [&](auto aendere) {
    TVertrDruckEinstellung v = basis;
    aendere(v);
    return v;
  };
  s->mue->SetzeName("Müller");
  s->sch->SetzeName("Schulz");
  const std::string titel = "Vertretungsplan für\tMontag, 2. Mrz 2026";
  const std::string raum = "Ersatzraumplan für\tMontag, 2. Mrz 2026";
  const std::vector<Fall> faelle{
      {"by class, each class before its lines",
       mit([](auto& v) {
         v.vvs = 0;
         v.vde = false;
         v.vmk = false;
       }),
       {titel, "5a", "1.\tMUE\tDe\tR101\t==>\tSCH\tAula", "5b", "2.\tMUE\tMa\tR102\t==>\t?????\t"}},
      {"by substitute",
       mit([](auto& v) {
         v.vvs = 1;
         v.vde = false;
       }),
       {titel, "?????", "2.\tMUE\t5b\tMa\tR102\t", "SCH", "1.\tMUE\t5a\tDe\tR101\tAula"}},
      {"by absent teacher, names and remarks for teachers",
       mit([](auto& v) {
         v.vvs = 2;
         v.vde = false;
         v.vlb = 0;
         v.vba = 1;
       }),
       {titel, "Müller", "1.\t5a\tDe\tR101\t==>\tSchulz\tAufsicht Aula", "2.\t5b\tMa\tR102\t==>\t?????\t"}},
      {"room plan alone prints its own absence lists, by period",
       mit([](auto& v) {
         v.vdv = false;
         v.ves = 3;
         v.vfr = true;
       }),
       {raum, "fehlende Räume:", "R101\t3. - 3.", "3.", "SCH\t5a\tMa\tR101\t==>\t?????\t"}},
      {"room plan by the lesson's teacher",
       mit([](auto& v) {
         v.vdv = false;
         v.ves = 1;
       }),
       {raum, "SCH", "3.\t5a\tMa\tR101\t==>\t?????\t"}},
      {"neither plan", mit([](auto& v) { v.vdv = v.vde = false; }), {}},
  };
  for (const Fall& f : faelle) {
    o.Vorgaben[0] = f.v;
    EXPECT_EQ(Text(), f.erwartet) << f.was;
  }
}

TEST_F(VertrDruck, AbsentElementsStandTwoToALine) {
  SetzeFehltStunde(*s->ber, kMontag, 4, true);
  SetzeFehltStunde(*s->ber, kMontag, 6, true);
  const Zeilen text = Text();
  ASSERT_GE(text.size(), 4u);
  EXPECT_EQ(text[2], "fehlende Lehrer:");
  EXPECT_EQ(text[3], "MUE\t1. - 2.\tBER\t4. - 6.");
  EXPECT_EQ(text[4], "fehlende Klassen:");
}

TEST_F(VertrDruck, EveryPrintedPresetAfterTheFirstStartsAPageWithItsOwnHeader) {
  o.vc = {true, true, true, false};
  o.Vorgaben[0].vde = false;
  o.Vorgaben[1].vdv = o.Vorgaben[1].vde = false;  // prints nothing, takes no page
  o.Vorgaben[2].vdv = false;
  o.Vorgaben[2].vmd = false;
  auto p = Drucke();
  ASSERT_EQ(p->PageCount(), 2);
  const TDruckSeite& eins = *p->PageMetafile(1);
  const TDruckSeite& zwei = *p->PageMetafile(2);
  ASSERT_EQ(Finde(eins, "Vertretungsplan für").size(), 1u);
  EXPECT_TRUE(Finde(eins, "Vertretungsplan für")[0].fett);
  EXPECT_TRUE(Finde(eins, "Ersatzraumplan für").empty());
  EXPECT_EQ(Finde(zwei, "Ersatzraumplan für").size(), 1u);
  EXPECT_TRUE(Finde(zwei, "Vertretungsplan für").empty());
  // The second page has its header (undated in its preset), the remarks and the absence lists.
  EXPECT_EQ(Finde(zwei, "Seite 2").size(), 1u);
  EXPECT_EQ(Finde(zwei, "Wandertag 7b").size(), 1u);
  EXPECT_EQ(Finde(zwei, "fehlende Lehrer:").size(), 1u);
  EXPECT_EQ(Finde(eins, "Wandertag 7b").size(), 1u);
  // Every page speaks the plan's font, also after a page break.
  o.Schrift.Groesse = 12;
  auto gross = Drucke();
  for (int n = 1; n <= 2; ++n)
    for (const TDruckBefehl& b : gross->PageMetafile(n)->Befehle)
      if (b.Art == TBefehlsArt::Text) {
        EXPECT_EQ(b.Schrift.Groesse, 12) << n << " " << b.Text;
      }
  // The date stands framed beside the title.
  const auto datum = Finde(eins, "Montag, 2. Mrz 2026");
  ASSERT_EQ(datum.size(), 1u);
  EXPECT_EQ(datum[0].y, Finde(eins, "Vertretungsplan für")[0].y);
  EXPECT_GT(datum[0].x, Finde(eins, "Vertretungsplan für")[0].x);
}

TEST_F(VertrDruck, ColumnsFollowTheMeasuredWidthsAndLongPlansBreakWithHeaderAndTitle) {
  o.Vorgaben[0].vde = false;
  auto p = Drucke();
  const TDruckSeite& seite = *p->PageMetafile(1);
  // Margin 1 cm = 79 px at 200 dpi; lines start two "A" further (ordered by period, the line
  // starts with the teacher); the teacher column holds "MUE" plus an "A".
  const auto mue = Finde(seite, "MUE");
  ASSERT_EQ(mue.size(), 3u);
  EXPECT_EQ(mue[0].x, 79);
  EXPECT_EQ(mue[2].x, 79 + 20);
  const auto zeile = Finde(seite, "5b");
  ASSERT_EQ(zeile.size(), 1u);
  EXPECT_EQ(zeile[0].x, 79 + 20 + 40);

  // Enough remark lines to fill more than a page: the plan goes on under a new header.
  std::vector<std::string> viele(150, "Zeile");
  o.Vorgaben[0].vmd = false;
  auto q = std::make_unique<TPrevPrinter>(KleinesGeraet(), messer);
  q->BeginRecord();
  TVertrDruck(*s->schule, o, viele, kMontag).Drucke(*q);
  q->EndRecord();
  ASSERT_EQ(q->PageCount(), 2);
  EXPECT_EQ(Finde(*q->PageMetafile(2), "Seite 2").size(), 1u);
  EXPECT_EQ(Finde(*q->PageMetafile(2), "Vertretungsplan für").size(), 1u);
  for (const TGefundenerText& t : Texte(*q->PageMetafile(1))) EXPECT_LE(t.y + 6 * 20, 2800 + 20) << t.text;
}

}  // namespace
}  // namespace kolvar

namespace kolvar {
namespace {

TEST_F(VertrDruck, ByClassACoupledLessonStandsUnderEachClassThatIsThere) {
  // Wednesday period 5: SCH's sport of 5a and 5b (coupling SPO) in TH; 5a is away.
  const int32_t mittwoch = kMontag + 2;
  SetzeFehltStunde(*s->k5a, mittwoch, 5, true);
  SetzeFehltStunde(*s->sch, mittwoch, 5, true);
  TVertrDruckEinstellung& v = o.Vorgaben[0];
  v.vvs = 0;
  v.vde = false;
  v.vma = v.vfl = v.vfk = v.vfr = false;
  const Zeilen text = TVertrDruck(*s->schule, o, {}, mittwoch).Text();
  EXPECT_EQ(text, (Zeilen{"Vertretungsplan für\tMittwoch, 4. Mrz 2026", "5b",
                          "5.\tSCH\tSp\tTH\tSPO\t==>\t?????\t"}));
}

}  // namespace
}  // namespace kolvar
