#pragma once
// Absences of teachers, classes and rooms as the absence entry stores them: one TFehl record
// per element and date in the school's list of the element's kind. Applying a mask goes
// through TFehl::UebernimmStunden, so only the periods that change create or take back
// substitution records, and the records and the absence lists always agree.

#include <cstdint>

namespace kolvar {

class TFehl;
class TPlanElement;

// The element's absence record of the date, or nullptr.
TFehl* FehlzeitAm(const TPlanElement& e, int32_t datum);
// Applies the mask (period p = bit 16 - p) to the element's absence of the date; a record is
// created when needed and freed when its mask becomes 0. Marks the school modified.
void SetzeFehlzeit(TPlanElement& e, int32_t datum, uint16_t maske);
// Marks one period absent or present.
void SetzeFehltStunde(TPlanElement& e, int32_t datum, int p, bool fehlt);

}  // namespace kolvar
