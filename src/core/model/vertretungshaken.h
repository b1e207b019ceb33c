#pragma once
// What the school leaves to the substitution side when an element or the school itself goes:
// records and absences hold links and hour accounts the model does not know. Defined with the
// substitution records, so the model needs none of their headers.

namespace kolvar {

class TElement;
class TSchule;

// Before an element is deleted: its absences are taken back, and it stops being a substitute,
// substitute room or "statt" teacher of any record.
void VertretungenVorLoeschen(TSchule& schule, TElement* e);
// Frees every record and absence without side effects (the school goes as a whole).
void VertretungenFreigeben(TSchule& schule);

}  // namespace kolvar
