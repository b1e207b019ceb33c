// Placement, conflict, absence and parallel-table records.

#include <gtest/gtest.h>

#include "model/fehl.h"
#include "model/konflikt.h"
#include "model/parliste.h"
#include "model/setzung.h"
#include "modelltest.h"

namespace kolvar {
namespace {

using Konflikt = ModellTest;
using Setzung = ModellTest;

TEST_F(Konflikt, TexteUndListeNachArtInFundreihenfolge) {
  TKonflikt k(KonfliktArt::KlasseGesperrt, 3, nullptr, s->k5a, 3);
  EXPECT_EQ(k.Text(), "{3} Klasse 5a gesperrt. ");
  EXPECT_EQ(TKonflikt(0, 3, s->mathe5b, nullptr, 1).Text(), "{1} Kurs MUE     Ma 5b gesperrt.");
  EXPECT_EQ(TKonflikt(1, 3, nullptr, s->mue, 2).Text(), "{2} Lehrer MUE gesperrt. ");
  EXPECT_EQ(TKonflikt(3, 2, nullptr, s->th, 1).Text(), "{1} Raum TH gesperrt. ");
  EXPECT_EQ(TKonflikt(4, 3, s->mathe5a, s->sch, 1).Text(), "{1} Lehrer SCH fixiert durch SCH     Ma 5a.");
  EXPECT_EQ(TKonflikt(6, 2, s->sportSch, s->th, 2).Text(), "{2} Raum TH fixiert durch SCH     Sp 5a SPO.");
  EXPECT_EQ(TKonflikt(8, 1, s->mathe5a, s->k5a, 1).Text(), "{1} Klasse 5a besetzt durch SCH     Ma 5a.");
  EXPECT_EQ(TKonflikt(9, 1, s->mathe5a, s->r101, 1).Text(), "{1} Raum R101 besetzt durch SCH     Ma 5a.");
  EXPECT_EQ(TKonflikt(10, 1, s->mathe5a, nullptr, 1).Text(), "");
  EXPECT_EQ(TKonflikt(42, 1, s->mathe5a, s->k5a, 1).Text(), "");

  // The list sorts by kind, in the order found.
  TKonflikt a(8, 1, s->mathe5a, s->k5a, 1), b(3, 2, nullptr, s->th, 1), c(8, 1, s->mathe5b, s->k5b, 1),
      d(4, 3, s->sportSch, s->sch, 1), e(8, 1, s->mathe5a, s->k5b, 1);
  TListe<TKonflikt> liste;
  for (TKonflikt* k : {&a, &b, &c, &d}) liste.FuegeSortiertEin(k, VergleicheKonflikte);
  EXPECT_EQ(liste.Elemente(), (std::vector<TKonflikt*>{&b, &d, &a, &c}));
  EXPECT_TRUE(GleicherKonflikt(&a, &e));
  EXPECT_FALSE(GleicherKonflikt(&a, &c));
  TKonflikt f(8, 1, s->mathe5a, s->k5a, 2);
  EXPECT_FALSE(GleicherKonflikt(&a, &f));
}

TEST_F(Setzung, RandstundeUndGespeicherteSetzung) {
  s = BaueKleineSchule(2);
  TSetzung* einzige = s->mathe5b->Setze(1, 1, nullptr, 1);
  EXPECT_TRUE(einzige->IstRandstunde(*s->k5b));
  TSetzung* mitte = s->deutsch5a->Setze(1, 2, nullptr, 3);
  s->mathe5a->Setze(1, 2, nullptr, 1);
  s->mathe5a->Setze(1, 2, nullptr, 6);
  EXPECT_FALSE(mitte->IstRandstunde(*s->k5a));
  EXPECT_TRUE(mitte->IstRandstunde(*s->mue));
  s->schule->SetzeGeaendert(false);
  mitte->SetFixiert(true);
  EXPECT_TRUE(s->schule->Geaendert());

  // A placement read from the file is checked for its slot only.
  s->mathe5b->SetzeNichtVerplanen(true);
  TSetzung* st = s->mathe5b->NeueSetzung(2, 5, 6, s->th, true);  // room outside its list
  ASSERT_NE(st, nullptr);
  EXPECT_TRUE(st->Fixiert());
  EXPECT_TRUE(s->th->Belegung().Belegt(2, 5, 6));
  EXPECT_EQ(s->mathe5b->NeueSetzung(2, 5, 6, nullptr, false), nullptr);
  EXPECT_EQ(s->mathe5b->NeueSetzung(3, 5, 6, nullptr, false), nullptr);
  EXPECT_EQ(s->mathe5b->NeueSetzung(1, 0, 6, nullptr, false), nullptr);
  s->mathe5b->EntferneSetzung(st);
  EXPECT_FALSE(s->th->Belegung().Belegt(2, 5, 6));
}

// An element that records the absence calls it gets.
class TFehlRaum : public TRaum {
 public:
  using TRaum::TRaum;
  void SetzeFehlt(int p, int32_t) override { gesetzt.push_back(p); }
  void HebeFehltAuf(int p, int32_t) override { aufgehoben.push_back(p); }
  std::vector<int> gesetzt, aufgehoben;
};

TEST(Fehl, MaskeUndUebernahme) {
  TStandard st;
  TSchule schule(st);
  TFehlRaum raum(schule);
  TFehl f;
  f.SetzeElement(&raum);
  f.SetzeDatum(45000);
  EXPECT_EQ(f.ErsteStunde(), 0);
  EXPECT_EQ(f.LetzteStunde(), 0);
  f.SetzeStunden((1u << 15) | (1u << 14));
  for (int p = 0; p <= 17; ++p) EXPECT_EQ(f.Fehlt(p), p == 1 || p == 2) << p;
  EXPECT_EQ(f.ErsteStunde(), 1);
  EXPECT_EQ(f.LetzteStunde(), 2);
  f.SetzeNeueStunden(f.Stunden());
  f.UebernimmStunden();
  EXPECT_TRUE(raum.gesetzt.empty() && raum.aufgehoben.empty());
  const uint16_t alt = f.Stunden();
  f.SetzeNeueStunden((1u << 14) | (1u << 13));  // periods 2 and 3
  f.UebernimmStunden();
  EXPECT_EQ(raum.aufgehoben, std::vector<int>{1});
  EXPECT_EQ(raum.gesetzt, std::vector<int>{3});
  EXPECT_EQ(f.NeueStunden(), alt);
  EXPECT_EQ(f.LetzteStunde(), 3);
  f.SetzeStunden(1);
  EXPECT_EQ(f.ErsteStunde(), 16);
  TFehl ohne;
  ohne.SetzeNeueStunden(0xFFFF);
  ohne.UebernimmStunden();  // no element: nothing to tell
  EXPECT_EQ(ohne.Stunden(), 0xFFFF);
}

TEST(ParListe, KopplungEntfernenBehaeltDieForm) {
  TStandard st;
  TSchule schule(st);
  TKopplung* a = schule.NeueKopplung("A");
  TKopplung* b = schule.NeueKopplung("B");
  TParListe p;
  EXPECT_EQ(p.Zellen().Anzahl(), 1);
  p.Leere();
  EXPECT_EQ(p.Zellen().Anzahl(), 0);
  EXPECT_EQ(p.Zelle(1, 1), nullptr);  // a shape without cells
  p.SetzeZeilen(2);
  p.SetzeSpalten(2);
  for (TKopplung* k : std::vector<TKopplung*>{a, b, nullptr, a}) p.Zellen().Haenge(k);
  EXPECT_EQ(p.Zelle(1, 2), b);
  EXPECT_EQ(p.Zelle(2, 2), a);
  EXPECT_EQ(p.Zelle(3, 1), nullptr);
  EXPECT_EQ(p.Zelle(1, 3), nullptr);
  p.EntferneElement(a);
  EXPECT_EQ(p.Zellen().Anzahl(), 4);
  EXPECT_EQ(p.Zelle(1, 1), nullptr);
  EXPECT_EQ(p.Zelle(1, 2), b);
  EXPECT_EQ(p.Zelle(2, 2), nullptr);
}

}  // namespace
}  // namespace kolvar
