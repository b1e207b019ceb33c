// Password fields take at most 20 characters that the scrambler can tell apart (those the school
// file can hold), so a password once set can always be typed again and means what was typed.
#pragma once

class QLineEdit;

namespace kolvar {

void RichteKennwortFeldEin(QLineEdit& feld);

}  // namespace kolvar
