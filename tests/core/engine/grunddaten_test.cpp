// The master-data editors' rules: hours steps within every version's placed hours, the take-over
// of another class's courses, class teachers, home rooms and the table lists by orientation.

#include "engine/grunddaten.h"

#include <gtest/gtest.h>

#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

struct TSchrittFall {
  const char* was;
  int versionen;
  bool alle;
  std::vector<int32_t> stunden;
  std::vector<int> gesetzt;  // placed hours per version
  bool nvp;
  bool hoch;
  std::optional<int32_t> erwartet;
};

TEST(KursStundenSchritt, GrenzenJeVersion) {
  const std::vector<TSchrittFall> faelle{
      {"placed hours bound a step down", 1, false, {3}, {3}, false, false, std::nullopt},
      {"above the placed hours", 1, false, {4}, {3}, false, false, 3},
      {"up", 1, false, {3}, {3}, false, true, 4},
      {"never above 112", 1, false, {112}, {0}, false, true, std::nullopt},
      {"not to be placed: down to -112", 1, false, {-111}, {0}, true, false, -112},
      {"and no further", 1, false, {-112}, {0}, true, false, std::nullopt},
      {"all versions: the mean of the sum plus one step", 3, true, {2, 3, 4}, {0, 0, 0}, false, true, 4},
      {"all versions: a version would drop below its placed hours",
       3,
       true,
       {3, 3, 3},
       {0, 0, 3},
       false,
       false,
       std::nullopt},
      {"all versions: every version keeps its placed hours", 3, true, {3, 3, 3}, {2, 2, 2}, false, false, 2},
      {"current version only", 3, false, {3, 1, 1}, {3, 0, 0}, false, false, std::nullopt},
  };
  for (const TSchrittFall& f : faelle) {
    SCOPED_TRACE(f.was);
    auto s = BaueKleineSchule(f.versionen);
    s->standard.SetNurAktuelleVersion(!f.alle);
    TKurs* k = s->deutsch6a;
    k->SetzeNichtVerplanen(f.nvp);
    for (int v = 1; v <= f.versionen; ++v) {
      k->SetzeStunden(v, f.stunden[static_cast<std::size_t>(v - 1)]);
      for (int p = 1; p <= f.gesetzt[static_cast<std::size_t>(v - 1)]; ++p)
        ASSERT_NE(k->Setze(v, 1, nullptr, p), nullptr);
    }
    EXPECT_EQ(KursStundenSchritt(*k, f.hoch), f.erwartet);
    const TWochenStunden vorher = k->StundenTabelle();
    EXPECT_EQ(SchritteKursStunden(*k, f.hoch), f.erwartet.has_value());
    if (!f.erwartet) {
      EXPECT_EQ(k->StundenTabelle(), vorher);
    }
    for (int v = 1; v <= f.versionen && !f.nvp; ++v) EXPECT_GE(k->Stunden(v), k->GesetzteStunden(v));
    EXPECT_TRUE(PruefeModell(*s->schule).empty());
  }
}

TEST(KlassenUebernahme, KopiertKurseMitAnderenKlassenUndRaum) {
  auto s = BaueKleineSchule();
  s->k5a->SetzeRaum(s->r101);
  s->k6a->SetzeRaum(s->th);
  TKurs* quelle = s->mathe5a;
  quelle->FuegeKlasseHinzu(s->k5b);
  quelle->FuegeRaumHinzu(s->r102, false);
  quelle->SetFaktor(2);
  quelle->SetzeNichtZaehlenKlassen(true);
  quelle->SetzeStundenProTag(2);
  quelle->SetzeTabelle(3);
  quelle->Sperrung().SetzeBereich(1, 1, 1, true);
  const uint64_t alt6a = s->deutsch6a->Erstellnummer();
  const int kurseVorher = s->schule->Kurse().Anzahl();

  ASSERT_TRUE(UebernimmKurse(*s->k6a, *s->k5a, TKopplungsUebernahme::Ohne, true));
  for (const TKurs* k : s->schule->Kurse()) EXPECT_NE(k->Erstellnummer(), alt6a);
  // 5a has German and Maths of its own; its coupled sport stays out.
  ASSERT_EQ(s->k6a->Kurse().Anzahl(), 2);
  EXPECT_EQ(s->schule->Kurse().Anzahl(), kurseVorher - 1 + 2);
  TKurs* kopie = nullptr;
  for (TKurs* k : s->k6a->Kurse())
    if (k->Fach() == s->ma) kopie = k;
  ASSERT_NE(kopie, nullptr);
  EXPECT_EQ(kopie->Lehrer(), nullptr);
  EXPECT_EQ(kopie->Klassen().Anzahl(), 2);
  EXPECT_TRUE(kopie->Klassen().Position(s->k5b));
  EXPECT_FALSE(kopie->Klassen().Position(s->k5a));
  // The class room R101 became the target's TH; R102 stays.
  EXPECT_TRUE(kopie->Raeume().Position(s->th));
  EXPECT_TRUE(kopie->Raeume().Position(s->r102));
  EXPECT_FALSE(kopie->Raeume().Position(s->r101));
  EXPECT_EQ(kopie->Faktor(), s->standard.fkt);
  EXPECT_TRUE(kopie->NichtZaehlenKlassen());
  EXPECT_EQ(kopie->StundenProTag(), 2);
  EXPECT_EQ(kopie->Tabelle(), 3);
  EXPECT_TRUE(kopie->Sperrung().Belegt(1, 1, 1));
  EXPECT_EQ(kopie->Stunden(1), quelle->Stunden(1));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(KlassenUebernahme, ErgaenzteKopplungFuehrtDieBelegung) {
  auto s = BaueKleineSchule();
  ASSERT_NE(s->sportSch->Setze(1, 2, s->th, 3), nullptr);
  ASSERT_NE(s->sportBer->Setze(1, 2, s->r102, 3), nullptr);
  ASSERT_TRUE(UebernimmKurse(*s->k6a, *s->k5a, TKopplungsUebernahme::Ergaenzen, false));
  EXPECT_TRUE(s->sportSch->Klassen().Position(s->k6a));
  EXPECT_TRUE(s->k6a->Belegung().Belegt(1, 2, 3));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
  // Now 6a has placed courses: a second take-over is refused and changes nothing.
  const int kurse = s->k6a->Kurse().Anzahl();
  EXPECT_FALSE(UebernahmeErlaubt(*s->k6a));
  EXPECT_FALSE(UebernimmKurse(*s->k6a, *s->k5b, TKopplungsUebernahme::Eigene, false));
  EXPECT_EQ(s->k6a->Kurse().Anzahl(), kurse);
}

TEST(KlassenUebernahme, EigeneKurseStattKopplungUndNichtVonSichSelbst) {
  auto s = BaueKleineSchule();
  EXPECT_FALSE(UebernimmKurse(*s->k5a, *s->k5a, TKopplungsUebernahme::Eigene, false));
  EXPECT_EQ(s->k5a->Kurse().Anzahl(), 4);
  ASSERT_TRUE(UebernimmKurse(*s->k6a, *s->k5a, TKopplungsUebernahme::Eigene, false));
  EXPECT_EQ(s->k6a->Kurse().Anzahl(), 4);
  for (const TKurs* k : s->k6a->Kurse()) EXPECT_EQ(k->Kopplung(), nullptr);
  // A course the target shares with another class keeps that class and loses the target.
  ASSERT_TRUE(UebernimmKurse(*s->k5b, *s->k6a, TKopplungsUebernahme::Ohne, false));
  EXPECT_FALSE(s->sportSch->Klassen().Position(s->k5b));
  EXPECT_TRUE(s->sportSch->Klassen().Position(s->k5a));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Klassenlehrer, NurEineGetroffeneWahlZaehlt) {
  auto s = BaueKleineSchule();
  s->k5a->SetzeLehrer1(s->mue);
  EXPECT_FALSE(WaehleKlassenlehrer(*s->k5a, 1, false, nullptr));
  EXPECT_EQ(s->k5a->Lehrer1(), s->mue);
  EXPECT_FALSE(WaehleKlassenlehrer(*s->k5a, 1, true, s->mue));
  EXPECT_TRUE(WaehleKlassenlehrer(*s->k5a, 2, true, s->ber));
  EXPECT_EQ(s->k5a->Lehrer2(), s->ber);
  EXPECT_TRUE(WaehleKlassenlehrer(*s->k5a, 1, true, nullptr));
  EXPECT_EQ(s->k5a->Lehrer1(), nullptr);
}

TEST(Heimraum, AntwortEntscheidetUeberDieKurse) {
  struct Fall {
    TRaumAntwort antwort;
    bool raumNeu, kursNeu;
  };
  for (const Fall f : {Fall{TRaumAntwort::Ja, true, true}, Fall{TRaumAntwort::Nein, true, false},
                       Fall{TRaumAntwort::Abbrechen, false, false}}) {
    auto s = BaueKleineSchule();
    s->k5a->SetzeRaum(s->r101);
    // German of 5a is placed in R101: that course keeps it beside the new room.
    ASSERT_NE(s->deutsch5a->Setze(1, 1, s->r101, 1), nullptr);
    WechsleHeimraum(*s->k5a, s->r102, f.antwort);
    EXPECT_EQ(s->k5a->Raum(), f.raumNeu ? s->r102 : s->r101);
    EXPECT_EQ(s->mathe5a->Raeume().Position(s->r102) != 0, f.kursNeu);
    EXPECT_EQ(s->mathe5a->Raeume().Position(s->r101) == 0, f.kursNeu);
    EXPECT_TRUE(s->deutsch5a->Raeume().Position(s->r101));
    EXPECT_TRUE(PruefeModell(*s->schule).empty());
  }
}

TEST(UVTabelle, SeitenUndHinzufuegen) {
  EXPECT_EQ(UVSeite(1, false).Art, TElementArt::Klasse);
  EXPECT_EQ(UVSeite(1, true).Art, TElementArt::Fach);
  EXPECT_EQ(UVSeite(0, false).Art, TElementArt::Lehrer);
  EXPECT_EQ(UVSeite(0, true).Art, TElementArt::Klasse);
  EXPECT_STREQ(UVSeite(0, false).Knopf, "Neuer Lehrer");
  auto s = BaueKleineSchule();
  TUVTab& t = *s->uv;
  const auto vorher = UVElemente(t, TElementArt::Klasse);
  for (TElement* e : vorher) EXPECT_FALSE(UVFuegeHinzu(t, e));
  EXPECT_EQ(UVElemente(t, TElementArt::Klasse), vorher);
  const std::size_t faecher = UVElemente(t, TElementArt::Fach).size();
  ASSERT_TRUE(UVFuegeHinzu(t, s->sp));
  EXPECT_EQ(UVElemente(t, TElementArt::Fach).size(), faecher + 1);
  UVEntferne(t, s->sp);
  EXPECT_EQ(UVElemente(t, TElementArt::Fach).size(), faecher);
}

}  // namespace
}  // namespace kolvar
