#pragma once
// The basic data of a school ("Eckdaten") taken over as one step: plan versions first, then the
// plain values, then the school days, which may drop the lessons on the days that go.

#include <cstdint>

namespace kolvar {

class TSchule;
class TStandard;

struct TEckdaten {
  int mtn = 7;  // school days 5..7
  int vkm = 2, nkm = 1, dvs = 1;
  int mwn = 1;  // plan versions 1..54
  int spz = 0, vtm = 10, pas = 0;
  bool hga = true;
  uint32_t efa = 0xFFFFFF;

  static TEckdaten Aus(const TStandard& standard);
};

// The last day (1..7) on which any course holds a placement in any version, at least 5.
int HoechsterBenutzterTag(const TSchule& schule);

// Removes every placement on a day after letzterTag through the engine, so that the teacher,
// class and room grids lose the slot with the course's own. Returns how many went.
int LoescheStundenNachTag(TSchule& schule, int letzterTag);

// Versions (the school asks before placements go), the values, then the school days: when fewer
// days are chosen than hold lessons, "Stunden löschen" asks; "Ja" drops those lessons, any other
// answer keeps the days up to the last one in use.
void UebernimmEckdaten(TSchule& schule, const TEckdaten& werte);

}  // namespace kolvar
