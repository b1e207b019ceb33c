// "Daten > Prüfen": one of the data checks, its lines into the error list, then the result.
#pragma once

class QWidget;

namespace kolvar {

class IFensterListe;
class TFensterArtRegister;
class TSchule;

// pruefung: 0 Konsistenz .. 6 Einzel-/Mehrfachstunden, in menu order. The error list opens in
// liste when the check finds something (built by arten when given); repairs beep once each and
// refresh every window.
class IInstallation;

void DatenPruefen(TSchule& schule, IFensterListe& liste, int pruefung, QWidget* eltern,
                  const TFensterArtRegister* arten = nullptr);

// The error list's kind and its "Fenster drucken...", and the entries of "Daten > Prüfen"
// (0 Konsistenz .. 6 Einzel-/Mehrfachstunden, in menu order).
void InstallierePruefung(IInstallation& inst);

}  // namespace kolvar
