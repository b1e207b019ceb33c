#pragma once
// The move candidates of the plan views' mouse tools. Version arguments follow the
// version rule of the current version ("eaw").

#include <utility>
#include <vector>

namespace kolvar {

class TKurs;
class TPlanZellen;
class TRaum;

// The cells of the plan (version v) whose lesson could move into the slot once the slot's own
// lesson is lifted: a coupled lesson when every course of the coupling placed at that cell
// could, with the room of its hour there, or without a room when ohneRaum holds. Locked cells
// are never candidates. The occupancy grids are as they were afterwards.
std::vector<std::pair<int, int>> SchiebeKandidaten(const TPlanZellen& plan, int d, int p, bool ohneRaum,
                                                   int v);
// The same with one room tried for every candidate (none: nullptr), as the manual window does.
std::vector<std::pair<int, int>> SchiebeKandidatenMitRaum(const TPlanZellen& plan, int d, int p,
                                                          const TRaum* raum, int v);

}  // namespace kolvar
