#pragma once
// The tiny school of the substitution tests: the small school with its hours placed, the clock
// on Monday 2 March 2026, factors that tell the lessons apart on the accounts, and a day list
// and choice windows that record what the records asked of them.

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "model/fehl.h"
#include "model/setzung.h"
#include "substitution/fehlzeit.h"
#include "substitution/ivertrfenster.h"
#include "substitution/vertretung.h"
#include "support/modellpruefung.h"
#include "support/schulbauer.h"
#include "support/vertretungspruefung.h"

namespace kolvar {

class TFakeTagesliste : public TFakeFensterBasis<IVertrFenster> {
 public:
  TFakeTagesliste(TSchule& schule, int32_t datum)
      : TFakeFensterBasis(schule, FensterArt::Vertr), datum(datum) {}
  int32_t VertrDatum() const override { return datum; }
  int32_t datum;
};

// A choice window bound to a record: closing unbinds it, as the real windows do.
class TFakeWahlFenster : public TFakeFenster {
 public:
  TFakeWahlFenster(TSchule& schule, TVertretung* v)
      : TFakeFenster(schule, FensterArt::VLeWahl), vertretung(v) {
    Anmelden();
    v->SetWahlForm(this);
  }
  void Schliesse() override {
    if (vertretung && vertretung->WahlForm() == this) vertretung->SetWahlForm(nullptr);
    vertretung = nullptr;
    TFakeFenster::Schliesse();
  }
  TVertretung* vertretung;
};

constexpr int32_t kMontag = TagesNummer(2026, 3, 2);
constexpr int32_t kDienstag = kMontag + 1;
constexpr int32_t kMittwoch = kMontag + 2;

class VertretungsTest : public ::testing::Test {
 protected:
  // Whatever a test did, the model and the records stay sound.
  void TearDown() override { ErwarteGesund(); }
  void SetUp() override {
    s = BaueKleineSchule();
    s->uhr.jetzt = int64_t{kMontag} * 86400 + 8 * 3600;
    SetzeEinigeStunden(*s);
    // Monday: MUE De 5a R101 (1), MUE Ma 5b R102 (2), SCH Ma 5a R101 (3) and (2, added here).
    s->mathe5a->Setze(1, 1, s->r101, 2);
    s->deutsch5a->SetFaktor(2);
    s->mathe5b->SetFaktor(3);
    s->mathe5a->SetFaktor(5);
    s->sportSch->SetFaktor(7);
    s->sportBer->SetFaktor(11);
    s->deutsch6a->SetFaktor(13);
    s->dialoge.standardAntwort = Modal::Ja;
    for (int p = 1; p <= kStunden; ++p)
      s->standard.sp[0][static_cast<std::size_t>(p - 1)] = std::to_string(p) + ".";
  }

  TSchule& Schule() { return *s->schule; }
  void Fehlt(TPlanElement* e, int32_t datum, int p, bool an = true) { SetzeFehltStunde(*e, datum, p, an); }

  // The records of a placement on a date.
  std::vector<TVertretung*> VertretungenVon(TKurs* k, int32_t datum) {
    std::vector<TVertretung*> ergebnis;
    for (TVertretung* v : Schule().Vertretungen())
      if (v->Kurs() == k && v->Datum() == datum) ergebnis.push_back(v);
    return ergebnis;
  }
  TVertretung* EineVertretung(TKurs* k, int32_t datum) {
    auto alle = VertretungenVon(k, datum);
    EXPECT_EQ(alle.size(), 1u);
    return alle.empty() ? nullptr : alle.front();
  }
  // Marks e absent and returns the one record the lesson k then has.
  TVertretung* FehltFuer(TPlanElement* e, int32_t datum, int p, TKurs* k) {
    Fehlt(e, datum, p);
    return EineVertretung(k, datum);
  }

  std::map<std::string, std::pair<int32_t, int32_t>> Konten() {
    std::map<std::string, std::pair<int32_t, int32_t>> k;
    for (const TLehrer* l : Schule().Lehrer()) k[l->Kuerzel()] = {l->VStd1(), l->VStd2()};
    return k;
  }

  void ErwarteGesund() {
    const auto modell = PruefeModell(Schule());
    EXPECT_TRUE(modell.empty()) << ::testing::PrintToString(modell);
    const auto vertr = PruefeVertretungen(Schule());
    EXPECT_TRUE(vertr.empty()) << ::testing::PrintToString(vertr);
  }

  std::unique_ptr<TKleineSchule> s;
};

}  // namespace kolvar
