#pragma once
// A class: two class teachers, the class room and the "Einzeln" flag.

#include <array>

#include "model/element.h"

namespace kolvar {

class TLehrer;
class TRaum;

class TKlasse : public TSollElement {
 public:
  explicit TKlasse(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Klasse; }

  TLehrer* Lehrer1() const { return lehrer1_; }
  TLehrer* Lehrer2() const { return lehrer2_; }
  void SetzeLehrer1(TLehrer* l);
  void SetzeLehrer2(TLehrer* l);
  TRaum* Raum() const { return raum_; }
  void SetzeRaum(TRaum* raum);
  // Coupled courses count one by one in the class's Ist.
  bool Einzeln() const { return einzeln_; }
  void SetzeEinzeln(bool an);

  void SetzeRaumInKursen(TRaum* neu);
  TKurs* NeuerKurs();

  // Per school day the last period held by an unfixed placement; counts the free, unlocked
  // periods before it.
  int ZaehleLuecken(int v, std::array<int, 8>& letzte, int& maximum) const;

  // Absence at a period of a date and its return: lessons become unneeded, teachers are charged.
  void SetzeFehlt(int p, int32_t datum) override;
  void HebeFehltAuf(int p, int32_t datum) override;

 protected:
  friend class TLehrer;
  friend class TRaum;
  void Loese() override;
  bool ZaehltEinzeln() const override { return einzeln_; }

 private:
  TLehrer* lehrer1_ = nullptr;
  TLehrer* lehrer2_ = nullptr;
  TRaum* raum_ = nullptr;
  bool einzeln_ = false;
};

}  // namespace kolvar
