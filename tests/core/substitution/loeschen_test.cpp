// Deleting teachers, classes, rooms, courses and placements lets every substitution record and
// "statt" option go of them, and takes the deleted element's absences back first.

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

TEST_F(VertretungLoeschen, AbwesendeKlasseUndEntfernteStunde) {
  Fehlt(s->k5b, kMontag, 2);  // MUE's Ma 5b drops: MUE -3
  EXPECT_EQ(s->mue->VStd1(), -3);
  s->mathe5b->EntferneSetzung(s->mathe5b->FindeSetzung(1, 1, 2));
  EXPECT_EQ(s->mue->VStd1(), 0);  // the lesson is gone, so is its charge
  Fehlt(s->k5b, kMontag, 2, false);
  EXPECT_EQ(s->mue->VStd1(), 0);
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
