#include "druck/vertrlistendruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "model/lehrer.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertrkonten.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);

class VertrListenDruck : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    s->uhr.jetzt = int64_t{kMontag} * 86400 + 8 * 3600;
    SetzeEinigeStunden(*s);
  }
  template <typename F>
  std::unique_ptr<TPrevPrinter> Drucke(F druck) {
    auto p = std::make_unique<TPrevPrinter>(KleinesGeraet(), messer);
    p->BeginRecord();
    druck(*p);
    p->EndRecord();
    return p;
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  TEinfacheDruckOptionen o;
};

TEST_F(VertrListenDruck, AccountsStandDividedAndFlushRightInTheirColumns) {
  s->standard.dvs = 2;
  s->standard.vkm = 3;
  s->standard.nkm = 1;
  s->mue->SetzeName("Müller");
  s->mue->SetzeVStd1(5);
  s->mue->SetzeVStd2(-3);
  auto p = Drucke([&](IZeichenflaeche& f) { DruckeVertreteneStunden(f, *s->schule, o); });
  ASSERT_EQ(p->PageCount(), 1);
  const TDruckSeite& seite = *p->PageMetafile(1);
  // Margin 79; abbreviation column "MUE"+"A" = 40; name column "Müller"+"A" = 70; account
  // columns (3 + 1 + 3) "A" = 70, but at least "Tabelle 2"+"A" = 100.
  const auto kopf1 = Finde(seite, "Tabelle 1"), kopf2 = Finde(seite, "Tabelle 2");
  ASSERT_EQ(kopf1.size(), 1u);
  ASSERT_EQ(kopf2.size(), 1u);
  EXPECT_EQ(kopf1[0].x, 79 + 40 + 70);
  EXPECT_EQ(kopf2[0].x, 79 + 40 + 70 + 100);
  EXPECT_EQ(kopf1[0].y, 79 + 3 * 20) << "the headers stand on the fourth line";
  const std::string eins = FormatiereStunden(5, 3, 1, 2), zwei = FormatiereStunden(-3, 3, 1, 2);
  ASSERT_EQ(eins, "  2,5");
  const auto w1 = Finde(seite, eins), w2 = Finde(seite, zwei);
  ASSERT_EQ(w1.size(), 1u);
  ASSERT_EQ(w2.size(), 1u);
  EXPECT_EQ(w1[0].x + 50, 79 + 40 + 70 + 100 - 10);
  EXPECT_EQ(w2[0].x + static_cast<int>(zwei.size()) * 10, 79 + 40 + 70 + 200 - 10);
  EXPECT_EQ(w1[0].y, Finde(seite, "Müller")[0].y);
}

TEST_F(VertrListenDruck, OverviewPrintsItsHeadersAndRowsAndBreaksWithHeader) {
  for (int32_t d = kMontag; d < kMontag + 50 * 7; ++d)
    for (int p = 1; p <= 3; ++p) SetzeFehltStunde(*s->mue, d, p, true);
  auto p = Drucke([&](IZeichenflaeche& f) {
    DruckeVertrUebersicht(f, *s->schule, o, {s->mue, s->sch}, kMontag, kMontag + 50 * 7 - 1);
  });
  // Three lessons of MUE a week lie in periods 1 to 3: 150 rows do not fit one page of 2800
  // pixels at 20 a line.
  const std::size_t erwartet =
      VertrUebersicht(*s->schule, {s->mue, s->sch}, kMontag, kMontag + 50 * 7 - 1).size();
  ASSERT_EQ(erwartet, 150u);
  ASSERT_EQ(p->PageCount(), 2);
  const TDruckSeite& eins = *p->PageMetafile(1);
  const auto koepfe = Finde(eins, "verlegt auf");
  ASSERT_EQ(koepfe.size(), 1u);
  EXPECT_EQ(koepfe[0].y, 79 + 3 * 20);
  EXPECT_EQ(Finde(eins, "Lehrer")[0].x, 79);
  int zeilen = 0;
  for (int n = 1; n <= p->PageCount(); ++n)
    zeilen += static_cast<int>(Finde(*p->PageMetafile(n), "fehlt").size());
  EXPECT_EQ(zeilen, 150);
  for (int n = 2; n <= p->PageCount(); ++n)
    EXPECT_FALSE(Finde(*p->PageMetafile(n), s->schule->Titel()).empty());
}

}  // namespace
}  // namespace kolvar
