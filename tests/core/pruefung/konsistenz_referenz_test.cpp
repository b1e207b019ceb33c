// The consistency check's double bookings on a generated school with many of them, against a
// plain computation: teachers and rooms slot by slot in placement order, classes pair by pair.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/pruefung.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

std::vector<std::string> Referenz(const TSchule& sch) {
  const TStandard& st = sch.Standard();
  const int n = st.mwn();
  std::vector<std::string> zeilen;
  auto doppelt = [&](const std::string& wer, const std::vector<const TSetzung*>& setzungen) {
    TWochBereich grid(st.Versionen());
    grid.SetzeVersionen(n);
    for (const TSetzung* s : setzungen) {
      if (grid.Belegt(s->Version(), s->Tag(), s->Stunde()))
        zeilen.push_back(wer + " " + ZeitText(st, s->Version(), s->Tag(), s->Stunde()) + " doppelt im Plan.");
      grid.SetzeBereich(s->Version(), s->Tag(), s->Stunde(), true);
    }
  };
  for (const TLehrer* l : sch.Lehrer()) {
    std::vector<const TSetzung*> setzungen;
    for (const TKurs* c : l->Kurse())
      if (c->Lehrer() == l)
        for (const TSetzung* s : c->Setzungen()) setzungen.push_back(s);
    doppelt("Lehrer " + l->Kuerzel(), setzungen);
  }
  for (const TKlasse* k : sch.Klassen())
    for (const TKurs* a : k->Kurse())
      for (const TKurs* b : k->Kurse()) {
        if (a == b || (a->Kopplung() && a->Kopplung() == b->Kopplung())) continue;
        for (int v = 1; v <= n; ++v)
          for (int d = 1; d <= kTage; ++d) {
            const uint32_t beide = a->Belegung().Tag(v, d) & b->Belegung().Tag(v, d);
            for (int p = 1; p <= kStunden; ++p)
              if ((beide >> (p - 1)) & 1u)
                zeilen.push_back("Klasse " + k->Kuerzel() + " " + ZeitText(st, v, d, p) +
                                 " doppelt im Plan.");
          }
      }
  for (const TRaum* r : sch.Raeume()) {
    std::vector<const TSetzung*> setzungen;
    for (const TKurs* c : sch.Kurse())
      for (const TSetzung* s : c->Setzungen())
        if (s->Raum() == r) setzungen.push_back(s);
    doppelt("Raum " + r->Kuerzel(), setzungen);
  }
  return zeilen;
}

TEST(KonsistenzReferenz, DoppelbelegungenWieDerEinfacheWeg) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, Profil::Gross, 17, TUmgebung{nullptr, nullptr, &uhr});
  st.SetNurAktuelleVersion(false);
  TPruefung pruefung(*schule);
  ASSERT_EQ(pruefung.PruefeKonsistenz().Zeilen, std::vector<std::string>{});

  // A second lesson on placed hours: of the same teacher, of a class, in the same room; in every
  // version, some without a room. Then locks under hours and hours below the placed count.
  const std::vector<TKurs*> kurse = schule->Kurse().Elemente();
  int gesetzt = 0;
  for (std::size_t i = 0; i < kurse.size(); i += 11) {
    const TKurs* a = kurse[i];
    if (a->Setzungen().Leer()) continue;
    const TSetzung* s = a->Setzungen().Hole(1 + static_cast<int>(i) % a->Setzungen().Anzahl());
    std::vector<TKurs*> andere;
    if (a->Lehrer())
      for (TKurs* b : a->Lehrer()->Kurse()) andere.push_back(b);
    for (const TKlasse* k : a->Klassen())
      for (TKurs* b : k->Kurse()) andere.push_back(b);
    if (s->Raum())
      for (TKurs* b : s->Raum()->Kurse()) andere.push_back(b);
    for (std::size_t j = i % 5; j < andere.size(); j += 41) {
      TRaum* raum = j % 2 == 0 ? s->Raum() : nullptr;
      gesetzt += andere[j]->NeueSetzung(s->Version(), s->Tag(), s->Stunde(), raum, j % 3 == 0) != nullptr;
    }
  }
  ASSERT_GT(gesetzt, 100);
  int gesperrt = 0;
  for (std::size_t i = 1; i < kurse.size(); i += 10)
    for (const TSetzung* s : kurse[i]->Setzungen()) {
      if (kurse[i]->Lehrer())
        kurse[i]->Lehrer()->Sperrung().SetzeBereich(s->Version(), s->Tag(), s->Stunde(), true);
      if (s->Raum()) s->Raum()->Sperrung().SetzeBereich(s->Version(), s->Tag(), s->Stunde(), true);
      ++gesperrt;
    }
  ASSERT_GT(gesperrt, 0);
  for (std::size_t i = 2; i < kurse.size(); i += 25)
    if (!kurse[i]->Setzungen().Leer()) kurse[i]->SetzeStunden(0, 0);

  const TPruefErgebnis erste = pruefung.PruefeKonsistenz();
  EXPECT_EQ(erste.Stufe, 2);
  EXPECT_GT(erste.Reparaturen, 0);
  // The repairs re-sort raised courses; the lines of the first run are the same lines.
  const std::vector<std::string> soll = Referenz(*schule);
  std::vector<std::string> a = erste.Zeilen, b = soll;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b);

  // Repaired, the check finds the same double bookings again, in the plain order.
  const TPruefErgebnis zweite = pruefung.PruefeKonsistenz();
  EXPECT_EQ(zweite.Reparaturen, 0);
  EXPECT_EQ(zweite.Zeilen, soll);
  EXPECT_GT(soll.size(), 300u) << soll.size();
  for (const TLehrer* l : schule->Lehrer())
    for (const TKurs* c : l->Kurse())
      for (const TSetzung* s : c->Setzungen())
        EXPECT_FALSE(l->Sperrung().Belegt(s->Version(), s->Tag(), s->Stunde())) << l->Kuerzel();
  EXPECT_EQ(PruefeModell(*schule), std::vector<std::string>{});
}

}  // namespace
}  // namespace kolvar
