// Tab stops of the clipboard window: every column starts at the same place in every line.

#include <gtest/gtest.h>

#include "model/itextmass.h"
#include "model/tabstopps.h"
#include "model/text.h"

namespace kolvar {
namespace {

class TZeichenMass : public ITextMass {
 public:
  int TextBreite(std::string_view text) const override { return 10 * TextLaenge(text); }
  int TextHoehe(std::string_view) const override { return 12; }
};

TEST(TabStopps, ColumnsStartAfterTheirWidestCell) {
  const TZeichenMass mass;
  const struct {
    const char* text;
    std::vector<int> stopps;
  } faelle[] = {
      {"", {}},
      {"ohne Tabulator\nzweite Zeile", {}},
      // A line that begins with a TAB has an empty first cell.
      {"\tMo\tDi\n1\tABE De 5a\tBRA", {15, 110}},
      // The last cell of a line is not measured; a short line still counts.
      {"a\tb\nlanger Text\tc\td", {115, 130}},
      {"ä\tö\r\nxx\t\t", {25, 30}},
      {"\t\t\t", {5, 10, 15}},
      {"x\n\n\nyyyy\tz\n", {45}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(TabStopps(f.text, mass, 5), f.stopps);
  }
}

}  // namespace
}  // namespace kolvar
