#include "ansicht/zeitfilter.h"

#include "model/datum.h"

namespace kolvar {

int PruefeDatum(int jahr, int monat, int tag) {
  for (int versuch = 0; versuch < 3 && !DatumGueltig(jahr, monat, tag); ++versuch) --tag;
  return tag;
}

int64_t FilterMoment(int jahr, int monat, int tag, int stunde, int minute) {
  const int32_t datum = TagesNummer(jahr, monat, PruefeDatum(jahr, monat, tag));
  return static_cast<int64_t>(datum) * 86400 + stunde * 3600 + minute * 60;
}

}  // namespace kolvar
