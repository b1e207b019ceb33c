#include "druck/kuerzeldruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class KuerzelDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    o.kle = true;
    o.kkl = o.kko = o.kfa = o.kra = o.kuv = false;
  }
  // Ten teachers "MUE", "SCH", "BER", "L04" .. "L10", each named with seven characters.
  void ZehnLehrer() {
    for (int i = 4; i <= 10; ++i) s->schule->NeuerLehrer(i < 10 ? "L0" + std::to_string(i) : "L10");
    int i = 0;
    for (TLehrer* l : s->schule->Lehrer()) l->SetzeName("Name " + std::to_string(10 + i++));
  }
  std::unique_ptr<TPrevPrinter> Drucke(const TSchule& schule, TDruckGeraet geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    p->BeginRecord();
    TKuerzelDruck(schule, o).Drucke(*p);
    p->EndRecord();
    return p;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TKuerzelDruckOptionen o;
};

TEST_F(KuerzelDruck, ColumnsAreAtLeastOneWhateverTheMarginAndTheNames) {
  struct Fall {
    int blatt, links, paar, spalten;
  };
  for (const Fall& f : std::vector<Fall>{
           {500, 79, 130, 3}, {520 + 79, 79, 130, 4}, {100, 79, 130, 1}, {100, 472, 130, 1}, {2000, 0, 0, 1}})
    EXPECT_EQ(TKuerzelDruck::Spalten(f.blatt, f.links, f.paar), f.spalten) << f.blatt << " " << f.links;
}

TEST_F(KuerzelDruck, TenTeachersInThreeColumnPairsRunDownFourRows) {
  ZehnLehrer();
  TDruckGeraet schmal = KleinesGeraet();
  schmal.Blatt.x = schmal.Seite.x = 500;  // (500 - 79) / (40 + 90) = 3 pairs
  auto p = Drucke(*s->schule, schmal);
  ASSERT_EQ(p->PageCount(), 1);
  const TDruckSeite& seite = *p->PageMetafile(1);
  ASSERT_EQ(Finde(seite, "Lehrerkürzel").size(), 1u);
  EXPECT_EQ(Finde(seite, "Lehrerkürzel")[0].y, 79 + 3 * 20);
  int i = 0;
  for (const TLehrer* l : s->schule->Lehrer()) {
    const auto t = Finde(seite, l->Kuerzel());
    ASSERT_EQ(t.size(), 1u) << l->Kuerzel();
    EXPECT_EQ(t[0].x, 79 + (i / 4) * 130) << l->Kuerzel();
    EXPECT_EQ(t[0].y, 79 + 4 * 20 + (i % 4) * 20) << l->Kuerzel();
    const auto name = Finde(seite, l->Name());
    ASSERT_EQ(name.size(), 1u);
    EXPECT_EQ(name[0].x, t[0].x + 40);
    ++i;
  }
}

TEST_F(KuerzelDruck, ANameWiderThanTheSheetGivesOneColumn) {
  ZehnLehrer();
  TDruckGeraet eng = KleinesGeraet();
  eng.Blatt.x = eng.Seite.x = 120;
  auto p = Drucke(*s->schule, eng);
  const auto l10 = Finde(*p->PageMetafile(1), "L10");
  ASSERT_EQ(l10.size(), 1u);
  EXPECT_EQ(l10[0].x, 79);
  EXPECT_EQ(l10[0].y, 79 + 4 * 20 + 9 * 20);
}

TEST_F(KuerzelDruck, NoKindTickedGivesOnePageWithTheHeaderOnly) {
  o.kle = false;
  auto p = Drucke(*s->schule);
  ASSERT_EQ(p->PageCount(), 1);
  const auto texte = Texte(*p->PageMetafile(1));
  ASSERT_EQ(texte.size(), 2u);
  EXPECT_EQ(texte[0].text.substr(texte[0].text.size() - 7), "Seite 1");
  EXPECT_EQ(texte[1].y, 79 + 20);
}

TEST_F(KuerzelDruck, AnEmptyKindPrintsItsTitleAndOneEmptyLine) {
  TKleineSchule leer;
  leer.schule = std::make_unique<TSchule>(leer.standard, TUmgebung{&leer.dialoge, &leer.palette, &leer.uhr});
  o.kkl = true;
  auto p = Drucke(*leer.schule);
  const TDruckSeite& seite = *p->PageMetafile(1);
  ASSERT_EQ(Finde(seite, "Klassenkürzel").size(), 1u);
  EXPECT_EQ(Finde(seite, "Lehrerkürzel")[0].y, 139);
  EXPECT_EQ(Finde(seite, "Klassenkürzel")[0].y, 139 + 2 * 20);
}

TEST_F(KuerzelDruck, EveryKindTickedPrintsItsTitleInOrderAndItsElements) {
  o.kkl = o.kko = o.kfa = o.kra = o.kuv = true;
  auto p = Drucke(*s->schule);
  const TDruckSeite& seite = *p->PageMetafile(1);
  int y = 0;
  for (int art = 0; art < 6; ++art) {
    const auto titel = Finde(seite, TKuerzelDruck::Titel(art));
    ASSERT_EQ(titel.size(), 1u) << art;
    EXPECT_GT(titel[0].y, y);
    y = titel[0].y;
  }
  for (const char* k : {"MUE", "5a", "SPO", "De", "R101", "UV5"}) EXPECT_EQ(Finde(seite, k).size(), 1u) << k;
}

TEST_F(KuerzelDruck, ALongListBreaksOntoANewPageWithTheHeaderRepeated) {
  for (int i = 0; i < 200; ++i) s->schule->NeuerLehrer("T" + std::to_string(i));
  TDruckGeraet kurz = KleinesGeraet();
  kurz.Blatt = kurz.Seite = {300, 600};  // one column, (600 - 139 - 40) / 20 rows a page
  auto p = Drucke(*s->schule, kurz);
  ASSERT_GE(p->PageCount(), 2);
  int gezaehlt = 0;
  for (int n = 1; n <= p->PageCount(); ++n) {
    const auto texte = Texte(*p->PageMetafile(n));
    ASSERT_GE(texte.size(), 2u);
    EXPECT_NE(texte[0].text.find("Seite " + std::to_string(n)), std::string::npos);
    for (const auto& t : texte) {
      EXPECT_LE(t.y + 2 * 20, 600) << "page " << n << " " << t.text;
      if (t.y > 79 + 20 && !t.text.empty() && t.text != "Lehrerkürzel") ++gezaehlt;
    }
  }
  EXPECT_EQ(gezaehlt, 203);
}

}  // namespace
}  // namespace kolvar
