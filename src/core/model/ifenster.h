#pragma once
// The core's view of an open child window. The GUI implements these; tests use recording fakes.
// The core never holds widgets: changes reach windows as one change set per user action
// (Aenderungen), and the core closes windows whose data goes away through here.

#include <cstdint>
#include <string>
#include <vector>

#include "model/aenderungen.h"
#include "model/fensterart.h"

namespace kolvar {

class TElement;
class TKurs;

class IFenster {
 public:
  virtual ~IFenster() = default;

  virtual int Tag() const = 0;
  virtual std::string Titel() const = 0;
  // The element the window shows (plans, workloads, editors), or nullptr.
  virtual TElement* Element() const { return nullptr; }
  // The course the window shows (course editor), or nullptr.
  virtual TKurs* Kurs() const { return nullptr; }

  // The change set of a user action. By default the window takes what its kind, element and course
  // say (TAenderungen::FuerFenster) and rebuilds, shows values or repaints.
  virtual void Aenderungen(const TAenderungen& a) { Reagiere(a.FuerFenster(*this)); }
  // Acts on Aenderung bits: a rebuild covers the rest.
  void Reagiere(uint8_t was) {
    if (was & Aenderung::Daten) {
      Aktualisiere();
      return;
    }
    if (was & Aenderung::Werte) ZeigeWerte();
    if (was & Aenderung::Zeichnen) NeuZeichnen();
  }

  // Full rebuild from the model.
  virtual void Aktualisiere() = 0;
  // Lighter refresh of the shown values; windows without one rebuild.
  virtual void ZeigeWerte() { Aktualisiere(); }
  // Repaint only (plan grids after a placement change, lock grids of editors).
  virtual void NeuZeichnen() {}
  // The tool mode or key state changed: the window picks its cursors.
  virtual void SetzeCursorNachModus(int /*modus*/, uint8_t /*tasten*/) {}
  // A course is about to be deleted: windows holding it drop it (or close when it was theirs).
  virtual void KursWirdGeloescht(TKurs* /*kurs*/) {}
  // Table and workload windows delete the courses selected in them.
  virtual void LoescheMarkierteKurse() {}
  // The courses of the selection (plan, table and workload windows), in order, for the manual
  // planning window; none by default.
  virtual std::vector<TKurs*> MarkierteKurse() const { return {}; }

  // Closes the window. The window unregisters itself from the school and clears its links
  // (element window slots, single-window slot, active window) while closing.
  virtual void Schliesse() = 0;
};

// Statistics windows (kinds 72-77) refill one row per element of their list that changed.
class IStatFenster : public IFenster {
 public:
  // Row = 1-based position of the element in its school list.
  virtual void StatistikZeileFuellen(int zeile) = 0;
  void Aenderungen(const TAenderungen& a) override;
};

// Plan views (kinds 9-11): the engine shows where a course may go. A mix-in beside IFenster
// (reached with dynamic_cast from the registered IFenster), so a window has one IFenster.
class IPlanFenster {
 public:
  virtual ~IPlanFenster() = default;
  // Marks every cell whose slot is not in the course's result grid (current version).
  virtual void ZieleMarkieren(TKurs* kurs) = 0;
  virtual void MarkierungenLoeschen() = 0;
};

// The manual planning window (kind 68) keeps a course list beside the school's undo steps.
class IManuellFenster : public IFenster {
 public:
  virtual void ModusGeaendert() = 0;
  // Adds the course to the window's course list when absent.
  virtual void NimmKursAuf(TKurs* kurs) = 0;
  // Drops the course; the window closes itself when left without courses.
  virtual void EntferneKurs(TKurs* kurs) = 0;
  // After its steps were taken back the window starts again from its first course.
  virtual void ErsterKursAktuell() {}
  // The element goes away (already unlinked from its courses, not yet freed): nothing of the
  // window may point at it afterwards.
  virtual void ElementWirdGeloescht(const TElement* /*e*/) {}
};

}  // namespace kolvar
