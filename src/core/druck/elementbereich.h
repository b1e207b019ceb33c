#pragma once
// The element lists of the list printouts by kind number and the range "von" .. "bis" of one.

#include <vector>

namespace kolvar {

class TElement;
class TSchule;

// The school's list of kind 0..5 (teachers, classes, couplings, subjects, rooms, tables) in
// list order; empty for another kind.
std::vector<TElement*> ElementListe(const TSchule& schule, int art);

// The elements from von to bis in list order; empty when either is missing or not in the list.
// A bis before von gives von alone.
std::vector<TElement*> ElementBereich(const std::vector<TElement*>& liste, const TElement* von,
                                      const TElement* bis);

}  // namespace kolvar
