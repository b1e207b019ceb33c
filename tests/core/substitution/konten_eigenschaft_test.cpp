// Any sequence of absences, choices, "frei", plan changes, factor and hour changes and deletions
// keeps every hour account at its start plus what the records and the class-absence charges hold
// now plus the credits kept for hours given before today; taking back every absence at the end
// leaves no record and every account at its start plus those kept credits.

#include <random>
#include <set>

#include "model/imenue.h"
#include "model/klasse.h"
#include "model/statt.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

using TKonten = std::map<std::string, int32_t>;

class KontenEigenschaft : public VertretungsTest, public ::testing::WithParamInterface<int> {
 protected:
  // The accounts as the state says: what the records hold, less the charges of the lessons all
  // of whose classes are absent (computed here from the absence lists, not by the code tested).
  TKonten Gehalten() {
    TKonten k;
    for (const TVertretung* r : Schule().Vertretungen()) {
      if (!r->Anrechnen() || !r->Kurs()) continue;
      if (r->Noetig() && r->Vertreter()) k[r->Vertreter()->Kuerzel()] += r->Wert();
      if (!r->Noetig() && r->Kurs()->Lehrer()) k[r->Kurs()->Lehrer()->Kuerzel()] += r->Wert();
    }
    for (const TKurs* c : Schule().Kurse()) {
      if (!c->Lehrer() || c->Klassen().Leer()) continue;
      for (const TSetzung* s : c->Setzungen()) {
        std::set<int32_t> tage;
        for (const TFehl* f : Schule().KlassenFehlen())
          if (c->Klassen().Position(static_cast<TKlasse*>(f->Element())) != 0 && f->Fehlt(s->Stunde()) &&
              Uhr::Wochentag(f->Datum()) == s->Tag() && Schule().VersionDerWoche(f->Datum()) == s->Version())
            tage.insert(f->Datum());
        for (int32_t t : tage)
          if (c->KlassenAbwesend(t, s->Stunde(), nullptr)) k[c->Lehrer()->Kuerzel()] -= c->Faktor();
      }
    }
    return k;
  }
  TKonten Stand() {
    TKonten k;
    for (const TLehrer* l : Schule().Lehrer()) {
      EXPECT_EQ(l->VStd1(), l->VStd2()) << l->Kuerzel();
      k[l->Kuerzel()] = l->VStd1();
    }
    return k;
  }
  // Counted substitutions of days before today, by record.
  std::map<uint64_t, std::pair<std::string, int32_t>> Gegeben() {
    std::map<uint64_t, std::pair<std::string, int32_t>> g;
    for (const TVertretung* r : Schule().Vertretungen())
      if (r->Datum() < kMontag && r->Noetig() && r->Anrechnen() && r->Vertreter())
        g[r->Folge()] = {r->Vertreter()->Kuerzel(), r->Wert()};
    return g;
  }
  void ErwarteKonten(const TKonten& start, const TKonten& behalten) {
    TKonten soll = Gehalten();
    for (const auto& [kuerzel, wert] : start) soll[kuerzel] += wert;
    for (const auto& [kuerzel, wert] : behalten) soll[kuerzel] += wert;
    TKonten ist = Stand();
    std::erase_if(soll, [&](const auto& e) { return !ist.contains(e.first); });
    EXPECT_EQ(ist, soll);
  }
};

TEST_P(KontenEigenschaft, ZufaelligeFolgenGleichenSichAus) {
  std::mt19937 zufall(static_cast<uint32_t>(GetParam()));
  auto wuerfel = [&zufall](int n) { return static_cast<int>(zufall() % static_cast<uint32_t>(n)); };

  // A few more lessons, so that substitutes often have their own lesson at the slot.
  TKurs* ma6a = Schule().ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->th, 4);
  ASSERT_TRUE(ma6a->Setze(1, 1, s->th, 2));
  ASSERT_TRUE(ma6a->Setze(1, 3, s->th, 1));
  ma6a->SetFaktor(17);
  TKurs* de5b = Schule().ErzeugeKurs(s->sch, s->k5b, nullptr, s->de, s->r102, 3);
  ASSERT_TRUE(de5b->Setze(1, 1, s->r102, 1));
  ASSERT_TRUE(de5b->Setze(1, 2, s->r102, 2));
  de5b->SetFaktor(19);

  // Last week, today (Monday), later this week and next week.
  const std::array<int32_t, 6> tage = {kMontag - 7, kMontag - 6, kMontag, kDienstag, kMittwoch, kMontag + 7};
  const TKonten start = Stand();
  TKonten behalten;

  auto wahl = [&](const auto& liste) {
    const int n = liste.Anzahl();
    return n ? liste.Hole(1 + wuerfel(n)) : nullptr;
  };
  auto zufallsVertretung = [&] { return wahl(Schule().Vertretungen()); };
  auto zufallsLehrer = [&] { return wahl(Schule().Lehrer()); };
  auto zufallsRaum = [&] { return wahl(Schule().Raeume()); };
  auto zufallsElement = [&]() -> TPlanElement* {
    const int art = wuerfel(5);
    if (art < 2) return zufallsLehrer();
    if (art < 4) return wahl(Schule().Klassen());
    return zufallsRaum();
  };
  auto klickeEinen = [&](TMenueDaten& menue) {
    if (menue.Anzahl() > 0) menue[wuerfel(menue.Anzahl())].Aktion();
  };
  // A step that moves or removes lessons: counted substitutions of past days that go with them
  // keep their credit.
  auto planSchritt = [&](const auto& schritt) {
    const auto vorher = Gegeben();
    schritt();
    const auto nachher = Gegeben();
    for (const auto& [folge, wer] : vorher)
      if (!nachher.contains(folge)) behalten[wer.first] += wer.second;
  };

  for (int schritt = 0; schritt < 120; ++schritt) {
    s->dialoge.standardAntwort = wuerfel(4) == 0 ? Modal::Nein : Modal::Ja;
    SCOPED_TRACE("Schritt " + std::to_string(schritt));
    const int tag = 1 + wuerfel(3), stunde = 1 + wuerfel(5);
    switch (wuerfel(20)) {
      case 0:
      case 1:
      case 2:
      case 3:
        if (TPlanElement* e = zufallsElement())
          Fehlt(e, tage[static_cast<std::size_t>(wuerfel(6))], stunde, wuerfel(3) != 0);
        break;
      case 4:
        if (TVertretung* r = zufallsVertretung())
          if (TLehrer* l = zufallsLehrer()) r->SetzeVertreter(l);
        break;
      case 5:
        if (TVertretung* r = zufallsVertretung(); r && r->Noetig()) {
          TMenueDaten menue;
          r->BildeStattListe(zufallsLehrer(), menue);
          klickeEinen(menue);
        }
        break;
      case 6:
        if (TVertretung* r = zufallsVertretung()) wuerfel(2) ? r->MacheFrei() : r->LoescheVertreter();
        break;
      case 7:
        if (TVertretung* r = zufallsVertretung()) r->AendereAnrechnen(wuerfel(2) == 0);
        break;
      case 8:
        if (TVertretung* r = zufallsVertretung()) TVertretung::Loesche(r);
        break;
      case 9:
        if (TVertretung* r = zufallsVertretung())
          if (TRaum* raum = zufallsRaum()) r->SetzeErsatzraum(raum);
        break;
      case 10:
        if (TVertretung* r = zufallsVertretung()) {
          TMenueDaten menue;
          wuerfel(2) ? r->BaueWieAmMenu(menue) : r->BaueRaumMenu(menue);
          klickeEinen(menue);
        }
        break;
      case 11:
        if (TKurs* k = wahl(Schule().Kurse())) k->Setze(1, tag, wahl(Schule().Raeume()), stunde);
        break;
      case 12:
        planSchritt([&] {
          if (TKurs* k = wahl(Schule().Kurse()))
            if (TSetzung* st = wahl(k->Setzungen())) k->EntferneSetzung(st);
        });
        break;
      case 13:
        planSchritt([&] {
          if (TKurs* k = wahl(Schule().Kurse()))
            if (TSetzung* st = wahl(k->Setzungen()))
              k->Verschiebe(tag, stunde, true, st->Tag(), st->Stunde());
        });
        break;
      case 14:
        planSchritt([&] { Schule().TauscheStunden(tag, stunde, 1 + wuerfel(3), 1 + wuerfel(5)); });
        break;
      case 15:
        if (TKurs* k = wahl(Schule().Kurse())) k->SetFaktor(1 + wuerfel(20));
        break;
      case 16:
        if (TKurs* k = wahl(Schule().Kurse())) k->SetzeStunden(-1, 2 + wuerfel(5));
        break;
      case 17:
        planSchritt([&] {
          if (TKurs* k = wahl(Schule().Kurse()); k && wuerfel(3) == 0) Schule().LoescheKurs(k);
        });
        break;
      default:
        // Deleting a teacher or a room: its absences are taken back, and everything that held
        // it lets go; a deleted teacher's account leaves the sum.
        if (wuerfel(4) == 0) {
          TPlanElement* e = wuerfel(2) ? static_cast<TPlanElement*>(zufallsLehrer()) : zufallsRaum();
          if (e && Schule().Lehrer().Anzahl() > 1) {
            // Its absences go back first (as the deletion does), so what its lessons keep is told apart.
            std::vector<int32_t> daten;
            for (const TFehl* f : e->Fehlzeiten()) daten.push_back(f->Datum());
            for (int32_t datum : daten) SetzeFehlzeit(*e, datum, 0);
            ErwarteKonten(start, behalten);
            planSchritt([&] { Schule().LoescheElement(e); });
          }
        }
        break;
    }
    const auto fehler = PruefeVertretungen(Schule());
    ASSERT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
    ErwarteKonten(start, behalten);
    if (HasFailure()) return;
  }

  // Take back every absence, in random order, one period at a time.
  std::vector<std::pair<TPlanElement*, int32_t>> offen;
  for (auto* liste : {&Schule().LehrerFehlen(), &Schule().KlassenFehlen(), &Schule().RaumFehlen()})
    for (TFehl* f : *liste) offen.emplace_back(f->Element(), f->Datum());
  std::shuffle(offen.begin(), offen.end(), zufall);
  for (const auto& [e, tag] : offen)
    for (int p = 1; p <= 16; ++p) Fehlt(e, tag, p, false);

  EXPECT_TRUE(Schule().Vertretungen().Leer());
  EXPECT_TRUE(Schule().LehrerFehlen().Leer());
  EXPECT_TRUE(Schule().KlassenFehlen().Leer());
  EXPECT_TRUE(Schule().RaumFehlen().Leer());
  TKonten soll = start;
  for (const auto& [kuerzel, wert] : behalten) soll[kuerzel] += wert;
  std::erase_if(soll, [&](const auto& e) { return !Stand().contains(e.first); });
  EXPECT_EQ(Stand(), soll);
}

INSTANTIATE_TEST_SUITE_P(Folgen, KontenEigenschaft, ::testing::Range(1, 401));

}  // namespace
}  // namespace kolvar
