#pragma once
// What the hour distribution shows of a teacher, class or room: its day patterns and its gaps.

#include <string>
#include <vector>

namespace kolvar {

class TPlanElement;
class TStandard;

struct TSVZeile {
  std::string Kuerzel;
  std::vector<std::string> Muster;  // per school day, cut to the periods shown ("pst")
  int Springstunden = 0;
};

// The element's day patterns and gaps in the current plan version.
TSVZeile SVZeile(const TPlanElement& element, const TStandard& standard);

}  // namespace kolvar
