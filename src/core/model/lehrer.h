#pragma once
// A teacher: home room, the subjects taught, two substitution-hour balances.

#include "model/element.h"

namespace kolvar {

class IMenue;
class TFach;
class TKlasse;
class TRaum;

class TLehrer : public TSollElement {
 public:
  explicit TLehrer(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Lehrer; }

  const TListe<TFach>& Faecher() const { return faecher_; }
  TRaum* Raum() const { return raum_; }
  void SetzeRaum(TRaum* raum);  // marks modified; courses are not touched (SetzeRaumInKursen)
  int32_t VStd1() const { return vstd1_; }
  int32_t VStd2() const { return vstd2_; }
  void SetzeVStd1(int32_t wert);
  void SetzeVStd2(int32_t wert);
  TFach* GewaehltesFach() const { return gewaehltesFach_; }
  void SetzeGewaehltesFach(TFach* fach) { gewaehltesFach_ = fach; }

  // Both sides of the teacher-subject link.
  void FuegeFachHinzu(TFach* fach);
  // Refused with "Erst müssen die zugehörigen Kurse gelöscht werden!" while any version still
  // has hours of the teacher in the subject; true when removed.
  bool EntferneFach(TFach* fach);

  // Unweighted hours (version -1) of the teacher's courses in the subject.
  int32_t StundenImFach(const TFach* fach) const;
  bool UnterrichtetKlasse(const TKlasse* klasse) const;
  bool HatRandstundeInKlasse(const TKlasse* klasse) const;
  bool HatNichtGezaehlteKurse() const;

  // Called before the home room changes: moves the room in the teacher's courses.
  void SetzeRaumInKursen(TRaum* neu);
  // A new course of the teacher (default hours, the home room); the caller opens the editor.
  TKurs* NeuerKurs();

  // One item per course of the teacher in the subject, captioned by its hours text.
  void FuelleKursMenue(IMenue& menue, const TFach* fach, bool mitInfo) const;
  // One item per subject of the teacher; a click stores it as the chosen subject.
  void FuelleFachMenue(IMenue& menue);

  // Absence at a period of a date and its return: substitution records and hour accounts.
  void SetzeFehlt(int p, int32_t datum) override;
  void HebeFehltAuf(int p, int32_t datum) override;
  // Substitute teacher of a needed teacher substitution at the period of the date.
  bool VertrittAm(int32_t datum, int p) const;

 protected:
  friend class TFach;
  friend class TSchule;
  void Loese() override;
  TListe<TFach>& FaecherIntern() { return faecher_; }

 private:
  TListe<TFach> faecher_;
  int32_t vstd1_ = 0;
  int32_t vstd2_ = 0;
  TRaum* raum_ = nullptr;
  TFach* gewaehltesFach_ = nullptr;
};

}  // namespace kolvar
