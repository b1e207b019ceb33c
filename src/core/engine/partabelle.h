#pragma once
// TParTabelle: the table of couplings taught in parallel, one row per group. It counts the
// teachers a row would need twice, finds the slots free for every course of a row and places a
// row there. A slot is offered only when it is free in every version the placing will use, and
// placing checks each hour again, so a row never double-books a teacher, class or room (two
// couplings of one row may share a class, which the teacher count does not see).

#include <string>
#include <vector>

#include "model/wochbereich.h"

namespace kolvar {

class TKlasse;
class TKopplung;
class TKurs;
class TSchule;

struct TParZelle {
  TKopplung* Kopplung = nullptr;
  bool Fixiert = false;  // "F": the search keeps it in place

  bool operator==(const TParZelle&) const = default;
};

class TParTabelle {
 public:
  static constexpr int kMaxZeilen = 40, kMaxSpalten = 10;

  explicit TParTabelle(TSchule& schule) : schule_(schule) {}

  TSchule& Schule() const { return schule_; }
  int Zeilen() const { return zeilen_; }
  int Spalten() const { return spalten_; }

  // New size (clamped to 1..40 x 1..10), every cell empty; with uebernehmen the school's stored
  // table fills the cells where they fit. Every row is recounted.
  void Baue(int zeilen, int spalten, bool uebernehmen);

  // Cells are 1-based; outside the table they read as empty and ignore writes.
  const TParZelle& Zelle(int zeile, int spalte) const;
  // The coupling goes in as "K"; nullptr empties the cell.
  void SetzeZelle(int zeile, int spalte, TKopplung* k);
  void SetzeFixiert(int zeile, int spalte, bool an);
  // Couplings the school no longer has leave their cells.
  void Bereinige();

  // The teachers a row needs more than once: the sum of (occurrences - 1).
  int KonflikteZaehlen(int zeile) const;
  // Each teacher who occurs more than once: "ABC [K1, K2]".
  std::vector<std::string> KonfliktTexte(int zeile) const;
  // Each subject of the row's courses with its number of courses: "De [3]".
  std::vector<std::string> FaecherTexte(int zeile) const;
  // The coupling's abbreviation; with mitFaechern " [ " and each course's subject and " ", "]".
  static std::string ZellText(const TKopplung& k, bool mitFaechern);

  // Every coupled course of the class whose coupling the column lacks goes into the column's
  // next empty row, while empty rows remain. Returns the rows that changed.
  std::vector<int> FuelleSpalte(int spalte, const TKlasse& klasse);

  // Writes the cells into the school's table, row by row; marks the school modified only when
  // the table changed.
  void ParTabelleSpeichern();

  // The versions placing a row acts on: the current one, or every one when acting on all.
  void Versionen(int& von, int& bis) const;
  // The slots (school days, every period) where every course of the row with open hours is
  // free in every version placing acts on. ohneRaeume leaves the rooms out. False when no
  // course of the row has open hours, unless auchVerplante: then the row's courses all count
  // (false only for a row without courses).
  bool FreieGemeinsameStunden(int zeile, bool ohneRaeume, TWoElem& frei, bool auchVerplante = false) const;

  struct TPlatzierung {
    int Gesetzt = 0;
    int Uebersprungen = 0;  // hours with open hours that would have collided
  };
  // One hour of every course of the row's couplings at (d, p) in each version placing acts on,
  // each in the first free room of the course (or none). An hour that would collide is skipped.
  TPlatzierung PlatziereZeile(int zeile, int d, int p);

  // The distinct courses of the row's couplings, in column and course order.
  std::vector<TKurs*> KurseDerZeile(int zeile) const;

 private:
  TSchule& schule_;
  int zeilen_ = 0;
  int spalten_ = 0;
  std::vector<TParZelle> zellen_;  // row by row
};

}  // namespace kolvar
