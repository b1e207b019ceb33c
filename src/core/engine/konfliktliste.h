#pragma once
// TKonfliktListe: the conflicts of one check, owned by the list and kept in order of kind
// (equal kinds in the order found). A conflict with another course (kinds 4 to 9) is dropped
// when the list already reports that course in the same plan version.

#include <vector>

#include "model/konflikt.h"

namespace kolvar {

class TKonfliktListe {
 public:
  // Inserts the conflict at its place; false when it was dropped as a repeat.
  bool Fuege(const TKonflikt& konflikt);
  // Whether a conflict with the course in that version is in the list: another one is dropped.
  bool Gemeldet(const TKurs* kurs, int version) const;
  // Conflict i, 1..Anzahl.
  const TKonflikt& Hole(int i) const { return Geordnet()[static_cast<std::size_t>(i - 1)]; }
  int Anzahl() const { return static_cast<int>(konflikte_.size()); }
  bool Leer() const { return konflikte_.empty(); }
  void EntferneErstes();
  void Leere() {
    konflikte_.clear();
    gemeldet_.clear();
    ungeordnet_ = false;
  }
  // Highest severity of the list, 0 when empty.
  int Schwere() const;
  // The texts in list order, as the dialogs show them.
  std::vector<std::string> Texte() const;

  std::vector<TKonflikt>::const_iterator begin() const { return Geordnet().begin(); }
  std::vector<TKonflikt>::const_iterator end() const { return Geordnet().end(); }

 private:
  // (version, course) of every conflict in the list, with how many there are; sorted, so a
  // collection that goes version by version mostly appends.
  struct TGemeldet {
    int Version;
    const TKurs* Kurs;
    int Anzahl;
  };
  std::vector<TGemeldet>::iterator Suche(int version, const TKurs* kurs);
  std::vector<TGemeldet>::const_iterator Suche(int version, const TKurs* kurs) const;
  // New conflicts are appended and put in order of kind only when the list is read: a move
  // over many versions collects hundreds, and each in its place would shift the rest.
  const std::vector<TKonflikt>& Geordnet() const;

  mutable std::vector<TKonflikt> konflikte_;
  mutable bool ungeordnet_ = false;
  std::vector<TGemeldet> gemeldet_;
};

// Severity of a conflict kind: 3 locks and fixed hours of teacher and class, 2 room lock and
// fixed room, 1 occupied by an unfixed hour and no room free.
int KonfliktSchwere(int art);

}  // namespace kolvar
