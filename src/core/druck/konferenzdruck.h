#pragma once
// The conference printouts: for chosen subjects (or classes) the teachers who belong to each,
// in the school's order, with their courses in it as "[h (n) Fa Ko] " entries that wrap at the
// sheet's right edge. One conference per element, or one for all of them together.

#include <string>
#include <vector>

#include "model/optionen.h"

namespace kolvar {

class IZeichenflaeche;
class TElement;
class TKurs;
class TLehrer;
class TSchule;

enum class TKonferenzArt { Fach, Klasse };

class TKonferenzDruck {
 public:
  TKonferenzDruck(const TSchule& schule, const TFachKonferenzDruckOptionen& optionen);
  TKonferenzDruck(const TSchule& schule, const TKlassenKonferenzDruckOptionen& optionen);

  // Records onto a surface whose page 1 is current; no element gives the header only.
  void Drucke(IZeichenflaeche& flaeche, const std::vector<TElement*>& elemente);

  // Whether the teacher (the course) belongs to the conference of the elements.
  bool GehoertZurKonferenz(const TLehrer& lehrer, const std::vector<TElement*>& elemente) const;
  bool KursGehoertZurKonferenz(const TKurs& kurs, const std::vector<TElement*>& elemente) const;
  // "[ 2,0 (2) Ma 5a] ": hours x factor, the lessons, the subject, the coupling or first class.
  std::string KursEintrag(const TKurs& kurs) const;

 private:
  void Kopf(IZeichenflaeche& f);
  void DruckeKonferenz(IZeichenflaeche& f, const std::vector<TElement*>& elemente);

  const TSchule& schule_;
  TKonferenzArt art_;
  TSchrift schrift_;
  bool einzeln_ = true, nurEingesetzt_ = false;
  int rand_ = 1;
  int l_ = 0, t_ = 0, h_ = 0, y_ = 0, wK_ = 0, wN_ = 0;
};

}  // namespace kolvar
