#include "druck/konferenzdruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class KonferenzDruck : public ::testing::Test {
 protected:
  void SetUp() override { s = BaueKleineSchule(); }
  template <typename Optionen>
  std::unique_ptr<TPrevPrinter> Drucke(const Optionen& o, const std::vector<TElement*>& elemente,
                                       TDruckGeraet geraet = KleinesGeraet()) {
    auto p = std::make_unique<TPrevPrinter>(geraet, messer);
    p->BeginRecord();
    TKonferenzDruck(*s->schule, o).Drucke(*p, elemente);
    p->EndRecord();
    return p;
  }
  static int Anzahl(const TPrevPrinter& p, const std::string& text) {
    int n = 0;
    for (int i = 1; i <= p.PageCount(); ++i) n += static_cast<int>(Finde(*p.PageMetafile(i), text).size());
    return n;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TFachKonferenzDruckOptionen fach;
  TKlassenKonferenzDruckOptionen klasse;
};

TEST_F(KonferenzDruck, SeparatelyOneHeadingPerSubjectTogetherOneHeadingAndEachTeacherOnce) {
  fach.fksp = true;
  auto einzeln = Drucke(fach, {s->de, s->ma});
  EXPECT_EQ(Anzahl(*einzeln, "Fachkonferenz De"), 1);
  EXPECT_EQ(Anzahl(*einzeln, "Fachkonferenz Ma"), 1);
  EXPECT_EQ(Anzahl(*einzeln, "MUE"), 2) << "MUE teaches both";
  fach.fksp = false;
  auto zusammen = Drucke(fach, {s->de, s->ma});
  EXPECT_EQ(Anzahl(*zusammen, "Fachkonferenz De Ma "), 1);
  for (const char* lehrer : {"MUE", "SCH", "BER"}) EXPECT_EQ(Anzahl(*zusammen, lehrer), 1) << lehrer;
}

TEST_F(KonferenzDruck, OnlyDeployedTeachersDropsAListedTeacherWithoutHoursAndCoursesNeedASubject) {
  TLehrer* neu = s->schule->NeuerLehrer("NEU");
  neu->FuegeFachHinzu(s->de);
  s->schule->ErzeugeKurs(s->mue, s->k5a, nullptr, nullptr, nullptr, 2);
  for (bool nurEingesetzt : {false, true}) {
    fach.fkfe = nurEingesetzt;
    auto p = Drucke(fach, {s->de});
    EXPECT_EQ(Anzahl(*p, "NEU"), nurEingesetzt ? 0 : 1);
    EXPECT_EQ(Anzahl(*p, "BER"), 1);
  }
  // The class conference of 5a: MUE's German course only, never the one without subject.
  auto p = Drucke(klasse, {s->k5a});
  const TDruckSeite& seite = *p->PageMetafile(1);
  ASSERT_EQ(Finde(seite, "MUE").size(), 1u);
  const int zeile = Finde(seite, "MUE").front().y;
  std::vector<std::string> eintraege;
  for (const TGefundenerText& t : Texte(seite))
    if (t.y == zeile && t.text.front() == '[') eintraege.push_back(t.text);
  EXPECT_EQ(eintraege, std::vector<std::string>{"[ 4,0 (4) De 5a] "});
  EXPECT_EQ(Anzahl(*p, "BER"), 1) << "coupled sport in 5a";
  EXPECT_EQ(Anzahl(*p, "[ 2,0 (2) Sp SPO] "), 2);
}

TEST_F(KonferenzDruck, AHeadingWithLessThanTenLinesLeftStartsANewPage) {
  // Heading at 79 + 3*20; the next one after n teacher lines and one blank line.
  for (auto [lehrer, seite, y] : std::vector<std::tuple<int, int, int>>{{120, 1, 2599}, {121, 2, 139}}) {
    SetUp();
    TFach* ku = s->schule->NeuesFach("Ku");
    TFach* mu = s->schule->NeuesFach("Mu");
    for (int i = 0; i < lehrer; ++i) s->schule->NeuerLehrer("L" + std::to_string(i))->FuegeFachHinzu(ku);
    auto p = Drucke(fach, {ku, mu});
    ASSERT_EQ(p->PageCount(), seite) << lehrer;
    const auto titel = Finde(*p->PageMetafile(seite), "Fachkonferenz Mu");
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_EQ(titel.front().y, y);
  }
}

TEST_F(KonferenzDruck, EntriesWrapBelowTheFirstEntryAtTheSheetEdge) {
  for (int i = 0; i < 12; ++i) s->schule->ErzeugeKurs(s->mue, s->k6a, nullptr, s->de, nullptr, 1);
  auto p = Drucke(fach, {s->de});
  const TDruckSeite& seite = *p->PageMetafile(1);
  const int y = Finde(seite, "MUE").front().y;
  // wK = 3 characters + 20, wN = 20 (no names): entries start at 79 + 50 + 20.
  std::vector<TGefundenerText> eintraege;
  for (const TGefundenerText& t : Texte(seite))
    if (t.text.front() == '[' && t.y >= y && t.y < y + 2 * 20) eintraege.push_back(t);
  ASSERT_EQ(eintraege.size(), 13u);
  EXPECT_EQ(eintraege.front().x, 149);
  for (const TGefundenerText& t : eintraege) {
    EXPECT_LE(t.x + static_cast<int>(t.text.size()) * 10 + 50, 2000) << t.text;
    if (t.y > y) {
      EXPECT_GE(t.x, 149);
    }
  }
  EXPECT_EQ(eintraege.back().y, y + 20);
  EXPECT_EQ(std::count_if(eintraege.begin(), eintraege.end(), [](const auto& t) { return t.x == 149; }), 2);
}

TEST_F(KonferenzDruck, OnASheetNarrowerThanOneEntryEveryEntryTakesItsOwnLineUnderTheName) {
  s->mue->SetzeName("Mueller");
  for (int i = 0; i < 2; ++i) s->schule->ErzeugeKurs(s->mue, s->k6a, nullptr, s->de, nullptr, 1);
  TDruckGeraet schmal = KleinesGeraet();
  schmal.Blatt.x = schmal.Seite.x = 300;
  auto p = Drucke(fach, {s->de}, schmal);
  const TDruckSeite& seite = *p->PageMetafile(1);
  const int y = Finde(seite, "MUE").front().y;
  const int ber = Finde(seite, "BER").front().y;
  // Entries start right of the widest name ("Mueller" + 20) at 79 + 50 + 90.
  std::vector<TGefundenerText> eintraege;
  for (const TGefundenerText& t : Texte(seite))
    if (t.text.front() == '[' && t.y < ber) eintraege.push_back(t);
  ASSERT_EQ(eintraege.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(eintraege[i].x, 219);
    EXPECT_EQ(eintraege[i].y, y + 20 * static_cast<int>(i + 1));
  }
  EXPECT_EQ(ber, y + 4 * 20);
}

TEST_F(KonferenzDruck, EntriesRunningOverThePagesFootGoOnAtTheirColumnOnTheNextPage) {
  // The printer cannot print the sheet's last 60 pixels; lines are 20 high.
  TDruckGeraet geraet = KleinesGeraet();
  geraet.Versatz = {40, 0};
  geraet.Seite = {1920, 2740};
  int fortgesetzt = 0;
  for (int vorher : {116, 119, 121, 123, 125, 127}) {
    for (int kurse : {1, 10, 11, 23, 64}) {
      SetUp();
      TFach* ku = s->schule->NeuesFach("Ku");
      for (int i = 0; i < vorher; ++i) s->schule->NeuerLehrer("L" + std::to_string(i))->FuegeFachHinzu(ku);
      TLehrer* viel = s->schule->NeuerLehrer("VIEL");
      viel->FuegeFachHinzu(ku);
      for (int i = 0; i < kurse; ++i) s->schule->ErzeugeKurs(viel, s->k6a, nullptr, ku, nullptr, 1);
      auto p = Drucke(fach, {ku}, geraet);
      const std::string fall =
          std::to_string(vorher) + " teachers before, " + std::to_string(kurse) + " courses";
      const TDruckRechteck bereich = p->DruckBereich();
      int eintraege = 0;
      for (int n = 1; n <= p->PageCount(); ++n) {
        const std::vector<TGefundenerText> texte = Texte(*p->PageMetafile(n));
        for (const TGefundenerText& t : texte) {
          EXPECT_LE(t.y + p->DruckVersatz().y + 20, bereich.unten)
              << fall << ": " << t.text << " on page " << n;
          if (t.text.front() != '[') continue;
          ++eintraege;
          // wK = 4 characters + 20, wN = 20: every entry stands in the entries' column or right of it.
          EXPECT_GE(t.x + p->DruckVersatz().x, 79 + 60 + 20) << fall;
        }
        // A page the entries went on to starts under its header with the next entry, at the column.
        if (n > 1 && texte.size() > 2 && texte[2].text.front() == '[') {
          ++fortgesetzt;
          EXPECT_EQ(texte[2].x + p->DruckVersatz().x, 79 + 60 + 20) << fall;
          EXPECT_EQ(texte[2].y, 79 + 3 * 20) << fall;
        }
      }
      EXPECT_EQ(eintraege, kurse) << fall;
    }
  }
  EXPECT_GE(fortgesetzt, 3);
}

TEST_F(KonferenzDruck, NothingChosenRecordsTheHeaderOnly) {
  for (bool einzeln : {true, false}) {
    klasse.kksp = einzeln;
    auto p = Drucke(klasse, {});
    ASSERT_EQ(p->PageCount(), 1);
    EXPECT_EQ(Texte(*p->PageMetafile(1)).size(), 2u);
  }
}

}  // namespace
}  // namespace kolvar
