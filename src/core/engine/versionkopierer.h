#pragma once
// TVersionKopierer: copies target hours, locks, course hours and (when asked) the placed lessons
// of chosen elements from one plan version into another. Before a course's lessons go over, the
// target version is checked: a lock or a fixed lesson refuses the copy, other lessons are
// displaced or kept as the user answers once. Fixed lessons and locks are never overridden,
// whatever the answer (a course keeps its own fixed hours in the target), and a version is
// never copied onto itself.

#include <functional>
#include <vector>

namespace kolvar {

class TElement;
class TKurs;
class TPlanElement;
class TSchule;

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

  TSchule& schule_;
  int von_, zu_;
  bool auchPlaene_;
  bool weiter_ = true;
  bool gefragt_ = false;
  bool verdraengen_ = true;
};

}  // namespace kolvar
