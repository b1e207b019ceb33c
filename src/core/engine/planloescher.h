#pragma once
// TPlanLoescher: the bulk clean-ups of the plans. Deleting plans walks a snapshot of each
// course's placements and removes exactly those that meet the choice, in the chosen versions
// only, so a fixed hour of another version survives the deletion of an unfixed one beside it.

#include "model/wochbereich.h"

namespace kolvar {

class TSchule;

class TPlanLoescher {
 public:
  // Which plans: every course of the school, or the courses of a range of teachers, classes,
  // couplings, subjects or rooms.
  enum TArt { AllePlaene = 0, Lehrer = 1, Klassen = 2, Kopplungen = 3, Faecher = 4, Raeume = 5 };

  explicit TPlanLoescher(TSchule& schule) : schule_(schule) {}

  // von, bis: list positions (1-based) of the range, inclusive; ignored for AllePlaene.
  // auswahl: the selected slots. Versions: the current one, or every one when acting on all.
  // Returns how many placements went.
  int LoeschePlaene(TArt art, int von, int bis, const TWoElem& auswahl, bool mitKopplungen,
                    bool ohneFixierte);
  // Every course loses the rooms added in the plans, from its lists and its lessons.
  void LoescheSpaeterErgaenzteRaeume();
  // Every course loses the rooms none of its placements (in any version) uses.
  void LoescheUnbenutzteRaeume();
  // Removes every placement on a day after letzterTag (every version).
  void LoescheTageNach(int letzterTag);
  // The last day (1..7) that holds a placement in any version; 0 when none does.
  int LetzterBelegterTag() const;

  // Switches the cells of the rectangle between two corners (day, period) to the negation of the
  // first corner's state.
  static void WechsleAuswahl(TWoElem& auswahl, int d1, int p1, int d2, int p2);

 private:
  TSchule& schule_;
};

}  // namespace kolvar
