// The substitution day list and the substitute choices: "Daten > Vertretung > Heute", "Morgen"
// and "anderer Tag", the day list's choice windows, "Voreinstellungen > Vertretung" and the
// day list of a saved window.
//
// The day list's absence buttons open the absence entry registered in the palette's dialog
// register under FehlDialogName(art); that dialog reads the working date and the absence to
// select from the open day list (TVertrForm::FehlAnfrage).
#pragma once

#include <QString>
#include <cstdint>

#include "substitution/vertrform.h"

namespace kolvar {

class TKolvarPalette;
class TVertretung;
class TVLeWahlForm;
class TVRaWahlForm;

// "Fehlzeiten Lehrer", "Fehlzeiten Klassen", "Fehlzeiten Räume".
QString FehlDialogName(int art);
// The request of the open day list's last absence button (kind -1 without a day list).
TFehlAnfrage FehlAnfrage(TKolvarPalette& palette);

// The day list of the date; on a day without school the notice "Vertretung unnötig" instead
// (null then).
TVertrForm* OeffneVertretungsplan(TKolvarPalette& palette, int32_t datum);
// The choice window of the record, created when absent, bound to it and brought to the front.
TVLeWahlForm* OeffneVLeWahl(TKolvarPalette& palette, TVertretung* v);
TVRaWahlForm* OeffneVRaWahl(TKolvarPalette& palette, TVertretung* v);

void InstalliereVertretung(TKolvarPalette& palette);

}  // namespace kolvar
