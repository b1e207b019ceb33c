// The record edits of the substitution choice windows mark the school modified and tell the
// substitution windows themselves.

#include "substitution/wahlbemerkung.h"

#include <memory>
#include <string>

#include "model/fensterart.h"
#include "substitution/fehleingabe.h"
#include "support/fakes.h"
#include "vertretungsschule.h"

namespace kolvar {
namespace {

class WahlBearbeitung : public VertretungsTest {
 protected:
  void SetUp() override {
    VertretungsTest::SetUp();
    liste = std::make_unique<TFakeFenster>(Schule(), FensterArt::Vertr);
    liste->Anmelden();
    r = FehltFuer(s->mue, kMontag, 1, s->deutsch5a);
    ASSERT_NE(r, nullptr);
    Zuruecksetzen();
  }
  void TearDown() override {
    liste->Schliesse();
    VertretungsTest::TearDown();
  }
  void Zuruecksetzen() {
    Schule().SetzeGeaendert(false);
    liste->aktualisiert = liste->neuGezeichnet = 0;
  }
  int Gemeldet() const { return liste->aktualisiert + liste->neuGezeichnet; }

  std::unique_ptr<TFakeFenster> liste;
  TVertretung* r = nullptr;
};

TEST_F(WahlBearbeitung, ATypedRemarkIsStoredCutAndMarksTheSchool) {
  TippeBemerkung(*r, true, std::string(70, 'x'));
  EXPECT_EQ(r->LehrerBem(), std::string(61, 'x').substr(0, r->LehrerBem().size()));
  EXPECT_LT(r->LehrerBem().size(), 70u);
  EXPECT_TRUE(Schule().Geaendert());
  Zuruecksetzen();
  TippeBemerkung(*r, false, "Heft mitbringen");
  EXPECT_EQ(r->SchuelerBem(), "Heft mitbringen");
  EXPECT_EQ(r->LehrerBem().size() > 0, true) << "the other field stays";
  EXPECT_TRUE(Schule().Geaendert());
}

TEST_F(WahlBearbeitung, AStandardRemarkIsAppendedAndRepaintsTheLists) {
  TippeBemerkung(*r, false, "Raum 12");
  Zuruecksetzen();
  const std::string neu = NimmStandardBemerkung(*r, false, "Raum 12", "Heft", false);
  EXPECT_EQ(neu, "Raum 12 Heft");
  EXPECT_EQ(r->SchuelerBem(), neu);
  EXPECT_TRUE(Schule().Geaendert());
  EXPECT_GE(Gemeldet(), 1);

  Zuruecksetzen();
  EXPECT_EQ(NimmStandardBemerkung(*r, true, "alt", "Buch", true), "Buch");
  EXPECT_EQ(r->LehrerBem(), "Buch");
  EXPECT_GE(Gemeldet(), 1);
}

TEST_F(WahlBearbeitung, TakingTheRoomOffAndEnteringAbsencesTellTheLists) {
  r->LoescheErsatzraum();
  EXPECT_TRUE(Schule().Geaendert());
  EXPECT_GE(Gemeldet(), 1);

  Zuruecksetzen();
  EXPECT_GT(TrageFehlzeitenEin(*s->sch, "+", kMontag, kMontag + 2), 0);
  EXPECT_GE(liste->aktualisiert, 1);
}

}  // namespace
}  // namespace kolvar
