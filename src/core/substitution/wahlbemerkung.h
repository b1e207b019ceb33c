#pragma once
// The remark fields of the substitution choice windows ("L-Bem" for the teachers, "S-Bem" for
// the pupils). Each write marks the school modified here, so a window never does it itself.

#include <string>

namespace kolvar {

class TVertretung;

// Text typed into the field (lehrer: the teachers' remark, else the pupils'): stored, cut to the
// remark's length, and the school modified.
void TippeBemerkung(TVertretung& v, bool lehrer, std::string text);

// A standard remark chosen for the field that shows alt: appended to alt, or replacing it
// (ersetzen), stored, the school modified and the substitution windows repainted. Returns the
// field's new text.
std::string NimmStandardBemerkung(TVertretung& v, bool lehrer, const std::string& alt,
                                  const std::string& standard, bool ersetzen);

}  // namespace kolvar
