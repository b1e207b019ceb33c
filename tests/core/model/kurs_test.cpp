// The course record: sort keys and order, links kept both ways, placements and grids, texts,
// menus.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "model/fensterart.h"
#include "model/imenue.h"
#include "model/setzung.h"
#include "modelltest.h"
#include "support/fakes.h"

namespace kolvar {
namespace {

using Kurs = ModellTest;

std::vector<std::string> Texte(const TMenueDaten& m) {
  std::vector<std::string> t;
  for (const auto& e : m.Eintraege()) t.push_back(e.Text);
  return t;
}

TEST_F(Kurs, SortierSchluesselUndReihenfolge) {
  s->standard.nks = false;  // by teachers
  TKurs* nackt = Sch().ErzeugeKurs(nullptr, nullptr, nullptr, s->ma, nullptr, 0);
  EXPECT_EQ(nackt->Schluessel1(), -1000 + 2);
  TKurs* ganzNackt = Sch().ErzeugeKurs(nullptr, nullptr, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(ganzNackt->Schluessel1(), -1001);
  EXPECT_EQ(ganzNackt->Schluessel2(), -1);
  Sch().OrdneKurseNeu();
  EXPECT_EQ(Sch().Kurse().Hole(1), ganzNackt);
  EXPECT_EQ(Sch().Kurse().Hole(2), nackt);
  // Teacher MUE (1), class 5b (2), subject Ma (2), 3 hours.
  EXPECT_EQ(s->mathe5b->Schluessel1(), 1000 + 2);
  EXPECT_EQ(s->mathe5b->Schluessel2(), 2 - 3000);
  s->standard.nks = true;
  Sch().OrdneKurseNeu();
  EXPECT_EQ(s->mathe5b->Schluessel1(), 2000 + 2);
  EXPECT_EQ(s->mathe5b->Schluessel2(), 1 - 3000);

  // Equal keys keep the order of creation.
  std::vector<TKurs*> gleich;
  for (int i = 0; i < 5; ++i) gleich.push_back(Sch().ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, nullptr, 2));
  for (std::size_t i = 1; i < gleich.size(); ++i) {
    EXPECT_EQ(VergleicheKurse(gleich[i - 1], gleich[i]), -1);
    EXPECT_EQ(VergleicheKurse(gleich[i], gleich[i - 1]), 1);
  }
  EXPECT_EQ(s->k6a->Kurse().Position(gleich[0]) + 4, s->k6a->Kurse().Position(gleich[4]));

  // A class lists its courses by subject, one without a subject first.
  TKurs* ohneFach = Sch().ErzeugeKurs(s->ber, s->k5a, nullptr, nullptr, nullptr, 1);
  const TListe<TKurs>& kurse = s->k5a->Kurse();
  EXPECT_EQ(kurse.Hole(1), ohneFach);
  for (int i = 2; i < kurse.Anzahl(); ++i)
    EXPECT_LE(kurse.Hole(i)->Fach()->Nummer(), kurse.Hole(i + 1)->Fach()->Nummer());
}

TEST_F(Kurs, ListenBleibenSortiertNachStundenAenderungUndUmbenennung) {
  s->mue->SetzeKuerzel("ZZZ");
  s->k5a->SetzeKuerzel("1a");
  s->de->SetzeName("Deutsch");
  s->mathe5a->SetzeStunden(1, 30);
  s->deutsch6a->SetzeStunden(-1, -4);
  s->sportBer->NegativeStundenNull();  // the fixture's model check finds any list left unsorted
}

TEST_F(Kurs, SetzenUndEntfernenHaltenDieBelegung) {
  s = BaueKleineSchule(2);
  s->standard.SetNurAktuelleVersion(true);
  TKurs* k = s->deutsch5a;
  // Refusals: another hour at the same slot, a slot out of range, a course not to be placed.
  ASSERT_NE(k->Setze(1, 1, s->r101, 1), nullptr);
  EXPECT_EQ(k->Setze(1, 1, s->r102, 1), nullptr);
  EXPECT_EQ(k->Setze(3, 1, nullptr, 1), nullptr);
  EXPECT_EQ(k->Setze(1, 8, nullptr, 1), nullptr);
  EXPECT_EQ(k->Setze(1, 1, nullptr, 17), nullptr);
  EXPECT_EQ(k->Setzungen().Anzahl(), 1);
  s->palette.undo = true;
  s->mathe5b->SetzeNichtVerplanen(true);
  EXPECT_EQ(s->mathe5b->Setze(1, 2, nullptr, 2), nullptr);
  EXPECT_TRUE(s->schule->UndoSchritte().Leer());
  s->palette.undo = false;
  // Hours per version: 4 in version 1, so the fifth hour is refused.
  for (int p = 2; p <= 4; ++p) k->Setze(1, 1, nullptr, p);
  EXPECT_EQ(k->GesetzteStunden(1), 4);
  EXPECT_EQ(k->OffeneStunden(1), 0);
  EXPECT_EQ(k->OffeneStunden(2), 4);
  EXPECT_EQ(k->OffeneStunden(0), 4);
  EXPECT_EQ(k->Setze(1, 1, nullptr, 5), nullptr);
}

TEST_F(Kurs, ZweiKurseImSelbenFeldTeilenLehrerUndRaum) {
  // Data as the import makes it: two lessons of one teacher in one room at the same slot.
  TKurs* zweiter = Sch().ErzeugeKurs(s->mue, s->k6a, nullptr, s->de, s->r101, 2);
  s->deutsch5a->Setze(1, 1, s->r101, 1);
  zweiter->Setze(1, 1, s->r101, 1);
  s->deutsch5a->EntferneStunde(1, 1, 1, false);
  EXPECT_TRUE(s->mue->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(s->r101->Belegung().Belegt(1, 1, 1));
  EXPECT_FALSE(s->k5a->Belegung().Belegt(1, 1, 1));
  zweiter->LoeseRaum(zweiter->FindeSetzung(1, 1, 1));
  EXPECT_FALSE(s->r101->Belegung().Belegt(1, 1, 1));
}

// Two lessons in one room at one slot: the room stays occupied until the last one leaves it,
// also when the room is not among a lesson's rooms (swapped by hand, read from a file).
TEST_F(Kurs, RaumBleibtBelegtBisDieLetzteStundeIhnVerlaesst) {
  enum Weg { Entfernen, RaumLoesen, RaumWechseln };
  const struct {
    TKurs* TKleineSchule::*erster;
    TKurs* TKleineSchule::*zweiter;
    Weg weg;
  } faelle[] = {
      {&TKleineSchule::deutsch5a, &TKleineSchule::deutsch6a, Entfernen},
      {&TKleineSchule::deutsch6a, &TKleineSchule::deutsch5a, Entfernen},
      {&TKleineSchule::deutsch6a, &TKleineSchule::mathe5b, Entfernen},
      {&TKleineSchule::deutsch6a, &TKleineSchule::mathe5b, RaumLoesen},
      {&TKleineSchule::mathe5b, &TKleineSchule::deutsch5a, RaumWechseln},
  };
  for (const auto& fall : faelle) {
    s = BaueKleineSchule();
    TKurs* kurse[] = {(*s).*fall.erster, (*s).*fall.zweiter};
    for (TKurs* k : kurse) ASSERT_NE(k->Setze(1, 2, s->r101, 3), nullptr);
    for (int i = 0; i < 2; ++i) {
      SCOPED_TRACE(kurse[i]->Text() + ", Fall " + std::to_string(fall.weg));
      TSetzung* z = kurse[i]->FindeSetzung(1, 2, 3);
      if (fall.weg == Entfernen) kurse[i]->EntferneSetzung(z);
      if (fall.weg == RaumLoesen) kurse[i]->LoeseRaum(z);
      if (fall.weg == RaumWechseln) kurse[i]->SetzeRaum(z, s->th);
      EXPECT_EQ(s->r101->Belegung().Belegt(1, 2, 3), i == 0);
      EXPECT_EQ(s->th->Belegung().Belegt(1, 2, 3), fall.weg == RaumWechseln);
      EXPECT_TRUE(PruefeModell(Sch()).empty());
    }
  }
}

// A course takes out only its own placements: another course's, even at the same slot and
// version, or a null one, leave both courses, the counts and the grids untouched.
TEST_F(Kurs, FremdeSetzungBleibt) {
  TSetzung* eigene = s->deutsch5a->Setze(1, 1, s->r101, 1);
  TSetzung* fremde = s->mathe5b->Setze(1, 1, s->r102, 1);
  ASSERT_NE(eigene, nullptr);
  ASSERT_NE(fremde, nullptr);
  s->deutsch5a->EntferneSetzung(fremde);
  s->deutsch5a->EntferneSetzung(nullptr);
  s->deutsch5a->LoeseRaum(fremde);
  s->deutsch5a->SetzeRaum(fremde, s->th);
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 1), fremde);
  EXPECT_EQ(fremde->Raum(), s->r102);
  EXPECT_EQ(s->deutsch5a->FindeSetzung(1, 1, 1), eigene);
  EXPECT_TRUE(s->k5b->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(s->r102->Belegung().Belegt(1, 1, 1));
  for (const std::string& f : PruefeModell(Sch())) ADD_FAILURE() << f;
  s->mathe5b->EntferneSetzung(fremde);
  EXPECT_EQ(s->mathe5b->FindeSetzung(1, 1, 1), nullptr);
  EXPECT_FALSE(s->r102->Belegung().Belegt(1, 1, 1));
  EXPECT_TRUE(PruefeModell(Sch()).empty());
}

TEST_F(Kurs, GekoppelteStundeEntfernenUndLehrerWechsel) {
  SetzeEinigeStunden(*s);
  s->sportSch->EntferneStunde(1, 3, 5, false);
  EXPECT_TRUE(s->k5a->Belegung().Belegt(1, 3, 5));  // the other sport lesson still holds it
  EXPECT_EQ(s->k5a->KursAn(1, 3, 5), s->sportBer);
  s->sportSch->Setze(1, 3, s->th, 5);
  s->sportSch->EntferneStunde(1, 3, 5, true);
  EXPECT_FALSE(s->k5a->Belegung().Belegt(1, 3, 5));
  EXPECT_TRUE(s->sportBer->Setzungen().Leer());
  // A new teacher or class takes the placed hours over.
  s->mathe5b->SetzeLehrer(s->ber);
  EXPECT_FALSE(s->mue->Belegung().Belegt(1, 1, 2));
  EXPECT_TRUE(s->ber->Belegung().Belegt(1, 1, 2));
  s->mathe5b->FuegeKlasseHinzu(s->k6a);
  EXPECT_TRUE(s->k6a->Belegung().Belegt(1, 1, 2));
  EXPECT_NE(s->ma->Klassen().Position(s->k6a), 0);
  s->mathe5b->EntferneKlasse(s->k6a);
  EXPECT_FALSE(s->k6a->Belegung().Belegt(1, 1, 2));
  EXPECT_EQ(s->ma->Klassen().Position(s->k6a), 0);
}

// The lesson's texts name its first class alone: a class joining behind it concerns itself only,
// one taking the first place concerns every class of the lesson.
TEST_F(Kurs, KlasseHintenAendertNurIhreFenster) {
  TFakeFenster plan5a(Sch(), FensterArt::KlPln, s->k5a), plan5b(Sch(), FensterArt::KlPln, s->k5b);
  TFakeFenster plan6a(Sch(), FensterArt::KlPln, s->k6a);
  for (TFakeFenster* f : {&plan5a, &plan5b, &plan6a}) f->Anmelden();
  s->mathe5b->FuegeKlasseHinzu(s->k6a);
  EXPECT_EQ(s->mathe5b->Klassen().Hole(1), s->k5b);
  EXPECT_EQ(plan5b.aktualisiert, 0);
  EXPECT_EQ(plan6a.aktualisiert, 1);
  s->mathe5b->FuegeKlasseHinzu(s->k5a);
  EXPECT_EQ(s->mathe5b->Klassen().Hole(1), s->k5a);
  EXPECT_EQ(plan5a.aktualisiert, 1);
  EXPECT_EQ(plan5b.aktualisiert, 1);
  EXPECT_EQ(plan6a.aktualisiert, 2);
}

TEST_F(Kurs, RaeumeUndKlassenNurEinmalUndHaeufigsterRaum) {
  s->deutsch5a->FuegeRaumHinzu(s->r101, false);
  s->deutsch5a->FuegeRaumHinzu(s->r102, true);
  s->deutsch5a->FuegeRaumHinzu(s->r102, true);
  s->deutsch5a->FuegeKlasseHinzu(s->k5a);
  EXPECT_EQ(s->deutsch5a->Raeume().Anzahl(), 2);
  EXPECT_EQ(s->deutsch5a->SpaeterRaeume().Anzahl(), 1);
  EXPECT_EQ(s->deutsch5a->Klassen().Anzahl(), 1);
  s->deutsch5a->EntferneRaum(s->th);  // not held: nothing
  EXPECT_EQ(s->deutsch5a->Raeume().Anzahl(), 2);

  TKurs* k = s->mathe5a;
  EXPECT_EQ(k->HaeufigsterRaum(), nullptr);
  k->Setze(1, 1, nullptr, 1);
  EXPECT_EQ(k->HaeufigsterRaum(), nullptr);
  k->Setze(1, 1, s->r102, 2);
  k->Setze(1, 1, s->r101, 3);
  EXPECT_EQ(k->HaeufigsterRaum(), s->r102);  // a tie: first met in placement order
  k->Setze(1, 1, s->r101, 4);
  EXPECT_EQ(k->HaeufigsterRaum(), s->r101);
}

TEST_F(Kurs, Texte) {
  EXPECT_EQ(s->mathe5b->Text(), "MUE     Ma 5b");
  EXPECT_EQ(s->sportSch->Text(), "SCH     Sp 5a SPO");
  EXPECT_EQ(s->sportSch->Text(s->k5b), "SCH     Sp 5b SPO");
  EXPECT_EQ(s->sportSch->KurzText(), "SCH Sp SPO");
  EXPECT_EQ(s->mathe5b->KurzText(), "MUE Ma 5b");
  TKurs* nurFach = Sch().ErzeugeKurs(nullptr, nullptr, nullptr, s->de, nullptr, 1);
  EXPECT_EQ(nurFach->Text(), "De");
  TKurs* nichts = Sch().NeuerFreierKurs();
  EXPECT_EQ(nichts->Text(), "");
  EXPECT_EQ(nichts->ZellenText(1, 1, 1, 0, 1, 2), "");
  EXPECT_EQ(nichts->KurzText(), "");
  TLehrer* umlaut = Sch().NeuerLehrer("MÜL");
  TKurs* k = Sch().ErzeugeKurs(umlaut, s->k5a, nullptr, s->ma, s->r101, 2);
  EXPECT_EQ(k->Text(), "MÜL     Ma 5a");  // padded by characters
  EXPECT_EQ(k->TextMitRaum(1, 0, 0), "MÜL     Ma 5a R101");
  k->Setze(1, 2, s->r102, 3);
  EXPECT_EQ(k->TextMitRaum(1, 2, 3), "MÜL     Ma 5a R102");
  EXPECT_EQ(k->TextMitHauptraum(), "MÜL     Ma 5a R102");
  EXPECT_EQ(k->ZellenText(1, 2, 3, 0, 4, 3), "MÜL     R102    Ma     ");
  EXPECT_EQ(k->ZellenText(1, 4, 4, 4, 2, 1), "R101    5a     ");  // no hour: the first room
  k->SetzeInfo("Förderkurs für die Klasse 5a");
  EXPECT_EQ(k->Info(), "Förderkurs für die Kl");
  EXPECT_EQ(k->VersionsText(1, 2, 3, nullptr, true), "{1} MÜL     Ma 5a R102 <Förderkurs für die Kl>");

  // The weighted value, zero on the side that does not count it.
  s->standard.dvs = 2;
  s->standard.vkm = 2;
  s->standard.nkm = 1;
  s->mathe5b->SetFaktor(3);
  EXPECT_EQ(s->mathe5b->StundenText(-1, 0, 0, Seite::Lehrer, false), " 4,5 (3) MUE     Ma 5b R102");
  s->mathe5b->SetzeNichtZaehlenLehrer(true);
  EXPECT_EQ(s->mathe5b->StundenText(-1, 0, 0, Seite::Lehrer, false), " 0,0 (3) MUE     Ma 5b R102");
  EXPECT_EQ(s->mathe5b->StundenText(-1, 0, 0, Seite::Klasse, false), " 4,5 (3) MUE     Ma 5b R102");
}

TEST_F(Kurs, AbfragenAmFeldUndSperrungUebernehmen) {
  s = BaueKleineSchule(2);
  SetzeEinigeStunden(*s);
  EXPECT_TRUE(s->mathe5a->IstFixiert(1, 2, 3));
  EXPECT_FALSE(s->mathe5a->IstFixiert(1, 1, 3));
  s->k5a->Sperrung().SetzeBereich(1, 4, 4, true);
  EXPECT_TRUE(s->mathe5a->IstGesperrt(1, 4, 4, nullptr));
  EXPECT_FALSE(s->mathe5b->IstGesperrt(1, 4, 4, nullptr));
  EXPECT_TRUE(s->mathe5b->IstGesperrt(1, 7, 1, nullptr));  // the teacher's default lock
  s->th->Sperrung().SetzeBereich(1, 4, 5, true);
  EXPECT_TRUE(s->mathe5b->IstGesperrt(1, 4, 5, s->th));
  s->mathe5a->LoeseSperrungen(1, 4, 4, nullptr);
  EXPECT_FALSE(s->k5a->Sperrung().Belegt(1, 4, 4));
  EXPECT_EQ(s->mathe5a->TagesMuster(2, "SSSSSSSSSSSSSSSS"), "SSGSSSSSSSSSSSSS");
  EXPECT_EQ(s->sportBer->TagesMuster(3, ""), "FFFFKFFFFFFFFFFF");
  EXPECT_TRUE(s->mathe5a->RaumVerplant(s->r101));
  EXPECT_FALSE(s->mathe5a->RaumVerplant(s->r102));
  EXPECT_EQ(s->mue->Datum(), s->uhr.jetzt);  // stamped by placing

  // Taking over a lock grid never locks a placed hour.
  TWochBereich alles(s->standard.Versionen());
  alles.SetzeBereich(0, 0, 0, true);
  s->standard.SetNurAktuelleVersion(false);
  s->deutsch5a->UebernimmSperrung(alles);
  s->k5a->UebernimmSperrung(alles);
  for (int v = 1; v <= 2; ++v) {
    EXPECT_FALSE(s->deutsch5a->Sperrung().Belegt(v, 1, 1));
    EXPECT_TRUE(s->deutsch5a->Sperrung().Belegt(v, 1, 2));
    EXPECT_FALSE(s->k5a->Sperrung().Belegt(v, 3, 5));
    EXPECT_TRUE(s->k5a->Sperrung().Belegt(v, 3, 6));
  }
}

TEST_F(Kurs, StundenImZeitraum) {
  s = BaueKleineSchule(2);
  s->mathe5b->Setze(1, 1, nullptr, 1);         // Mondays of version 1
  s->mathe5b->Setze(1, 3, nullptr, 1);         // Wednesdays of version 1
  s->mathe5b->Setze(2, 2, nullptr, 1);         // Tuesdays of version 2
  const int32_t montag = 34330 + 888 * 7 * 2;  // week 1 of the table
  Sch().SetzeWochenVersion(2, 2);
  const auto keinFrei = [](int32_t) { return false; };
  EXPECT_EQ(s->mathe5b->StundenImZeitraum(montag, montag + 13, keinFrei), 2 + 1);
  const auto mittwochFrei = [&](int32_t t) { return t == montag + 2; };
  EXPECT_EQ(s->mathe5b->StundenImZeitraum(montag, montag + 13, mittwochFrei), 1 + 1);
  EXPECT_EQ(s->mathe5b->StundenImZeitraum(montag + 1, montag, keinFrei), 0);
  s->mathe5b->SetzeNichtVerplanen(true);
  EXPECT_EQ(s->mathe5b->StundenImZeitraum(montag, montag + 13, keinFrei), 3 + 3);
  s->mathe5b->SetzeNichtZaehlenLehrer(true);
  EXPECT_EQ(s->mathe5b->StundenImZeitraum(montag, montag + 13, keinFrei), 0);
}

TEST_F(Kurs, StundenMenue) {
  s = BaueKleineSchule(6);
  s->standard.SetNurAktuelleVersion(false);
  TMenueDaten m;
  s->mathe5b->StundenMenueEintraege(m);
  ASSERT_EQ(m.Anzahl(), 21);
  EXPECT_EQ(m[1].Text, "6");
  EXPECT_EQ(m[20].Text, "120");
  EXPECT_TRUE(m[3].Haken);  // 3 hours in each of 6 versions = 18
  m[5].Aktion();
  EXPECT_EQ(s->mathe5b->Stunden(4), 5);
  EXPECT_EQ(s->mathe5b->Stunden(0), 30);
  // Fewer hours than placed: asked first; "Nein" keeps everything.
  s->mathe5b->Setze(2, 1, nullptr, 1);
  s->mathe5b->Setze(2, 1, nullptr, 2);
  s->dialoge.Antworte(Modal::Nein);
  s->mathe5b->StundenMenueClick(1);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursVerplant), 1);
  EXPECT_EQ(s->mathe5b->Stunden(2), 5);
  s->dialoge.Antworte(Modal::Ja);
  s->mathe5b->StundenMenueClick(1);
  EXPECT_EQ(s->mathe5b->Stunden(2), 1);
  EXPECT_TRUE(s->mathe5b->Setzungen().Leer());
}

TEST_F(Kurs, FaktorKlassenUndRaumMenue) {
  TMenueDaten faktor;
  s->sportSch->FaktorMenueEintraege(faktor);
  ASSERT_EQ(faktor.Anzahl(), 11);
  EXPECT_EQ(faktor[3].Text, " 6,0");
  EXPECT_TRUE(faktor[1].Haken);
  faktor[2].Aktion();
  EXPECT_EQ(s->sportSch->Faktor(), 2);

  TMenueDaten klassen;
  s->sportSch->KlassenMenueEintraege(klassen);
  EXPECT_EQ(Texte(klassen), (std::vector<std::string>{"5a", "5b"}));
  klassen[1].Aktion();  // only in the "Löschen" mode
  EXPECT_EQ(s->sportSch->Klassen().Anzahl(), 2);
  s->schule->SetzeModus(Modus::Loeschen);
  klassen[1].Aktion();
  EXPECT_EQ(s->sportSch->Klassen().Anzahl(), 1);

  s->sportSch->Setze(1, 1, s->th, 1);
  TMenueDaten raeume;
  s->sportSch->RaumMenueEintraege(raeume);
  ASSERT_EQ(raeume.Anzahl(), 1);
  EXPECT_TRUE(raeume[0].Haken);
  s->dialoge.Antworte(Modal::Ja);
  raeume[0].Aktion();
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::KursImRaumplan), 1);
  EXPECT_TRUE(s->sportSch->Raeume().Leer());
  EXPECT_EQ(s->sportSch->Setzungen().Anzahl(), 1);  // the hour stays, without the room

  TMenueDaten kopplung;
  s->sportBer->KopplungsMenueEintraege(kopplung, false);
  EXPECT_EQ(kopplung.Anzahl(), 2);
}

TEST_F(Kurs, KopplungWarntBeiDoppeltemLehrer) {
  s->sportBer->SetzeLehrer(s->sch);
  ASSERT_EQ(s->dialoge.Anzahl(TDialog::LehrerDoppelt), 1);
  EXPECT_EQ(s->dialoge.anfragen[0].Texte, (std::vector<std::string>{"SCH", "SPO"}));
  s->mathe5a->SetzeKopplung(s->spo);
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::LehrerDoppelt), 2);
}

}  // namespace
}  // namespace kolvar

namespace kolvar {
namespace {

// The placements at one slot over a run of versions, by the index and by asking version after
// version, while placements come and go at the week's corners and between.
TEST_F(Kurs, SetzungenImSlotUeberVersionen) {
  s = BaueKleineSchule(5);
  TKurs* k = s->deutsch5a;
  const std::vector<std::pair<int, int>> felder{{1, 1}, {1, 2}, {3, 7}, {7, 16}, {7, 15}, {2, 16}};
  auto vergleiche = [&](const std::string& wo) {
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p)
        for (const auto& [von, bis] : {std::pair{1, 5}, {2, 4}, {3, 3}, {0, 9}, {4, 2}}) {
          std::vector<std::pair<const TSetzung*, int>> ist, soll;
          k->JeSetzungImSlot(d, p, von, bis, [&](const TSetzung* st, int v) { ist.emplace_back(st, v); });
          for (int v = std::max(von, 1); v <= std::min(bis, 5); ++v)
            if (const TSetzung* st = k->FindeSetzung(v, d, p)) soll.emplace_back(st, v);
          ASSERT_EQ(ist, soll) << wo << " " << d << "/" << p << " " << von << ".." << bis;
        }
  };
  int n = 0;
  for (int v = 5; v >= 1; --v)
    for (const auto& [d, p] : felder)
      if ((v + d + p) % 3 != 0) n += k->NeueSetzung(v, d, p, nullptr, false) != nullptr;
  EXPECT_GT(n, 15);
  vergleiche("gesetzt");
  EXPECT_TRUE(k->SlotIndexStimmt());
  // Taking out every other placement leaves gaps in the slots' runs.
  const std::vector<TSetzung*> alle = k->Setzungen().Elemente();
  for (std::size_t i = 0; i < alle.size(); i += 2) k->EntferneSetzung(alle[i]);
  vergleiche("ausgeduennt");
  EXPECT_TRUE(k->SlotIndexStimmt());
  // Outside the week nothing is asked for.
  int aufrufe = 0;
  for (const auto& [d, p] : {std::pair{0, 1}, {8, 1}, {1, 0}, {1, 17}})
    k->JeSetzungImSlot(d, p, 1, 5, [&](const TSetzung*, int) { ++aufrufe; });
  EXPECT_EQ(aufrufe, 0);
}

}  // namespace
}  // namespace kolvar
