#pragma once
// TVersionKopierer: copies target hours, locks, course hours and (when asked) the placed lessons
// of chosen elements from one plan version into another. Before a course's lessons go over, the
// target version is checked: a lock or a fixed lesson refuses the copy, other lessons are
// displaced or kept as the user answers once. Fixed lessons and locks are never overridden,
// whatever the answer (a course keeps its own fixed hours in the target, and copied hours below
// them are refused), a course never gets more lessons than hours, and a version is never copied
// onto itself.

#include <functional>
#include <map>
#include <vector>

namespace kolvar {

class TElement;
class TKurs;
class TPlanElement;
class TRaum;
class TSchule;
class TSetzung;

class TVersionKopierer {
 public:
  // What is copied: the courses of teachers, classes, couplings, subjects, rooms, or all courses.
  enum TArt { Lehrer = 0, Klassen = 1, Kopplungen = 2, Faecher = 3, Raeume = 4, AlleKurse = 5 };

  TVersionKopierer(TSchule& schule, int von, int zu, bool auchPlaene);

  // The refusal "Kollision" (locks or fixed lessons in the way).
  std::function<void()> Verbot;
  // The question "Kollision": Ja 6 displaces, Nein 7 keeps, Abbrechen 2 stops the copy.
  std::function<int()> Problem;

  // False when nothing can be copied: equal or invalid versions. The elements are those of the
  // kind, in row order (ignored for AlleKurse).
  bool Kopiere(TArt art, const std::vector<TElement*>& elemente);

  void SperrungenKopieren(TPlanElement& e);
  void VersionKollisionPruefen(TKurs& k);
  void VersionKursKopieren(TKurs& k);

  bool Weiter() const { return weiter_; }
  bool Gefragt() const { return gefragt_; }
  bool Verdraengen() const { return verdraengen_; }

 private:
  void Verweigere();
  void Frage();
  // Every lesson in the target version at the slot that uses the room.
  void SammleRaum(std::vector<TSetzung*>& liste, const TRaum& r, int d, int p, const TKurs& ausser);
  // Lessons of the teacher, the room and the classes in the target at the slot, the course's own
  // and its coupling's class lessons left out.
  std::vector<TSetzung*> Lektionen(const TKurs& k, int d, int p, const TRaum* raum);

  TSchule& schule_;
  int von_, zu_;
  bool auchPlaene_;
  bool weiter_ = true;
  bool gefragt_ = false;
  bool verdraengen_ = true;
  // The courses with a lesson in each room, in any version: an hour may use a room its course
  // does not list. Copying only ever places a course in rooms it used already, so the index
  // made once stays complete.
  std::map<const TRaum*, std::vector<const TKurs*>> raumKurse_;
  bool raumKurseGebaut_ = false;
};

}  // namespace kolvar
