#pragma once
// TZellTeile: the abbreviations a lesson cell of a plan view shows, by the plan's kind, and the
// plan copied as text.

#include <array>
#include <string>
#include <vector>

#include "model/element.h"

namespace kolvar {

class TKurs;
class TPlanZellen;
class TStandard;

// The cell parts of TKurs::ZellenText.
namespace Teil {
constexpr int Keiner = -1, Lehrer = 0, Klasse = 1, Kopplung = 2, Fach = 3, Raum = 4;
}

// The three items a lesson cell shows, with the widths they take side by side.
struct TZellTeile {
  std::array<int, 3> teil{Teil::Keiner, Teil::Keiner, Teil::Keiner};
  std::array<int, 3> breite{0, 0, 0};
};

// The items of a lesson cell in the plan of a teacher, class or room; kopplung: a coupled
// lesson shows its coupling. Without a course only the widths count.
TZellTeile ZellTeile(const TStandard& st, TElementArt plan, const TKurs* kurs, bool kopplung);

// One item of a lesson cell as the plan draws it, without its padding. The room is the
// placement's own: an hour without a room shows none.
std::string ZellTeilText(const TKurs& kurs, int v, int d, int p, int teil);

// The plan's cells (current version) as lines of TAB-separated text: the day abbreviations,
// then per period its label and per day the lesson's text or "---". A class plan with einzeln
// lists the courses of each coupling on lines of their own.
std::vector<std::string> PlanKopie(const TPlanZellen& zellen, const TStandard& st, TElementArt plan,
                                   bool kopplung, bool einzeln);

}  // namespace kolvar
