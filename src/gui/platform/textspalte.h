// A column that shows each of its texts whole: as wide as the widest text with the cell's margin,
// never narrower than its own width. Measuring asks the font system for every text, so it is done
// again only when the texts or the font change; the refresh after each edit finds them as they were.
#pragma once

#include <QFont>
#include <string>
#include <vector>

namespace kolvar {

class TTextSpalte {
 public:
  TTextSpalte(int mindestens, int rand) : mindestens_(mindestens), rand_(rand) {}

  int Breite(const QFont& schrift, const std::vector<std::string>& texte);

 private:
  int mindestens_;
  int rand_;
  QFont schrift_;
  std::vector<std::string> texte_;
  int breite_ = -1;  // none measured yet
};

}  // namespace kolvar
