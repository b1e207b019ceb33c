// The school object: defaults, find-or-create, plan versions, the week table, windows.

#include <gtest/gtest.h>

#include "model/fehl.h"
#include "model/parliste.h"
#include "model/setzung.h"
#include "model/undoelement.h"
#include "modelltest.h"

namespace kolvar {
namespace {

using Schule = ModellTest;

TEST_F(Schule, NeueSchule) {
  TStandard st;
  TFakePalette palette;
  TSchule schule(st, TUmgebung{nullptr, &palette, nullptr});
  EXPECT_EQ(schule.Titel(), "Ohne Titel");
  EXPECT_FALSE(schule.HatDatei());
  EXPECT_EQ(schule.Werkzeugmodus(), Modus::Zeigen);
  EXPECT_EQ(schule.Ansichtsgruppe(), 0);
  EXPECT_FALSE(schule.Geaendert());
  for (int k = 1; k <= kWochen; ++k) ASSERT_EQ(schule.WochenVersion(k), 1);
  EXPECT_EQ(schule.ParListe().Zeilen(), 1);
  EXPECT_EQ(schule.ParListe().Zelle(1, 1), nullptr);
  EXPECT_TRUE(schule.SchulRaster1().Leer());
  schule.SetzeGeaendert(true);
  EXPECT_TRUE(palette.sichern);
  schule.SetzeGeaendert(false);
  EXPECT_FALSE(palette.sichern);
  // Path and title are kept apart; the title is cut to 255 bytes.
  schule.SetzePfad("/home/lehrer/Schulen/Gymnasium Süd.kol");
  schule.SetzeTitel("Gymnasium Süd.kol");
  EXPECT_EQ(schule.Pfad(), "/home/lehrer/Schulen/Gymnasium Süd.kol");
  EXPECT_EQ(schule.Titel(), "Gymnasium Süd.kol");
  schule.SetzeTitel(std::string(300, 'x'));
  EXPECT_EQ(schule.Titel().size(), 255u);
}

TEST_F(Schule, FreigebenFragtNichts) {
  s = BaueKleineSchule(2);
  SetzeEinigeStunden(*s);
  TFakeFenster plan(Sch(), FensterArt::LePln, s->mue);
  plan.Anmelden();
  s->palette.undo = true;
  s->deutsch5a->EntferneStunde(1, 1, 1, false);
  ASSERT_TRUE(s->schule->Geaendert());
  s->schule.reset();
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  EXPECT_FALSE(plan.geschlossen);  // the program closes its windows before it replaces a school
}

TEST_F(Schule, FindenOderAnlegenMitVorgaben) {
  TStandard st;
  st.SetVersionszahl(2);
  st.gds.SetzeStunde(3, 4, true);
  st.kus.SetzeStunde(5, 6, true);
  TSchule schule(st);
  TLehrer* a = schule.LehrerMitKuerzel("ABCDEFGHI");
  TLehrer* b = schule.LehrerMitKuerzel("ABCDEFGHI");
  EXPECT_EQ(a, b);
  EXPECT_EQ(a->Kuerzel(), "ABCDEFG");
  EXPECT_EQ(schule.Lehrer().Anzahl(), 1);
  TLehrer* c = schule.LehrerMitKuerzel("ÄÖÜäöüßX");  // seven characters, not seven bytes
  EXPECT_EQ(c->Kuerzel(), "ÄÖÜäöüß");
  EXPECT_EQ(c->Nummer(), 2);
  EXPECT_EQ(c->LadeNummer(), 2);
  EXPECT_EQ(schule.LehrerMitKuerzel("ÄÖÜäöüß"), c);
  EXPECT_EQ(schule.RaumMitKuerzel("R1"), schule.RaumMitKuerzel("R1"));
  EXPECT_EQ(schule.KlasseMitKuerzel("5a")->Soll(1), st.kls);
  EXPECT_EQ(a->Soll(1), st.les);
  EXPECT_TRUE(schule.Geaendert());
  // New elements and courses get the default locks.
  TRaum* r = schule.NeuerRaum("R");
  EXPECT_TRUE(r->Sperrung().Belegt(1, 3, 4));
  EXPECT_TRUE(r->Sperrung().Belegt(2, 3, 4));
  TKurs* k = schule.NeuerFreierKurs();
  EXPECT_TRUE(k->Sperrung().Belegt(2, 5, 6));
  EXPECT_FALSE(k->Sperrung().Belegt(2, 3, 4));
}

TEST_F(Schule, VersionenSenkenMitSetzungen) {
  s = BaueKleineSchule(3);
  SetzeEinigeStunden(*s);
  s->palette.undo = true;
  s->mathe5b->Setze(3, 5, nullptr, 6);
  const std::string vorher = Fingerabdruck(Sch());

  s->dialoge.Antworte(Modal::Nein);
  EXPECT_FALSE(Sch().LoeschePlanversionen(2));
  EXPECT_EQ(s->dialoge.Anzahl(TDialog::VersionenLoeschen), 1);
  EXPECT_EQ(s->dialoge.anfragen[0].Texte[0],
            "In den zu löschenden Planversionen sind Stunden verplant. Trotzdem löschen?");
  EXPECT_EQ(Fingerabdruck(Sch()), vorher);

  s->dialoge.Antworte(Modal::Ja);
  ASSERT_TRUE(Sch().LoeschePlanversionen(2));
  EXPECT_FALSE(Sch().HatSetzungenUeber(2));
  EXPECT_EQ(Sch().SchulRaster1().Versionen(), 2);
  EXPECT_EQ(Sch().SchulRaster2().Versionen(), 2);
  EXPECT_TRUE(Sch().UndoSchritte().Leer());  // its only step was in version 3
}

TEST_F(Schule, VersionenErhoehenUndOhneSetzungenSenken) {
  s->standard.gds.SetzeStunde(2, 2, true);
  s->standard.kus.SetzeStunde(4, 4, true);
  Sch().ErweiterePlanversionen(3);
  EXPECT_EQ(s->standard.mwn(), 3);
  for (TSollElement* e : {static_cast<TSollElement*>(s->mue), static_cast<TSollElement*>(s->k5a)}) {
    EXPECT_EQ(e->Soll(2), 0);
    EXPECT_EQ(e->Soll(3), 0);
  }
  EXPECT_TRUE(Sch().SchulRaster1().Belegt(3, 2, 2));
  EXPECT_FALSE(Sch().SchulRaster1().Belegt(1, 2, 2));
  EXPECT_TRUE(Sch().SchulRaster2().Belegt(2, 4, 4));
  EXPECT_EQ(s->deutsch5a->Stunden(3), 0);

  // Down again without placements: nothing is asked.
  Sch().SetzeWochenVersion(10, 3);
  Sch().SetzeWochenVersion(11, 2);
  EXPECT_FALSE(Sch().LoeschePlanversionen(0));
  EXPECT_TRUE(Sch().LoeschePlanversionen(3));
  EXPECT_EQ(s->standard.mwn(), 3);
  ASSERT_TRUE(Sch().LoeschePlanversionen(2));
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  EXPECT_EQ(Sch().WochenVersion(10), 1);
  EXPECT_EQ(Sch().WochenVersion(11), 2);
  EXPECT_EQ(s->standard.mwn(), 2);
}

TEST_F(Schule, ErhoehenUndSenkenGibtDieselbeSchule) {
  for (int n : {1, 2, 4}) {
    s = BaueKleineSchule(n);
    SetzeEinigeStunden(*s);
    s->k5a->Sperrung().SetzeBereich(0, 5, 0, true);
    Sch().SetzeWochenVersion(7, static_cast<uint8_t>(n));
    const std::string vorher = Fingerabdruck(Sch());
    Sch().ErweiterePlanversionen(n + 5);
    s->standard.SetAktuelleVersion(n + 3);
    s->deutsch5a->Setze(n + 2, 4, s->r101, 4);  // work in a new version
    s->dialoge.Antworte(Modal::Ja);
    ASSERT_TRUE(Sch().LoeschePlanversionen(n));
    EXPECT_EQ(Fingerabdruck(Sch()), vorher) << n;
    EXPECT_TRUE(PruefeModell(Sch()).empty());
  }
}

TEST_F(Schule, WochentabelleWiederholtSich) {
  s = BaueKleineSchule(3);
  Sch().SetzeWochenVersion(1, 2);
  Sch().SetzeWochenVersion(888, 3);
  EXPECT_EQ(Sch().VersionDerWoche(34330), 2);  // Monday 27.12.1993
  EXPECT_EQ(Sch().VersionDerWoche(34336), 2);  // the Sunday after
  EXPECT_EQ(Sch().VersionDerWoche(34329), 3);  // the Sunday before: the last entry
  EXPECT_EQ(Sch().VersionDerWoche(34330 + 888 * 7), 2);
  EXPECT_EQ(Sch().VersionDerWoche(34330 + 887 * 7), 3);
  EXPECT_EQ(Sch().WochenVersion(0), 1);
  EXPECT_EQ(Sch().WochenVersion(889), 1);
  Sch().SetzeWochenVersion(889, 5);  // ignored
  Sch().SetzeWochenVersion(2, 9);    // more than the versions in use
  EXPECT_EQ(Sch().VersionDerWoche(34337), 1);
  EXPECT_EQ(Uhr::Wochentag(34330), 1);
  EXPECT_EQ(Uhr::Wochentag(34336), 7);
  EXPECT_EQ(Uhr::Wochentag(2), 1);  // 1.1.1900
}

TEST_F(Schule, AlleFensterAktualisierenUeberEineMomentaufnahme) {
  TFakeFenster a(Sch(), FensterArt::LePln, s->mue), b(Sch(), FensterArt::KlPln, s->k5a),
      c(Sch(), FensterArt::UV, s->uv);
  a.Anmelden();
  b.Anmelden();
  c.Anmelden();
  TFakeFenster neu(Sch(), FensterArt::Zwischen);
  a.beimAktualisieren = [&] {
    a.Schliesse();
    neu.Anmelden();
  };
  b.beimAktualisieren = [&] { c.Schliesse(); };  // closes a window still to come
  Sch().AktualisiereAlleFenster();
  EXPECT_EQ(a.aktualisiert, 1);
  EXPECT_EQ(b.aktualisiert, 1);
  EXPECT_EQ(c.aktualisiert, 0);
  EXPECT_EQ(neu.aktualisiert, 0);
  EXPECT_EQ(s->mue->PlnForm(), nullptr);
  EXPECT_EQ(Sch().Fenster().size(), 2u);
}

TEST_F(Schule, ModusUndCursor) {
  TFakeManuellFenster manuell(Sch());
  manuell.Anmelden();
  TFakeFenster plan(Sch(), FensterArt::RaPln, s->r101);
  plan.Anmelden();
  Sch().SetzeModus(Modus::Loeschen);
  EXPECT_EQ(manuell.modusGeaendert, 0);
  EXPECT_EQ(plan.cursorModus, Modus::Loeschen);
  Sch().SetzeModus(Modus::Schieben);
  Sch().SetzeModus(Modus::Setzen);
  EXPECT_EQ(manuell.modusGeaendert, 2);
  EXPECT_EQ(manuell.cursorModus, Modus::Setzen);
}

TEST_F(Schule, NeuerKursNachDemAktivenFenster) {
  EXPECT_EQ(Sch().NeuerKurs(), nullptr);
  TFakeFenster lehrerPlan(Sch(), FensterArt::LePln, s->mue);
  lehrerPlan.Anmelden();
  Sch().SetzeAktivesFenster(&lehrerPlan);
  TKurs* k = Sch().NeuerKurs();
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->Lehrer(), s->mue);
  EXPECT_EQ(k->Raeume().Hole(1), s->r101);  // the teacher's home room
  EXPECT_EQ(k->Stunden(1), s->standard.kst);
  TFakeFenster klassenEditor(Sch(), FensterArt::KlGr, s->k5a);
  Sch().SetzeAktivesFenster(&klassenEditor);
  k = Sch().NeuerKurs();
  EXPECT_EQ(k->Klassen().Hole(1), s->k5a);
  EXPECT_EQ(k->Raeume().Hole(1), s->r101);  // the class room
  TFakeFenster kopplung(Sch(), FensterArt::KoDep, s->spo);
  Sch().SetzeAktivesFenster(&kopplung);
  EXPECT_EQ(Sch().NeuerKurs()->Kopplung(), s->spo);
  TFakeFenster kursDep(Sch(), FensterArt::KursDep);
  Sch().SetzeAktivesFenster(&kursDep);
  k = Sch().NeuerKurs();
  EXPECT_TRUE(!k->Lehrer() && k->Klassen().Leer() && k->Raeume().Leer() && !k->Fach() && !k->Kopplung());
  TFakeFenster uv(Sch(), FensterArt::UV, s->uv);
  Sch().SetzeAktivesFenster(&uv);
  EXPECT_EQ(Sch().NeuerKurs(), nullptr);
}

TEST_F(Schule, FensterArtenUndMarkierteKurse) {
  // Elements without a window in a group open none (the window table holds the others).
  EXPECT_EQ(FensterArtFuer(TElementArt::Fach, 2), 0);
  EXPECT_EQ(FensterArtFuer(TElementArt::Kopplung, 3), 0);
  struct Loeschend : TFakeFenster {
    using TFakeFenster::TFakeFenster;
    void LoescheMarkierteKurse() override { ++geloescht; }
    int geloescht = 0;
  };
  Loeschend dep(Sch(), FensterArt::FaDep, s->de), plan(Sch(), FensterArt::LePln, s->mue);
  s->schule->LoescheMarkierteKurse();
  s->schule->SetzeAktivesFenster(&plan);
  s->schule->LoescheMarkierteKurse();
  EXPECT_EQ(plan.geloescht, 0);
  s->schule->SetzeAktivesFenster(&dep);
  s->schule->LoescheMarkierteKurse();
  EXPECT_EQ(dep.geloescht, 1);
}

TEST_F(Schule, ElementeUmordnen) {
  Sch().VerschiebeElement(s->ber, 1);
  EXPECT_EQ(Sch().Lehrer().Hole(1), s->ber);
  EXPECT_EQ(s->ber->Nummer(), 1);
  EXPECT_EQ(s->mue->Nummer(), 2);
  Sch().VerschiebeElement(s->k6a, 1);
  s->standard.nks = false;
  Sch().OrdneKurseNeu();
  EXPECT_EQ(Sch().Kurse().Hole(1)->Lehrer(), s->ber);
}

TEST_F(Schule, WiderrufenSpieltRueckwaertsAuchFuerGesperrteKurse) {
  SetzeEinigeStunden(*s);
  const std::string vorher = Fingerabdruck(Sch());
  s->palette.undo = true;
  TSetzung* fest = s->mathe5a->FindeSetzung(1, 2, 3);
  ASSERT_TRUE(fest && fest->Fixiert());
  s->mathe5a->EntferneSetzung(fest);
  s->mathe5a->Setze(1, 4, s->r102, 4);
  s->deutsch5a->EntferneStunde(1, 1, 1, false);
  EXPECT_TRUE(s->palette.widerrufen);
  Sch().Widerrufe();
  EXPECT_TRUE(Sch().UndoSchritte().Leer());
  EXPECT_FALSE(s->palette.widerrufen);
  EXPECT_TRUE(s->palette.undo);
  // The fixed hour comes back unfixed; everything else as before.
  TSetzung* zurueck = s->mathe5a->FindeSetzung(1, 2, 3);
  ASSERT_NE(zurueck, nullptr);
  EXPECT_FALSE(zurueck->Fixiert());
  zurueck->SetFixiert(true);
  EXPECT_EQ(Fingerabdruck(Sch()).size(), vorher.size());

  // Undoing the removal of an hour gives it back even where placing anew would be refused.
  TSetzung* st = s->deutsch5a->FindeSetzung(1, 1, 1);
  ASSERT_NE(st, nullptr);
  TRaum* raum = st->Raum();
  s->deutsch5a->EntferneSetzung(st);
  s->deutsch5a->SetzeNichtVerplanen(true);
  Sch().Widerrufe();
  TSetzung* wieder = s->deutsch5a->FindeSetzung(1, 1, 1);
  ASSERT_NE(wieder, nullptr);
  EXPECT_EQ(wieder->Raum(), raum);
}

}  // namespace
}  // namespace kolvar
