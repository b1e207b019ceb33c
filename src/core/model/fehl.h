#pragma once
// The absence of one teacher, class or room on one date as a period mask
// (period p absent when bit 16-p is set). The school's lists own the records; each element
// keeps an unowned index of its own (TPlanElement::Fehlzeiten).

#include <cstdint>

namespace kolvar {

class TPlanElement;

class TFehl {
 public:
  TFehl() = default;
  TFehl(const TFehl&) = delete;
  TFehl& operator=(const TFehl&) = delete;
  ~TFehl();  // leaves its element's list

  int32_t Datum() const { return datum_; }
  void SetzeDatum(int32_t datum);  // keeps the element's absences by weekday in step
  uint16_t Stunden() const { return stunden_; }
  void SetzeStunden(uint16_t maske);
  // Before UebernimmStunden: the mask to apply; afterwards: the previous mask.
  uint16_t NeueStunden() const { return neueStunden_; }
  void SetzeNeueStunden(uint16_t maske) { neueStunden_ = maske; }
  TPlanElement* Element() const { return element_; }
  // Also files the record with the element, so each element finds its own absences at once.
  void SetzeElement(TPlanElement* e);

  bool Fehlt(int p) const;
  // Lowest and highest absent period; 0 for an empty mask.
  int ErsteStunde() const;
  int LetzteStunde() const;

  // Swaps the masks and tells the element of every period that changed.
  void UebernimmStunden();

 private:
  int32_t datum_ = 0;
  uint16_t stunden_ = 0;
  uint16_t neueStunden_ = 0;
  TPlanElement* element_ = nullptr;
};

}  // namespace kolvar
