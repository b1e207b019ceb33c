#pragma once
// A lesson-distribution table over teachers, classes and subjects.

#include <cstdint>

#include "model/element.h"

namespace kolvar {

class TFach;
class TKlasse;
class TLehrer;

class TUVTab : public TElement {
 public:
  explicit TUVTab(TSchule& schule);
  TElementArt Art() const override { return TElementArt::UVTab; }

  // Orientation: 1 "UV", 0 "LK".
  uint8_t Ausrichtung() const { return art_; }
  void SetzeArt(uint8_t art);

  const TListe<TLehrer>& Lehrer() const { return lehrer_; }
  const TListe<TKlasse>& Klassen() const { return klassen_; }
  const TListe<TFach>& Faecher() const { return faecher_; }

  // Sorted by Nummer, once each; the table's windows are rebuilt.
  void FuegeLehrerHinzu(TLehrer* l);
  void FuegeKlasseHinzu(TKlasse* k);
  void FuegeFachHinzu(TFach* f);
  void EntferneLehrer(TLehrer* l);
  void EntferneKlasse(TKlasse* k);
  void EntferneFach(TFach* f);

  // After the school renumbered its lists.
  void Sortiere();

 private:
  uint8_t art_ = 1;
  TListe<TLehrer> lehrer_;
  TListe<TKlasse> klassen_;
  TListe<TFach> faecher_;
};

}  // namespace kolvar
