#pragma once
// TLeerlauf: what the palette does while the program waits for input: it ends the program after
// the session asked for it, shows the idle screen, and reminds the user to save every "spz"
// minutes. Intervals are milliseconds of a clock that never jumps, so the reminder keeps its
// rhythm across midnight and when the wall clock is set.

#include <cstdint>

namespace kolvar {

class TStandard;

// What the idle passes act on; the palette implements it, tests record it.
class ILeerlaufZiel {
 public:
  virtual ~ILeerlaufZiel() = default;
  // The program may be interrupted: it is the active application and its active window is the
  // palette or a child window, not a dialog.
  virtual bool Unterbrechbar() const = 0;
  // A question to save is open elsewhere (the close query of a file command).
  virtual bool FrageOffen() const = 0;
  // Closes the program through its close query; false when the user kept it open.
  virtual bool Beende() = 0;
  virtual void ZeigePause() = 0;
  // "Daten sichern?" when the school is modified, and what the answer says.
  virtual void ErinnereSichern() = 0;
};

class TLeerlauf {
 public:
  // The idle screen comes after this long without keyboard or mouse input (it says so).
  static constexpr int64_t kPauseNachMs = int64_t{33} * 60 * 1000;

  // jetzt: the monotonic clock now; the reminder's interval counts from here.
  TLeerlauf(ILeerlaufZiel& ziel, TStandard& standard, int64_t jetzt);

  // One idle pass at monotonic time jetzt (ms). tageszeit: the wall clock's time of day in
  // seconds, which the settings keep as the time of the last reminder.
  void AppIdle(int64_t jetzt, int64_t tageszeit);
  // The close a requested end waits for. unterbrechbar: whether nothing holds the program up.
  void BeendeWennAngefordert(bool unterbrechbar);

  // The session ends (log-off, shutdown): the program closes on the next pass that may.
  void BeendenAnfordern() { beendenAngefordert_ = true; }
  void PauseMachen() { pauseGewuenscht_ = true; }
  // Keyboard or mouse input: the wait for the idle screen starts again.
  void Eingabe(int64_t jetzt) { letzteEingabe_ = jetzt; }
  void SetzePauseNach(int64_t ms) { pauseNach_ = ms; }

  bool BeendenAngefordert() const { return beendenAngefordert_; }
  bool PauseGewuenscht() const { return pauseGewuenscht_; }
  bool FrageMarke() const { return frageOffen_; }
  bool PauseOffen() const { return pauseOffen_; }

 private:
  ILeerlaufZiel& ziel_;
  TStandard& standard_;
  int64_t basis_;
  // The settings' reminder time the interval last started from; a dialog that sets it anew
  // (the basic settings) starts the interval again.
  int64_t gesehen_;
  int64_t letzteEingabe_;
  int64_t pauseNach_ = kPauseNachMs;
  bool beendenAngefordert_ = false;
  bool pauseGewuenscht_ = false;
  bool frageOffen_ = false;
  bool pauseOffen_ = false;
};

}  // namespace kolvar
