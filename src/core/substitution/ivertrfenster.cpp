#include "substitution/ivertrfenster.h"

#include "model/fensterart.h"
#include "model/schule.h"
#include "substitution/vertretung.h"

namespace kolvar {

int32_t VertretungsplanStartDatum(const TSchule& schule, int32_t heute) {
  const IFenster* aktiv = schule.AktivesFenster();
  if (const auto* liste = dynamic_cast<const IVertrFenster*>(aktiv)) return liste->VertrDatum();
  if (const auto* liste = dynamic_cast<const IVertrTagFenster*>(aktiv)) return liste->VertrDatum();
  for (const int art : ArtenDerFamilie(TFamilie::Wahl))
    if (const auto* wahl = dynamic_cast<const IVertrWahlFenster*>(schule.EinzelFenster(art)))
      if (const TVertretung* v = wahl->Vertretung()) return v->Datum();
  return heute;
}

}  // namespace kolvar
