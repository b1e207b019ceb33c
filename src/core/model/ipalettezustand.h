#pragma once
// The palette state the core reads or drives.

#include <cstdint>
#include <string>

namespace kolvar {

namespace Taste {
constexpr uint8_t Shift = 1;
constexpr uint8_t Alt = 2;
constexpr uint8_t Strg = 4;
}  // namespace Taste

class IPaletteZustand {
 public:
  virtual ~IPaletteZustand() = default;
  // Remembered Shift/Alt/Ctrl state (Taste bits).
  virtual uint8_t Tasten() const = 0;
  virtual bool Beschaeftigt() const = 0;
  virtual void SetzeBeschaeftigt(bool an) = 0;
  // Undo recording: on while the manual planning window exists.
  virtual bool UndoAufzeichnen() const = 0;
  virtual void SetzeUndoAufzeichnen(bool an) = 0;
  virtual std::string AblageText() const = 0;
  // Menu items the model enables: "Sichern", and "Widerrufen"/"Löschen" of the Edit menu.
  virtual void SetzeSichernAktiv(bool an) = 0;
  virtual void SetzeWiderrufenAktiv(bool an) = 0;
};

}  // namespace kolvar
