#pragma once
// What a double click on a lesson changes in the plan views (plan windows and the manual
// window), per tool mode. Both views call the same function so the two can never drift apart.

namespace kolvar {

class TKurs;
class TSchule;

// Toggles the fixed flag of the course's hour at the slot in the versions of the rule ("eaw"),
// for the whole coupling when it has one. Every version takes the value the first version
// holding the hour inverts; versions without the hour are left. True when the hour is fixed now.
bool WechsleFixierung(TKurs& kurs, int d, int p);

// The model's part of a double click on the lesson (nullptr: an empty cell) at day d, period p
// in the school's tool mode:
//   Loeschen with Ctrl (strg): the hour loses its room in the versions of the rule;
//   Fixieren: the school counts as modified (even on an empty cell, as it always has) and the
//             lesson's hour toggles its fixed flag.
// True when the click was handled here (the view repaints); false when it is the view's own:
// showing, placing, moving, and deleting the hour, which asks first.
bool StundeDoppelklick(TSchule& schule, TKurs* kurs, int d, int p, bool strg);

}  // namespace kolvar
