// Absences of teachers, classes and rooms: records per lesson, no duplicates, accounts that
// come back, and the queries built on the records.

#include "vertretungsschule.h"

namespace kolvar {
namespace {

using Abwesenheit = VertretungsTest;

TEST_F(Abwesenheit, LehrerFehltErzeugtVertretungenUndNurGeaenderteStundenBeruehrenSie) {
  ASSERT_NE(s->mathe5a->FindeSetzung(1, 1, 2), nullptr);
  SetzeFehlzeit(*s->mue, kMontag, 0xC000);  // periods 1 and 2
  ASSERT_EQ(Schule().Vertretungen().Anzahl(), 2);
  TVertretung* de = EineVertretung(s->deutsch5a, kMontag);
  TVertretung* ma = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(de && ma);
  EXPECT_EQ(de->Art(), VertrArt::Lehrer);
  EXPECT_EQ(de->Setzung(), s->deutsch5a->FindeSetzung(1, 1, 1));
  EXPECT_EQ(de->Ersatzraum(), s->r101);
  EXPECT_TRUE(de->Noetig());
  EXPECT_FALSE(de->Anrechnen());
  EXPECT_EQ(de->Vertreter(), nullptr);
  EXPECT_EQ(de->LehrerBem(), "");
  EXPECT_EQ(ma->Setzung()->Vertretungen().Anzahl(), 1);
  EXPECT_TRUE(s->mue->FehltAm(kMontag, 2));
  ErwarteGesund();

  // Marking the same hour again, directly, takes the old records back first.
  s->mue->SetzeFehlt(1, kMontag);
  s->mue->SetzeFehlt(1, kMontag);
  EXPECT_EQ(VertretungenVon(s->deutsch5a, kMontag).size(), 1u);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 2);

  // Period 2 back only, then the whole day.
  SetzeFehlzeit(*s->mue, kMontag, 0x8000);
  EXPECT_TRUE(VertretungenVon(s->mathe5b, kMontag).empty());
  EXPECT_EQ(VertretungenVon(s->deutsch5a, kMontag).size(), 1u);
  SetzeFehlzeit(*s->mue, kMontag, 0);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_EQ(FehlzeitAm(*s->mue, kMontag), nullptr);
  EXPECT_TRUE(Schule().LehrerFehlen().Leer());

  // A new mask touches the records of changed periods only.
  SetzeFehlzeit(*s->mue, kMontag, 0xC000);  // periods 1 and 2
  ma = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(ma && ma->SetzeVertreter(s->ber));
  SetzeFehlzeit(*s->mue, kMontag, 0x6000);  // periods 2 and 3
  EXPECT_TRUE(VertretungenVon(s->deutsch5a, kMontag).empty());
  ASSERT_EQ(VertretungenVon(s->mathe5b, kMontag).size(), 1u);
  EXPECT_EQ(VertretungenVon(s->mathe5b, kMontag).front(), ma);  // untouched, with its substitute
  EXPECT_EQ(ma->Vertreter(), s->ber);
  EXPECT_EQ(s->ber->VStd1(), 3);
  const TFehl* f = FehlzeitAm(*s->mue, kMontag);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Stunden(), 0x6000);
  EXPECT_EQ(f->NeueStunden(), 0xC000);  // the previous mask
}

TEST_F(Abwesenheit, NurStundenDerWocheUndDesTages) {
  // Another week of another plan version, and a Sunday, make no records.
  Schule().ErweiterePlanversionen(2);
  const int woche = WochenIndex(kMontag + 7) + 1;
  Schule().SetzeWochenVersion(woche, 2);
  Fehlt(s->mue, kMontag + 7, 1);
  Fehlt(s->mue, kMontag + 6, 1);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  // 888 weeks later the week table repeats: the same week entry as 1994 holds in 2026.
  Fehlt(s->mue, kMontag + 7 - 888 * 7, 1);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  Fehlt(s->mue, kMontag + 888 * 7, 1);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 1);
}

TEST_F(Abwesenheit, KlasseFehltMachtVertretungUnnoetigUndBelastetDenLehrer) {
  // Order one: class first, then the teacher, and back in the other order.
  const auto start = Konten();
  Fehlt(s->k5a, kMontag, 1);
  EXPECT_EQ(s->mue->VStd1(), -2);  // present teacher, dropped lesson
  EXPECT_EQ(s->mue->VStd2(), -2);
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->Noetig());
  EXPECT_EQ(s->mue->VStd1(), 0);  // absent himself: the charge comes back
  Fehlt(s->mue, kMontag, 1, false);
  EXPECT_EQ(s->mue->VStd1(), -2);
  Fehlt(s->k5a, kMontag, 1, false);
  EXPECT_EQ(Konten(), start);

  // Order two: teacher first, then the class, and back in the same order.
  Fehlt(s->mue, kMontag, 1);
  r = EineVertretung(s->deutsch5a, kMontag);
  ASSERT_TRUE(r);
  TFakeWahlFenster fenster(Schule(), r);
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  EXPECT_EQ(s->sch->VStd1(), 2);
  Fehlt(s->k5a, kMontag, 1);
  EXPECT_FALSE(r->Noetig());
  EXPECT_EQ(r->Vertreter(), nullptr);
  EXPECT_EQ(s->sch->VStd1(), 0);  // the substitute loses the value
  EXPECT_EQ(s->mue->VStd1(), 0);  // the absent teacher is not charged
  EXPECT_TRUE(fenster.geschlossen);
  EXPECT_EQ(r->WahlForm(), nullptr);
  Fehlt(s->mue, kMontag, 1, false);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_EQ(s->mue->VStd1(), -2);
  Fehlt(s->k5a, kMontag, 1, false);
  EXPECT_EQ(Konten(), start);

  // Order three: teacher, class, class back, teacher back.
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->k5a, kMontag, 1);
  Fehlt(s->k5a, kMontag, 1, false);
  r = EineVertretung(s->deutsch5a, kMontag);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->Noetig());
  EXPECT_FALSE(r->Anrechnen());
  Fehlt(s->mue, kMontag, 1, false);
  EXPECT_EQ(Konten(), start);
}

TEST_F(Abwesenheit, ZweiKlassenKursFaelltErstMitDerLetztenKlasse) {
  // Sport on Wednesday, period 5: two coupled courses, both of 5a and 5b.
  TVertretung* r = FehltFuer(s->sch, kMittwoch, 5, s->sportSch);
  ASSERT_TRUE(r);
  Fehlt(s->k5b, kMittwoch, 5);
  EXPECT_TRUE(r->Noetig());
  EXPECT_EQ(s->ber->VStd1(), 0);
  Fehlt(s->k5a, kMittwoch, 5);
  EXPECT_FALSE(r->Noetig());
  EXPECT_EQ(s->ber->VStd1(), -11);
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_FALSE(s->r102->BelegtAm(5, kMittwoch));
  EXPECT_FALSE(s->th->BelegtAm(5, kMittwoch));
  Fehlt(s->k5b, kMittwoch, 5, false);
  EXPECT_TRUE(r->Noetig());
  EXPECT_EQ(s->ber->VStd1(), 0);
  EXPECT_TRUE(s->r102->BelegtAm(5, kMittwoch));
  Fehlt(s->k5a, kMittwoch, 5, false);
  Fehlt(s->sch, kMittwoch, 5, false);
  for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, std::make_pair(0, 0)) << kuerzel;
}

TEST_F(Abwesenheit, RaumFehltErzeugtRaumvertretungen) {
  TVertretung* r = FehltFuer(s->r101, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->Art(), VertrArt::Raum);
  EXPECT_EQ(r->Ersatzraum(), nullptr);
  EXPECT_TRUE(r->Noetig());
  // Twice, directly: no second record.
  s->r101->SetzeFehlt(1, kMontag);
  EXPECT_EQ(VertretungenVon(s->deutsch5a, kMontag).size(), 1u);
  // A room that holds no lesson then, or a course with this room not placed in it, makes none.
  Fehlt(s->r102, kMontag, 1);
  Fehlt(s->th, kMontag, 1);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 1);

  ASSERT_TRUE(r->SetzeErsatzraum(s->r102));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::RaumBesetzt), 1);  // R102 is absent then: asked, "Ja"
  EXPECT_EQ(r->Ersatzraum(), s->r102);
  EXPECT_TRUE(s->r102->ErsatzraumAm(kMontag, 1));
  EXPECT_FALSE(s->r102->FehltAm(kMontag, 1));
  EXPECT_EQ(FehlzeitAm(*s->r102, kMontag), nullptr);

  Fehlt(s->r101, kMontag, 1, false);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
}

// A lesson given another room in place: the old room's record goes, an absent new room gives one,
// and the same room again keeps the record with its substitute room.
TEST_F(Abwesenheit, RaumwechselNimmtDieRaumvertretungMit) {
  ASSERT_TRUE(FehltFuer(s->r101, kMontag, 1, s->deutsch5a));
  TSetzung* z = s->deutsch5a->FindeSetzung(1, 1, 1);
  s->deutsch5a->SetzeRaum(z, s->th);
  EXPECT_TRUE(VertretungenVon(s->deutsch5a, kMontag).empty());
  s->deutsch5a->SetzeRaum(z, s->r101);
  TVertretung* r = EineVertretung(s->deutsch5a, kMontag);
  ASSERT_TRUE(r && r->SetzeErsatzraum(s->th));
  s->deutsch5a->SetzeRaum(z, s->r101);
  EXPECT_EQ(EineVertretung(s->deutsch5a, kMontag)->Ersatzraum(), s->th);
  s->deutsch5a->LoeseRaum(z);
  EXPECT_TRUE(VertretungenVon(s->deutsch5a, kMontag).empty());
}

TEST_F(Abwesenheit, RaumZurueckNimmtSeineEinsaetzeAlsErsatzraum) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);  // Ma 5b in R102
  ASSERT_TRUE(r);
  Fehlt(s->th, kMontag, 2);
  ASSERT_TRUE(r->SetzeErsatzraum(s->th));  // its absence is taken back on "Ja"
  EXPECT_EQ(r->Ersatzraum(), s->th);
  // TH absent and back again: the record loses TH; a lesson keeps its own room.
  Fehlt(s->th, kMontag, 2);
  Fehlt(s->th, kMontag, 2, false);
  EXPECT_EQ(r->Ersatzraum(), nullptr);
  ASSERT_TRUE(r->SetzeErsatzraum(s->r102));
  Fehlt(s->r102, kMontag, 2);
  Fehlt(s->r102, kMontag, 2, false);
  EXPECT_EQ(r->Ersatzraum(), s->r102);
}

TEST_F(Abwesenheit, KlasseZurueckNimmtIhrenRaumAnderenVertretungenWeg) {
  TKurs* ma6a = Schule().ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->th, 2);
  ASSERT_TRUE(ma6a->Setze(1, 1, s->th, 1));
  Fehlt(s->k5a, kMontag, 1);  // De 5a in R101 drops: R101 is free then
  EXPECT_FALSE(s->r101->BelegtAm(1, kMontag));
  EXPECT_TRUE(s->r101->BelegtAm(2, kMontag));
  TVertretung* x = FehltFuer(s->th, kMontag, 1, ma6a);
  ASSERT_TRUE(x && x->SetzeErsatzraum(s->r101));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::RaumBesetzt), 0);
  EXPECT_EQ(x->LehrerBem(), "");  // the room choice leaves the remarks alone
  TVertretung* de = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(de);
  EXPECT_FALSE(de->Noetig());
  EXPECT_EQ(de->Ersatzraum(), s->r101);

  Fehlt(s->k5a, kMontag, 1, false);
  EXPECT_EQ(x->Ersatzraum(), nullptr);  // the lesson is back in R101
  EXPECT_TRUE(de->Noetig());
  EXPECT_EQ(de->Ersatzraum(), s->r101);  // its own room stays
}

TEST_F(Abwesenheit, WerFehltVerliertSeineVertretungenUndNurNoetigeZaehlen) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r && r->SetzeVertreter(s->ber));
  EXPECT_TRUE(r->Anrechnen());
  EXPECT_EQ(s->ber->VStd1(), 2);
  Fehlt(s->ber, kMontag, 1);
  EXPECT_EQ(r->Vertreter(), nullptr);
  EXPECT_FALSE(r->Anrechnen());
  EXPECT_EQ(s->ber->VStd1(), 0);

  // VertrittAm and ErsatzraumAm count needed records only.
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  EXPECT_TRUE(s->sch->VertrittAm(kMontag, 1));
  EXPECT_FALSE(s->sch->VertrittAm(kMontag, 2));
  EXPECT_FALSE(s->sch->VertrittAm(kDienstag, 1));
  EXPECT_TRUE(s->r101->ErsatzraumAm(kMontag, 1));
  EXPECT_FALSE(s->r101->ErsatzraumAm(kMontag, 3));
  Fehlt(s->k5a, kMontag, 1);
  EXPECT_FALSE(s->sch->VertrittAm(kMontag, 1));
  EXPECT_FALSE(s->r101->ErsatzraumAm(kMontag, 1));
}

TEST_F(Abwesenheit, FaelltAus) {
  TSetzung* montag1 = s->deutsch5a->FindeSetzung(1, 1, 1);
  ASSERT_TRUE(montag1);
  EXPECT_FALSE(montag1->FaelltAus(kMontag));
  EXPECT_TRUE(montag1->FaelltAus(kDienstag));     // another weekday
  EXPECT_FALSE(montag1->FaelltAus(kMontag + 7));  // next week
  EXPECT_FALSE(montag1->FaelltAus(kMontag - 888 * 7 * 2));
  // A free day.
  TWochenTabelle frei = s->standard.FreieTage;
  frei[static_cast<std::size_t>(WochenIndex(kMontag + 14))] = 1;  // Monday of that week
  s->standard.SetFreieTage(frei);
  EXPECT_TRUE(montag1->FaelltAus(kMontag + 14));
  // A week of another plan version.
  Schule().ErweiterePlanversionen(2);
  Schule().SetzeWochenVersion(WochenIndex(kMontag + 21) + 1, 2);
  EXPECT_TRUE(montag1->FaelltAus(kMontag + 21));
  // A substitution of the hour on that date.
  Fehlt(s->mue, kMontag, 1);
  EXPECT_TRUE(montag1->FaelltAus(kMontag));
}

TEST_F(Abwesenheit, KlassenAbwesendOhneKlassenNieUndNurFuerAndereKlassen) {
  TKurs* ohne = Schule().ErzeugeKurs(s->ber, nullptr, nullptr, s->ma, s->th, 2);
  ASSERT_TRUE(ohne->Setze(1, 1, s->th, 4));
  Fehlt(s->k5a, kMontag, 4);
  TVertretung* r = FehltFuer(s->ber, kMontag, 4, ohne);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->Noetig());
  EXPECT_FALSE(ohne->KlassenAbwesend(kMontag, 4, nullptr));
  Fehlt(s->k5b, kMittwoch, 5);
  EXPECT_TRUE(s->sportSch->KlassenAbwesend(kMittwoch, 5, s->k5a));
  EXPECT_FALSE(s->sportSch->KlassenAbwesend(kMittwoch, 5, nullptr));
}

}  // namespace
}  // namespace kolvar
