// Openers the palette's own tests put in place of the features: a recorder for every element
// window of a view group, or for a window kind without an element, registered in the palette's
// window registry as a feature would register its kinds.
#pragma once

#include <cstdint>
#include <functional>

namespace kolvar {

class TElement;
class TKolvarPalette;

// Every element window kind of the view group (0 master data, 1 workload, 2 plan) that no
// installed feature builds opens through oeffner; the element menus follow. A group outside
// 0..2 is an error (std::out_of_range).
void SetzeElementFensterOeffner(TKolvarPalette& palette, int gruppe,
                                std::function<void(TElement* element, std::uint8_t tasten)> oeffner);
// The kind, without an element, opens through oeffner: the windows a school file saved.
void SetzeFensterArtOeffner(TKolvarPalette& palette, int art, std::function<void()> oeffner);

}  // namespace kolvar
