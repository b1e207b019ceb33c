#include "model/standard.h"

#include <algorithm>

namespace kolvar {

TStandard::TStandard() {
  for (auto& version : sp)
    for (int p = 1; p <= kStunden; ++p) version[static_cast<std::size_t>(p - 1)] = (p < 10 ? " " : "") + std::to_string(p);
  spg = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  spn = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
}

void TStandard::SetVersionszahl(int n) {
  versionen_.Versionen = std::clamp(n, 1, kMaxVersionen);
  if (versionen_.AktuelleVersion > versionen_.Versionen) versionen_.AktuelleVersion = versionen_.Versionen;
}

void TStandard::SetAktuelleVersion(int v) { versionen_.AktuelleVersion = std::clamp(v, 1, versionen_.Versionen); }

}  // namespace kolvar
