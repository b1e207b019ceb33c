#pragma once
// Checks of the clipboard text before it is pasted: into an editor's info field, a remark
// field, or the course workload window as a course list (TAB-separated lines, 14 fields).
// Lines may end in CRLF, LF or CR; one empty line at the end is no line.

#include <string>
#include <string_view>
#include <vector>

namespace kolvar {

std::vector<std::string> AblageZeilen(std::string_view text);

// Exactly one line of fewer than 22 characters.
bool AblageIstName(std::string_view text);
// Exactly one line of fewer than 62 characters.
bool AblageIstBemerkung(std::string_view text);
// Empty, or every line a course line: 13 TABs; fields 2..6 fewer than 8 characters, field 7
// fewer than 22, the other TAB-ended fields fewer than 7, the last fewer than 6; a line with an
// empty field 0 continues a course and may fill only fields 4 and 6.
bool AblageIstKursliste(std::string_view text);

}  // namespace kolvar
