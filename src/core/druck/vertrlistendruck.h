#pragma once
// The two list printouts of substitution planning: the overview of substitutions given, absences
// substituted and lessons dropped ("Drucke Vertretungsübersicht"), and the two hour accounts of
// every teacher ("Vertretene Stunden drucken").

#include <cstdint>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TLehrer;
class TSchule;

// The overview rows of the teachers from day von to day bis, one row a line.
void DruckeVertrUebersicht(IZeichenflaeche& flaeche, const TSchule& schule,
                           const TEinfacheDruckOptionen& optionen, const std::vector<const TLehrer*>& lehrer,
                           int32_t von, int32_t bis);

// Abbreviation, name and both accounts of every teacher of the list.
void DruckeVertreteneStunden(IZeichenflaeche& flaeche, const TSchule& schule,
                             const TEinfacheDruckOptionen& optionen);

}  // namespace kolvar
