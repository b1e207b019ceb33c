#include "engine/pruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/setzung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

using Zeilen = std::vector<std::string>;

// A damaged file can leave an element's course list without a course; only a test does this.
TListe<TKurs>& KurseVon(TElement* e) {
  return const_cast<TListe<TKurs>&>(e->Kurse());
}

TEST(Pruefung, SaubereSchuleHatKeineFehlerUndBleibtUnveraendert) {
  auto s = BaueKleineSchule(2);
  SetzeEinigeStunden(*s);
  s->schule->SetzeGeaendert(false);
  const std::string vorher = Fingerabdruck(*s->schule);
  TPruefung p(*s->schule);
  const TPruefErgebnis e = p.PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 0);
  EXPECT_EQ(e.Zeilen, Zeilen{});
  EXPECT_EQ(e.Reparaturen, 0);
  EXPECT_FALSE(s->schule->Geaendert());
  EXPECT_EQ(Fingerabdruck(*s->schule), vorher);
  EXPECT_EQ(ErgebnisText(e.Stufe), "keine Fehler gefunden.");
  EXPECT_EQ(ErgebnisText(1), "kleinere Fehler gefunden.");
  EXPECT_EQ(ErgebnisText(2), "größere Fehler gefunden.");
}

TEST(Pruefung, DoppelbelegungenVonLehrernKlassenUndRaeumen) {
  auto s = BaueKleineSchule();
  // Coupled courses share their classes in a slot: no double booking.
  s->sportSch->NeueSetzung(1, 4, 1, s->th, false);
  s->sportBer->NeueSetzung(1, 4, 1, s->r102, false);
  // MUE twice (De 5a, Ma 5b), and 5a twice (De 5a, Ma 5a), R101 twice.
  s->deutsch5a->NeueSetzung(1, 1, 1, s->r101, false);
  s->mathe5b->NeueSetzung(1, 1, 1, s->r102, false);
  s->mathe5a->NeueSetzung(1, 1, 1, s->r101, false);
  TPruefErgebnis e = TPruefung(*s->schule).PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 2);
  EXPECT_EQ(e.Zeilen,
            (Zeilen{"Lehrer MUE {1} Mo  1 doppelt im Plan.", "Klasse 5a {1} Mo  1 doppelt im Plan.",
                    "Klasse 5a {1} Mo  1 doppelt im Plan.", "Raum R101 {1} Mo  1 doppelt im Plan."}));
  EXPECT_EQ(PruefeModell(*s->schule), Zeilen{});

  // A third lesson of the teacher in the slot: one line per extra placement.
  s->schule->ErzeugeKurs(s->mue, s->k6a, nullptr, s->ma, nullptr, 2)->NeueSetzung(1, 1, 1, nullptr, false);
  e = TPruefung(*s->schule).PruefeKonsistenz();
  EXPECT_EQ(std::count(e.Zeilen.begin(), e.Zeilen.end(), "Lehrer MUE {1} Mo  1 doppelt im Plan."), 2);
}

TEST(Pruefung, ReparaturStelltVerweiseWiederHer) {
  auto s = BaueKleineSchule();
  s->standard.nks = true;  // class lists then sort by subject first
  s->schule->OrdneKurseNeu();
  SetzeEinigeStunden(*s);
  ASSERT_EQ(s->k5b->Kurse().Hole(1), s->mathe5b);
  KurseVon(s->mue).Entferne(s->deutsch5a);
  KurseVon(s->k5b).Entferne(s->mathe5b);
  KurseVon(s->r101).Entferne(s->mathe5a);
  s->schule->SetzeGeaendert(false);

  const TPruefErgebnis e = TPruefung(*s->schule).PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 1);
  EXPECT_EQ(e.Zeilen, Zeilen{});  // a repair only beeps
  EXPECT_EQ(e.Reparaturen, 3);
  EXPECT_TRUE(s->schule->Geaendert());
  EXPECT_NE(s->mue->Kurse().Position(s->deutsch5a), 0);
  EXPECT_EQ(s->k5b->Kurse().Hole(1), s->mathe5b);  // the class order, not the course order
  EXPECT_EQ(PruefeModell(*s->schule), Zeilen{});
  EXPECT_EQ(TPruefung(*s->schule).PruefeKonsistenz().Stufe, 0);
}

TEST(Pruefung, ReparaturHebtStundenUndSperrungen) {
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  s->deutsch5a->SetzeStunden(1, 1);  // two placements
  s->mue->Sperrung().SetzeBereich(1, 1, 1, true);
  s->k5a->Sperrung().SetzeBereich(1, 2, 2, true);
  s->r101->Sperrung().SetzeBereich(1, 1, 3, true);
  s->schule->SetzeGeaendert(false);
  const TPruefErgebnis e = TPruefung(*s->schule).PruefeKonsistenz();
  EXPECT_EQ(e.Stufe, 1);
  EXPECT_EQ(s->deutsch5a->Stunden(1), 2);
  EXPECT_FALSE(s->mue->Sperrung().Belegt(1, 1, 1));
  EXPECT_FALSE(s->k5a->Sperrung().Belegt(1, 2, 2));
  EXPECT_FALSE(s->r101->Sperrung().Belegt(1, 1, 3));
  EXPECT_TRUE(s->schule->Geaendert());

  // Lifting a lock alone changes data without being a finding.
  s->mue->Sperrung().SetzeBereich(1, 1, 1, true);
  s->schule->SetzeGeaendert(false);
  EXPECT_EQ(TPruefung(*s->schule).PruefeKonsistenz().Stufe, 0);
  EXPECT_TRUE(s->schule->Geaendert());
}

TEST(Pruefung, BrueckenRaeumeUndOffeneStunden) {
  auto s = BaueKleineSchule();
  TKurs* k = s->deutsch6a;  // BER De 6a, 3 hours, no room
  k->NeueSetzung(1, 4, 1, nullptr, false);
  k->NeueSetzung(1, 4, 3, nullptr, false);
  TPruefung p(*s->schule);
  EXPECT_EQ(p.PruefeBruecken().Zeilen, Zeilen{"Der Kurs BER     De 6a hat {1} Do eine Brücke."});
  EXPECT_EQ(p.PruefeFehlendeRaeume().Zeilen, (Zeilen{"Der Kurs BER     De 6a hat {1} Do  1 keinen Raum.",
                                                     "Der Kurs BER     De 6a hat {1} Do  3 keinen Raum."}));
  const TPruefErgebnis offen = p.PruefeFehlendeStunden();
  EXPECT_EQ(offen.Stufe, 1);
  EXPECT_NE(std::find(offen.Zeilen.begin(), offen.Zeilen.end(),
                      "Im Kurs {1} BER     De 6a sind 1 Stunden noch nicht gesetzt."),
            offen.Zeilen.end());
  EXPECT_EQ(std::count_if(offen.Zeilen.begin(), offen.Zeilen.end(),
                          [](const std::string& z) { return z.find("Im Kurs {1} MUE") == 0; }),
            2);
  k->NeueSetzung(1, 4, 2, nullptr, false);
  EXPECT_EQ(p.PruefeBruecken().Stufe, 0);
  s->mathe5a->SetzeNichtVerplanen(true);
  for (const std::string& z : p.PruefeFehlendeStunden().Zeilen)
    EXPECT_EQ(z.find("SCH     Ma"), std::string::npos);
}

TEST(Pruefung, Einzelstundenbedingung) {
  auto s = BaueKleineSchule();
  TKurs* k = s->deutsch6a;
  k->SetzeEinzelstunden(3);
  k->SetzeStundenProTag(2);
  for (int d = 1; d <= 3; ++d) k->NeueSetzung(1, d, 1, nullptr, false);
  TPruefung p(*s->schule);
  EXPECT_EQ(p.PruefeEinzelstunden().Zeilen,
            Zeilen{"Im Kurs {1} BER     De 6a ist die Einzelstundenbedingung verletzt. "});

  // 4 hours: two single hours and one double hour fulfil ezs 2, spt 2.
  k->SetzeStunden(1, 4);
  k->SetzeEinzelstunden(2);
  k->EntferneSetzung(k->FindeSetzung(1, 3, 1));
  k->NeueSetzung(1, 4, 1, nullptr, false);
  k->NeueSetzung(1, 4, 2, nullptr, false);
  EXPECT_EQ(p.PruefeEinzelstunden().Stufe, 0);
  // Not fully placed: not checked.
  k->SetzeStunden(1, 5);
  EXPECT_EQ(p.PruefeEinzelstunden().Stufe, 0);
}

TEST(Pruefung, GekoppelteKurseUndVersionen) {
  auto s = BaueKleineSchule(2);
  TPruefung p(*s->schule);
  EXPECT_EQ(p.PruefeKopplungen().Stufe, 0);
  s->sportBer->SetzeTabelle(3);
  EXPECT_EQ(p.PruefeKopplungen().Zeilen,
            (Zeilen{"SCH     Sp 5a SPO  Tabelle 1.", "BER     Sp 5a SPO  Tabelle 3."}));
  s->sportBer->SetzeStunden(2, 3);
  EXPECT_EQ(
      p.PruefeKopplungen().Zeilen,
      (Zeilen{"BER     Sp 5a SPO {1} 2 Wochenstunden.", "BER     Sp 5a SPO {2} 3 Wochenstunden.",
              "SCH     Sp 5a SPO {1} 2 Wochenstunden.", "SCH     Sp 5a SPO {2} 2 Wochenstunden.",
              "BER     Sp 5a SPO  Tabelle 3.", "SCH     Sp 5a SPO  Tabelle 1."}));  // more hours sort first

  EXPECT_EQ(p.PruefeVersionen().Zeilen, Zeilen{"Bei Kurs BER     Sp 5a SPO ist die Anzahl der Stunden in "
                                               "Planversionen unterschiedlich."});
  s->deutsch6a->NeueSetzung(1, 1, 1, nullptr, false);
  s->ber->SetzeSoll(1, 10);
  const Zeilen z = p.PruefeVersionen().Zeilen;
  const Zeilen erwartet = {
      "Bei Lehrer BER ist die Anzahl der Sollstunden in Planversionen unterschiedlich.",
      "Bei Lehrer BER ist die Lage der Stunden in Planversionen unterschiedlich.",
      "Bei Klasse 6a ist die Lage der Stunden in Planversionen unterschiedlich.",
      "Bei Kurs BER     Sp 5a SPO ist die Anzahl der Stunden in Planversionen unterschiedlich.",
      "Bei Kurs BER     De 6a ist die Lage der Stunden in Planversionen unterschiedlich.",
  };
  for (const std::string& zeile : erwartet) EXPECT_NE(std::find(z.begin(), z.end(), zeile), z.end()) << zeile;
  EXPECT_EQ(z.size(), erwartet.size());
}

TEST(Pruefung, FehlerlisteBehaeltFruehereZeilen) {
  auto s = BaueKleineSchule();
  s->deutsch6a->NeueSetzung(1, 1, 1, nullptr, false);
  TPruefung p(*s->schule);
  TFehlerListe liste;
  liste.Uebernimm(p.PruefeFehlendeRaeume());
  liste.Uebernimm(p.PruefeFehlendeRaeume());
  EXPECT_EQ(liste.Zeilen().size(), 2u);
}

}  // namespace
}  // namespace kolvar
