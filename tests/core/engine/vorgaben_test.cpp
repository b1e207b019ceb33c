// The settings dialogs' decisions: basic data with fewer school days or versions, copying course
// defaults and master-data defaults onto existing data, the small rules, and which windows a
// presets dialog rebuilds.

#include <gtest/gtest.h>

#include "engine/eckdaten.h"
#include "engine/vorgabenkopie.h"
#include "engine/vorgaberegeln.h"
#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

int SetzungenNach(const TSchule& s, int tag) {
  int n = 0;
  for (const TKurs* k : s.Kurse())
    for (const TSetzung* st : k->Setzungen()) n += st->Tag() > tag ? 1 : 0;
  return n;
}

TEST(VorgabeRegeln, DatumStundenFarbeEinzelstunden) {
  struct TDatum {
    int tag, monat, jahr, ergebnis;
  };
  for (const TDatum& d : {TDatum{31, 2, 2000, 29},
                          {31, 2, 2001, 28},
                          {30, 2, 2004, 29},
                          {31, 4, 1999, 30},
                          {15, 3, 2020, 15},
                          {31, 12, 2039, 31}}) {
    int tag = d.tag;
    const int32_t nummer = KorrigiereDatum(tag, d.monat, d.jahr);
    EXPECT_EQ(tag, d.ergebnis) << d.tag << "." << d.monat << "." << d.jahr;
    EXPECT_EQ(nummer, TagesNummer(d.jahr, d.monat, d.ergebnis));
  }
  EXPECT_EQ(StundenBezeichnung("8:00 - 8:45   "), "8:00 - 8:45");
  EXPECT_EQ(StundenBezeichnung("   "), " ");
  EXPECT_EQ(StundenBezeichnung("x"), "x");
  EXPECT_EQ(StundenBezeichnung("Übung 1234567890123"), "Übung 123456789");
  EXPECT_EQ(FarbeNachHTML(0), "\"#000000\"");
  EXPECT_EQ(FarbeNachHTML(255), "\"#FF0000\"");
  EXPECT_EQ(FarbeNachHTML(0x123456), "\"#563412\"");
  EXPECT_EQ(FarbeNachHTML(0xFFABCDEF), "\"#EFCDAB\"");
  EXPECT_EQ(EinzelstundenVorschlag(5, 2), 1);
  EXPECT_EQ(EinzelstundenVorschlag(4, 2), 0);
  EXPECT_EQ(EinzelstundenVorschlag(3, 1), 3);
  EXPECT_EQ(EinzelstundenVorschlag(0, 2), -1);
  EXPECT_TRUE(GrunddatenKopierbar(true, false, false));
  EXPECT_TRUE(GrunddatenKopierbar(false, true, true));
  EXPECT_FALSE(GrunddatenKopierbar(false, false, true));  // rooms have no target hours
  EXPECT_FALSE(GrunddatenKopierbar(false, true, false));
}

// Lessons on Saturday and Sunday; the week is cut to five or six days and the question answered.
TEST(Eckdaten, WenigerSchultage) {
  struct TFall {
    int tage, antwort;
    const char* frage;
    int mtn, bleibenNachTag5;
  };
  const std::vector<TFall> faelle{{5, Modal::Nein, "Samstag oder Sonntag", 7, 2},
                                  {5, Modal::Abbrechen, "Samstag oder Sonntag", 7, 2},
                                  {5, Modal::Ja, "Samstag oder Sonntag", 5, 0},
                                  {6, Modal::Ja, "Sonntag", 6, 1},
                                  {6, Modal::Nein, "Sonntag", 7, 2}};
  for (const TFall& f : faelle) {
    for (const int versionen : {1, 3}) {
      auto s = BaueKleineSchule(versionen);
      SetzeEinigeStunden(*s);
      s->standard.SetNurAktuelleVersion(false);
      ASSERT_NE(s->deutsch5a->Setze(1, 6, s->r101, 1), nullptr);
      ASSERT_NE(s->mathe5b->Setze(versionen, 7, s->r102, 2), nullptr);
      s->dialoge.Antworte(f.antwort);
      TEckdaten w = TEckdaten::Aus(s->standard);
      w.mtn = f.tage;
      w.vkm = 3;
      UebernimmEckdaten(*s->schule, w);
      EXPECT_EQ(s->standard.mtn, f.mtn) << f.tage << " " << f.antwort;
      EXPECT_EQ(s->standard.vkm, 3);
      ASSERT_EQ(s->dialoge.anfragen.size(), 1u);
      EXPECT_EQ(s->dialoge.anfragen[0].Art, TDialog::StundenLoeschen);
      EXPECT_EQ(s->dialoge.anfragen[0].Texte.at(0), f.frage);
      EXPECT_EQ(SetzungenNach(*s->schule, s->standard.mtn), 0);
      EXPECT_EQ(SetzungenNach(*s->schule, 5), f.bleibenNachTag5);
      // No teacher, class or room grid keeps the slot of a lesson that went.
      for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << fehler;
    }
  }
}

TEST(Eckdaten, UnbenutzteTageFragenNicht) {
  auto s = BaueKleineSchule(1);
  SetzeEinigeStunden(*s);
  TEckdaten w = TEckdaten::Aus(s->standard);
  w.mtn = 5;
  UebernimmEckdaten(*s->schule, w);
  EXPECT_EQ(s->standard.mtn, 5);
  EXPECT_TRUE(s->dialoge.anfragen.empty());
  EXPECT_EQ(HoechsterBenutzterTag(*s->schule), 5);
}

// Fewer versions with lessons in the dropped ones: "Nein" keeps the versions, the rest is stored.
TEST(Eckdaten, VersionenMitAntwort) {
  for (const int antwort : {Modal::Nein, Modal::Ja}) {
    auto s = BaueKleineSchule(3);
    SetzeEinigeStunden(*s);
    s->dialoge.Antworte(antwort);
    TEckdaten w = TEckdaten::Aus(s->standard);
    w.mwn = 1;
    w.dvs = 4;
    w.efa = 0x123456;
    w.hga = false;
    UebernimmEckdaten(*s->schule, w);
    EXPECT_EQ(s->standard.mwn(), antwort == Modal::Ja ? 1 : 3);
    EXPECT_EQ(s->standard.dvs, 4);
    EXPECT_EQ(s->standard.efa, 0x123456u);
    EXPECT_FALSE(s->standard.hga);
    for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << fehler;
  }
  auto s = BaueKleineSchule(1);
  TEckdaten w = TEckdaten::Aus(s->standard);
  w.mwn = 4;
  UebernimmEckdaten(*s->schule, w);
  EXPECT_EQ(s->standard.mwn(), 4);
  EXPECT_EQ(s->deutsch5a->Sperrung().Versionen(), 4);
}

TWochBereich Vorlage(const TStandard& st, int versionen) {
  TWochBereich w(st.Versionen());
  w.SetzeVersionen(versionen);
  TWoElem woche;
  for (int d = 1; d <= kTage; ++d) woche.SetzeTag(d, 0x0003);  // periods 1 and 2 every day
  for (int v = 1; v <= versionen; ++v) w.SetzeWoche(v, woche);
  return w;
}

TEST(KursKopie, StundenSperrungUndVerplanen) {
  for (const bool nurAktuelle : {true, false}) {
    auto s = BaueKleineSchule(3);
    SetzeEinigeStunden(*s);  // deutsch5a: Mo1, Tu2 in every version; mathe5a Mo3 + Tu3
    s->standard.SetNurAktuelleVersion(nurAktuelle);
    s->standard.SetAktuelleVersion(2);
    s->deutsch5a->Setze(2, 3, s->r101, 3);  // three placed in version 2
    TKursKopie k;
    k.Stunden = k.Verplanen = k.Sperrung = k.Faktor = k.Farbe = true;
    k.StundenWert = 2;
    k.FaktorWert = 7;
    k.nvp = true;
    k.FarbWert = 0x00FF00;
    const TWochBereich vorlage = Vorlage(s->standard, 3);
    KopiereKursEinstellungen(*s->schule, {s->deutsch5a, s->deutsch6a}, k, vorlage);
    EXPECT_EQ(s->deutsch5a->Stunden(2), 3) << "never below the placed hours";
    EXPECT_EQ(s->deutsch5a->Stunden(1), nurAktuelle ? 4 : 2);
    EXPECT_EQ(s->deutsch5a->Faktor(), 7);
    EXPECT_EQ(s->deutsch5a->Farbe(), 0x00FF00u);
    EXPECT_FALSE(s->deutsch5a->NichtVerplanen()) << "placed courses keep it";
    EXPECT_FALSE(s->mathe5a->NichtVerplanen()) << "not a target";
    EXPECT_EQ(s->mathe5a->Faktor(), 1);
    // Locked where the template has it, but not over a placed slot.
    EXPECT_FALSE(s->deutsch5a->Sperrung().Belegt(2, 1, 1));
    EXPECT_TRUE(s->deutsch5a->Sperrung().Belegt(2, 1, 2));
    EXPECT_EQ(s->deutsch5a->Sperrung().Belegt(1, 3, 2), !nurAktuelle);
    for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << fehler;
  }
  // Nothing chosen, or no courses: nothing changes.
  auto s = BaueKleineSchule(1);
  const std::string vorher = Fingerabdruck(*s->schule);
  TKursKopie k;
  k.FaktorWert = 9;
  KopiereKursEinstellungen(*s->schule, {s->deutsch5a}, k, Vorlage(s->standard, 1));
  k.Faktor = true;
  KopiereKursEinstellungen(*s->schule, {}, k, Vorlage(s->standard, 1));
  EXPECT_EQ(Fingerabdruck(*s->schule), vorher);
}

// Clearing "nicht verplanen" by the copy zeroes the negative hours as the course editor does, and
// the course takes its sorted place again; setting it keeps them.
TEST(KursKopie, VerplanenNimmtNegativeStunden) {
  for (const bool nurAktuelle : {true, false}) {
    auto s = BaueKleineSchule(3);
    s->standard.SetNurAktuelleVersion(nurAktuelle);
    s->standard.SetAktuelleVersion(2);
    for (TKurs* kurs : {s->deutsch6a, s->mathe5b}) {
      kurs->SetzeNichtVerplanen(true);
      kurs->SetzeStunden(1, -3);
      kurs->SetzeStunden(2, 2);
      kurs->SetzeStunden(3, -1);
    }
    TKursKopie k;
    k.Verplanen = true;
    k.nvp = true;
    KopiereKursEinstellungen(*s->schule, {s->deutsch6a}, k, Vorlage(s->standard, 3));
    EXPECT_TRUE(s->deutsch6a->NichtVerplanen());
    EXPECT_EQ(s->deutsch6a->Stunden(1), -3) << "a course never placed keeps its negative hours";
    k.nvp = false;
    KopiereKursEinstellungen(*s->schule, {s->deutsch6a}, k, Vorlage(s->standard, 3));
    EXPECT_FALSE(s->deutsch6a->NichtVerplanen());
    // Every version, as the course editor's box does, whichever version the actions reach.
    EXPECT_EQ(s->deutsch6a->Stunden(1), 0);
    EXPECT_EQ(s->deutsch6a->Stunden(2), 2);
    EXPECT_EQ(s->deutsch6a->Stunden(3), 0);
    EXPECT_TRUE(s->mathe5b->NichtVerplanen()) << "not a target";
    EXPECT_EQ(s->mathe5b->Stunden(1), -3);
    for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << fehler;
  }
}

TEST(GrunddatenKopie, SperrungUndSoll) {
  for (const bool nurAktuelle : {true, false}) {
    auto s = BaueKleineSchule(2);
    SetzeEinigeStunden(*s);  // MUE: Mo1, Mo2, Tu2
    s->standard.SetNurAktuelleVersion(nurAktuelle);
    const TWochBereich vorlage = Vorlage(s->standard, 2);
    KopiereGrunddaten(*s->schule, {s->mue, s->r102}, &vorlage, 0);
    EXPECT_FALSE(s->mue->Sperrung().Belegt(1, 1, 1));
    EXPECT_FALSE(s->mue->Sperrung().Belegt(1, 1, 2));
    EXPECT_TRUE(s->mue->Sperrung().Belegt(1, 3, 1));
    EXPECT_EQ(s->mue->Sperrung().Belegt(2, 3, 1), !nurAktuelle);
    EXPECT_TRUE(s->r102->Sperrung().Belegt(1, 4, 2));
    KopiereGrunddaten(*s->schule, {s->k5a, s->r101}, nullptr, 12);
    EXPECT_EQ(s->k5a->Soll(1), 12);
    EXPECT_EQ(s->k5a->Soll(2) == 12, !nurAktuelle);
    for (const std::string& fehler : PruefeModell(*s->schule)) ADD_FAILURE() << fehler;
  }
}

// Each preset rebuilds the windows it concerns once, and no other.
TEST(VorgabeRegeln, FensterNeuAufbauen) {
  auto s = BaueKleineSchule(1);
  TFakeFenster plan(*s->schule, FensterArt::LePln, s->mue);
  TFakeFenster uv(*s->schule, FensterArt::UV);
  TFakeManuellFenster manuell(*s->schule);
  TFakeFenster dep(*s->schule, FensterArt::KlDep, s->k5a);
  TFakeFenster kurse(*s->schule, FensterArt::KursDep);
  TFakeFenster editor(*s->schule, FensterArt::LeGr, s->mue);
  TFakeFenster fachEditor(*s->schule, FensterArt::FaGr, s->de);
  for (auto* f : {&plan, &uv, &dep, &kurse, &editor, &fachEditor}) f->Anmelden();
  manuell.Anmelden();
  // A window that re-registers while it rebuilds is not visited again.
  plan.beimAktualisieren = [&] {
    s->schule->MeldeFensterAb(&plan);
    s->schule->MeldeFensterAn(&plan);
  };
  PlanFensterNeuAufbauen(*s->schule);
  DeputatFensterNeuAufbauen(*s->schule);
  GrunddatenFensterNeuAufbauen(*s->schule);
  EXPECT_EQ(plan.aktualisiert, 1);
  EXPECT_EQ(uv.aktualisiert, 1);
  EXPECT_EQ(manuell.aktualisiert, 1);
  EXPECT_EQ(dep.aktualisiert, 1);
  EXPECT_EQ(kurse.aktualisiert, 1);
  EXPECT_EQ(editor.aktualisiert, 1);
  EXPECT_EQ(fachEditor.aktualisiert, 0);
}

}  // namespace
}  // namespace kolvar
