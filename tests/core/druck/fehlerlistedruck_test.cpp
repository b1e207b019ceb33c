#include "druck/fehlerlistedruck.h"

#include <gtest/gtest.h>

#include "druckhilfen.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

std::unique_ptr<TPrevPrinter> Drucke(const TSchule& schule, const std::vector<std::string>& zeilen, int hoehe,
                                     const IDruckMesser& messer) {
  TDruckGeraet g = KleinesGeraet();
  g.Blatt.y = g.Seite.y = hoehe;
  auto p = std::make_unique<TPrevPrinter>(g, messer);
  p->BeginRecord();
  TFehlerListeDruck(schule, TFehlerListeDruckOptionen{}).Drucke(*p, zeilen);
  p->EndRecord();
  return p;
}

TEST(FehlerListeDruck, EmptyListPrintsTheHeaderAndALineBreaksAtExactlyThreeLinesLeft) {
  auto s = BaueKleineSchule(2);
  TZeichenMesser messer;
  auto leer = Drucke(*s->schule, {}, 2800, messer);
  ASSERT_EQ(leer->PageCount(), 1);
  const auto kopf = Texte(*leer->PageMetafile(1));
  ASSERT_EQ(kopf.size(), 2u);
  EXPECT_EQ(kopf[1].text, "{1}  " + s->schule->Titel());
  // Eleven lines from 79 + 3*20 on: the last at 339 needs 60 pixels below it.
  std::vector<std::string> zeilen;
  for (int i = 0; i < 11; ++i) zeilen.push_back("Fehler " + std::to_string(i));
  for (auto [hoehe, seiten] : std::vector<std::pair<int, int>>{{399, 1}, {398, 2}}) {
    auto p = Drucke(*s->schule, zeilen, hoehe, messer);
    ASSERT_EQ(p->PageCount(), seiten) << hoehe;
    const auto letzte = Finde(*p->PageMetafile(seiten), "Fehler 10");
    ASSERT_EQ(letzte.size(), 1u);
    EXPECT_EQ(letzte.front().y, seiten == 1 ? 339 : 139);
    EXPECT_EQ(letzte.front().x, 79);
  }
}

}  // namespace
}  // namespace kolvar
