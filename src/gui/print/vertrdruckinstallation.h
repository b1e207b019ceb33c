// The substitution printouts' part of the palette: "Datei > Drucken > Vertretung".
#pragma once

#include <cstdint>

namespace kolvar {

class IInstallation;

// "Drucke Vertretungsplan" for the date (the day list asks for it through TDruckAuftraege).
void OeffneVertrDruck(IInstallation& inst, int32_t datum);
// "Drucke Vertretungsübersicht" for the range (the overview window asks for it so).
void OeffneVertrUebDruck(IInstallation& inst, int32_t von, int32_t bis);

void InstalliereVertretungsDruck(IInstallation& inst);

}  // namespace kolvar
