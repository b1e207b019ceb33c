#pragma once
// TParSuche: arranges each column's couplings of a parallel-coupling table over its rows so that
// no teacher is in a row twice. Column by column, row by row, every cell tries the column's
// entries not yet used (equal couplings once); cells marked fixed keep theirs. A column, once
// full, adds its teachers to the rows and so decides which entries of the next column fit
// which row. Every complete arrangement is counted, and the last one is kept. The search may
// run for ages on large tables; the cancel callback, asked before every candidate, ends it.

#include <cstdint>
#include <functional>
#include <vector>

namespace kolvar {

class TKopplung;
class TLehrer;
class TParTabelle;

class TParSuche {
 public:
  // Takes the table's cells as they are now.
  explicit TParSuche(const TParTabelle& tabelle);

  // Asked before every candidate; true stops the search. May be empty.
  std::function<bool()> Abbruch;
  // Told after every complete arrangement, with the count. May be empty.
  std::function<void(int64_t)> Gefunden;

  // Runs until every candidate is tried or it is stopped.
  void Suche();
  void Anhalten() { halt_ = true; }
  bool Angehalten() const { return halt_; }
  int64_t Kombinationen() const { return kombinationen_; }
  int64_t Kandidaten() const { return kandidaten_; }
  // The last complete arrangement, row by row; empty when none was found.
  const std::vector<TKopplung*>& Loesung() const { return loesung_; }
  // Writes the last arrangement into the table ("F" cells keep their mark) and the table into
  // the school's list (ParTabelleSpeichern); the school counts as modified then even when the
  // list came out as it was. False, and nothing changes, when there is none.
  bool UebernimmLoesung(TParTabelle& tabelle) const;

 private:
  struct TEintrag {
    TKopplung* kopplung = nullptr;
    bool fixiert = false;
    std::vector<int> lehrer;  // teacher numbers of its courses
  };

  void KombinationSuchen(int spalte, int zeile);
  bool Vertraeglich(int spalte, int zeile, int eintrag) const;
  void SpalteFertig(int spalte, int richtung);
  TEintrag& Eintrag(int spalte, int zeile) { return eintraege_[Index(spalte, zeile)]; }
  std::size_t Index(int spalte, int zeile) const {
    return static_cast<std::size_t>((spalte - 1) * zeilen_ + zeile - 1);
  }

  int zeilen_ = 0, spalten_ = 0, lehrerZahl_ = 0;
  std::vector<TEintrag> eintraege_;  // the start cells, column by column
  std::vector<char> benutzt_;        // per start cell
  std::vector<int> zelle_;           // per cell: the start entry it holds now (row of its column)
  std::vector<int> lehrerInZeile_;   // per row and teacher: how often the row has them
  // Per column: whether each of its entries fits each row (rows x entries), from the columns
  // before it. Column 1 fits everywhere.
  std::vector<std::vector<char>> vertraeglich_;
  std::vector<std::vector<const TKopplung*>> versucht_;  // per cell: couplings tried there
  std::vector<TKopplung*> loesung_;
  int64_t kombinationen_ = 0;
  int64_t kandidaten_ = 0;
  bool halt_ = false;
};

}  // namespace kolvar
