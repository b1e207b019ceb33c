// The core's texts are UTF-8; this is how they reach a widget.
#pragma once

#include <QString>
#include <string>

namespace kolvar {

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace kolvar
