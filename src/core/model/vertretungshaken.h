#pragma once
// What the school leaves to the substitution side when an element or the school itself goes:
// records and absences hold links and hour accounts the model does not know. Defined with the
// substitution records, so the model needs none of their headers.

#include <cstdint>

namespace kolvar {

class TElement;
class TKurs;
class TSchule;
class TSetzung;

// Before an element is deleted: its absences are taken back, and it stops being a substitute,
// substitute room or "statt" teacher of any record.
void VertretungenVorLoeschen(TSchule& schule, TElement* e);
// After a placement was made (not while reading a file): the standing absences apply to it as
// entering them would have - its teacher is charged for absent classes, and the absences of
// today and later give it its substitution records.
void VertretungenNachSetzen(TSetzung& s);
// After a placement's room changed in place from alt: the old room's records of today and later
// go with it, and the new room's standing absences give it records, as if it had been placed there.
void VertretungenRaumGeaendert(TSetzung& s, const TElement* alt);
// After a course's factor changed from alt: the accounts follow on all its lesson holds.
void VertretungenFaktorGeaendert(TKurs& k, int32_t alt);
// After the numbers of a kind of element changed (moved, deleted, sorted): the school's record
// list, ordered by element numbers, is put in order again, as reading the file would order it.
void VertretungenNeuOrdnen(TSchule& schule);
// Frees every record and absence without side effects (the school goes as a whole).
void VertretungenFreigeben(TSchule& schule);

}  // namespace kolvar
