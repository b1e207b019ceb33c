// Password fields take at most 20 characters that the scrambler can hold (Windows-1252), so a
// password once set can always be typed again.
#pragma once

class QLineEdit;

namespace kolvar {

void RichteKennwortFeldEin(QLineEdit& feld);

}  // namespace kolvar
