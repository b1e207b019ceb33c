#include "gui/support/gebauteschule.h"

#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

std::unique_ptr<TSchule> TGebauteSchule::Lies(const std::string& pfad, TStandard& standard,
                                              TUmgebung umgebung, IFortschritt&, std::vector<TFenster>&,
                                              std::string&) {
  standard.SetTageProWoche(5);
  standard.SetVersionszahl(versionen);
  auto s = std::make_unique<TSchule>(standard, umgebung);
  bau_(*s);
  s->SetzePfad(pfad);
  s->SetzeGeaendert(false);
  return s;
}

}  // namespace kolvar
