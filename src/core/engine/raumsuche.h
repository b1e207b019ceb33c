#pragma once
// TRaumSuche: distinct rooms for the courses of a coupling at one slot.
//
// The answer is the one a plain depth-first search gives (courses in coupling order, each
// course's rooms in list order, the first complete assignment wins). Every branch is checked
// with a bipartite matching before it is entered, so a branch that cannot be completed is never
// walked: the search never backtracks and stays polynomial even when no assignment exists.

#include <cstddef>
#include <vector>

namespace kolvar {

class TRaumSuche {
 public:
  // One course of the search: without rooms it is served without one; otherwise it needs one
  // of its usable rooms (ids 0..n-1 given by the caller, in the course's list order).
  struct TWunsch {
    bool OhneRaum = false;
    std::vector<int> Raeume;
  };

  // True when every course can have its own room; wahl[i] is then course i's room id, or -1
  // for a course without rooms. The search state lives in this object, so one object serves
  // many slots without new allocations.
  bool VerteileRaeume(const std::vector<TWunsch>& kurse, std::vector<int>& wahl);
  // Whether the first n courses can all be served, without choosing the assignment.
  bool Verteilbar(const std::vector<TWunsch>& kurse, std::size_t n);

 private:
  bool Erweitere(int kurs);
  // An empty matching over the first n courses and their rooms.
  void Beginne(const std::vector<TWunsch>& kurse, std::size_t n);

  const std::vector<TWunsch>* kurse_ = nullptr;
  std::vector<int> raumVonKurs_;
  std::vector<int> kursVonRaum_;
  std::vector<char> vergeben_;
  std::vector<int> besucht_;
  int runde_ = 0;
  std::vector<int> sicherungKurs_;
  std::vector<int> sicherungRaum_;
};

}  // namespace kolvar
