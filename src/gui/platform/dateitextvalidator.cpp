#include "platform/dateitextvalidator.h"

#include "storage/mactext.h"

namespace kolvar {

TDateiTextValidator::TDateiTextValidator(bool kuerzel, QObject* eltern)
    : QValidator(eltern), kuerzel_(kuerzel) {}

QValidator::State TDateiTextValidator::validate(QString& text, int& /*position*/) const {
  if (kuerzel_ && text.startsWith(QLatin1Char(' '))) return Invalid;
  // Control characters are storable but no part of a name.
  for (const char32_t z : text.toUcs4())
    if (z < 0x20 || z == 0x7F) return Invalid;
  return MacDarstellbar(text.toStdString()) ? Acceptable : Invalid;
}

}  // namespace kolvar
