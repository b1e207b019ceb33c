// Where the modifier state of key and mouse events goes (the palette, or a test's recorder).
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace kolvar {

// The shift byte the planning windows act by.
inline constexpr std::uint8_t kShiftBit = 1;
inline constexpr std::uint8_t kAltBit = 2;
inline constexpr std::uint8_t kCtrlBit = 4;

class IShiftEmpfaenger {
 public:
  virtual ~IShiftEmpfaenger() = default;
  virtual void ShiftMerken(std::uint8_t zustand) = 0;
};

std::uint8_t ShiftByte(Qt::KeyboardModifiers modifier);

// X11 reports the modifier state from before the event for the modifier key itself: a released
// Ctrl still carries ControlModifier, a pressed one may lack it. The key decides its own bit.
std::uint8_t ShiftByte(const QKeyEvent& ereignis);

}  // namespace kolvar
