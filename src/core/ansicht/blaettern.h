#pragma once
// Where the palette's arrow buttons lead from the element an element window shows.

#include <cstdint>

namespace kolvar {

class TElement;
class TSchule;

// The next (or previous) element of the kind's list after von, wrapping at the ends. In teacher
// and class plans with Ctrl held the step goes on to the first element that has a placement
// without a room, back to von when none has. nullptr when nothing is to open: von is not in its
// list, or a teacher or class plan would show its own element again.
TElement* BlaetterZiel(const TSchule& schule, int art, TElement* von, bool vorwaerts, uint8_t tasten);

}  // namespace kolvar
