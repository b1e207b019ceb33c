// The conflicts of moves on a generated school with several versions, fixed hours, locks and
// placements in rooms outside their courses' lists, against a plain version-by-version walk
// through every course of the teacher, the classes and the room.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/konfliktliste.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// The list's rules kept plainly; Schwere is that of the last walk's own additions.
struct TErwartet {
  std::vector<TKonflikt> Liste;
  int Schwere = 0;

  void Fuege(int art, TKurs* kurs, const TElement* e, int v) {
    if (art >= KonfliktArt::LehrerFixiert && art <= KonfliktArt::RaumBesetzt)
      for (const TKonflikt& k : Liste)
        if (k.Kurs() == kurs && k.Version() == v) return;
    const TKonflikt neu(art, KonfliktSchwere(art), kurs, const_cast<TElement*>(e), v);
    Liste.insert(std::find_if(Liste.begin(), Liste.end(), [&](const TKonflikt& k) { return k.Art() > art; }),
                 neu);
    Schwere = std::max(Schwere, KonfliktSchwere(art));
  }
};

const TSetzung* An(const TKurs* k, int v, int d, int p) {
  return k->Belegung().Belegt(v, d, p) ? k->FindeSetzung(v, d, p) : nullptr;
}

void Referenz(const TKurs& c, int d, int p, const TRaum* r, const TKurs* ausser, const TKopplung* ko,
              TErwartet& e) {
  e.Schwere = 0;
  TKurs* selbst = const_cast<TKurs*>(&c);
  for (int v = 1; v <= c.Schule().Standard().mwn(); ++v) {
    if (c.Sperrung().Belegt(v, d, p) || c.Belegung().Belegt(v, d, p))
      e.Fuege(KonfliktArt::KursGesperrt, selbst, nullptr, v);
    if (const TLehrer* l = c.Lehrer()) {
      if (l->Sperrung().Belegt(v, d, p)) e.Fuege(KonfliktArt::LehrerGesperrt, nullptr, l, v);
      if (l->Belegung().Belegt(v, d, p))
        for (TKurs* k : l->Kurse())
          if (const TSetzung* s = k == &c ? nullptr : An(k, v, d, p))
            e.Fuege(s->Fixiert() ? KonfliktArt::LehrerFixiert : KonfliktArt::LehrerBesetzt, k, l, v);
    }
    for (const TKlasse* kl : c.Klassen()) {
      if (kl->Sperrung().Belegt(v, d, p)) e.Fuege(KonfliktArt::KlasseGesperrt, nullptr, kl, v);
      if (!kl->Belegung().Belegt(v, d, p)) continue;
      for (TKurs* k : kl->Kurse()) {
        if (k == &c || k == ausser || (ko != nullptr && k->Kopplung() == ko)) continue;
        if (const TSetzung* s = An(k, v, d, p))
          e.Fuege(s->Fixiert() ? KonfliktArt::KlasseFixiert : KonfliktArt::KlasseBesetzt, k, kl, v);
      }
    }
    if (r == nullptr) continue;
    if (r->Sperrung().Belegt(v, d, p)) e.Fuege(KonfliktArt::RaumGesperrt, nullptr, r, v);
    if (!r->Belegung().Belegt(v, d, p)) continue;
    bool gefunden = false;
    auto pruefe = [&](const TListe<TKurs>& kurse) {
      for (TKurs* k : kurse) {
        const TSetzung* s = An(k, v, d, p);
        if (s == nullptr || s->Raum() != r) continue;
        gefunden = true;
        if (k != &c) e.Fuege(s->Fixiert() ? KonfliktArt::RaumFixiert : KonfliktArt::RaumBesetzt, k, r, v);
      }
    };
    pruefe(r->Kurse());
    if (!gefunden) pruefe(c.Schule().Kurse());
  }
}

std::string Zeile(const TKonflikt& k) {
  return std::to_string(k.Art()) + " " + k.Text();
}

void Vergleiche(const TKonfliktListe& liste, int schwere, const TErwartet& e, const std::string& wo) {
  std::vector<std::string> ist, soll;
  for (const TKonflikt& k : liste) ist.push_back(Zeile(k));
  for (const TKonflikt& k : e.Liste) soll.push_back(Zeile(k));
  ASSERT_EQ(ist, soll) << wo;
  for (int i = 1; i <= liste.Anzahl(); ++i) {
    const TKonflikt& a = liste.Hole(i);
    const TKonflikt& b = e.Liste[static_cast<std::size_t>(i - 1)];
    ASSERT_TRUE(a.Kurs() == b.Kurs() && a.Element() == b.Element() && a.Version() == b.Version())
        << wo << " " << i;
  }
  EXPECT_EQ(schwere, e.Schwere) << wo;
}

TEST(KonflikteReferenz, JederZugWieDerEinfacheWeg) {
  TStandard st;
  TFakeDialoge dialoge;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, Profil::Gross, 13, TUmgebung{&dialoge, nullptr, &uhr});
  st.SetNurAktuelleVersion(false);
  ASSERT_GE(st.mwn(), 3);
  const std::vector<TKurs*> kurse = schule->Kurse().Elemente();
  // Fixed hours, locks on every kind of element, and hours in rooms no course of theirs lists.
  int n = 0;
  for (TKurs* k : kurse)
    for (TSetzung* s : k->Setzungen())
      if (++n % 5 == 0) s->SetFixiert(true);
  for (std::size_t i = 0; i < kurse.size(); i += 9) {
    const int v = 1 + static_cast<int>(i % 3), d = 1 + static_cast<int>(i % 5),
              p = 1 + static_cast<int>(i % 8);
    kurse[i]->Sperrung().SetzeBereich(v, d, p, true);
    if (TLehrer* l = kurse[i]->Lehrer()) l->Sperrung().SetzeBereich(v, d + 1, p, true);
    if (kurse[i]->Klassen().Anzahl() > 0)
      kurse[i]->Klassen().Hole(1)->Sperrung().SetzeBereich(v, d, p + 1, true);
  }
  for (TRaum* r : schule->Raeume()) r->Sperrung().SetzeBereich(2, 3, 4, true);
  int fremd = 0;
  for (std::size_t i = 5; i < kurse.size() && fremd < 40; i += 13)
    for (TRaum* r : schule->Raeume())
      if (kurse[i]->Raeume().Position(r) == 0 && !r->Belegung().Belegt(1, 2, 9) &&
          kurse[i]->NeueSetzung(1, 2, 9, r, i % 2 == 0)) {
        ++fremd;
        break;
      }
  ASSERT_GT(fremd, 0);
  // Rooms booked twice: two of a room's courses in it at one slot of version 2.
  int doppelt = 0;
  for (int i = 1; i <= schule->Raeume().Anzahl(); ++i) {
    TRaum* r = schule->Raeume().Hole(i);
    int drin = 0;
    for (TKurs* k : r->Kurse())
      if (drin < 2 && k->NeueSetzung(2, 1 + i % 5, 9, r, false)) ++drin;
    doppelt += drin == 2;
  }
  ASSERT_GT(doppelt, 10);

  int konflikte = 0;
  for (std::size_t i = 0; i < kurse.size(); i += 4) {
    TKurs* k = kurse[i];
    if (k->Setzungen().Leer()) continue;
    const TSetzung* quelle = k->Setzungen().Hole(1);
    for (int z = 0; z < 6; ++z) {
      const int d = 1 + static_cast<int>((i + static_cast<std::size_t>(z)) % 5);
      const int p = z == 5 ? 9 : 1 + static_cast<int>((i * 7 + static_cast<std::size_t>(z)) % 8);
      const std::string wo = k->Text() + " nach " + std::to_string(d) + "/" + std::to_string(p);
      {
        TKonfliktListe liste;
        const int schwere =
            k->SammleKonflikte(d, p, k, k->Kopplung(), liste, quelle->Tag(), quelle->Stunde());
        TErwartet e;
        Referenz(*k, d, p, k->RaumAnStunde(st.AktuelleVersion(), quelle->Tag(), quelle->Stunde()), k,
                 k->Kopplung(), e);
        Vergleiche(liste, schwere, e, wo);
        konflikte += liste.Anzahl();
      }
      {
        // A list that already holds another course's conflicts, as a coupled move builds it.
        TKonfliktListe liste;
        TErwartet e;
        const TKurs* vorher = kurse[(i + kurse.size() / 2) % kurse.size()];
        TRaum* r = vorher->Raeume().Leer() ? nullptr : vorher->Raeume().Hole(1);
        vorher->SammleSperrgruende(d, p, r, liste);
        Referenz(*vorher, d, p, r, vorher, vorher->Kopplung(), e);
        TRaum* eigener = k->Raeume().Leer() ? nullptr : k->Raeume().Hole(1);
        const int schwere = k->SammleSperrgruende(d, p, eigener, liste);
        Referenz(*k, d, p, eigener, k, k->Kopplung(), e);
        Vergleiche(liste, schwere, e, wo + " mit Vorgaenger");
      }
    }
  }
  EXPECT_GT(konflikte, 1000);
  EXPECT_EQ(PruefeModell(*schule), std::vector<std::string>{});
}

// Hours being dragged have their occupancy switched off: they are no obstacle while off, and
// are again once switched back on.
TEST(KonflikteReferenz, AusgeschalteteStunden) {
  TStandard st;
  TFakeDialoge dialoge;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, Profil::Gross, 5, TUmgebung{&dialoge, nullptr, &uhr});
  st.SetNurAktuelleVersion(false);
  const std::vector<TKurs*> kurse = schule->Kurse().Elemente();
  std::vector<const TSetzung*> aus;
  for (std::size_t i = 0; i < kurse.size(); i += 3)
    if (!kurse[i]->Setzungen().Leer()) aus.push_back(kurse[i]->Setzungen().Hole(1));
  auto pruefe = [&](const std::string& wann) {
    int konflikte = 0;
    for (std::size_t j = 0; j < aus.size(); j += 4) {
      const int d = aus[j]->Tag(), p = aus[j]->Stunde();
      for (std::size_t i = j % 5; i < kurse.size(); i += 97) {
        TKurs* k = kurse[i];
        TRaum* r = k->Raeume().Leer() ? nullptr : k->Raeume().Hole(1);
        TKonfliktListe liste;
        const int schwere = k->SammleSperrgruende(d, p, r, liste);
        TErwartet e;
        Referenz(*k, d, p, r, k, k->Kopplung(), e);
        Vergleiche(liste, schwere, e,
                   wann + " " + k->Text() + " nach " + std::to_string(d) + "/" + std::to_string(p));
        konflikte += liste.Anzahl();
      }
    }
    return konflikte;
  };
  const int vorher = pruefe("vorher");
  EXPECT_GT(vorher, 100);
  for (const TSetzung* s : aus) s->Kurs().SchalteBelegung(-1, s->Tag(), s->Stunde(), false, false);
  const int waehrend = pruefe("ausgeschaltet");
  EXPECT_LT(waehrend, vorher);
  for (const TSetzung* s : aus) s->Kurs().SchalteBelegung(-1, s->Tag(), s->Stunde(), false, true);
  EXPECT_EQ(pruefe("wieder an"), vorher);
  // Switched on twice and off again: what is off still counts as off.
  TKurs& k = aus.front()->Kurs();
  const int d = aus.front()->Tag(), p = aus.front()->Stunde();
  k.SchalteBelegung(-1, d, p, false, true);
  k.SchalteBelegung(-1, d, p, false, false);
  EXPECT_FALSE(k.AlleStundenBelegt());
  pruefe("einer aus");
  k.SchalteBelegung(-1, d, p, false, true);
  EXPECT_TRUE(k.AlleStundenBelegt());
}

// Outside the week nothing is found and nothing is read out of the grids.
TEST(KonflikteReferenz, FeldAusserhalbDerWoche) {
  TStandard st;
  TFesteUhr uhr;
  auto schule = ErzeugeSchule(st, Profil::Klein, 2, TUmgebung{nullptr, nullptr, &uhr});
  st.SetNurAktuelleVersion(false);
  for (TKurs* k : schule->Kurse()) {
    TRaum* r = k->Raeume().Leer() ? nullptr : k->Raeume().Hole(1);
    for (const auto& [d, p] : {std::pair{0, 1}, {8, 1}, {1, 0}, {1, 17}, {-3, 40}}) {
      TKonfliktListe liste;
      EXPECT_EQ(k->SammleSperrgruende(d, p, r, liste), 0);
      EXPECT_TRUE(liste.Leer());
    }
  }
}

}  // namespace
}  // namespace kolvar
