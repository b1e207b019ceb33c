#include "substitution/wahlbemerkung.h"

#include <utility>

#include "model/aenderungen.h"
#include "model/fensterart.h"
#include "model/schule.h"
#include "substitution/vertretung.h"
#include "substitution/vertrvorschlag.h"

namespace kolvar {

void TippeBemerkung(TVertretung& v, bool lehrer, std::string text) {
  if (lehrer)
    v.SetLehrerBem(std::move(text));
  else
    v.SetSchuelerBem(std::move(text));
  v.Schule().SetzeGeaendert(true);
}

std::string NimmStandardBemerkung(TVertretung& v, bool lehrer, const std::string& alt,
                                  const std::string& standard, bool ersetzen) {
  const std::string neu = TVertrVorschlag::HaengeBemerkungAn(alt, standard, ersetzen);
  TippeBemerkung(v, lehrer, neu);
  v.Schule().MerkeArt(FensterArt::Vertr, Aenderung::Zeichnen);
  return neu;
}

}  // namespace kolvar
