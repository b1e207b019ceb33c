#pragma once
// Exchanging two time slots school-wide (a plan view's drag with Alt): every hour placed in one
// slot moves to the other, in the current version when acting on it only, else in every version.

namespace kolvar {

class TSchule;

// True when, in any of those versions, a course placed in one slot is locked at the other (with
// the room of its hour) or fixed where it stands. The caller asks before swapping.
bool TauschKonflikt(const TSchule& schule, int tag1, int stunde1, int tag2, int stunde2);

// Lifts the locks of each moved hour's teacher, classes and room at its new slot and moves it
// there with its room. Every removed hour comes back, also of a course that is not to be placed
// or has more hours placed than it counts; the same slot twice changes nothing.
void TauscheStunden(TSchule& schule, int tag1, int stunde1, int tag2, int stunde2);

}  // namespace kolvar
