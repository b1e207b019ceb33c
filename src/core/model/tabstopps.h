#pragma once
// Tab stops that line up the TAB-separated columns of a text (the clipboard window): each
// column is as wide as its widest cell plus a gap.

#include <string_view>
#include <vector>

namespace kolvar {

class ITextMass;

// One stop per column that some line ends with a TAB, counted from the line's start, rising.
// Lines end at '\n' ("\r\n" too); a line's last cell needs no stop of its own.
std::vector<int> TabStopps(std::string_view text, const ITextMass& mass, int abstand);

}  // namespace kolvar
