#pragma once
// TAutoLauf: the state of one automatic run that the placement of single courses shares: the
// slot tables inverted into placing order, the count of hours still to place, the progress and
// the re-rating trigger. AutoKursSetzen places the open hours of one course in one version.

#include <array>
#include <functional>

#include "model/standard.h"

namespace kolvar {

class TKurs;

class TAutoLauf {
 public:
  // One step of a placing order: the slot, and whether the table links the period with the
  // next period of the same day (a block may run across a link only).
  struct TZelle {
    int Tag = 0;
    int Stunde = 0;
    bool Verbunden = false;
  };
  using TOrdnung = std::array<TZelle, kSlotZellen>;

  // Inverts the settings' four tables (AutoTabellenUebernehmen) and takes "ast".
  explicit TAutoLauf(const TStandard& standard);
  void AutoTabellenUebernehmen(const TStandard& standard);

  // Placing order of table t (1..4); step r (1..112) is Ordnung(t)[r - 1].
  const TOrdnung& Ordnung(int t) const;
  // The table links period p of day d with period p + 1 (a negative entry at that cell).
  bool Verbunden(int t, int d, int p) const;

  int NochZuSetzen = 0;      // "noch zu setzen"
  int Fortschritt = 0;       // progress bar position
  bool NeuBewerten = false;  // set when the count passes a multiple of "ast"
  int Ast = 1000;
  int Verweigert = 0;  // hours not placed because the course's result grid blocked the slot
  // Told after every placed hour (the run window's counter and bar); may be empty.
  std::function<void()> Gesetzt;

 private:
  std::array<TOrdnung, kAutomatikTabellen> ordnung_{};
  std::array<std::array<bool, kSlotZellen>, kAutomatikTabellen> verbunden_{};
};

// Places up to n open hours of the course in version v (blocks, then single hours, then the
// pattern check unless "aei"); returns how many of the n are still open.
int AutoKursSetzen(TAutoLauf& lauf, TKurs& kurs, int v, int n);
// Places one hour without room; refused (false, the hour stays open) where the course's result
// grid blocks the slot.
bool AutoStundeSetzen(TAutoLauf& lauf, TKurs& kurs, int v, int p, int d);

}  // namespace kolvar
