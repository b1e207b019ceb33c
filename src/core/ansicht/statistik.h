#pragma once
// What the statistics windows show: per window kind (teachers 72 ... tables 77) the column
// headers and one row of texts per element of the kind's list.

#include <string>
#include <vector>

namespace kolvar {

class TElement;
class TStandard;

// The column headers of a statistics kind; empty for another kind.
std::vector<std::string> StatistikKoepfe(int art);
// The texts of an element's row in the statistics of its kind (sums for version -1); empty for
// another kind or an element of another list.
std::vector<std::string> StatistikZeile(int art, const TElement& element, const TStandard& standard);
// The rows from oben to unten that hold an element as lines: their texts joined by tabs.
std::vector<std::string> StatistikKopiertext(const std::vector<std::vector<std::string>>& zeilen);

}  // namespace kolvar
