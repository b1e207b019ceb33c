// The settings measure their column widths through this: the width of a text in a font of the
// settings, normal or bold, on the screen.
#pragma once

#include <QFont>
#include <string_view>

#include "model/optionen.h"

namespace kolvar {

QFont QtSchrift(const TSchrift& schrift, bool fett = false);
int SchriftBreite(std::string_view text, const TSchrift& schrift, bool fett);

}  // namespace kolvar
