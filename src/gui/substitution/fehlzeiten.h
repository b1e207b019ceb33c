// The absence entry as the day list opens it: its buttons for missing teachers, classes and
// rooms, and its pop-up of the elements absent that day.
#pragma once

#include <cstdint>

namespace kolvar {

class TFehl;
class IInstallation;
enum class TElementArt;

// Shows the absences of the kind (teacher, class or room) on the date, with the row of fehl
// selected when one is given; returns the modal result.
int ZeigeFehlForm(IInstallation& inst, TElementArt art, TFehl* fehl, int32_t datum);

}  // namespace kolvar
