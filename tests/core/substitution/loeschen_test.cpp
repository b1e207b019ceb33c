// Deleting teachers, classes, rooms, courses and placements lets every substitution record and
// "statt" option go of them, and takes the deleted element's absences back first; a lesson
// that moves takes its records and charges along as the absences say.

#include "model/imenue.h"
#include "model/statt.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using VertretungLoeschen = VertretungsTest;

TEST_F(VertretungLoeschen, LehrerAlsVertreterUndStattLehrer) {
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->mue, kMontag, 2);
  TVertretung* de = EineVertretung(s->deutsch5a, kMontag);
  TVertretung* ma = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(de && ma && de->SetzeVertreter(s->ber));
  ASSERT_TRUE(ma->SetzeVertreter(s->sch));  // with the follow-up of SCH's Ma 5a
  TMenueDaten menue;
  de->BildeStattListe(s->sch, menue);
  ASSERT_GT(de->StattOptionen().Anzahl(), 0);
  ma->RaumMenuClick(s->th);

  Schule().LoescheElement(s->ber);
  EXPECT_EQ(de->Vertreter(), nullptr);
  EXPECT_FALSE(de->Anrechnen());
  Schule().LoescheElement(s->sch);
  EXPECT_EQ(ma->Vertreter(), nullptr);
  EXPECT_EQ(ma->Statt(), nullptr);
  EXPECT_EQ(de->StattOptionen().Anzahl(), 0);
  EXPECT_EQ(ma->LehrerBem(), "in Raum TH ");
  ErwarteGesund();

  Schule().LoescheElement(s->th);
  EXPECT_EQ(ma->Ersatzraum(), nullptr);
  EXPECT_EQ(ma->LehrerBem(), "");
}

TEST_F(VertretungLoeschen, FehlendeElementeNehmenIhreFehlzeitenZurueck) {
  const auto start = Konten();
  Fehlt(s->k5a, kMontag, 3);  // SCH's Ma 5a drops: SCH charged
  Fehlt(s->mue, kMontag, 2);
  Fehlt(s->r101, kMontag, 1);
  TVertretung* ma = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(ma && ma->SetzeVertreter(s->ber));
  EXPECT_EQ(s->sch->VStd1(), -5);
  EXPECT_EQ(s->ber->VStd1(), 3);

  Schule().LoescheElement(s->k5a);  // its absence goes back before its lessons lose their hours
  EXPECT_EQ(s->sch->VStd1(), 0);
  Schule().LoescheElement(s->mue);
  EXPECT_EQ(s->ber->VStd1(), 0);
  EXPECT_TRUE(Schule().LehrerFehlen().Leer());
  Schule().LoescheElement(s->r101);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_TRUE(Schule().RaumFehlen().Leer());
  EXPECT_TRUE(Schule().KlassenFehlen().Leer());
  for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, start.at(kuerzel)) << kuerzel;
}

TEST_F(VertretungLoeschen, KursUndSetzung) {
  TVertretung* ma = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(ma && ma->SetzeVertreter(s->sch));
  ASSERT_TRUE(ma->Statt());
  TSetzung* eigene = s->mathe5a->FindeSetzung(1, 1, 2);
  ASSERT_EQ(eigene->Vertretungen().Anzahl(), 1);
  // The follow-up's hour goes: the follow-up with it, the chosen record stays.
  s->mathe5a->EntferneSetzung(eigene);
  EXPECT_EQ(ma->Statt(), nullptr);
  EXPECT_EQ(ma->Vertreter(), s->sch);
  ErwarteGesund();

  TVertretung* de = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(de);
  TMenueDaten menue;
  de->BildeStattListe(s->sch, menue);
  const int vorher = de->StattOptionen().Anzahl();
  ASSERT_GT(vorher, 0);
  Schule().LoescheKurs(s->mathe5a);  // every option was one of its hours
  EXPECT_EQ(de->StattOptionen().Anzahl(), 0);
  Schule().LoescheKurs(s->mathe5b);
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 1);
  ErwarteGesund();
  for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, std::make_pair(0, 0)) << kuerzel;
}

// The three ways a lesson changes its slot: Ma 5b (MUE, R102, factor 3) from Monday 2 to 4.
enum class TZug { Setzen, Verschieben, Tauschen };
void Ziehe(TKleineSchule& s, TZug zug) {
  switch (zug) {
    case TZug::Setzen:
      s.mathe5b->EntferneSetzung(s.mathe5b->FindeSetzung(1, 1, 2));
      ASSERT_TRUE(s.mathe5b->Setze(1, 1, s.r102, 4));
      break;
    case TZug::Verschieben:
      s.mathe5b->Verschiebe(1, 4, false, 1, 2);
      break;
    case TZug::Tauschen:
      s.schule->TauscheStunden(1, 2, 1, 4);
      break;
  }
  ASSERT_NE(s.mathe5b->FindeSetzung(1, 1, 4), nullptr);
}

TEST_F(VertretungLoeschen, StundeInEineAbwesenheitBekommtIhreVertretungUndLast) {
  struct Fall {
    TZug zug;
    int fehlt;  // 0 teacher MUE, 1 class 5b, 4 room R102
  };
  for (const Fall fall : {Fall{TZug::Setzen, 0}, Fall{TZug::Verschieben, 0}, Fall{TZug::Tauschen, 0},
                          Fall{TZug::Setzen, 1}, Fall{TZug::Verschieben, 1}, Fall{TZug::Tauschen, 1},
                          Fall{TZug::Setzen, 4}, Fall{TZug::Verschieben, 4}, Fall{TZug::Tauschen, 4}}) {
    SCOPED_TRACE(std::to_string(static_cast<int>(fall.zug)) + "/" + std::to_string(fall.fehlt));
    SetUp();
    TPlanElement* e = fall.fehlt == 0   ? static_cast<TPlanElement*>(s->mue)
                      : fall.fehlt == 1 ? static_cast<TPlanElement*>(s->k5b)
                                        : s->r102;
    Fehlt(e, kMontag, 4);
    Fehlt(e, kMontag - 7, 4);  // last week: needs no cover any more
    Ziehe(*s, fall.zug);
    const auto vertr = VertretungenVon(s->mathe5b, kMontag);
    if (fall.fehlt == 1) {
      // The class is away: no cover needed, and its teacher is charged for both Mondays.
      EXPECT_TRUE(vertr.empty());
      EXPECT_EQ(s->mue->VStd1(), -6);
    } else {
      ASSERT_EQ(vertr.size(), 1u);
      EXPECT_EQ(vertr[0]->Art(), fall.fehlt == 0 ? VertrArt::Lehrer : VertrArt::Raum);
      EXPECT_TRUE(vertr[0]->Noetig());
    }
    EXPECT_TRUE(VertretungenVon(s->mathe5b, kMontag - 7).empty());
    s->mathe5b->SetFaktor(5);  // the charges follow the new factor
    Fehlt(e, kMontag, 4, false);
    Fehlt(e, kMontag - 7, 4, false);
    EXPECT_TRUE(Schule().Vertretungen().Leer());
    for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, std::make_pair(0, 0)) << kuerzel;
    ErwarteGesund();
  }
}

TEST_F(VertretungLoeschen, GegebeneVertretungBehaeltIhrenWertWennIhreStundeGeht) {
  for (const TZug zug : {TZug::Setzen, TZug::Verschieben, TZug::Tauschen})
    for (const int32_t datum : {kMontag - 7, kMontag}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(zug)) + "/" + std::to_string(datum - kMontag));
      SetUp();
      TVertretung* r = FehltFuer(s->mue, datum, 2, s->mathe5b);
      ASSERT_TRUE(r && r->SetzeVertreter(s->ber));
      ASSERT_EQ(s->ber->VStd1(), 3);
      Ziehe(*s, zug);
      EXPECT_TRUE(VertretungenVon(s->mathe5b, datum).empty());
      // Last week's hour was given; today's is not any more.
      EXPECT_EQ(s->ber->VStd1(), datum < kMontag ? 3 : 0);
      EXPECT_EQ(s->ber->VStd2(), s->ber->VStd1());
    }
}

TEST_F(VertretungLoeschen, KalenderAenderungLoeschtWasNichtMehrPasst) {
  Schule().ErweiterePlanversionen(2);
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->mue, kDienstag, 2);
  Fehlt(s->mue, kMontag + 7, 2);
  TVertretung* dienstag = EineVertretung(s->deutsch5a, kDienstag);
  ASSERT_TRUE(dienstag && dienstag->SetzeVertreter(s->sch));
  EXPECT_EQ(s->sch->VStd1(), 2);
  EntferneUnpassendeVertretungen(Schule());
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 3);

  // Tuesday becomes free, and the next week gets version 2.
  TWochenTabelle frei = s->standard.FreieTage;
  frei[static_cast<std::size_t>(WochenIndex(kDienstag))] = 1 << 1;
  s->standard.SetFreieTage(frei);
  Schule().SetzeWochenVersion(WochenIndex(kMontag + 7) + 1, 2);
  EntferneUnpassendeVertretungen(Schule());
  ASSERT_EQ(Schule().Vertretungen().Anzahl(), 1);
  EXPECT_EQ(Schule().Vertretungen().Hole(1)->Datum(), kMontag);
  EXPECT_EQ(s->sch->VStd1(), 0);  // the deletion took the substitute's value back
  s->standard.mtn = 5;
  EntferneUnpassendeVertretungen(Schule());
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 1);
}

TEST_F(VertretungLoeschen, TageslisteNurBeiIhremDatum) {
  TFakeTagesliste liste(Schule(), kDienstag);
  liste.Anmelden();
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->mue, kDienstag, 2);
  const int vorher = liste.aktualisiert;
  TVertretung::Vernichte(EineVertretung(s->deutsch5a, kMontag));
  EXPECT_EQ(liste.aktualisiert, vorher);
  TVertretung::Vernichte(EineVertretung(s->deutsch5a, kDienstag));
  EXPECT_EQ(liste.aktualisiert, vorher + 1);
  liste.Schliesse();
}

}  // namespace
}  // namespace kolvar
