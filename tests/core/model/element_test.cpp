// Elements: hour sums, day patterns, targets, teacher-subject links, menus, refreshes.

#include <gtest/gtest.h>

#include "model/fehl.h"
#include "model/imenue.h"
#include "model/setzung.h"
#include "modelltest.h"

namespace kolvar {
namespace {

using Element = ModellTest;

TEST_F(Element, IstStundenMitKopplungUndNichtGezaehlten) {
  TLehrer* l = Sch().NeuerLehrer("KOP");
  TKopplung* ko = Sch().NeueKopplung("K1");
  TKurs* a = Sch().ErzeugeKurs(l, s->k6a, ko, s->de, nullptr, 4);
  TKurs* b = Sch().ErzeugeKurs(l, s->k6a, ko, s->ma, nullptr, 6);
  EXPECT_EQ(l->IstEinfach(1, false, Seite::Lehrer), 6);
  EXPECT_EQ(l->IstEinfach(1, true, Seite::Lehrer), 10);
  // Weighted: the biggest weighted member's hours times the factor of the first course met.
  a->SetFaktor(2);
  b->SetFaktor(1);
  ASSERT_EQ(l->Kurse().Hole(1), a);
  EXPECT_EQ(ko->GroessterKurs(1, true), a);  // 8 against 6
  EXPECT_EQ(l->IstGewichtet(1, false, Seite::Lehrer), 4 * 2);
  EXPECT_EQ(l->IstGewichtet(1, true, Seite::Lehrer), 4 * 2 + 6);
  // A tie: the first member counts.
  b->SetzeStunden(1, 4);
  b->SetFaktor(2);
  EXPECT_EQ(ko->GroessterKurs(1, true), ko->Kurse().Hole(1));
  EXPECT_EQ(TKopplung(Sch()).GroessterKurs(1, false), nullptr);
  EXPECT_EQ(l->IstEinfach(1, false, 2), 0);  // an unknown side takes nothing

  // Courses not counted for one side.
  s->mathe5b->SetzeNichtZaehlenLehrer(true);
  EXPECT_EQ(s->mue->IstEinfach(1, false, Seite::Lehrer), 4);
  EXPECT_EQ(s->k5b->IstEinfach(1, true, Seite::Klasse), 3 + 2 + 2);
  EXPECT_EQ(s->mue->IstEinfach(1, false, Seite::Alle), 7);
  s->mathe5b->SetzeNichtZaehlenKlassen(true);
  EXPECT_EQ(s->mue->IstEinfach(1, false, Seite::Alle), 4);
  EXPECT_EQ(s->k5b->IstEinfach(1, true, Seite::Klasse), 4);
  EXPECT_EQ(s->mue->NichtGezaehlteStunden(1, Seite::Lehrer), 3);
  EXPECT_TRUE(s->mue->HatNichtGezaehlteKurse());
  EXPECT_FALSE(s->sch->HatNichtGezaehlteKurse());
  s->deutsch5a->SetzeNichtVerplanen(true);
  EXPECT_EQ(s->mue->NichtVerplanteStunden(1), 4);
  EXPECT_EQ(s->k5a->StundenMitLehrer(1), 4 + 4 + 2 + 2);
}

TEST_F(Element, TagesmusterUndSpringstunden) {
  s->standard.pst = 16;
  TKurs* k = s->schule->ErzeugeKurs(s->ber, nullptr, nullptr, s->ma, nullptr, 5);
  k->Setze(1, 2, nullptr, 2);
  k->Setze(1, 2, nullptr, 5);
  s->ber->Sperrung().SetzeBereich(1, 2, 4, true);
  EXPECT_EQ(s->ber->Tagesmuster(1, 2), "FEUSEFFFFFFFFFFF");
  EXPECT_EQ(s->ber->Springstunden(), 1);
  // Placed but locked shows S; a coupled fixed hour L; a single hour has no gap.
  s->sportBer->Setze(1, 4, nullptr, 3)->SetFixiert(true);
  s->ber->Sperrung().SetzeBereich(1, 4, 7, true);
  k->Setze(1, 4, nullptr, 7);
  EXPECT_EQ(s->ber->Tagesmuster(1, 4), "FFLFFFSFFFFFFFFF");
  k->Setze(1, 4, nullptr, 6);
  EXPECT_EQ(s->ber->Tagesmuster(1, 4), "FFLUUESFFFFFFFFF");
  EXPECT_EQ(s->ber->Tagesmuster(1, 5), std::string(16, 'F'));
  s->standard.pst = 5;  // periods beyond the shown ones are never gaps
  EXPECT_EQ(s->ber->Tagesmuster(1, 2), "FEUSEFFFFFFFFFFF");
  EXPECT_EQ(s->ber->Tagesmuster(1, 4), "FFLFFESFFFFFFFFF");
}

TEST_F(Element, SollGrenzenUndVersionen) {
  s = BaueKleineSchule(3);
  s->standard.dvs = 4;
  s->mue->SetzeSoll(1, -5);
  EXPECT_EQ(s->mue->Soll(1), 0);
  s->mue->SetzeSoll(1, 100000);
  EXPECT_EQ(s->mue->Soll(1), 800);
  s->standard.SetNurAktuelleVersion(false);
  s->mue->UebernimmSoll(12);
  EXPECT_EQ(s->mue->Soll(0), 36);
  s->standard.SetNurAktuelleVersion(true);
  s->standard.SetAktuelleVersion(2);
  s->mue->UebernimmSoll(20);
  EXPECT_EQ(s->mue->Soll(0), 44);
  TFakeStatFenster stat(Sch(), FensterArt::LeStat);
  stat.Anmelden();
  TFakeFenster editor(Sch(), FensterArt::LeGr, s->sch);
  editor.Anmelden();
  s->sch->AendereSoll(-4);
  EXPECT_EQ(s->sch->Soll(2), s->standard.les - 4);
  EXPECT_EQ(s->sch->Soll(1), s->standard.les);
  EXPECT_EQ(stat.zeilen, std::vector<int>{2});
  EXPECT_EQ(editor.werteGezeigt, 1);
}

TEST_F(Element, FachEntfernenNurOhneStunden) {
  for (bool eaw : {true, false}) {
    s = BaueKleineSchule(3);
    s->standard.SetNurAktuelleVersion(eaw);
    // Only version 3 still has hours of MUE in Ma.
    s->standard.SetNurAktuelleVersion(false);
    s->mathe5b->SetzeStunden(0, 0);
    s->mathe5b->SetzeStunden(3, 2);
    s->standard.SetNurAktuelleVersion(eaw);
    EXPECT_FALSE(s->mue->EntferneFach(s->ma));
    EXPECT_EQ(s->dialoge.Anzahl(TDialog::FachEntfernen), 1);
    EXPECT_EQ(s->dialoge.anfragen[0].Texte[0], "Erst müssen die zugehörigen Kurse gelöscht werden!");
    EXPECT_NE(s->mue->Faecher().Position(s->ma), 0);
    EXPECT_EQ(s->standard.eaw(), eaw);
    s->mathe5b->SetzeStunden(3, 0);
    EXPECT_TRUE(s->mue->EntferneFach(s->ma));
    EXPECT_EQ(s->ma->Lehrer().Position(s->mue), 0);
    EXPECT_TRUE(PruefeModell(Sch()).empty());
  }
}

TEST_F(Element, LehrerUndFachBeidseitig) {
  s->ma->FuegeLehrerHinzu(s->ber);
  EXPECT_NE(s->ber->Faecher().Position(s->ma), 0);
  s->ma->EntferneLehrer(s->ber);
  EXPECT_EQ(s->ber->Faecher().Position(s->ma), 0);
  EXPECT_EQ(s->ma->Lehrer().Position(s->ber), 0);
  EXPECT_EQ(s->mue->StundenImFach(s->ma), 3);
  EXPECT_EQ(s->ma->StundenDesLehrers(s->mue), 3);
  EXPECT_EQ(s->ma->StundenDerKlasse(s->k5a), 4);
  EXPECT_TRUE(s->mue->UnterrichtetKlasse(s->k5b));
  EXPECT_FALSE(s->ber->UnterrichtetKlasse(s->k5b));  // only in a course with two classes
  s->ma->FuegeKlasseHinzu(s->k6a);
  s->ma->EntferneKlasse(s->k5a);  // a course of the subject has it: stays
  EXPECT_NE(s->ma->Klassen().Position(s->k5a), 0);
  s->ma->EntferneKlasse(s->k6a);
  EXPECT_EQ(s->ma->Klassen().Position(s->k6a), 0);
}

TEST_F(Element, RandstundeInKlasse) {
  s->mathe5b->Setze(1, 1, nullptr, 3);
  EXPECT_TRUE(s->mue->HatRandstundeInKlasse(s->k5b));
  s->deutsch5a->Setze(1, 1, nullptr, 2);
  s->mathe5a->Setze(1, 1, nullptr, 4);
  s->mathe5a->Setze(1, 1, nullptr, 3);  // MUE's 5a hour at 2 is the first of 5a's day
  EXPECT_TRUE(s->mue->HatRandstundeInKlasse(s->k5a));
  s->mathe5a->Setze(1, 1, nullptr, 1);
  EXPECT_FALSE(s->mue->HatRandstundeInKlasse(s->k5a));
  EXPECT_FALSE(s->sch->HatRandstundeInKlasse(s->k6a));
}

TEST_F(Element, RaumInKursenVerschieben) {
  s->deutsch5a->Setze(1, 1, s->r101, 1);  // keeps R101: a placement uses it
  s->k5a->SetzeRaumInKursen(s->r102);
  s->k5a->SetzeRaum(s->r102);
  EXPECT_NE(s->deutsch5a->Raeume().Position(s->r101), 0);
  EXPECT_NE(s->deutsch5a->Raeume().Position(s->r102), 0);
  EXPECT_EQ(s->mathe5a->Raeume().Position(s->r101), 0);
  EXPECT_NE(s->mathe5a->Raeume().Position(s->r102), 0);
  EXPECT_EQ(s->sportSch->Raeume().Position(s->r102), 0);  // did not hold the old room
  // Without an old room every course gets the new one.
  s->ber->SetzeRaumInKursen(s->th);
  EXPECT_NE(s->deutsch6a->Raeume().Position(s->th), 0);
}

TEST_F(Element, FachMenueSpaltenUndTexte) {
  for (const auto& [eintraege, laenge] : {std::pair{0, 16}, {38, 16}, {39, 17}, {100, 26}})
    EXPECT_EQ(MenueSpaltenLaenge(eintraege), laenge) << eintraege;
  TStandard st;
  TSchule schule(st);
  TFach* f = schule.NeuesFach("Ma");
  for (int i = 0; i < 100; ++i) schule.NeueKlasse("K" + std::to_string(i));
  TMenueDaten m;
  m.Fuege({"alt", false, true, false, {}});
  f->FuelleKlassenMenue(m);
  ASSERT_EQ(m.Anzahl(), 100);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(m[i].NeueSpalte, i == 26 || i == 52 || i == 78) << i;
  m[30].Aktion();
  EXPECT_EQ(f->GewaehlteKlasse(), schule.Klassen().Hole(31));

  s->standard.vkm = 2;
  s->standard.nkm = 0;
  // MUE: target 24, 4 hours De, 3 hours Ma; numbers in fields of vkm + nkm + 1 characters.
  EXPECT_EQ(s->de->StundenText(s->mue), "[  4 ]-[  3 ]-[ 17 ]  De");
  EXPECT_EQ(s->mue->FachStundenText(s->de, Seite::Lehrer), "[  4 ]-[  3 ]-[ 17 ]  MUE");
  TMenueDaten faecher;
  s->mue->FuelleFachMenue(faecher);
  ASSERT_EQ(faecher.Anzahl(), 2);
  faecher[1].Aktion();
  EXPECT_EQ(s->mue->GewaehltesFach(), s->ma);
  TMenueDaten lehrer;
  s->de->FuelleLehrerMenue(lehrer);
  EXPECT_EQ(lehrer.Anzahl(), 2);
  lehrer[1].Aktion();
  EXPECT_EQ(s->de->GewaehlterLehrer(), s->ber);
  TMenueDaten kurse;
  s->mue->FuelleKursMenue(kurse, s->de, false);
  s->sp->FuelleKursMenueKlasse(kurse, s->k5b, false);
  s->spo->FuelleKursMenue(kurse, false);
  EXPECT_EQ(kurse.Anzahl(), 5);
  EXPECT_EQ(kurse[0].Text, "  4 (4) MUE     De 5a R101");
}

TEST_F(Element, KurseAnLueckenUndAbwesenheit) {
  SetzeEinigeStunden(*s);
  const TListe<TKurs> sport = s->k5a->KurseAn(1, 3, 5);
  EXPECT_EQ(sport.Anzahl(), 2);
  EXPECT_TRUE(s->k5a->KurseAn(1, 3, 6).Leer());
  EXPECT_EQ(s->th->KursAn(1, 3, 5), s->sportSch);
  EXPECT_EQ(s->r102->KursAn(1, 3, 5), s->sportBer);
  EXPECT_EQ(s->r102->KursAn(1, 1, 1), nullptr);
  std::array<int, 8> letzte{};
  int maximum = 0;
  // 5a: Monday 1 and 3 (gap 2), Tuesday 2 and fixed 3 (last unfixed: 2), Wednesday 5.
  EXPECT_EQ(s->k5a->ZaehleLuecken(1, letzte, maximum), 1 + 1 + 4);
  EXPECT_EQ(letzte[1], 3);
  EXPECT_EQ(letzte[2], 2);
  EXPECT_EQ(letzte[3], 5);
  EXPECT_EQ(maximum, 5);
  EXPECT_FALSE(s->spo->VollVerplant());
  s->sportSch->Setze(1, 4, s->th, 1);
  s->sportBer->Setze(1, 4, nullptr, 1);
  EXPECT_TRUE(s->spo->VollVerplant());
  EXPECT_TRUE(s->mue->HatVerplanteKurse());

  // Absences on a date: who is away, which room is in use.
  const int32_t montag = 34330 + 888 * 7 * 2;  // a Monday of 2028, first week of the table again
  auto* f = new TFehl;
  f->SetzeElement(s->k5a);
  f->SetzeDatum(montag);
  f->SetzeStunden(0x8000 >> 2);  // period 3
  s->schule->KlassenFehlen().Haenge(f);
  EXPECT_TRUE(s->k5a->FehltAm(montag, 3));
  EXPECT_FALSE(s->k5a->FehltAm(montag, 2));
  EXPECT_FALSE(s->k5a->FehltAm(montag + 7, 3));
  EXPECT_FALSE(s->k5b->FehltAm(montag, 3));
  EXPECT_FALSE(s->r101->BelegtAm(3, montag));  // 5a's only lesson there: its class is away
  EXPECT_TRUE(s->r101->BelegtAm(1, montag));
  EXPECT_FALSE(s->r101->BelegtAm(4, montag));
  EXPECT_TRUE(s->mathe5a->KlassenAbwesend(montag, 3, nullptr));
  EXPECT_FALSE(s->sportSch->KlassenAbwesend(montag, 3, nullptr));
  EXPECT_TRUE(s->sportSch->KlassenAbwesend(montag, 3, s->k5b));
  EXPECT_FALSE(s->schule->NeuerFreierKurs()->KlassenAbwesend(montag, 3, nullptr));
}

TEST_F(Element, AbwesenheitenNachWochentagFolgenDatumElementUndLoeschen) {
  const int32_t montag = 34330 + 888 * 7 * 2;
  auto am = [&](const TPlanElement* e, int w) { return e->FehlzeitenAmWochentag(w); };
  // The dates kept beside the lists name the records' dates, index by index, on every day.
  auto datenStimmen = [&](const TPlanElement* e) {
    for (int w = 0; w <= 8; ++w) {
      std::vector<int32_t> daten;
      for (const TFehl* f : am(e, w)) daten.push_back(f->Datum());
      if (e->FehlDatenAmWochentag(w) != daten) return false;
    }
    return true;
  };
  auto* a = new TFehl;
  a->SetzeElement(s->k5a);  // filed before its date is known, as the editors do
  a->SetzeDatum(montag);
  a->SetzeStunden(uint16_t{1} << (16 - 3));  // absent in period 3
  auto* b = new TFehl;
  b->SetzeDatum(montag + 7);
  b->SetzeElement(s->k5a);
  auto* c = new TFehl;
  c->SetzeDatum(montag + 1);
  c->SetzeElement(s->k5a);
  EXPECT_EQ(am(s->k5a, 1), (std::vector<const TFehl*>{a, b}));
  EXPECT_EQ(am(s->k5a, 2), (std::vector<const TFehl*>{c}));
  // A date moved to Tuesday and back keeps the order of the element's absences.
  a->SetzeDatum(montag + 8);
  EXPECT_EQ(am(s->k5a, 1), (std::vector<const TFehl*>{b}));
  EXPECT_EQ(am(s->k5a, 2), (std::vector<const TFehl*>{a, c}));
  EXPECT_TRUE(datenStimmen(s->k5a));
  // The absence is looked up on the day it moved to, and no longer on the old one.
  EXPECT_TRUE(s->k5a->FehltAm(montag + 8, 3));
  EXPECT_FALSE(s->k5a->FehltAm(montag + 8, 2));
  EXPECT_FALSE(s->k5a->FehltAm(montag, 3));
  a->SetzeDatum(montag);
  EXPECT_TRUE(s->k5a->FehltAm(montag, 3));
  EXPECT_EQ(am(s->k5a, 1), (std::vector<const TFehl*>{a, b}));
  b->SetzeDatum(montag + 14);  // another Monday: the same place, the new date
  EXPECT_EQ(am(s->k5a, 1), (std::vector<const TFehl*>{a, b}));
  EXPECT_TRUE(datenStimmen(s->k5a));
  b->SetzeElement(s->k5b);
  EXPECT_EQ(am(s->k5a, 1), (std::vector<const TFehl*>{a}));
  EXPECT_EQ(am(s->k5b, 1), (std::vector<const TFehl*>{b}));
  EXPECT_TRUE(datenStimmen(s->k5a) && datenStimmen(s->k5b));
  delete a;
  EXPECT_TRUE(am(s->k5a, 1).empty());
  EXPECT_TRUE(datenStimmen(s->k5a));
  EXPECT_FALSE(s->k5a->FehltAm(montag, 3));
  EXPECT_TRUE(am(s->k5a, 0).empty());
  EXPECT_TRUE(am(s->k5a, 8).empty());
  delete b;
  delete c;
  EXPECT_TRUE(am(s->k5a, 2).empty() && am(s->k5b, 1).empty());
}

// An absence of the element on the date, without periods yet; the test deletes it.
TFehl* NeueFehlzeit(TPlanElement* e, int32_t datum) {
  auto* f = new TFehl;
  f->SetzeDatum(datum);
  f->SetzeElement(e);
  return f;
}

TEST_F(Element, AbwesenheitNachVersionFolgtWochentabelleUndVersionszahl) {
  // A Monday and a Tuesday absence: which versions they fall into follows the week table and
  // the number of versions whenever either changes, and the element's dates.
  const int32_t montag = 34330 + 888 * 7 * 2;
  Sch().ErweiterePlanversionen(3);
  TFehl* a = NeueFehlzeit(s->k5a, montag);
  TFehl* b = NeueFehlzeit(s->k5a, montag + 1);
  auto in = [&](int w, int v) { return s->k5a->FehltInVersionAmWochentag(w, v); };
  EXPECT_TRUE(in(1, 1) && in(2, 1));
  EXPECT_FALSE(in(1, 2) || in(3, 1) || in(0, 1) || in(8, 1) || in(1, 0) || in(1, 99));
  EXPECT_FALSE(s->k5b->FehltInVersionAmWochentag(1, 1));
  std::array<uint8_t, kWochen> tabelle;
  tabelle.fill(2);
  Sch().SetzeWochenTabelle(tabelle);
  EXPECT_TRUE(in(1, 2) && in(2, 2));
  EXPECT_FALSE(in(1, 1));
  // Only the Tuesday's week to version 3, found by the date's own version.
  for (int k = 1; k <= kWochen; ++k) {
    Sch().SetzeWochenVersion(k, 3);
    if (Sch().VersionDerWoche(montag + 1) == 3) break;
    Sch().SetzeWochenVersion(k, 2);
  }
  EXPECT_TRUE(in(2, 3));
  EXPECT_FALSE(in(2, 2));
  EXPECT_TRUE(in(1, 3));  // the same week
  // Fewer versions: weeks of a version no longer in use count as version 1.
  Sch().Standard().SetVersionszahl(2);
  EXPECT_TRUE(in(2, 1));
  EXPECT_FALSE(in(2, 3));
  Sch().Standard().SetVersionszahl(3);
  EXPECT_TRUE(in(2, 3));
  // The dates themselves: moved to another weekday, gone.
  a->SetzeDatum(montag + 2);
  EXPECT_FALSE(in(1, 3));
  EXPECT_TRUE(in(3, 3));
  delete a;
  EXPECT_FALSE(in(3, 3));
  delete b;
  EXPECT_FALSE(in(2, 3));
  for (const std::string& f : PruefeModell(Sch())) ADD_FAILURE() << f;
}

TEST_F(Element, AbwesenheitImSlotFolgtStundenDatumUndWochentabelle) {
  // Which dates cover a slot is kept beside the dates: it follows the absent periods however
  // they change (set, or taken over from the new mask), the date and the week table.
  const int32_t montag = 34330 + 888 * 7 * 2;
  Sch().ErweiterePlanversionen(2);
  TFehl* a = NeueFehlzeit(s->k5a, montag);
  TFehl* b = NeueFehlzeit(s->k5a, montag + 7);
  auto daten = [&](int v, int d, int p) {
    std::vector<int32_t> tage;
    s->k5a->FehlDatenImSlot(v, d, p, tage);
    return tage;
  };
  const int va = Sch().VersionDerWoche(montag), vb = Sch().VersionDerWoche(montag + 7);
  EXPECT_TRUE(daten(va, 1, 1).empty());  // no period absent yet
  a->SetzeStunden(0x8000);               // period 1
  b->SetzeStunden(0xC000);               // periods 1 and 2
  const std::vector<int32_t> beide{montag, montag + 7}, nurA{montag}, nurB{montag + 7}, keins;
  EXPECT_EQ(daten(va, 1, 1), va == vb ? beide : nurA);
  EXPECT_EQ(daten(vb, 1, 2), std::vector<int32_t>{montag + 7});
  EXPECT_TRUE(daten(va, 2, 1).empty());
  a->SetzeNeueStunden(0x0001);  // period 16 only
  a->UebernimmStunden();
  EXPECT_EQ(daten(va, 1, 16), std::vector<int32_t>{montag});
  EXPECT_EQ(daten(va, 1, 1), va == vb ? nurB : keins);
  // Out of range asks give nothing.
  EXPECT_TRUE(daten(0, 1, 1).empty() && daten(va, 0, 1).empty() && daten(va, 1, 0).empty() &&
              daten(va, 1, 17).empty() && daten(99, 1, 1).empty());
  // Every week to the other version: the dates go with it.
  const int andere = va == 1 ? 2 : 1;
  std::array<uint8_t, kWochen> tabelle;
  tabelle.fill(static_cast<uint8_t>(andere));
  Sch().SetzeWochenTabelle(tabelle);
  EXPECT_TRUE(daten(va, 1, 16).empty());
  EXPECT_EQ(daten(andere, 1, 16), std::vector<int32_t>{montag});
  b->SetzeDatum(montag + 8);
  EXPECT_EQ(daten(andere, 2, 2), std::vector<int32_t>{montag + 8});
  for (const std::string& f : PruefeModell(Sch())) ADD_FAILURE() << f;
  delete a;
  delete b;
  EXPECT_TRUE(daten(andere, 2, 2).empty());
}

TEST_F(Element, AktualisierenErreichtFensterUndStatistik) {
  TFakeFenster gr(Sch(), FensterArt::KlGr, s->k5b), dep(Sch(), FensterArt::KlDep, s->k5b),
      pln(Sch(), FensterArt::KlPln, s->k5b);
  TFakeStatFenster stat(Sch(), FensterArt::KlStat);
  gr.Anmelden();
  dep.Anmelden();
  pln.Anmelden();
  stat.Anmelden();
  Sch().SetzeGeaendert(false);
  s->k5b->Aktualisiere();
  EXPECT_EQ(gr.aktualisiert + dep.aktualisiert + pln.aktualisiert, 3);
  EXPECT_EQ(stat.zeilen, std::vector<int>{2});
  EXPECT_TRUE(Sch().Geaendert());
  s->k5b->ZeigeWerte();
  EXPECT_EQ(gr.werteGezeigt + dep.werteGezeigt, 2);
  // A placement repaints the plans of teacher, classes and rooms.
  s->mathe5b->Setze(1, 1, s->r102, 1);
  EXPECT_GE(pln.neuGezeichnet, 1);
  EXPECT_GE(gr.neuGezeichnet, 1);
}

TEST_F(Element, TabellenSortiertUndEinmal) {
  s->uv->FuegeKlasseHinzu(s->k6a);
  s->uv->FuegeKlasseHinzu(s->k5a);
  s->uv->FuegeLehrerHinzu(s->ber);
  ASSERT_EQ(s->uv->Klassen().Anzahl(), 3);
  EXPECT_EQ(s->uv->Klassen().Hole(3), s->k6a);
  s->schule->VerschiebeElement(s->k6a, 1);
  EXPECT_EQ(s->uv->Klassen().Hole(1), s->k6a);
  s->uv->EntferneKlasse(s->k5b);
  EXPECT_EQ(s->uv->Klassen().Anzahl(), 2);
}

}  // namespace
}  // namespace kolvar
