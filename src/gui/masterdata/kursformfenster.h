// Opening the course editor: from plans, workloads and wherever a course is made, through the
// palette (IPalette::OeffneKursForm).
#pragma once

#include <vector>

namespace kolvar {

class IInstallation;
class TFensterArtRegister;
class TKurs;
class TKursForm;
class TSchule;

// The school's course editor shows the course (made when none is open), stepping through liste.
// Opening never marks the school modified.
TKursForm* OeffneKursForm(const TFensterArtRegister& arten, TSchule& schule, TKurs& kurs,
                          const std::vector<TKurs*>& liste);

// Registers the course editor's opener and the course's notices "Kurs ist verplant" and
// "Lehrer doppelt in Kopplung".
void InstalliereKursForm(IInstallation& inst);

}  // namespace kolvar
