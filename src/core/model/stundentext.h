#pragma once
// Texts of hour values and time slots.

#include <cstdint>
#include <string>

namespace kolvar {

class TStandard;

// An hour value counted in 1/dvs hours as fixed-point text with `nach` decimals (0..3, decimal
// comma), right-aligned in vor + nach + 1 characters; rounds half away from zero.
std::string FormatiereStunden(int64_t wert, int vor, int nach, int dvs);
// The same with the settings' "vkm", "nkm" and "dvs".
std::string FormatiereStunden(int64_t wert, const TStandard& standard);

// "{version} " + day abbreviation + " " + that version's period label; an unknown day or
// period gives an empty part.
std::string ZeitText(const TStandard& standard, int version, int tag, int stunde);

}  // namespace kolvar
