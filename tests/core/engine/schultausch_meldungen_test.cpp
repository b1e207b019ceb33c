// The school-wide swap on a generated school with windows open: it leaves the school and tells
// the windows exactly what moving each hour on its own, with its own notices, would have.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/aenderungen.h"
#include "model/fensterart.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/undoelement.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
#include "support/modellpruefung.h"

namespace kolvar {
namespace {

// Keeps the last change set it was given.
class TMerkFenster : public TFakeFenster {
 public:
  using TFakeFenster::TFakeFenster;
  void Aenderungen(const TAenderungen& a) override {
    letzte = a;
    TFakeFenster::Aenderungen(a);
  }
  TAenderungen letzte;
};

struct TOffen {
  TStandard standard;
  TFakeDialoge dialoge;
  TFakePalette palette;
  TFesteUhr uhr{int64_t{kGeneratorHeute} * 86400};
  std::unique_ptr<TSchule> schule;
  std::unique_ptr<TMerkFenster> fenster;

  explicit TOffen(uint32_t seed) {
    schule = ErzeugeSchule(standard, Profil::Typisch, seed, {&dialoge, &palette, &uhr});
    standard.SetNurAktuelleVersion(false);
    palette.undo = true;
    fenster = std::make_unique<TMerkFenster>(*schule, FensterArt::LePln, schule->Lehrer().Hole(1));
    fenster->Anmelden();
  }
};

// Every hour moved on its own, version by version in the school's course order, each step
// telling the windows of its course.
void TauscheEinzeln(TSchule& schule, int v1, int d1, int p1, int d2, int p2) {
  TSchule::TAktion aktion(schule);
  for (int v = 1; v <= v1; ++v)
    for (TKurs* k : schule.Kurse()) {
      TSetzung* s1 = k->FindeSetzung(v, d1, p1);
      TSetzung* s2 = k->FindeSetzung(v, d2, p2);
      TRaum* r1 = s1 ? s1->Raum() : nullptr;
      TRaum* r2 = s2 ? s2->Raum() : nullptr;
      if (s1) {
        k->LoeseSperrungen(v, d2, p2, r1);
        k->EntferneSetzung(s1);
      }
      if (s2) {
        k->LoeseSperrungen(v, d1, p1, r2);
        k->EntferneSetzung(s2);
      }
      auto setze = [&](int d, int p, TRaum* r) {
        TSetzung* neu = k->NeueSetzung(v, d, p, r, false);
        ASSERT_NE(neu, nullptr);
        TUndoElement::Merke(*k, *neu, TUndoElement::Gesetzt);
        k->StempleAenderung(r);
        k->KursGeaendert();
        k->SetzungenGeaendert();
      };
      if (s1) setze(d2, p2, r1);
      if (s2) setze(d1, p1, r2);
    }
}

// What a change set says, as text: elements in the order recorded, courses, kinds, dates.
std::string Inhalt(const TAenderungen& a, const TSchule& schule) {
  std::string text = a.Alles() ? "alles\n" : "";
  for (const TElement* e : a.ElementeMit(0xFF))
    text += e->Kuerzel() + "=" + std::to_string(a.Element(e)) + " ";
  text += "\n";
  for (const TKurs* k : schule.Kurse())
    if (a.Kurs(k)) text += std::to_string(k->Erstellnummer()) + "=" + std::to_string(a.Kurs(k)) + " ";
  text += "\n";
  for (int art = 0; art < FensterArt::Grenze; ++art)
    if (a.Art(art)) text += std::to_string(art) + "=" + std::to_string(a.Art(art)) + " ";
  text += "\n";
  for (int32_t datum = kGeneratorHeute - 400; datum < kGeneratorHeute + 400; ++datum)
    if (a.VertretungsTag(datum)) text += std::to_string(datum) + " ";
  return text;
}

TEST(SchulTauschMeldungen, GleicherPlanGleicheMeldungenWieJedeStundeEinzeln) {
  for (uint32_t seed : {5u, 11u}) {
    TOffen tausch(seed), einzeln(seed);
    const int versionen = tausch.standard.mwn();
    ASSERT_GE(versionen, 2);
    // Twice, the second time back over hours the first one placed anew.
    for (auto [d1, p1, d2, p2] : {std::array{1, 2, 3, 4}, std::array{3, 4, 2, 5}}) {
      tausch.schule->TauscheStunden(d1, p1, d2, p2);
      TauscheEinzeln(*einzeln.schule, versionen, d1, p1, d2, p2);
      EXPECT_EQ(tausch.fenster->saetze, einzeln.fenster->saetze);
      const std::string inhalt = Inhalt(tausch.fenster->letzte, *tausch.schule);
      EXPECT_EQ(inhalt, Inhalt(einzeln.fenster->letzte, *einzeln.schule));
      EXPECT_FALSE(tausch.fenster->letzte.ElementeMit(0xFF).empty());
      // Placements in the same order, records, accounts and change stamps: the same bytes.
      EXPECT_EQ(TSchreiber().Baue(*tausch.schule), TSchreiber().Baue(*einzeln.schule));
      EXPECT_EQ(tausch.schule->UndoSchritte().Anzahl(), einzeln.schule->UndoSchritte().Anzahl());
      for (const std::string& f : PruefeModell(*tausch.schule)) ADD_FAILURE() << f;
    }
    // Undone, both come back to the same plan.
    tausch.schule->Widerrufe();
    einzeln.schule->Widerrufe();
    EXPECT_EQ(TSchreiber().Baue(*tausch.schule), TSchreiber().Baue(*einzeln.schule));
  }
}

}  // namespace
}  // namespace kolvar
