#pragma once
// Mix-in beside IFenster (reached with dynamic_cast from the registered window) of the course-list
// window, which shows the courses the automatic run left open. A window's selected courses are
// IFenster::MarkierteKurse.

#include <vector>

namespace kolvar {

class TKurs;

class IKursListe {
 public:
  virtual ~IKursListe() = default;
  // Shows exactly these courses (the window keeps its own copy of the list).
  virtual void ZeigeKurse(const std::vector<TKurs*>& kurse) = 0;
};

}  // namespace kolvar
