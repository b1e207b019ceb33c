// Base of every window of the program: its kind (Tag), caption, the close query with close
// actions, activation, and the recording of the modifier keys of its key and mouse events.
#pragma once

#include <QWidget>
#include <cstdint>

namespace kolvar {

class IShiftEmpfaenger;

// What a window does once its close query allowed closing.
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

// Records the modifiers of every key and mouse event of the program (the forms do it themselves;
// a window that is no form calls this once).
void ShiftFilterEinrichten();

// Held while a pop-up or modal dialog runs its own event loop. A window closed meanwhile (by a
// shortcut, a command, the school going away) is hidden at once but freed only after the last
// such loop has returned: a handler of that window below the loop still runs and uses it.
class TFreigabeAufschub {
 public:
  TFreigabeAufschub();
  ~TFreigabeAufschub();
  TFreigabeAufschub(const TFreigabeAufschub&) = delete;
  TFreigabeAufschub& operator=(const TFreigabeAufschub&) = delete;

  static bool Laeuft();
};

class TKvForm : public QWidget {
  Q_OBJECT

 public:
  explicit TKvForm(int tag = 0, QWidget* eltern = nullptr);

  int Tag() const { return tag_; }
  void SetzeTag(int tag) { tag_ = tag; }
  QString Caption() const { return windowTitle(); }
  // The window is never narrower than its title bar needs to show the caption in full.
  void SetzeCaption(const QString& caption);

  // Closes the way the user does: the close query may refuse. Returns whether it closed.
  bool Schliesse();
  // Asks what closing would ask, without closing: false when the window refuses.
  bool DarfSchliessen();
  // Closes without asking (school destroyed, program ends): the query is skipped, the close
  // action still runs so that the window unlinks itself.
  void SchliesseErzwungen();
  bool WirdErzwungenGeschlossen() const { return erzwungen_; }
  // Closed with caFree and waiting to be freed.
  bool WirdFreigegeben() const { return freigeben_; }

  // The receiver of this window's shift state; without one the service's receiver.
  void SetzeShiftEmpfaenger(IShiftEmpfaenger* empfaenger) { shiftEmpfaenger_ = empfaenger; }
  // Called for every key and mouse event of the window and its children.
  void ShiftMerken(std::uint8_t zustand);

 protected:
  // Clear erlaubt to refuse closing.
  virtual void FormCloseQuery(bool& erlaubt);
  // Chooses what happens; caHide by default.
  virtual void FormClose(TCloseAction& aktion);
  // The window became the active one.
  virtual void Aktiviere() {}
  void showEvent(QShowEvent* ereignis) override;

  void closeEvent(QCloseEvent* ereignis) override;
  void changeEvent(QEvent* ereignis) override;

 private:
  bool SchliesseMit(bool erzwungen);
  void Freigeben();

  int tag_;
  bool erzwungen_ = false;
  bool freigeben_ = false;
  bool aktiv_ = false;
  IShiftEmpfaenger* shiftEmpfaenger_ = nullptr;
};

}  // namespace kolvar
