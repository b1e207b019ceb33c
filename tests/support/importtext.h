#pragma once
// Writes a school's courses as course-import text (UTF-8, records ended by CR LF), so tests and
// examples can feed the import with any school. The hours written are those of the current
// version: import the text with "eaw" on to get them back. Rooms a course has without a placed
// hour, fixed marks and colours have no field in the format.

#include <string>

namespace kolvar {

class TSchule;

std::string KursImportText(const TSchule& schule);

}  // namespace kolvar
