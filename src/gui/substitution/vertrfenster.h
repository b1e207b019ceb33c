// The substitution day list and the substitute choices: "Daten > Vertretung > Heute", "Morgen"
// and "anderer Tag", the day list's choice windows, "Voreinstellungen > Vertretung" and the
// day list of a saved window. The day list's absence buttons open the absence entry of the
// request's kind and date; "Fenster drucken" the substitution plan of its date.
#pragma once

#include <QString>
#include <cstdint>

#include "substitution/vertrform.h"

namespace kolvar {

class IInstallation;
class TVertretung;
class TVLeWahlForm;
class TVRaWahlForm;

// The day list of the date; on a day without school the notice "Vertretung unnötig" instead
// (null then).
TVertrForm* OeffneVertretungsplan(IInstallation& inst, int32_t datum);
// The choice window of the record, created when absent, bound to it and brought to the front.
TVLeWahlForm* OeffneVLeWahl(IInstallation& inst, TVertretung* v);
TVRaWahlForm* OeffneVRaWahl(IInstallation& inst, TVertretung* v);

void InstalliereVertretung(IInstallation& inst);

}  // namespace kolvar
