#pragma once
// Checks of the substitution records: both lists, the two-way links, and that every pointer a
// record or "statt" option holds is one the school still owns.

#include <string>
#include <vector>

namespace kolvar {

class TSchule;

// Every broken rule as one line; empty when the records are sound.
std::vector<std::string> PruefeVertretungen(const TSchule& schule);

}  // namespace kolvar
