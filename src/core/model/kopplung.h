#pragma once
// A coupling: its members are the courses in its course list, taught in the same slots.

#include "model/element.h"

namespace kolvar {

class IMenue;
class TLehrer;

class TKopplung : public TElement {
 public:
  explicit TKopplung(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Kopplung; }

  // The member with most hours in v (times its factor when weighted); the first maximum wins.
  TKurs* GroessterKurs(int v, bool gewichtet) const;
  bool VollVerplant() const;
  // Warns ("Lehrer doppelt in Kopplung") when more than one member has the teacher.
  void PruefeLehrerDoppelt(const TLehrer* l) const;
  TKurs* NeuerKurs();
  void FuelleKursMenue(IMenue& menue, bool mitInfo) const;

 protected:
  void Loese() override;
};

}  // namespace kolvar
