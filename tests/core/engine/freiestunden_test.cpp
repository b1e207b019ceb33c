// The blocked-slot grid of a course and coupling, and the room of an hour.

#include <gtest/gtest.h>

#include "model/imenue.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

int Gesperrt(const TKurs& k, int v, int mtn) {
  int n = 0;
  for (int d = 1; d <= mtn; ++d)
    for (int p = 1; p <= 16; ++p) n += k.Ergebnis().Belegt(v, d, p);
  return n;
}

std::unique_ptr<TKleineSchule> Schule() {
  auto s = BaueKleineSchule(1);
  s->standard.mtn = 5;
  s->standard.ara = false;
  s->standard.gds = TWoElem{};
  for (TPlanElement* e : std::initializer_list<TPlanElement*>{s->mue, s->sch, s->ber, s->k5a, s->k5b, s->k6a,
                                                              s->r101, s->r102, s->th})
    e->Sperrung().Leere();
  return s;
}

TEST(Sperrbereich, TageNachDerSchulwocheSindGesperrt) {
  auto s = Schule();
  s->deutsch6a->BerechneSperrbereich(false);
  for (int p = 1; p <= 16; ++p) {
    EXPECT_TRUE(s->deutsch6a->Ergebnis().Belegt(1, 6, p));
    EXPECT_TRUE(s->deutsch6a->Ergebnis().Belegt(1, 7, p));
  }
  EXPECT_EQ(Gesperrt(*s->deutsch6a, 1, 5), 0);
}

TEST(Sperrbereich, LehrerKlassenUndRaeume) {
  auto s = Schule();
  s->mathe5b->Setze(1, 1, s->r102, 1);  // teacher MUE busy
  s->mathe5a->Setze(1, 1, nullptr, 2);  // class 5a busy
  TKurs* fremd = s->schule->ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->r101, 2);
  fremd->Setze(1, 1, s->r101, 3);  // the only room taken (ara clear)
  s->k5a->Sperrung().SetzeBereich(1, 2, 1, true);
  s->deutsch5a->BerechneSperrbereich(false);
  const TWochBereich& e = s->deutsch5a->Ergebnis();
  EXPECT_TRUE(e.Belegt(1, 1, 1));
  EXPECT_TRUE(e.Belegt(1, 1, 2));
  EXPECT_TRUE(e.Belegt(1, 1, 3));
  EXPECT_TRUE(e.Belegt(1, 2, 1));
  EXPECT_EQ(Gesperrt(*s->deutsch5a, 1, 5), 4);
  // With "ara" the occupied room no longer blocks.
  s->standard.ara = true;
  s->deutsch5a->BerechneSperrbereich(false);
  EXPECT_FALSE(s->deutsch5a->Ergebnis().Belegt(1, 1, 3));
  // A rated course keeps its grid.
  s->deutsch5a->SetzePrioritaet(5);
  s->standard.ara = false;
  s->deutsch5a->BerechneSperrbereich(false);
  EXPECT_FALSE(s->deutsch5a->Ergebnis().Belegt(1, 1, 3));
}

TEST(Sperrbereich, KopplungTeiltKlassenAberKeineRaeume) {
  auto s = Schule();
  // Lessons of its own coupling do not block the classes.
  s->sportBer->Setze(1, 2, nullptr, 2);
  s->sportSch->BerechneSperrbereich(false);
  EXPECT_FALSE(s->sportSch->Ergebnis().Belegt(1, 2, 2));
  // A second coupling whose two courses have only the same room: every slot is blocked.
  TKopplung* ko = s->schule->NeueKopplung("K2");
  TKurs* a = s->schule->ErzeugeKurs(s->mue, s->k6a, ko, s->de, s->r101, 2);
  TKurs* b = s->schule->ErzeugeKurs(s->ber, s->k6a, ko, s->ma, s->r101, 2);
  a->BerechneSperrbereich(true);
  EXPECT_EQ(Gesperrt(*a, 1, 5), 80);
  EXPECT_EQ(Gesperrt(*b, 1, 5), 80);
  // Without rooms beside a course with one free room: usable.
  b->EntferneRaum(s->r101);
  a->BerechneSperrbereich(true);
  EXPECT_EQ(Gesperrt(*a, 1, 5), 1);  // only where b's teacher BER holds the sport hour
  EXPECT_TRUE(a->Ergebnis().Belegt(1, 2, 2));
  // A lesson of another coupling in the class blocks; the member's block reaches the partner.
  s->sportSch->Setze(1, 3, s->th, 4);
  s->k6a->Sperrung().SetzeBereich(1, 4, 4, true);
  TKurs* c = s->schule->ErzeugeKurs(s->sch, s->k5a, ko, s->sp, nullptr, 1);
  a->BerechneSperrbereich(true);
  EXPECT_TRUE(c->Ergebnis().Belegt(1, 3, 4));
  EXPECT_TRUE(a->Ergebnis().Belegt(1, 3, 4));
  EXPECT_TRUE(b->Ergebnis().Belegt(1, 4, 4));
  EXPECT_TRUE(c->Ergebnis().Belegt(1, 4, 4));
}

TEST(Sperrbereich, RaumpoolDerKopplung) {
  auto s = Schule();
  TKopplung* ko = s->schule->NeueKopplung("K2");
  TKurs* a = s->schule->ErzeugeKurs(s->mue, s->k6a, ko, s->de, s->r101, 2);
  a->FuegeRaumHinzu(s->r102, false);
  TKurs* b = s->schule->ErzeugeKurs(s->ber, s->k6a, ko, s->ma, s->r101, 2);
  // Monday 1st: R102 taken, so a and b both need R101. Tuesday 1st: R101 locked, same.
  s->mathe5b->Setze(1, 1, s->r102, 1);
  s->r101->Sperrung().SetzeBereich(1, 2, 1, true);
  a->BerechneSperrbereich(true);
  EXPECT_TRUE(a->Ergebnis().Belegt(1, 1, 1));
  EXPECT_TRUE(b->Ergebnis().Belegt(1, 2, 1));
  EXPECT_FALSE(b->Ergebnis().Belegt(1, 3, 1));
}

TEST(Raeume, VereinheitlichenNimmtDenErstenHaeufigsten) {
  auto s = Schule();
  TKurs* k = s->deutsch5a;
  k->FuegeRaumHinzu(s->r102, false);
  k->SetzeStunden(1, 6);
  k->Setze(1, 1, s->r102, 1);
  k->Setze(1, 2, s->r101, 1);
  k->Setze(1, 3, nullptr, 1);
  k->Setze(1, 4, nullptr, 1)->SetFixiert(true);
  k->Setze(1, 5, s->r102, 2);
  s->mathe5a->Setze(1, 2, s->r101, 2);
  k->Setze(1, 2, s->r102, 2);  // the common room is held by another lesson there
  // R101 once, R102 three times: R102 wins.
  k->VereinheitlicheRaeume();
  EXPECT_EQ(k->FindeSetzung(1, 2, 1)->Raum(), s->r102);
  EXPECT_EQ(k->FindeSetzung(1, 3, 1)->Raum(), s->r102);
  EXPECT_EQ(k->FindeSetzung(1, 4, 1)->Raum(), nullptr);  // fixed
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Raeume, VereinheitlichenOhneGenutztenRaumAendertNichts) {
  // Rooms of the three hours before and after; 'T' is a room outside the course's list.
  struct Fall {
    const char* vorher;
    const char* nachher;
  };
  for (const Fall& f : {Fall{"---", "---"}, Fall{"T--", "T--"}, Fall{"-2-", "222"}, Fall{"21-", "111"}}) {
    auto s = Schule();
    TKurs* k = s->deutsch5a;
    k->FuegeRaumHinzu(s->r102, false);
    auto raum = [&](char c) -> TRaum* {
      return c == '1' ? s->r101 : c == '2' ? s->r102 : c == 'T' ? s->th : nullptr;
    };
    for (int p = 1; p <= 3; ++p) k->Setze(1, 1, raum(f.vorher[p - 1]), p);
    k->VereinheitlicheRaeume();
    for (int p = 1; p <= 3; ++p)
      EXPECT_EQ(k->FindeSetzung(1, 1, p)->Raum(), raum(f.nachher[p - 1])) << f.vorher << " Stunde " << p;
    EXPECT_TRUE(PruefeModell(*s->schule).empty());
  }
}

TEST(Raeume, TauschenUndWechseln) {
  auto s = Schule();
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->mathe5b->Setze(1, 1, s->r102, 1);
  s->dialoge.Antworte(Modal::Abbrechen);
  s->deutsch5a->TauscheRaumAnStunde(s->r102, 1, 1, 1);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1)->Raum(), s->r101);
  ASSERT_EQ(s->dialoge.anfragen.size(), 1u);
  EXPECT_EQ(s->dialoge.anfragen[0].Art, TDialog::Raumtausch);
  EXPECT_EQ(s->dialoge.anfragen[0].Texte[0], "MUE     De 5a R101");
  EXPECT_EQ(s->dialoge.anfragen[0].Texte[1], "MUE     Ma 5b R102");

  s->dialoge.Antworte(Modal::Ok);
  s->deutsch5a->TauscheRaumAnStunde(s->r102, 1, 1, 1);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1)->Raum(), s->r102);
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 1)->Raum(), s->r101);
  // Each room was new to the other course: it joined the room lists and the room's courses.
  EXPECT_NE(s->deutsch5a->SpaeterRaeume().Position(s->r102), 0);
  EXPECT_NE(s->mathe5b->Raeume().Position(s->r101), 0);
  EXPECT_NE(s->r101->Kurse().Position(s->mathe5b), 0);
  // A free room is simply taken.
  s->deutsch5a->TauscheRaumAnStunde(s->th, 1, 1, 1);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1)->Raum(), s->th);
  EXPECT_FALSE(s->r102->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Raeume, MoeglicheStundenMitKopplung) {
  auto s = Schule();
  s->mathe5b->Setze(1, 1, s->r102, 1);
  s->sportBer->Setze(1, 1, s->r101, 2);
  s->ber->Sperrung().SetzeBereich(1, 2, 3, true);
  s->sportSch->SetzeStunden(1, 2);
  s->sportSch->ZeigeMoeglicheStunden(s->th);
  const TWochBereich& e = s->sportSch->Ergebnis();
  EXPECT_TRUE(e.Belegt(1, 1, 2));  // the course's partner holds it: already placed there
  EXPECT_TRUE(e.Belegt(1, 2, 3));  // the partner's teacher is locked
  EXPECT_TRUE(e.Belegt(1, 1, 1));  // class 5b has Ma 5b
  EXPECT_FALSE(e.Belegt(1, 3, 3));
}

TEST(Sperrbereich, KopplungsmitgliedOhneOffeneStundenRechnetFrisch) {
  auto s = Schule();
  s->sportBer->SetzeStunden(1, 1);
  s->sportBer->Setze(1, 4, s->r102, 1);  // no open hours left
  // An old mark in its result grid must not survive a new pass.
  s->sportBer->Ergebnis().SetzeBereich(1, 5, 9, true);
  s->sportSch->BerechneSperrbereich(true);
  EXPECT_FALSE(s->sportBer->Ergebnis().Belegt(1, 5, 9));
  EXPECT_TRUE(s->sportBer->Ergebnis().Belegt(1, 4, 1));
  EXPECT_TRUE(s->sportSch->Ergebnis().Belegt(1, 4, 1));  // the partner's room pool is short there
  EXPECT_EQ(s->sportSch->Ergebnis(), s->sportBer->Ergebnis());
}

TEST(Raeume, SetzMenueFuerKopplung) {
  auto s = Schule();
  s->mathe5a->Setze(1, 2, s->r101, 2);  // class 5a busy
  EXPECT_FALSE(s->sportSch->SetzMenuePruefeVersion(1, 2, 2));
  s->sportBer->Setze(1, 3, s->r102, 3);  // the partner already there
  EXPECT_TRUE(s->sportSch->SetzMenuePruefeVersion(1, 3, 3));
  EXPECT_TRUE(s->sportSch->SetzMenuePruefeVersion(1, 1, 1));
}

TEST(Menues, SetzMenueEinerLeerenZelle) {
  auto s = Schule();
  s->mathe5a->Setze(1, 1, s->r101, 2);  // 5a busy Monday 2nd, R101 taken there
  TMenueDaten menue;
  s->deutsch5a->BaueSetzMenue(menue, 1, 2, nullptr);
  s->deutsch5a->BaueSetzMenue(menue, 1, 3, nullptr);
  ASSERT_EQ(menue.Anzahl(), 2);
  EXPECT_EQ(menue[0].Text, "[4] MUE     De 5a");
  EXPECT_FALSE(menue[0].Aktiv);
  EXPECT_TRUE(menue[1].Aktiv);
  EXPECT_FALSE(menue[1].Aktion);  // the rooms are its sub-items
  const std::vector<TMenueEintrag>& raeume = menue[0].Unter;
  ASSERT_EQ(raeume.size(), 2u);
  EXPECT_EQ(raeume[0].Text, "ohne Raum");
  EXPECT_EQ(raeume[1].Text, "R101");
  EXPECT_FALSE(raeume[1].Aktiv);
  EXPECT_TRUE(menue[1].Unter[1].Aktiv);
  menue[1].Unter[1].Aktion();
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 3)->Raum(), s->r101);
  s->deutsch5a->EntferneStunde(1, 1, 3, false);
  // In a room plan the item itself places, with the plan's room.
  TMenueDaten raumplan;
  s->deutsch5a->BaueSetzMenue(raumplan, 1, 3, s->th);
  EXPECT_TRUE(raumplan[0].Unter.empty());
  raumplan[0].Aktion();
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 3)->Raum(), s->th);
  // Nothing for a course without open hours.
  s->mathe5b->SetzeStunden(1, 0);
  TMenueDaten leer;
  s->mathe5b->BaueSetzMenue(leer, 2, 2, nullptr);
  EXPECT_EQ(leer.Anzahl(), 0);
}

TEST(Menues, RaumMenueDerMarkiertenZellen) {
  auto s = Schule();
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  s->deutsch5a->Setze(1, 2, s->r101, 1);
  s->mathe5b->Setze(1, 2, s->r102, 1);
  s->deutsch5a->FuegeRaumHinzu(s->r102, false);
  s->th->Sperrung().SetzeBereich(1, 1, 1, true);
  TMenueDaten menue;
  const std::vector<std::pair<int, int>> zellen{{1, 1}, {2, 1}};
  s->deutsch5a->BaueRaumMenue(menue, zellen);
  std::vector<std::string> texte;
  for (const auto& e : menue.Eintraege()) texte.push_back(e.Text);
  // R101 holds its own hours, R102 (its list) is held by Ma 5b, TH is locked.
  EXPECT_EQ(texte, (std::vector<std::string>{"R101", "(R102)"}));
  s->th->Sperrung().Leere();
  menue.Leere();
  s->deutsch5a->BaueRaumMenue(menue, zellen);
  EXPECT_EQ(menue[2].Text, "<TH>");
  menue[2].Aktion();
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1)->Raum(), s->th);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 2, 1)->Raum(), s->th);
  EXPECT_TRUE(PruefeModell(*s->schule).empty());
}

TEST(Menues, BelegungJeVersionUndKlasse) {
  auto s = BaueKleineSchule(2);
  s->standard.SetNurAktuelleVersion(false);
  s->sportSch->Setze(1, 2, s->th, 3);
  s->sportSch->Setze(2, 2, nullptr, 3);
  TMenueDaten menue;
  TKurs* gewaehlt = nullptr;
  TKlasse* klasse = nullptr;
  s->sportSch->BelegungMenueEintraege(menue, 2, 3, nullptr, Seite::Klasse, false, [&](TKurs* k, TKlasse* kl) {
    gewaehlt = k;
    klasse = kl;
  });
  ASSERT_EQ(menue.Anzahl(), 4);
  EXPECT_EQ(menue[0].Text, "{1} SCH     Sp 5a SPO TH");
  EXPECT_EQ(menue[1].Text, "{1} SCH     Sp 5b SPO TH");
  EXPECT_EQ(menue[3].Text.substr(0, 19), "{2} SCH     Sp 5b S");
  menue[1].Aktion();
  EXPECT_EQ(gewaehlt, s->sportSch);
  EXPECT_EQ(klasse, s->k5b);
  // Only hours in the given room; teacher side: one item per version.
  menue.Leere();
  s->sportSch->BelegungMenueEintraege(menue, 2, 3, s->th, Seite::Lehrer, false, nullptr);
  ASSERT_EQ(menue.Anzahl(), 1);
  EXPECT_EQ(menue[0].Text, "{1} SCH     Sp 5a SPO TH");
}

}  // namespace
}  // namespace kolvar
