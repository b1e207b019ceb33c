#pragma once
// The data checks of the school ("Daten" > "Prüfen"). Each check lists one German line per
// finding and a level: 0 nothing found, 1 minor findings, 2 major ones (double bookings). The
// window that shows the lines and the result dialog belong to the GUI; the lines are data here.
//
// Only the consistency check changes data: it rebuilds every occupancy grid from the
// placements, lifts locks under placed hours, restores missing course links and raises hours
// below the placed count. It marks the school modified when that changed anything. A placement
// with a version, day or period outside the grids is reported and never indexed by any check.

#include <string>
#include <vector>

namespace kolvar {

class TSchule;
class TPlatzListe;

struct TPruefErgebnis {
  int Stufe = 0;                    // 0 keine, 1 kleinere, 2 größere Fehler
  std::vector<std::string> Zeilen;  // for the error list, in order
  int Reparaturen = 0;              // repairs of the consistency check (one beep each)

  void Hebe(int stufe) {
    if (stufe > Stufe) Stufe = stufe;
  }
};

// "keine Fehler gefunden.", "kleinere Fehler gefunden." or "größere Fehler gefunden.".
std::string ErgebnisText(int stufe);

// The error list's lines: a check appends its lines; earlier lines are kept.
class TFehlerListe {
 public:
  void ZeileAnfuegen(std::string zeile) { zeilen_.push_back(std::move(zeile)); }
  void Uebernimm(const TPruefErgebnis& ergebnis) {
    zeilen_.insert(zeilen_.end(), ergebnis.Zeilen.begin(), ergebnis.Zeilen.end());
  }
  const std::vector<std::string>& Zeilen() const { return zeilen_; }
  void Leere() { zeilen_.clear(); }

 private:
  std::vector<std::string> zeilen_;
};

class TPruefung {
 public:
  explicit TPruefung(TSchule& schule) : schule_(&schule) {}

  // "Konsistenz": the repair pass, then the double bookings of teachers, classes and rooms.
  TPruefErgebnis PruefeKonsistenz();
  // "Brücken", "fehlende Räume", "fehlende Stunden", "gekoppelte Kurse",
  // "Einzel-/Mehrfachstunden", "Versionsunterschiede".
  TPruefErgebnis PruefeBruecken() const;
  TPruefErgebnis PruefeFehlendeRaeume() const;
  TPruefErgebnis PruefeFehlendeStunden() const;
  TPruefErgebnis PruefeKopplungen() const;
  TPruefErgebnis PruefeEinzelstunden() const;
  TPruefErgebnis PruefeVersionen() const;

  // The parts of the consistency check, each adding to the result.
  void PruefeKursVerweise(TPruefErgebnis& e);
  void PruefeLehrerDoppelt(TPruefErgebnis& e);
  void PruefeKlassenDoppelt(TPruefErgebnis& e);
  void PruefeRaeumeDoppelt(TPruefErgebnis& e);

 private:
  // The same on the placements read once (the consistency check walks them several times).
  void PruefeKursVerweise(TPruefErgebnis& e, const TPlatzListe& plaetze);
  void PruefeLehrerDoppelt(TPruefErgebnis& e, const TPlatzListe& plaetze);
  void PruefeRaeumeDoppelt(TPruefErgebnis& e, const TPlatzListe& plaetze);
  // Every course's placement grid and every plan element's per-slot counts and occupancy
  // rebuilt from the placements; true when a grid was off.
  bool ZaehleSetzungenNeu(const TPlatzListe& plaetze);

  TSchule* schule_;
};

}  // namespace kolvar
