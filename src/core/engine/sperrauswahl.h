#pragma once
// The lock grid shared by the element editors, the course editor and the defaults dialogs: what a
// cell shows and what a dragged rectangle does to the locks. Each window supplies the two week
// grids it works on.

#include <functional>

#include "model/wochbereich.h"

namespace kolvar {

class TKurs;
class TPlanElement;
class TSchule;

struct TSperrQuelle {
  TWochBereich* Sperre = nullptr;
  const TWochBereich* Belegung = nullptr;
  // The lesson shown in a placed slot (v, d, p); null for none.
  std::function<const TKurs*(int v, int d, int p)> Stunde;
  // Whose locks these are (for change notices); null for a dialog's working copy.
  TPlanElement* Element = nullptr;
  TKurs* Kurs = nullptr;

  // An element's locks; a placed cell shows the first of its courses in that slot.
  static TSperrQuelle VonElement(TPlanElement& e);
  static TSperrQuelle VonKurs(TKurs& k);
  // A template edited in a dialog: no cell is ever placed.
  static TSperrQuelle VonVorlage(TWochBereich& vorlage, const TWochBereich& leer);
};

struct TWochenZelle {
  enum class TArt { Leer, Gesperrt, Gesetzt };
  TArt Art = TArt::Leer;
  bool Fixiert = false;    // a placed cell: drawn as a rectangle, else an ellipse
  bool Gekoppelt = false;  // a placed cell: filled black
};

// What cell (d, p) of version v shows; a placed slot hides its lock.
TWochenZelle ZeichneWochenZelle(const TSperrQuelle& q, int v, int d, int p);

// Every free slot of days [tagVon, tagBis] x periods [stdVon, stdBis] in version v takes the negation
// of the lock of the start cell (startTag, startStd); occupied slots keep theirs. Only concrete
// versions are touched. Returns whether a lock changed.
bool SperreAuswahl(TSperrQuelle& q, int v, int tagVon, int tagBis, int stdVon, int stdBis, int startTag,
                   int startStd);

// A finished drag as one user action: the locks change, the school is marked modified and the
// owner's windows hear of it; an element's locks also rebuild the hour distribution.
bool SperreAuswahl(TSchule& schule, TSperrQuelle& q, int v, int tagVon, int tagBis, int stdVon, int stdBis,
                   int startTag, int startStd);

}  // namespace kolvar
