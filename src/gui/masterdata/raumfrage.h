// The questions of a new home room for a class or a teacher: replace the old room in every
// course ("Klasssenraumwechsel" / "Lehrerraumwechsel") or add the new one ("Neuer Klassenraum" /
// "Neuer Lehrerraum"), answered "Ja", "Nein" or "Abbrechen".
#pragma once

#include <QString>

#include "engine/grunddaten.h"
#include "platform/kvdialog.h"

namespace kolvar {

// klasse: the class's wording, else the teacher's; alt empty: no old room.
TRaumAntwort FrageHeimraum(bool klasse, const QString& kuerzel, const QString& alt, const QString& neu,
                           QWidget* eltern);

}  // namespace kolvar
