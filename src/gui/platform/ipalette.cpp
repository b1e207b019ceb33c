#include "platform/ipalette.h"

#include "platform/druckauftraege.h"

namespace kolvar {

const TDruckAuftraege& IPalette::Druckauftraege() const {
  static const TDruckAuftraege keine;
  return keine;
}

}  // namespace kolvar
