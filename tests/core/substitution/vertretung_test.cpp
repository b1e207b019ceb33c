// The substitution record: choices and their accounts, follow-ups and remarks, the four orders,
// expiry and deletion.

#include <algorithm>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "model/imenue.h"
#include "model/statt.h"
#include "support/generator.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using Vertretung = VertretungsTest;

TEST_F(Vertretung, WahlUndNeuwahlVerschiebenDenWert) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r);

  // BER has no lesson on Monday: asked, and "Nein" changes nothing.
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(r->SetzeVertreter(s->ber));
  ASSERT_EQ(s->dialoge.anfragen.size(), 1u);
  EXPECT_EQ(s->dialoge.anfragen[0].Art, TDialog::LehrerFehlt);
  EXPECT_EQ(s->dialoge.anfragen[0].Texte,
            (std::vector<std::string>{"Lehrer BER hat diesen Tag frei.", "Trotzdem einsetzen?"}));
  EXPECT_EQ(r->Vertreter(), nullptr);
  EXPECT_EQ(s->ber->VStd1(), 0);

  ASSERT_TRUE(r->SetzeVertreter(s->ber));
  EXPECT_EQ(r->Vertreter(), s->ber);
  EXPECT_TRUE(r->Anrechnen());
  EXPECT_EQ(s->ber->VStd1(), 2);
  EXPECT_EQ(s->ber->VStd2(), 2);

  // SCH is free in period 1 and teaches that day: no question.
  s->dialoge.anfragen.clear();
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  EXPECT_EQ(s->ber->VStd1(), 0);
  EXPECT_EQ(s->sch->VStd1(), 2);
  EXPECT_TRUE(r->SetzeVertreter(s->sch));  // the same again changes nothing
  EXPECT_EQ(s->sch->VStd1(), 2);

  // An absent substitute is set only on "Ja" and never counts.
  Fehlt(s->ber, kMontag, 1);
  ASSERT_TRUE(r->SetzeVertreter(s->ber));
  EXPECT_EQ(s->dialoge.anfragen.back().Texte[0], "Lehrer BER fehlt.");
  EXPECT_FALSE(r->Anrechnen());
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_EQ(s->ber->VStd1(), 0);

  // A substitute already busy substituting then, and a locked one.
  TVertretung* r2 = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r2);
  s->sch->Sperrung().SetzeBereich(1, 1, 2, true);
  s->dialoge.anfragen.clear();
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(r2->SetzeVertreter(s->sch));
  EXPECT_EQ(s->dialoge.anfragen.back().Texte[0], "Lehrer SCH ist gesperrt.");
}

TEST_F(Vertretung, VertreterMitEigenerStundeErzeugtDieFolgevertretungNurMitKlassen) {
  // MUE absent in period 2 (Ma 5b, R102); SCH teaches Ma 5a in R101 then.
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r && r->SetzeVertreter(s->sch));
  TVertretung* f = r->Statt();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->VerlegtAuf(), r);
  EXPECT_EQ(f->Kurs(), s->mathe5a);
  EXPECT_EQ(f->Datum(), kMontag);
  EXPECT_EQ(f->Art(), VertrArt::Lehrer);
  EXPECT_TRUE(f->Noetig());
  EXPECT_EQ(f->Ersatzraum(), s->r101);
  EXPECT_FALSE(r->Anrechnen());  // he was teaching then anyway
  EXPECT_EQ(s->sch->VStd1(), 0);
  // Same date and period: only the lesson is named.
  EXPECT_EQ(r->LehrerBem(), "statt  SCH Ma 5a R101");
  EXPECT_EQ(r->SchuelerBem(), r->LehrerBem());
  EXPECT_EQ(f->LehrerBem(), "verlegt auf  MUE Ma 5b R102");
  EXPECT_EQ(VertrZeitText(*r, false), "Mo, 2. Mrz  2.");
  EXPECT_EQ(VertrKursText(*r, false), "MUE Ma 5b R102");
  EXPECT_TRUE(s->mathe5a->FindeSetzung(1, 1, 2)->FaelltAus(kMontag));

  // The follow-up gets a substitute of its own; choosing another for r frees it with his value.
  ASSERT_TRUE(f->SetzeVertreter(s->ber));
  EXPECT_EQ(s->ber->VStd1(), 5);
  ASSERT_TRUE(r->SetzeVertreter(s->ber));  // BER has no lesson then: counted, no follow-up
  EXPECT_EQ(r->Statt(), nullptr);
  EXPECT_EQ(VertretungenVon(s->mathe5a, kMontag).size(), 0u);
  EXPECT_EQ(s->ber->VStd1(), 3);
  EXPECT_EQ(r->LehrerBem(), "");
  ErwarteGesund();

  // Taking MUE back frees r; its substitute loses the value.
  Fehlt(s->mue, kMontag, 2, false);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_EQ(s->ber->VStd1(), 0);

  // His own lesson without its classes: the substitution counts.
  Fehlt(s->k5a, kMontag, 2);  // SCH's Ma 5a in period 2 drops: SCH -5
  r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r && r->SetzeVertreter(s->sch));
  ASSERT_TRUE(r->Statt());
  EXPECT_FALSE(r->Statt()->Noetig());
  EXPECT_TRUE(r->Anrechnen());
  EXPECT_EQ(s->sch->VStd1(), -5 + 3);
  Fehlt(s->mue, kMontag, 2, false);
  Fehlt(s->k5a, kMontag, 2, false);
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
}

TEST_F(Vertretung, StattOptionAnEinemAnderenTag) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r && r->SetzeVertreter(s->ber));
  EXPECT_EQ(s->ber->VStd1(), 2);

  // SCH's lessons of only 5a at an edge of 5a's day: Ma 5a on Monday period 3 (last) and
  // Tuesday period 3 (last); Monday period 2 is neither first nor last.
  TMenueDaten menue;
  r->BildeStattListe(s->sch, menue);
  ASSERT_EQ(menue.Anzahl(), 8);
  ASSERT_EQ(r->StattOptionen().Anzahl(), 8);
  // Monday period 3: today is substituted? No, only period 1 is: today counts, then a week back.
  EXPECT_EQ(menue[0].Text, "Mo, 2. Mrz  3.");
  EXPECT_EQ(menue[1].Text, "Mo, 23. Feb  3.");
  EXPECT_EQ(menue[2].Text, "Mo, 9. Mrz  3.");
  EXPECT_EQ(menue[3].Text, "Mo, 16. Mrz  3.");
  EXPECT_EQ(menue[4].Text, "Di, 24. Feb  3.");
  EXPECT_EQ(menue[6].Text, "Di, 3. Mrz  3.");
  EXPECT_TRUE(menue[0].Aktiv);  // SCH is free in period 1

  menue[6].Aktion();  // instead of his Tuesday lesson
  EXPECT_EQ(r->Vertreter(), s->sch);
  EXPECT_EQ(s->ber->VStd1(), 0);
  EXPECT_EQ(s->sch->VStd1(), 0);  // given instead of his own: not counted
  TVertretung* f = r->Statt();
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Datum(), kDienstag);
  EXPECT_EQ(f->Kurs(), s->mathe5a);
  EXPECT_EQ(f->VerlegtAuf(), r);
  EXPECT_EQ(f->Vertreter(), nullptr);
  // Same class, other date: the date and the period are named, the lesson is not.
  EXPECT_EQ(r->LehrerBem(), "statt Di, 3. Mrz  3. ");
  EXPECT_EQ(f->LehrerBem(), "verlegt auf Mo, 2. Mrz  1. ");
  EXPECT_TRUE(s->mathe5a->FindeSetzung(1, 2, 3)->FaelltAus(kDienstag));
  ErwarteGesund();

  // A new list drops the old options; the school frees them with the record.
  r->BildeStattListe(s->sch, menue);
  ASSERT_EQ(menue.Anzahl(), 8);
  EXPECT_EQ(menue[6].Text, "Di, 10. Mrz  3.");  // Tuesday 3 March is taken now
  TMenueDaten wieAm;
  f->BaueWieAmMenu(wieAm);
  EXPECT_EQ(wieAm.Anzahl(), 0);
}

TEST_F(Vertretung, FreiAnrechnenUndLoeschenGebenDenWertZurueck) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r && r->SetzeVertreter(s->sch));  // with a follow-up, not counted
  r->AendereAnrechnen(true);
  EXPECT_EQ(s->sch->VStd1(), 3);
  r->MacheFrei();
  EXPECT_TRUE(r->Frei());
  EXPECT_EQ(r->Vertreter(), nullptr);
  EXPECT_EQ(r->Ersatzraum(), nullptr);
  EXPECT_EQ(r->Statt(), nullptr);
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_EQ(r->LehrerBem(), "frei");
  ASSERT_TRUE(r->SetzeVertreter(s->ber));
  EXPECT_FALSE(r->Frei());
  EXPECT_EQ(s->ber->VStd1(), 3);
  r->AendereAnrechnen(false);
  EXPECT_EQ(s->ber->VStd1(), 0);
  r->AendereAnrechnen(true);
  EXPECT_EQ(s->ber->VStd1(), 3);
  r->LoescheVertreter();
  EXPECT_EQ(r->Vertreter(), nullptr);
  EXPECT_FALSE(r->Anrechnen());
  EXPECT_EQ(s->ber->VStd1(), 0);

  // Deleting the record gives the values back and takes the follow-up with it.
  r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r && r->SetzeVertreter(s->sch));
  r->AendereAnrechnen(true);
  ASSERT_TRUE(r->Statt()->SetzeVertreter(s->ber));
  EXPECT_EQ(s->sch->VStd1(), 3);
  EXPECT_EQ(s->ber->VStd1(), 5);
  TFakeTagesliste liste(Schule(), kMontag);
  liste.Anmelden();
  Schule().SetzeGeaendert(false);
  TVertretung::Loesche(r);
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_EQ(s->sch->VStd1(), 0);
  EXPECT_EQ(s->ber->VStd1(), 0);
  EXPECT_GE(liste.aktualisiert, 1);
  EXPECT_TRUE(Schule().Geaendert());
  // MUE is still absent; taking it back now changes nothing else.
  Fehlt(s->mue, kMontag, 2, false);
  for (const auto& [kuerzel, konto] : Konten()) EXPECT_EQ(konto, std::make_pair(0, 0)) << kuerzel;
}

// The record's edits from its choice window tell that window themselves: the window only asks.
TEST_F(Vertretung, AnrechnenAndARoomFromTheMenuRefreshTheBoundChoiceWindow) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r && r->SetzeVertreter(s->sch));
  TFakeWahlFenster wahl(Schule(), r);
  const std::vector<std::pair<const char*, std::function<void()>>> aenderungen{
      {"Anrechnen an", [&] { r->AendereAnrechnen(true); }},
      {"Anrechnen aus", [&] { r->AendereAnrechnen(false); }},
      {"Raum", [&] { r->RaumMenuClick(s->th); }},
  };
  for (const auto& [name, aendere] : aenderungen) {
    Schule().SetzeGeaendert(false);
    wahl.aktualisiert = 0;
    {
      TSchule::TAktion aktion(Schule());
      aendere();
    }
    EXPECT_TRUE(Schule().Geaendert()) << name;
    EXPECT_EQ(wahl.aktualisiert, 1) << name;
  }
  EXPECT_EQ(r->Ersatzraum(), s->th);
  // Unchanged, nothing is told.
  wahl.aktualisiert = 0;
  r->RaumMenuClick(s->th);
  r->AendereAnrechnen(false);
  EXPECT_EQ(wahl.aktualisiert, 0);
  wahl.Schliesse();
}

TEST_F(Vertretung, BemerkungMitRaumUndFreiWirdAuf61Gekuerzt) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r);
  r->RaumMenuClick(s->th);
  EXPECT_EQ(r->LehrerBem(), "in Raum TH ");
  ASSERT_TRUE(r->SetzeVertreter(s->sch));
  EXPECT_EQ(r->LehrerBem(), "in Raum TH | statt  SCH Ma 5a R101 ");
  r->SetLehrerBem(std::string(70, 'x'));
  EXPECT_EQ(r->LehrerBem(), std::string(61, 'x'));
  r->SetSchuelerBem(std::string(30, 'x') + std::string(20, 'a') + "äöüßÄÖÜ€abcdefghijkl");
  EXPECT_EQ(TextLaenge(r->SchuelerBem()), 61);

  // A remark built longer than 61 characters is cut.
  TLehrer* lang = Schule().NeuerLehrer("LANGKUE");
  TKlasse* kl = Schule().NeueKlasse("KLASSEX");
  TFach* fa = Schule().NeuesFach("FACHXYZ");
  TRaum* ra = Schule().NeuerRaum("RAUMXYZ");
  TKurs* k = Schule().ErzeugeKurs(lang, kl, nullptr, fa, ra, 2);
  ASSERT_TRUE(k->Setze(1, 1, ra, 2));
  TLehrer* l2 = Schule().NeuerLehrer("LEHRERZ");
  TKlasse* kl2 = Schule().NeueKlasse("KLASSEY");
  TKurs* k2 = Schule().ErzeugeKurs(l2, kl2, nullptr, fa, ra, 2);
  ASSERT_TRUE(k2->Setze(1, 1, nullptr, 2));
  TVertretung* r2 = FehltFuer(l2, kMontag, 2, k2);
  ASSERT_TRUE(r2);
  s->standard.sp[0][1] = "2. Stunde lang";
  r2->RaumMenuClick(s->r102);
  TStatt option;  // his lesson of next Monday
  option.SetzeLehrer(lang);
  option.SetzeKurs(k);
  option.SetzeSetzung(k->FindeSetzung(1, 1, 2));
  option.SetzeDatum(kMontag + 7);
  ASSERT_TRUE(r2->SetzeVertreter(lang, &option));
  EXPECT_EQ(r2->LehrerBem(), "in Raum R102 | statt Mo, 9. Mrz  2. Stunde lang LANGKUE FACHX");
  EXPECT_EQ(TextLaenge(r2->LehrerBem()), 61);
  ASSERT_TRUE(r2->Statt());
  r2->Statt()->SetFrei(true);
  r2->Statt()->BildeBemerkung();
  EXPECT_EQ(r2->Statt()->LehrerBem(), "frei | verlegt auf Mo, 2. Mrz  2. Stunde lang LEHRERZ FACHXYZ");
  EXPECT_EQ(TextLaenge(r2->Statt()->LehrerBem()), 61);
}

TEST_F(Vertretung, DieVierOrdnungen) {
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->sch, kMontag, 3);
  Fehlt(s->mue, kMontag, 2);
  Fehlt(s->r101, kMontag, 3);
  Fehlt(s->sch, kDienstag, 3);
  Fehlt(s->ber, kMontag - 7, 1);  // nothing on Monday for BER: no record
  auto reihe = [&] {
    std::vector<std::string> r;
    for (const TVertretung* v : Schule().Vertretungen())
      r.push_back(std::to_string(v->Datum() - kMontag) + "/" + std::to_string(v->Art()) + "/" +
                  v->Kurs()->KurzText() + "/" + std::to_string(v->Stunde()));
    return r;
  };
  // "vsa" 0 (classes) was used while inserting.
  EXPECT_EQ(reihe(), (std::vector<std::string>{"0/0/MUE De 5a/1", "0/0/SCH Ma 5a/3", "0/0/MUE Ma 5b/2",
                                               "0/4/SCH Ma 5a/3", "1/0/SCH Ma 5a/3"}));
  s->standard.vsa = 3;
  SortiereVertretungen(Schule());
  EXPECT_EQ(reihe(), (std::vector<std::string>{"0/0/MUE De 5a/1", "0/0/MUE Ma 5b/2", "0/0/SCH Ma 5a/3",
                                               "0/4/SCH Ma 5a/3", "1/0/SCH Ma 5a/3"}));
  s->standard.vsa = 1;
  SortiereVertretungen(Schule());
  EXPECT_EQ(reihe()[0], "0/0/MUE De 5a/1");
  EXPECT_EQ(reihe()[2], "0/0/SCH Ma 5a/3");

  // Order 2: without substitute first, not "frei" before "frei", then by substitute.
  s->standard.vsa = 2;
  TVertretung* de = EineVertretung(s->deutsch5a, kMontag);
  TVertretung* ma5b = EineVertretung(s->mathe5b, kMontag);
  ASSERT_TRUE(de && ma5b);
  ASSERT_TRUE(de->SetzeVertreter(s->ber));
  ma5b->MacheFrei();
  SortiereVertretungen(Schule());
  EXPECT_EQ(reihe(), (std::vector<std::string>{"0/0/SCH Ma 5a/3", "0/0/MUE Ma 5b/2", "0/0/MUE De 5a/1",
                                               "0/4/SCH Ma 5a/3", "1/0/SCH Ma 5a/3"}));

  // Every order is strict (records alike on every key, here two without substitute and not
  // "frei", keep the order they were made in), so sorting again changes nothing; never a later
  // date or kind first.
  Fehlt(s->ber, kMittwoch, 5);
  Fehlt(s->sch, kMittwoch, 5);
  for (int vsa = 0; vsa <= 3; ++vsa) {
    s->standard.vsa = vsa;
    SortiereVertretungen(Schule());
    const auto einmal = reihe();
    SortiereVertretungen(Schule());
    EXPECT_EQ(reihe(), einmal) << vsa;
    const TVertrVergleich vergleiche = VertrVergleich(vsa);
    for (const TVertretung* a : Schule().Vertretungen())
      for (const TVertretung* b : Schule().Vertretungen()) {
        EXPECT_EQ(vergleiche(a, b), -vergleiche(b, a));
        EXPECT_EQ(vergleiche(a, b) == 0, a == b);
        // The numeric keys the large lists are sorted by order every pair alike.
        const TVertrSchluessel ka = VertrSchluessel(a, vsa), kb = VertrSchluessel(b, vsa);
        EXPECT_EQ(vergleiche(a, b), ka < kb ? -1 : (kb < ka ? 1 : 0)) << vsa;
        if (a->Datum() < b->Datum() || (a->Datum() == b->Datum() && a->Art() < b->Art())) {
          EXPECT_EQ(vergleiche(a, b), -1);
        }
      }
  }
  EXPECT_EQ(VertrVergleich(7), VergleicheVertrNachKlassen);
}

TEST_F(Vertretung, VerfallBeimLadenLaesstDieKontenStehen) {
  s->standard.vtm = 7;
  Fehlt(s->k5a, kMontag - 7, 1);
  Fehlt(s->mue, kMontag - 7, 1);  // not needed, holds MUE's give-back
  Fehlt(s->mue, kMontag - 14, 2);
  Fehlt(s->mue, kMontag, 2);
  TVertretung* alt = EineVertretung(s->mathe5b, kMontag - 14);
  ASSERT_TRUE(alt && alt->SetzeVertreter(s->ber));
  ASSERT_TRUE(alt->SetzeVertreter(s->ber, nullptr));
  TVertretung* woche = EineVertretung(s->deutsch5a, kMontag - 7);
  ASSERT_TRUE(woche);
  EXPECT_FALSE(woche->Noetig());
  EXPECT_TRUE(woche->Anrechnen());
  const auto konten = Konten();
  ASSERT_EQ(Schule().Vertretungen().Anzahl(), 3);
  EXPECT_TRUE(alt->IstVeraltet(kMontag));
  EXPECT_FALSE(woche->IstVeraltet(kMontag - 1));  // one day short of "vtm" days old: kept
  EXPECT_TRUE(woche->IstVeraltet(kMontag));       // exactly "vtm" days old: outdated
  s->uhr.jetzt -= 86400;
  EntferneVeralteteVertretungen(Schule());
  EXPECT_EQ(Schule().Vertretungen().Anzahl(), 2);
  s->uhr.jetzt += 86400;  // a day later it expires too
  EntferneVeralteteVertretungen(Schule());
  ASSERT_EQ(Schule().Vertretungen().Anzahl(), 1);
  EXPECT_EQ(Schule().Vertretungen().Hole(1)->Datum(), kMontag);
  EXPECT_EQ(Konten(), konten);
}

TEST_F(Vertretung, ErsatzraumDesEigenenFehlendenRaumsSchreibtNichtInFreigegebenes) {
  TVertretung* r = FehltFuer(s->r101, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(r);
  TFakeWahlFenster fenster(Schule(), r);
  s->dialoge.Antworte(Modal::Ja);
  EXPECT_FALSE(r->SetzeErsatzraum(s->r101));  // r itself goes with the room's absence
  EXPECT_EQ(s->dialoge.anfragen.back().Texte[0], "Raum R101 ist nicht verfügbar.");
  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_TRUE(fenster.geschlossen);
  EXPECT_FALSE(s->r101->FehltAm(kMontag, 1));  // absences and records agree
  EXPECT_TRUE(Schule().RaumFehlen().Leer());
}

TEST_F(Vertretung, ErsatzraumNurEinmalJeStunde) {
  Fehlt(s->mue, kMontag, 1);
  Fehlt(s->r101, kMontag, 3);
  TVertretung* de = EineVertretung(s->deutsch5a, kMontag);
  ASSERT_TRUE(de && de->SetzeErsatzraum(s->r102));
  TVertretung* x = EineVertretung(s->mathe5a, kMontag);
  ASSERT_TRUE(x);
  // R102 in period 3: free; another record of period 1 using it loses nothing.
  ASSERT_TRUE(x->SetzeErsatzraum(s->r102));
  EXPECT_EQ(de->Ersatzraum(), s->r102);
  // In the same period the room moves.
  Fehlt(s->sch, kMontag, 1);  // SCH has no lesson then: no record
  TVertretung* y = FehltFuer(s->r102, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(y && y->SetzeErsatzraum(s->th));
  Fehlt(s->mue, kMontag, 2);
  TVertretung* z = nullptr;
  for (TVertretung* v : VertretungenVon(s->mathe5b, kMontag))
    if (v->Art() == VertrArt::Lehrer) z = v;
  ASSERT_TRUE(z);
  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(z->SetzeErsatzraum(s->th));
  EXPECT_EQ(s->dialoge.anfragen.back().Texte[0], "Raum TH ist schon eingesetzt.");
  EXPECT_EQ(y->Ersatzraum(), s->th);
  ASSERT_TRUE(z->SetzeErsatzraum(s->th));
  EXPECT_EQ(y->Ersatzraum(), nullptr);
  EXPECT_EQ(z->Ersatzraum(), s->th);
}

TEST_F(Vertretung, RaumMenueUndWieAmInSpaltenJe16) {
  TVertretung* r = FehltFuer(s->mue, kMontag, 2, s->mathe5b);
  ASSERT_TRUE(r);
  s->th->Sperrung().SetzeBereich(1, 1, 2, true);
  TMenueDaten menue;
  r->BaueRaumMenu(menue);
  // R101 holds Ma 5a then; R102 is the lesson's own room; TH is locked.
  ASSERT_EQ(menue.Anzahl(), 1);
  EXPECT_EQ(menue[0].Text, "R102");
  Fehlt(s->k5a, kMontag, 2);  // Ma 5a drops: R101 is free
  r->BaueRaumMenu(menue);
  ASSERT_EQ(menue.Anzahl(), 2);
  EXPECT_EQ(menue[0].Text, "R101");
  menue[0].Aktion();
  EXPECT_EQ(r->Ersatzraum(), s->r101);
  EXPECT_EQ(r->LehrerBem(), "in Raum R101 ");

  // "Wie am": the substitute of the same hour on another date.
  TVertretung* spaeter = FehltFuer(s->mue, kMontag + 7, 2, s->mathe5b);
  ASSERT_TRUE(spaeter && spaeter->SetzeVertreter(s->ber));
  r->BaueWieAmMenu(menue);
  ASSERT_EQ(menue.Anzahl(), 1);
  EXPECT_EQ(menue[0].Text, "Mo, 9. Mrz  2. BER");
  menue[0].Aktion();
  EXPECT_EQ(r->Vertreter(), s->ber);

  r->SetSchuelerBem("Heft mitbringen");
  r->BaueBemMenu(menue);
  ASSERT_EQ(menue.Anzahl(), 2);
  EXPECT_EQ(menue[1].Text, "Heft mitbringen");

  // Many rooms: columns of 16.
  for (int i = 0; i < 40; ++i) Schule().NeuerRaum("X" + std::to_string(i));
  TVertretung* de = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
  ASSERT_TRUE(de);
  de->BaueRaumMenu(menue);
  ASSERT_EQ(menue.Anzahl(), 43);  // R101 holds the lesson itself, so it stays offered
  int spalten = 0;
  for (int i = 0; i < menue.Anzahl(); ++i)
    if (menue[i].NeueSpalte) {
      EXPECT_EQ(i % 16, 0);
      ++spalten;
    }
  EXPECT_EQ(spalten, 2);
}

// On a generated school's records (substitutes, free hours, room records, follow-ups): the keys
// order every pair of records as the comparator of each "vsa" does, and sorting by them gives
// the list that sorting by the comparator gives.
TEST(VertretungsSchluessel, WieDerVergleich) {
  TStandard standard;
  auto schule = ErzeugeSchule(standard, Profil::Typisch, 11);
  const std::vector<TVertretung*> alle = schule->Vertretungen().Elemente();
  ASSERT_GT(alle.size(), 1000u);
  std::mt19937 zufall(7);
  for (int vsa = 0; vsa <= 3; ++vsa) {
    const TVertrVergleich vergleiche = VertrVergleich(vsa);
    for (int i = 0; i < 20000; ++i) {
      const TVertretung* a = alle[zufall() % alle.size()];
      // Often a neighbour: records of one date and kind differ only in the later keys.
      const std::size_t j = zufall() % alle.size();
      const TVertretung* b = zufall() % 2 ? alle[j] : alle[std::min(j + 1, alle.size() - 1)];
      const TVertrSchluessel ka = VertrSchluessel(a, vsa), kb = VertrSchluessel(b, vsa);
      ASSERT_EQ(vergleiche(a, b), ka < kb ? -1 : (kb < ka ? 1 : 0)) << vsa;
    }
    std::vector<TVertretung*> mitSchluessel = alle, mitVergleich = alle;
    SortiereNachSchluessel(mitSchluessel, vsa);
    std::stable_sort(
        mitVergleich.begin(), mitVergleich.end(),
        [vergleiche](const TVertretung* a, const TVertretung* b) { return vergleiche(a, b) < 0; });
    EXPECT_EQ(mitSchluessel, mitVergleich) << vsa;
  }
}

}  // namespace
}  // namespace kolvar
