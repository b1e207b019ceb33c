
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ablage.h"
#include "engine/breiten.h"
#include "model/itextmass.h"
#include "model/setzung.h"
#include "model/text.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using Zeilen = std::vector<std::string>;

TEST(Tausch, KonfliktBeiFixierterOderGesperrterStunde) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  EXPECT_TRUE(sch.TauschKonflikt(2, 3, 4, 4));  // SCH Ma 5a is fixed on Tuesday period 3
  EXPECT_TRUE(sch.TauschKonflikt(4, 4, 2, 3));
  EXPECT_FALSE(sch.TauschKonflikt(1, 1, 4, 4));
  s->k5a->Sperrung().SetzeBereich(1, 4, 4, true);
  EXPECT_TRUE(sch.TauschKonflikt(1, 1, 4, 4));  // De 5a would land on its class's lock
  s->th->Sperrung().SetzeBereich(1, 4, 6, true);
  EXPECT_TRUE(sch.TauschKonflikt(3, 5, 4, 6));  // the sport hour keeps its room TH
  EXPECT_FALSE(sch.TauschKonflikt(2, 3, 2, 3));
}

TEST(Tausch, StundenWechselnMitIhrenRaeumen) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  s->ber->Sperrung().SetzeBereich(1, 5, 6, true);
  // One slot occupied: the hour moves, and its teacher's lock there is lifted.
  sch.TauscheStunden(2, 1, 5, 6);
  EXPECT_EQ(s->deutsch6a->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(s->deutsch6a->FindeSetzung(1, 5, 6), nullptr);
  EXPECT_FALSE(s->ber->Sperrung().Belegt(1, 5, 6));
  EXPECT_TRUE(s->ber->Belegung().Belegt(1, 5, 6));
  EXPECT_FALSE(s->ber->Belegung().Belegt(1, 2, 1));
  // Both occupied: exchanged, each with the room it had.
  sch.TauscheStunden(1, 1, 1, 2);
  ASSERT_NE(s->deutsch5a->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 2)->Raum(), s->r101);
  ASSERT_NE(s->mathe5b->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 1)->Raum(), s->r102);
  // A fixed hour moves unfixed.
  sch.TauscheStunden(2, 3, 4, 4);
  ASSERT_NE(s->mathe5a->FindeSetzung(1, 4, 4), nullptr);
  EXPECT_FALSE(s->mathe5a->FindeSetzung(1, 4, 4)->Fixiert());
  EXPECT_EQ(PruefeModell(sch), Zeilen{});
}

TEST(Tausch, KeineStundeGehtVerloren) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  s->deutsch6a->SetzeNichtVerplanen(true);
  s->mathe5b->SetzeStunden(1, 0);  // more placed than counted
  s->deutsch5a->SetzeStunden(1, -1);
  sch.TauscheStunden(2, 1, 1, 2);
  sch.TauscheStunden(1, 1, 3, 1);
  EXPECT_NE(s->deutsch6a->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_NE(s->mathe5b->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 3, 1), nullptr);
  EXPECT_EQ(s->deutsch6a->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->mathe5b->Setzungen().Anzahl(), 1);
  EXPECT_EQ(s->deutsch5a->Setzungen().Anzahl(), 2);
  EXPECT_EQ(PruefeModell(sch), Zeilen{});
}

TEST(Tausch, GleicherSlotUndNurAktuelleVersion) {
  auto s = BaueKleineSchule(2);
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  const std::string vorher = Fingerabdruck(sch);
  sch.TauscheStunden(2, 3, 2, 3);  // would unfix the fixed hour for nothing
  EXPECT_EQ(Fingerabdruck(sch), vorher);
  EXPECT_TRUE(s->mathe5a->FindeSetzung(1, 2, 3)->Fixiert());

  s->standard.SetNurAktuelleVersion(true);
  s->standard.SetAktuelleVersion(2);
  sch.TauscheStunden(1, 1, 6, 1);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(2, 6, 1), nullptr);
  s->standard.SetNurAktuelleVersion(false);
  sch.TauscheStunden(1, 1, 6, 1);  // every version: version 1 moves, version 2 comes back
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 6, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(2, 1, 1), nullptr);
  EXPECT_EQ(PruefeModell(sch), Zeilen{});
}

TEST(Tausch, WiderrufenStelltDenPlanWiederHer) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  TSchule& sch = *s->schule;
  s->palette.undo = true;
  sch.TauscheStunden(2, 1, 1, 1);
  sch.TauscheStunden(1, 2, 3, 5);
  sch.Widerrufe();
  s->palette.undo = false;
  EXPECT_EQ(PruefeModell(sch), Zeilen{});
  EXPECT_NE(s->deutsch6a->FindeSetzung(1, 2, 1), nullptr);
  EXPECT_NE(s->deutsch5a->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_NE(s->mathe5b->FindeSetzung(1, 1, 2), nullptr);
  EXPECT_NE(s->sportSch->FindeSetzung(1, 3, 5), nullptr);
  for (TKurs* k : sch.Kurse())
    EXPECT_EQ(k->Setzungen().Anzahl(), k == s->mathe5a || k == s->deutsch5a ? 2 : 1);
}

TEST(Ablage, ZeilenUndNamen) {
  EXPECT_EQ(AblageZeilen("a\r\nb\nc\rd"), (Zeilen{"a", "b", "c", "d"}));
  EXPECT_EQ(AblageZeilen("a\n"), Zeilen{"a"});
  EXPECT_EQ(AblageZeilen("a\r\n\r\n"), (Zeilen{"a", ""}));
  EXPECT_EQ(AblageZeilen(""), Zeilen{});

  EXPECT_TRUE(AblageIstName(std::string(21, 'x')));
  EXPECT_TRUE(AblageIstName(std::string(21, 'x') + "\n"));
  EXPECT_FALSE(AblageIstName(std::string(22, 'x')));
  EXPECT_TRUE(AblageIstName("Müllerstraße Übungsrä"));  // 21 characters, more bytes
  EXPECT_FALSE(AblageIstName("eins\r\nzwei"));
  EXPECT_FALSE(AblageIstName(""));
  EXPECT_TRUE(AblageIstBemerkung(std::string(61, 'x')));
  EXPECT_FALSE(AblageIstBemerkung(std::string(62, 'x')));
}

std::string Kurszeile(std::vector<std::string> felder) {
  std::string s;
  for (std::size_t i = 0; i < felder.size(); ++i) s += (i ? "\t" : "") + felder[i];
  return s;
}

TEST(Ablage, Kursliste) {
  const std::vector<std::string> gut = {"1", "2", "MUE", "De", "5a", "",     "R101", std::string(21, 'i'),
                                        "",  "",  "",    "",   "",   "FALSE"};
  EXPECT_TRUE(AblageIstKursliste(""));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut)));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\r\n" + Kurszeile(gut) + "\n"));
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\r" + Kurszeile(gut)));
  auto mit = [&gut](std::size_t f, std::string text) {
    std::vector<std::string> z = gut;
    z[f] = std::move(text);
    return Kurszeile(z);
  };
  EXPECT_FALSE(AblageIstKursliste(mit(7, std::string(22, 'i'))));
  EXPECT_TRUE(AblageIstKursliste(mit(2, "ABCDEFG")));
  EXPECT_FALSE(AblageIstKursliste(mit(2, "ABCDEFGH")));
  EXPECT_FALSE(AblageIstKursliste(mit(0, "1234567")));
  EXPECT_FALSE(AblageIstKursliste(mit(13, "FALSCH")));
  EXPECT_FALSE(AblageIstKursliste(Kurszeile({gut.begin(), gut.end() - 1})));  // 12 TABs
  EXPECT_FALSE(AblageIstKursliste(Kurszeile(gut) + "\n\n"));                  // an empty line
  const std::vector<std::string> weiter = {"", "", "", "", "5b", "", "R102", "", "", "", "", "", "", ""};
  EXPECT_TRUE(AblageIstKursliste(Kurszeile(gut) + "\n" + Kurszeile(weiter)));
  std::vector<std::string> falsch = weiter;
  falsch[3] = "Ma";
  EXPECT_FALSE(AblageIstKursliste(Kurszeile(falsch)));
}

class TZeichenMass : public ITextMass {
 public:
  int TextBreite(std::string_view text) const override { return 10 * TextLaenge(text); }
  int TextHoehe(std::string_view) const override { return 12; }
};

TEST(Breiten, BreitesterText) {
  auto s = BaueKleineSchule();
  const TZeichenMass mass;
  s->k6a->SetzeName("Klasse sechs a");
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 4, mass), 40);  // R101
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 1, mass), 20);
  EXPECT_EQ(MaxNameBreite(*s->schule, 1, mass), 140);
  EXPECT_EQ(MaxKuerzelBreite(*s->schule, 9, mass), 0);
  EXPECT_EQ(MaxTagBreite(s->standard, mass), 20);
  EXPECT_EQ(MaxStundenBreite(s->standard, mass), 20);
  s->standard.sp[0][15] = "16. Stunde";
  EXPECT_EQ(MaxStundenBreite(s->standard, mass), 100);

  TStandard leer;
  TSchule ohne(leer);
  EXPECT_EQ(MaxKuerzelBreite(ohne, 0, mass), 0);
}

}  // namespace
}  // namespace kolvar
