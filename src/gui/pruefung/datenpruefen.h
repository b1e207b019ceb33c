// "Daten > Prüfen": one of the data checks, its lines into the error list, then the result.
#pragma once

class QWidget;

namespace kolvar {

class IInstallation;
class TFensterArtRegister;
class TSchule;

// pruefung: 0 Konsistenz .. 6 Einzel-/Mehrfachstunden, in menu order. The error list (its kind
// built by arten) opens when the check finds something; repairs beep once each and refresh every
// window.
void DatenPruefen(TSchule& schule, const TFensterArtRegister& arten, int pruefung, QWidget* eltern);

// The error list's kind and its "Fenster drucken...", and the entries of "Daten > Prüfen"
// (0 Konsistenz .. 6 Einzel-/Mehrfachstunden, in menu order).
void InstallierePruefung(IInstallation& inst);

}  // namespace kolvar
