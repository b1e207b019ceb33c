#pragma once
// TPlanZellen: what the body cells of a plan view hold for one version: the lesson each slot
// shows and its mark. A slot locked for the element is never marked; a lesson placed there is
// still shown.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace kolvar {

class TKurs;
class TPlanElement;

enum class TMarke : uint8_t {
  Keine,
  Markiert,  // drawn highlighted
  Gesperrt,  // the slot is locked for the element
};

struct TPlanZelle {
  TKurs* kurs = nullptr;
  TMarke marke = TMarke::Keine;
};

class TPlanZellen {
 public:
  // Empty cells for days 1..tage and periods 1..stunden.
  void Leere(int tage, int stunden);
  // The element's plan in version v on empty cells: per slot the last course of the element's
  // list placed there (a room's plan takes only the placements in that room).
  void Fuelle(const TPlanElement& element, int v);

  int Tage() const { return tage_; }
  int Stunden() const { return stunden_; }
  bool Gueltig(int d, int p) const { return d >= 1 && d <= tage_ && p >= 1 && p <= stunden_; }
  // Outside the cells: no lesson, no mark.
  TKurs* Kurs(int d, int p) const;
  TMarke Marke(int d, int p) const;
  // Shows another lesson of the slot (the class plan's choice).
  void SetzeKurs(int d, int p, TKurs* kurs);

  void Markiere(int d, int p);
  // Marks every cell where wo holds.
  void MarkiereWo(const std::function<bool(int d, int p)>& wo);
  void LoescheMarken();
  // The marked cells as (day, period), day by day.
  std::vector<std::pair<int, int>> Markierte() const;

 private:
  std::size_t Index(int d, int p) const;
  TPlanZelle* Zelle(int d, int p);
  const TPlanZelle* Zelle(int d, int p) const;

  int tage_ = 0;
  int stunden_ = 0;
  std::vector<TPlanZelle> zellen_;
};

}  // namespace kolvar
