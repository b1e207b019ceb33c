// Every page of a list printout is written in the chosen font: a new page starts in the
// recorder's default font, so each printout sets its own again with the page's header.

#include <gtest/gtest.h>

#include <functional>

#include "druck/deputatdruck.h"
#include "druck/elementbereich.h"
#include "druck/kuerzeldruck.h"
#include "druck/reststundendruck.h"
#include "druck/svdruck.h"
#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

class SeitenSchrift : public ::testing::Test {
 protected:
  void SetUp() override {
    s = BaueKleineSchule();
    SetzeEinigeStunden(*s);
    for (int i = 0; i < 150; ++i) {
      TLehrer* l = s->schule->NeuerLehrer("L" + std::to_string(i));
      s->schule->ErzeugeKurs(l, s->k6a, nullptr, s->ma, nullptr, 2);
    }
  }
  // Records and returns the pages' count; every text on every page is in the chosen font.
  int PruefeSeiten(const std::string& name, const std::function<void(TPrevPrinter&)>& drucke,
                   int breite = 2000) {
    TDruckGeraet kurz = KleinesGeraet();
    kurz.Blatt = kurz.Seite = {breite, 1400};
    TPrevPrinter p(kurz, messer);
    p.BeginRecord();
    drucke(p);
    p.EndRecord();
    for (int n = 1; n <= p.PageCount(); ++n) {
      int texte = 0;
      for (const TDruckBefehl& b : p.PageMetafile(n)->Befehle) {
        if (b.Art != TBefehlsArt::Text) continue;
        ++texte;
        EXPECT_EQ(b.Schrift, schrift) << name << ", page " << n << ": '" << b.Text << "' in "
                                      << b.Schrift.Name << " " << b.Schrift.Groesse;
        if (b.Schrift != schrift) break;
      }
      EXPECT_GT(texte, 2) << name << ", page " << n;
    }
    return p.PageCount();
  }

  std::unique_ptr<TKleineSchule> s;
  TZeichenMesser messer;
  const TSchrift gewaehlt{"DejaVu Serif", 12, false, false, false, 0};
  const TDruckSchrift schrift{"DejaVu Serif", 12, false, false, false, 0};
};

TEST_F(SeitenSchrift, TheWorkloadSheetsAndAllCoursesKeepTheFontOnEveryPage) {
  TDeputatDruckOptionen o;
  o.Schrift = gewaehlt;
  for (int art : {0, 5}) {
    o.dda = art;
    EXPECT_GE(PruefeSeiten("Deputate " + std::to_string(art),
                           [&](TPrevPrinter& p) {
                             TDeputatDruck(*s->schule, o).Drucke(p, ElementListe(*s->schule, 0));
                           }),
              3);
  }
}

TEST_F(SeitenSchrift, TheRestHoursKeepTheFontOnEveryPage) {
  TRestStundenDruckOptionen o;
  o.Schrift = gewaehlt;
  EXPECT_GE(PruefeSeiten("Reststunden",
                         [&](TPrevPrinter& p) {
                           TRestStundenDruck(*s->schule, 0, o).Drucke(p, ElementListe(*s->schule, 0));
                         }),
            3);
}

TEST_F(SeitenSchrift, TheHourDistributionKeepsTheFontOnEveryPage) {
  TStundenVerteilungDruckOptionen o;
  o.Schrift = gewaehlt;
  for (int art : {0, 3}) {
    EXPECT_GE(PruefeSeiten("Stundenverteilung " + std::to_string(art),
                           [&](TPrevPrinter& p) {
                             TSVDruck(*s->schule, art, o).Drucke(p, ElementListe(*s->schule, art));
                           }),
              3);
  }
}

TEST_F(SeitenSchrift, TheAbbreviationListsKeepTheFontOnEveryPage) {
  TKuerzelDruckOptionen o;
  o.Schrift = gewaehlt;
  // A narrow sheet: one column of teachers.
  EXPECT_GE(PruefeSeiten(
                "Kürzel", [&](TPrevPrinter& p) { TKuerzelDruck(*s->schule, o).Drucke(p); }, 200),
            2);
}

}  // namespace
}  // namespace kolvar
