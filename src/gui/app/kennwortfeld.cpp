#include "app/kennwortfeld.h"

#include <QLineEdit>
#include <QValidator>

#include "model/standard.h"
#include "storage/mactext.h"

namespace kolvar {

namespace {

// Printable characters the school file can hold: the scrambler reads their bytes there, so any
// other character would count as "?".
class TKennwortPruefer : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int&) const override {
    for (const char32_t z : text.toUcs4())
      if (z < 0x20 || (z >= 0x7F && z < 0xA0) || !MacDarstellbar(z)) return Invalid;
    return Acceptable;
  }
};

}  // namespace

void RichteKennwortFeldEin(QLineEdit& feld) {
  feld.setMaxLength(kKennwortLaenge);
  feld.setValidator(new TKennwortPruefer(&feld));
}

}  // namespace kolvar
