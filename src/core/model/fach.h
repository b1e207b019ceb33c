#pragma once
// A subject with the teachers who teach it and the classes its courses have.

#include "model/element.h"

namespace kolvar {

class IMenue;
class TKlasse;
class TLehrer;

class TFach : public TElement {
 public:
  explicit TFach(TSchule& schule);
  TElementArt Art() const override { return TElementArt::Fach; }

  const TListe<TLehrer>& Lehrer() const { return lehrer_; }
  const TListe<TKlasse>& Klassen() const { return klassen_; }
  TLehrer* GewaehlterLehrer() const { return gewaehlterLehrer_; }
  void SetzeGewaehltenLehrer(TLehrer* l) { gewaehlterLehrer_ = l; }
  TKlasse* GewaehlteKlasse() const { return gewaehlteKlasse_; }
  void SetzeGewaehlteKlasse(TKlasse* k) { gewaehlteKlasse_ = k; }

  void FuegeLehrerHinzu(TLehrer* l);
  void EntferneLehrer(TLehrer* l);
  void FuegeKlasseHinzu(TKlasse* k);
  // Only when no course of the subject still has the class.
  void EntferneKlasse(TKlasse* k);

  int32_t StundenDesLehrers(const TLehrer* l) const;
  int32_t StundenDerKlasse(const TKlasse* k) const;
  // Caption of the teacher's subject menu.
  std::string StundenText(const TLehrer* l) const;

  TKurs* NeuerKurs();

  void FuelleKursMenueLehrer(IMenue& menue, const TLehrer* l, bool mitInfo) const;
  void FuelleKursMenueKlasse(IMenue& menue, const TKlasse* k, bool mitInfo) const;
  void FuelleLehrerMenue(IMenue& menue);
  void FuelleKlassenMenue(IMenue& menue);

 protected:
  friend class TLehrer;
  friend class TSchule;
  void Loese() override;

 private:
  TListe<TLehrer> lehrer_;
  TListe<TKlasse> klassen_;
  TLehrer* gewaehlterLehrer_ = nullptr;
  TKlasse* gewaehlteKlasse_ = nullptr;
};

// Column length of the element pop-ups for a school with the given number of classes.
int MenueSpaltenLaenge(int klassen);

}  // namespace kolvar
