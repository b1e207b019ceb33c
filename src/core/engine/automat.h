#pragma once
// TAutomat: one automatic run over chosen courses. It collects them (with their coupling
// partners), rates and orders them, keeps the first "apr" percent of their open hours, and then
// places one course per Schritt, so the window can keep its event loop alive and stop between
// courses. The counters are the run's real open hours: "noch zu setzen" is what the run list
// still lacks, "nicht verplanbar" what the finished courses left open; neither goes negative.

#include <cstdint>
#include <functional>
#include <unordered_set>
#include <vector>

#include "engine/autolauf.h"

namespace kolvar {

class IFenster;
class TKurs;
class TSchule;

// The courses selected in the window, when it is the lesson-distribution table or a workload
// window offering its selection; nothing for any other window.
std::vector<TKurs*> KurseDerAuswahl(const IFenster* fenster);

class TAutomat {
 public:
  explicit TAutomat(TSchule& schule);

  // Collects the courses in the given order (no "nicht verplanen" course, none twice) with their
  // coupling partners, rates and sorts them, cuts by "apr" and sets the counters.
  void AutomatVorbereiten(const std::vector<TKurs*>& auswahl);
  // Rates every course of the run list afresh and orders it, highest priority first (stable).
  void SetzReihenfolgeBerechnen();
  // Places the next course (with its coupling); false when the run has ended or was stopped.
  bool Schritt();
  // The loop ends before the next course.
  void Anhalten() { halt_ = true; }
  bool Angehalten() const { return halt_; }
  // The open hours are taken once, at the start: a run with none does not start.
  bool Fertig() const { return halt_ || liste_.empty() || gesamt_ <= 0; }

  // When set, periods after this one are closed to the run (0: every period).
  void SetzeLetzteStunde(int p) { letzteStunde_ = p; }

  const std::vector<TKurs*>& Laufliste() const { return liste_; }
  const std::vector<TKurs*>& NichtVerplanbar() const { return nichtVerplanbar_; }
  // O: the open hours the run set out to place.
  int Gesamt() const { return gesamt_; }
  // Live during a course too (each placed hour lowers it).
  int NochZuSetzen() const;
  int NichtVerplanbareStunden() const { return nichtVerplanbareStunden_; }
  // Progress bar position, 0..Gesamt().
  int Fortschritt() const;
  int Bewertungen() const { return bewertungen_; }

  // Told after every placed hour; may be empty.
  std::function<void()> Gesetzt;
  // Told before (true) and after (false) every rating; may be empty.
  std::function<void(bool)> Bewertung;

 private:
  void NimmPartnerAuf();
  int Offen(const TKurs& k) const;
  int SummeOffen() const;
  void SperreSpaeteStunden(TKurs& k);
  // Rates the courses of the run list (only those in nur, when given) and orders the list.
  void Bewerte(const std::unordered_set<const TKurs*>* nur);
  void BewerteBetroffene();
  void Ordne(const std::unordered_set<const TKurs*>* nur);

  TSchule& schule_;
  TAutoLauf lauf_;
  std::vector<TKurs*> liste_;
  std::unordered_set<const TKurs*> inListe_;  // the courses of liste_
  std::vector<TKurs*> nichtVerplanbar_;
  // Courses whose hours changed since the last rating.
  std::vector<TKurs*> beruehrt_;
  int gesamt_ = 0;
  int noch_ = 0;
  int nichtVerplanbareStunden_ = 0;
  int bewertungen_ = 0;
  int letzteStunde_ = 0;
  bool halt_ = false;
};

}  // namespace kolvar
