#pragma once
// Mix-ins beside IFenster (reached with dynamic_cast from the registered window) for the windows
// the automatic run works with: those whose selection names courses (the lesson-distribution
// table and the workload windows), and the course-list window that shows the courses left open.

#include <vector>

namespace kolvar {

class TKurs;

class IKursAuswahl {
 public:
  virtual ~IKursAuswahl() = default;
  // The courses of the selection in the window's order (cells row by row, or rows); may repeat.
  virtual std::vector<TKurs*> AusgewaehlteKurse() const = 0;
};

class IKursListe {
 public:
  virtual ~IKursListe() = default;
  // Shows exactly these courses (the window keeps its own copy of the list).
  virtual void ZeigeKurse(const std::vector<TKurs*>& kurse) = 0;
};

}  // namespace kolvar
