#pragma once
// TKonfliktListe: the conflicts of one check, owned by the list and kept in order of kind
// (equal kinds in the order found). A conflict with another course (kinds 4 to 9) is dropped
// when the list already reports that course in the same plan version.

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "model/konflikt.h"

namespace kolvar {

class TKonfliktListe {
 public:
  // Inserts the conflict at its place; false when it was dropped as a repeat.
  bool Fuege(const TKonflikt& konflikt);
  // Conflict i, 1..Anzahl.
  const TKonflikt& Hole(int i) const { return konflikte_[static_cast<std::size_t>(i - 1)]; }
  int Anzahl() const { return static_cast<int>(konflikte_.size()); }
  bool Leer() const { return konflikte_.empty(); }
  void EntferneErstes();
  void Leere() {
    konflikte_.clear();
    gemeldet_.clear();
  }
  // Highest severity of the list, 0 when empty.
  int Schwere() const;
  // The texts in list order, as the dialogs show them.
  std::vector<std::string> Texte() const;

  std::vector<TKonflikt>::const_iterator begin() const { return konflikte_.begin(); }
  std::vector<TKonflikt>::const_iterator end() const { return konflikte_.end(); }

 private:
  // (course, version) of every conflict in the list, with how many there are.
  using TSchluessel = std::pair<const TKurs*, int>;
  struct TVor {
    bool operator()(const TSchluessel& a, const TSchluessel& b) const {
      if (a.first != b.first) return std::less<const TKurs*>()(a.first, b.first);
      return a.second < b.second;
    }
  };
  std::vector<TKonflikt> konflikte_;
  std::map<TSchluessel, int, TVor> gemeldet_;
};

// Severity of a conflict kind: 3 locks and fixed hours of teacher and class, 2 room lock and
// fixed room, 1 occupied by an unfixed hour and no room free.
int KonfliktSchwere(int art);

}  // namespace kolvar
