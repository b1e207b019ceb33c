#include "platform/textspalte.h"

#include <QFontMetrics>
#include <algorithm>

namespace kolvar {

int TTextSpalte::Breite(const QFont& schrift, const std::vector<std::string>& texte) {
  if (breite_ >= 0 && schrift == schrift_ && texte == texte_) return breite_;
  const QFontMetrics mass(schrift);
  int breite = mindestens_;
  for (const std::string& text : texte)
    breite = std::max(breite, mass.horizontalAdvance(QString::fromStdString(text)) + rand_);
  schrift_ = schrift;
  texte_ = texte;
  breite_ = breite;
  return breite;
}

}  // namespace kolvar
