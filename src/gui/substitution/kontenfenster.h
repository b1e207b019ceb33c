// The accounts' part of the palette: "Vertretungsstunden" and the substitution overview.
#pragma once

#include <cstdint>

class QWidget;

namespace kolvar {

class IInstallation;
class TSchule;
class TVStatForm;

// "Vertretene Stunden", modal, when the school has teachers.
void ZeigeVertretungsstunden(TSchule& schule, QWidget* eltern);
// The overview window for the range, made and registered when none is open.
TVStatForm* OeffneVertrUebersicht(IInstallation& inst, int32_t von, int32_t bis);

void InstalliereVertretungsKonten(IInstallation& inst);

}  // namespace kolvar
