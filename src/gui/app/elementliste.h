// The school's list of one element kind as plain pointers, in list order: what the element
// menus show, the arrows step through and saved windows are looked up in.
#pragma once

#include <vector>

#include "model/element.h"

namespace kolvar {

class TSchule;

std::vector<TElement*> ElementeVon(const TSchule& schule, TElementArt art);

}  // namespace kolvar
