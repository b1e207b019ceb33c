// Text measured with a real font: widths the column layouts and printouts depend on.
#include <gtest/gtest.h>

#include <string>

#include "platform/qttextmass.h"

namespace kolvar {
namespace {

TEST(QtTextMass, BreiteUndHoeheEinerSchrift) {
  const TQtTextMass mass(QStringLiteral("Arial"), 10);
  EXPECT_EQ(mass.TextBreite(""), 0);
  EXPECT_GT(mass.TextHoehe(""), 0);
  EXPECT_EQ(mass.TextHoehe("Wg"), mass.TextHoehe("")) << "the line height, whatever the text";
  EXPECT_LT(mass.TextBreite("W"), mass.TextBreite("WW"));
  EXPECT_LT(mass.TextBreite("iii"), mass.TextBreite("WWW"));
  // UTF-8: the euro sign is one character, not the three its bytes are in Latin-1.
  EXPECT_EQ(mass.TextBreite("€€"), 2 * mass.TextBreite("€"));
  EXPECT_LT(mass.TextBreite("€"), mass.TextBreite("â¬"));
  // A view into a longer text ends where the view ends.
  const std::string kuerzel = "KürzelWWWWWW";
  EXPECT_EQ(mass.TextBreite(std::string_view(kuerzel).substr(0, 4)), mass.TextBreite("Kür"));
  const TQtTextMass gross(QStringLiteral("Arial"), 20);
  EXPECT_GT(gross.TextBreite("Kür"), mass.TextBreite("Kür"));
  EXPECT_GT(gross.TextHoehe(""), mass.TextHoehe(""));
}

}  // namespace
}  // namespace kolvar
