#pragma once
// What the master-data editors do to the school: the hours spinner of a course, the take-over of
// another class's courses, the class teachers, a new home room and the element lists of a
// lesson-distribution table by its orientation.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/element.h"

namespace kolvar {

class TKlasse;
class TKurs;
class TLehrer;
class TRaum;
class TUVTab;

// The value a step of the hours spinner writes for version -1 (the current version, or every
// version when acting on all), or nothing when the step is refused. The step is one hour per
// version: with all versions the spinner shows the sum, moves by the number of versions and
// writes the mean. A step down must leave every version at least its placed hours; a course that
// is not to be placed may go down to -112.
std::optional<int32_t> KursStundenSchritt(const TKurs& kurs, bool hoch);
// Takes the step; true when it was taken.
bool SchritteKursStunden(TKurs& kurs, bool hoch);

// How the take-over treats the coupled courses of the source class.
enum class TKopplungsUebernahme { Ohne, Ergaenzen, Eigene };

// The class may take over another's courses only while none of its own is placed.
bool UebernahmeErlaubt(const TKlasse& ziel);
// The target's courses go (a course of the target alone is deleted, others lose the class); the
// source's courses come as copies without teacher, coupling, factor and colour, or, with
// Ergaenzen, a coupled course takes the target as another class. With klassenraum the source's
// class room is replaced by the target's in the copies. False (and nothing done) when refused or
// when source and target are one class.
bool UebernimmKurse(TKlasse& ziel, TKlasse& quelle, TKopplungsUebernahme modus, bool klassenraum);

// Class teacher 1 or 2 after its pop-up: only a choice made (teacher or "ohne") changes it.
// True when the teacher changed.
bool WaehleKlassenlehrer(TKlasse& klasse, int nummer, bool gewaehlt, TLehrer* lehrer);

// Answers of the home-room question.
enum class TRaumAntwort { Ja, Nein, Abbrechen };
// A new home room for a class or teacher: with Ja it goes into the element's courses first (an
// old room is replaced where no placement uses it; without one every course gets the new room),
// with Nein only the home room changes, with Abbrechen nothing.
void WechsleHeimraum(TKlasse& klasse, TRaum* neu, TRaumAntwort antwort);
void WechsleHeimraum(TLehrer& lehrer, TRaum* neu, TRaumAntwort antwort);

// The two lists of a lesson-distribution table by orientation (1 by subjects: classes and
// subjects; 0 by teachers: teachers and classes), with the captions of their boxes and buttons.
struct TUVSeite {
  TElementArt Art;
  const char* Titel;
  const char* Knopf;
};
TUVSeite UVSeite(uint8_t ausrichtung, bool rechts);
// The table's elements of the kind, in list order.
std::vector<TElement*> UVElemente(const TUVTab& tabelle, TElementArt art);
// Adds the element to the table's list of its kind; false when it is there already.
bool UVFuegeHinzu(TUVTab& tabelle, TElement* e);
void UVEntferne(TUVTab& tabelle, TElement* e);
// A new orientation; the table's windows and its row of the statistics follow.
void WechsleUVAusrichtung(TUVTab& tabelle, uint8_t ausrichtung);

}  // namespace kolvar
