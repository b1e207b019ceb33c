#pragma once
// The core's view of an open child window. The GUI implements these; tests use recording fakes.
// The core never holds widgets: it asks windows to refresh, repaint or close through here.

#include <cstdint>
#include <string>

namespace kolvar {

class TElement;
class TKurs;

// Window kinds ("Tag") of the child windows.
namespace FensterArt {
constexpr int Palette = 1;
constexpr int LePln = 9, KlPln = 10, RaPln = 11;
constexpr int UV = 12, Zwischen = 14, Fehler = 15;
constexpr int LeDep = 16, KlDep = 17, KoDep = 18, FaDep = 19, RaDep = 20, KursDep = 21;
constexpr int Par = 22;
constexpr int LeGr = 61, KlGr = 62, KoGr = 63, FaGr = 64, RaGr = 65, UVGr = 66;
constexpr int Kurs = 67, Manuell = 68, Vertr = 69, SV = 71;
constexpr int LeStat = 72, KlStat = 73, FaStat = 74, KoStat = 75, RaStat = 76, UVStat = 77;
constexpr int VLeWahl = 80, VRaWahl = 81, VStat = 82;
}  // namespace FensterArt

class IFenster {
 public:
  virtual ~IFenster() = default;

  virtual int Tag() const = 0;
  virtual std::string Titel() const = 0;
  // The element the window shows (plans, workloads, editors), or nullptr.
  virtual TElement* Element() const { return nullptr; }
  // The course the window shows (course editor), or nullptr.
  virtual TKurs* Kurs() const { return nullptr; }

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

  // Closes the window. The window unregisters itself from the school and clears its links
  // (element window slots, single-window slot, active window) while closing.
  virtual void Schliesse() = 0;
};

// Statistics windows (kinds 72-77) refill one row per element.
class IStatFenster : public IFenster {
 public:
  // Row = 1-based position of the element in its school list.
  virtual void StatistikZeileFuellen(int zeile) = 0;
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
};

}  // namespace kolvar
