#pragma once
// TKomprimierer: closes gaps in the class plans by moving unfixed lessons from later slots into
// free, unlocked periods below a day's last lesson, following a chain of up to seven moves when
// a move opens a new gap. A chain that does not end on a day's last lesson is undone move by
// move, so a stop at any point leaves every plan as consistent as it was.
//
// The search is exponential in a class's movable lessons; on a large school a single gap could
// take hours. Each gap therefore gets a budget of source slots (kSuchSchritte); a gap whose
// search spends it stays open, as one no chain can fill does.

#include <array>
#include <functional>

namespace kolvar {

class TKlasse;
class TSchule;
class TSetzung;

class TKomprimierer {
 public:
  static constexpr int kTiefe = 7;
  static constexpr long kSuchSchritte = 20000;

  explicit TKomprimierer(TSchule& schule) : schule_(schule) {}

  // The version a class is shown in first: the current one when acting on it only.
  int StartVersion() const;
  // The class and version whose gaps are counted and shown; recounts them.
  void Zeige(TKlasse* klasse, int v);
  TKlasse* Klasse() const { return klasse_; }
  int Version() const { return version_; }
  int Luecken() const { return luecken_; }
  const std::array<int, 8>& Letzte() const { return letzte_; }

  // Compresses the class in the current version, or in every version when the school does not
  // act on the current one only.
  void KomprimiereKlasse(TKlasse& klasse);
  void KompKlasse(int v);
  // Fills the slot (td, tp) of the shown class and version from a chain of at most kTiefe moves.
  void KompSuche(int tiefe, int td, int tp);
  // The class's lesson at (d, p) may move to (td, tp).
  // The class's lesson at d, p when it may move to td, tp; else nullptr.
  TSetzung* KompVerschiebbar(int td, int tp, int d, int p) const;

  // Ends the search of the current class and version.
  void NaechsteKlasse() { naechste_ = true; }
  void Anhalten() { halt_ = true; }
  bool Angehalten() const { return halt_; }
  bool Gefunden() const { return gefunden_; }
  int Verschiebungen() const { return verschiebungen_; }
  // Gaps given up because their search spent its budget.
  int Aufgegeben() const { return aufgegeben_; }
  // Source slots one gap's search may try; tests set it small.
  long SuchSchritte = kSuchSchritte;

  // Asked after every source slot; true stops the run. May be empty.
  std::function<bool()> Abbruch;
  // Told after every filled gap, with the new gap count. May be empty.
  std::function<void(int)> LueckenGeaendert;

 private:
  bool Weiter() const { return !halt_ && !naechste_ && !gefunden_ && schritte_ < SuchSchritte; }

  TSchule& schule_;
  TKlasse* klasse_ = nullptr;
  int version_ = 1;
  int luecken_ = 0;
  int maximum_ = 0;
  std::array<int, 8> letzte_{};
  int verschiebungen_ = 0;
  int aufgegeben_ = 0;
  long schritte_ = 0;
  bool gefunden_ = false;
  bool naechste_ = false;
  bool halt_ = false;
};

}  // namespace kolvar
