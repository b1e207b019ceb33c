#include "app/kennwortfeld.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "model/standard.h"

namespace kolvar {

void RichteKennwortFeldEin(QLineEdit& feld) {
  feld.setMaxLength(kKennwortLaenge);
  // Printable Latin-1 and the printable Windows-1252 extras.
  static const QRegularExpression erlaubt(
      QStringLiteral("[\\x20-\\x7E\\xA0-\\xFF€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ]*"));
  feld.setValidator(new QRegularExpressionValidator(erlaubt, &feld));
}

}  // namespace kolvar
