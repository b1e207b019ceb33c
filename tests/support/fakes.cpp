#include "support/fakes.h"

#include <algorithm>

namespace kolvar {

int TFakeDialoge::Frage(TDialog art, const std::vector<std::string>& texte) {
  anfragen.push_back({art, texte, true});
  if (antworten.empty()) return standardAntwort;
  const int antwort = antworten.front();
  antworten.pop_front();
  return antwort;
}

void TFakeDialoge::Melde(TDialog art, const std::vector<std::string>& texte) {
  anfragen.push_back({art, texte, false});
}

int TFakeDialoge::Anzahl(TDialog art) const {
  return static_cast<int>(
      std::count_if(anfragen.begin(), anfragen.end(), [art](const Anfrage& a) { return a.Art == art; }));
}

}  // namespace kolvar
