#pragma once
// The time text of the placement dialogs: day abbreviation and a blank (together at most 8
// characters), then the current version's period label; the whole at most 23 characters.

#include <string>

namespace kolvar {

class TStandard;

std::string ZeitFeldText(const TStandard& standard, int d, int p);

}  // namespace kolvar
