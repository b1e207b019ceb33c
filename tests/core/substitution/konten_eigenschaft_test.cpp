// Any sequence of absences, choices, "frei", deletions and the rest, followed by taking back
// every absence, leaves no record behind and every hour account where it started; the records
// stay sound after every step.

#include <random>

#include "model/imenue.h"
#include "model/statt.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

class KontenEigenschaft : public VertretungsTest, public ::testing::WithParamInterface<int> {};

TEST_P(KontenEigenschaft, ZufaelligeFolgenGleichenSichAus) {
  std::mt19937 zufall(static_cast<uint32_t>(GetParam()));
  auto wuerfel = [&zufall](int n) { return static_cast<int>(zufall() % static_cast<uint32_t>(n)); };
  const bool mitLoeschen = GetParam() % 3 == 0;

  // A few more lessons, so that substitutes often have their own lesson at the slot.
  TKurs* ma6a = Schule().ErzeugeKurs(s->ber, s->k6a, nullptr, s->ma, s->th, 4);
  ASSERT_TRUE(ma6a->Setze(1, 1, s->th, 2));
  ASSERT_TRUE(ma6a->Setze(1, 3, s->th, 1));
  ma6a->SetzeFaktor(17);
  TKurs* de5b = Schule().ErzeugeKurs(s->sch, s->k5b, nullptr, s->de, s->r102, 3);
  ASSERT_TRUE(de5b->Setze(1, 1, s->r102, 1));
  ASSERT_TRUE(de5b->Setze(1, 2, s->r102, 2));
  de5b->SetzeFaktor(19);

  const std::array<int32_t, 4> tage = {kMontag, kDienstag, kMittwoch, kMontag + 7};
  auto start = Konten();

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

  for (int schritt = 0; schritt < 80; ++schritt) {
    s->dialoge.standardAntwort = wuerfel(4) == 0 ? Modal::Nein : Modal::Ja;
    SCOPED_TRACE("Schritt " + std::to_string(schritt));
    switch (wuerfel(13)) {
      case 0:
      case 1:
      case 2:
        if (TPlanElement* e = zufallsElement()) {
          const int32_t tag = tage[static_cast<std::size_t>(wuerfel(4))];
          Fehlt(e, tag, 1 + wuerfel(5), wuerfel(3) != 0);
        }
        break;
      case 3:
        if (TVertretung* r = zufallsVertretung())
          if (TLehrer* l = zufallsLehrer()) r->SetzeVertreter(l);
        break;
      case 4:
        if (TVertretung* r = zufallsVertretung(); r && r->Noetig()) {
          TMenueDaten menue;
          r->BildeStattListe(zufallsLehrer(), menue);
          klickeEinen(menue);
        }
        break;
      case 5:
        if (TVertretung* r = zufallsVertretung()) r->MacheFrei();
        break;
      case 6:
        if (TVertretung* r = zufallsVertretung()) r->LoescheVertreter();
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
          r->BaueWieAmMenu(menue);
          klickeEinen(menue);
        }
        break;
      case 11:
        if (TVertretung* r = zufallsVertretung()) {
          TMenueDaten menue;
          r->BaueRaumMenu(menue);
          klickeEinen(menue);
        }
        break;
      case 12:
        // Deleting a teacher, room or class, or a lesson's hour: their absences are taken back
        // and everything that held them lets go; a deleted teacher's account leaves the sum.
        if (mitLoeschen && wuerfel(4) == 0) {
          if (wuerfel(3) == 0) {
            TKurs* k = wahl(Schule().Kurse());
            if (TSetzung* st = wahl(k->Setzungen())) k->EntferneSetzung(st);
          } else if (TPlanElement* e = zufallsElement(); e && Schule().Lehrer().Anzahl() > 1) {
            start.erase(e->Kuerzel());
            Schule().LoescheElement(e);
          }
        }
        break;
    }
    const auto fehler = PruefeVertretungen(Schule());
    ASSERT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
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
  EXPECT_EQ(Konten(), start);
}

INSTANTIATE_TEST_SUITE_P(Folgen, KontenEigenschaft, ::testing::Range(1, 301));

}  // namespace
}  // namespace kolvar
