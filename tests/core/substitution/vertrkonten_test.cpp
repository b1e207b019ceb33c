// The accounts as the user sets and resets them, and the substitution overview's rows.

#include "substitution/vertrkonten.h"

#include "model/kurs.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using VertrKonten = VertretungsTest;

TEST_F(VertrKonten, ResetTouchesOneTeacherOrAllAndOnlyThatTable) {
  for (TLehrer* l : Schule().Lehrer()) {
    l->SetzeVStd1(40000);
    l->SetzeVStd2(-5);
  }
  RuecksetzeVStd(Schule(), 1, s->sch);
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_EQ(s->sch->VStd2(), -5);
  EXPECT_EQ(s->mue->VStd1(), 40000);
  RuecksetzeVStd(Schule(), 2, nullptr);
  for (const TLehrer* l : Schule().Lehrer()) EXPECT_EQ(l->VStd2(), 0) << l->Kuerzel();
  EXPECT_EQ(s->mue->VStd1(), 40000);
  Schule().SetzeGeaendert(false);
  SetzeVStdKonto(*s->ber, 2, 0);
  EXPECT_FALSE(Schule().Geaendert()) << "an unchanged account marks nothing";
  SetzeVStdKonto(*s->ber, 2, 70000);
  EXPECT_EQ(s->ber->VStd2(), 70000);
  EXPECT_TRUE(Schule().Geaendert());
}

TEST_F(VertrKonten, OverviewValuesForSubstituteAbsentAndDroppedLessons) {
  const TStandard& st = Schule().Standard();
  // MUE away in period 1 (De 5a, factor 2): SCH substitutes and is credited.
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r);
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  r->SetLehrerBem("Buch S. 12");
  // 5b away in period 2: MUE's Ma 5b (factor 3) drops and charges him.
  Fehlt(s->k5b, kMontag, 2);
  const auto zeilen = VertrUebersicht(Schule(), AlleLehrer(Schule()), kMontag, kMontag);
  std::vector<TVertrUebTexte> texte;
  for (const auto& z : zeilen) texte.push_back(z.texte);
  const std::string kurs5a = s->deutsch5a->Text(), kurs5b = s->mathe5b->Text();
  EXPECT_EQ(texte,
            (std::vector<TVertrUebTexte>{
                {"MUE", "02.03.2026", "1.", "fehlt", VStdText(0, st), kurs5a, "", "", "Buch S. 12"},
                {"MUE", "02.03.2026", "2.", "ausgefallen", VStdText(-3, st), kurs5b, "", "", ""},
                {"SCH", "02.03.2026", "1.", "vertritt", VStdText(2, st), kurs5a, "", "", "Buch S. 12"}}));
  EXPECT_EQ(zeilen[0].vertretung, r);
  EXPECT_EQ(zeilen[1].vertretung, nullptr);
  EXPECT_EQ(VertrUebKopiertext({texte[1]}),
            (std::vector<std::string>{"MUE\t02.03.2026\t2.\tausgefallen\t" + VStdText(-3, st) + "\t" +
                                      kurs5b + "\t\t\t"}));

  // Substituting elsewhere in that period, his dropped lesson costs him nothing.
  TVertretung* r2 = FehltFuer(s->sch, kMontag, 2, s->mathe5a);
  ASSERT_TRUE(r2);
  ASSERT_TRUE(r2->SetzeVertreter(s->mue));
  bool gefunden = false;
  for (const auto& z : VertrUebersicht(Schule(), {s->mue}, kMontag, kMontag))
    if (z.texte[3] == "ausgefallen") {
      gefunden = true;
      EXPECT_EQ(z.texte[4], VStdText(0, st));
    }
  EXPECT_TRUE(gefunden);
}

TEST_F(VertrKonten, AnEndBeforeTheStartCoversTheStartOnly) {
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->mue, kDienstag, 2);
  const auto zeilen = VertrUebersicht(Schule(), {s->mue}, kDienstag, kMontag);
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].texte[1], "03.03.2026");
  EXPECT_EQ(VertrUebersicht(Schule(), {s->mue}, kMontag, kDienstag).size(), 2u);
  EXPECT_TRUE(VertrUebersicht(Schule(), {}, kMontag, kDienstag).empty());
}

}  // namespace
}  // namespace kolvar
