#pragma once
// The defaults dialogs copy chosen settings onto existing courses or elements: the course
// defaults onto the courses selected in a workload window, the master-data defaults' lock grid
// and target hours onto chosen teachers, classes or rooms.

#include <cstdint>
#include <vector>

namespace kolvar {

class TElement;
class TKurs;
class TSchule;
class TWochBereich;

struct TKursKopie {
  // What is copied.
  bool Stunden = false, Faktor = false, ProTag = false, Einzel = false, Tabelle = false;
  bool Sperrung = false, Zaehlen = false, Verplanen = false, Farbe = false;
  // The values.
  int StundenWert = 3;
  int32_t FaktorWert = 1;
  int ProTagWert = 1, EinzelWert = 3, TabelleWert = 1;
  bool nvp = false, nzl = false, nzk = false;
  uint32_t FarbWert = 0xFFFFFF;

  bool Irgendetwas() const {
    return Stunden || Faktor || ProTag || Einzel || Tabelle || Sperrung || Zaehlen || Verplanen || Farbe;
  }
};

// One user action over the courses in order. Hours never go below the hours placed in a version
// (the current one, or each one when acting on all); "nicht verplanen" only reaches courses
// without placements; the locks come from the template, never over a placed slot.
void KopiereKursEinstellungen(TSchule& schule, const std::vector<TKurs*>& kurse, const TKursKopie& kopie,
                              const TWochBereich& sperrung);

// "Kopieren" of the master-data defaults may run: the lock grid, or target hours where they apply
// (not for rooms).
bool GrunddatenKopierbar(bool sperrung, bool sollMoeglich, bool soll);

// One user action: the elements take the template as their locks (never over a slot where they are
// placed) and, when soll is given (> 0), that target.
void KopiereGrunddaten(TSchule& schule, const std::vector<TElement*>& elemente, const TWochBereich* sperrung,
                       int32_t soll);

}  // namespace kolvar
