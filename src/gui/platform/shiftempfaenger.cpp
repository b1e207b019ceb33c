#include "platform/shiftempfaenger.h"

#include <QKeyEvent>

namespace kolvar {

std::uint8_t ShiftByte(Qt::KeyboardModifiers modifier) {
  std::uint8_t byte = 0;
  if (modifier & Qt::ShiftModifier) byte |= kShiftBit;
  if (modifier & Qt::AltModifier) byte |= kAltBit;
  if (modifier & Qt::ControlModifier) byte |= kCtrlBit;
  return byte;
}

std::uint8_t ShiftByte(const QKeyEvent& ereignis) {
  std::uint8_t byte = ShiftByte(ereignis.modifiers());
  std::uint8_t eigenes = 0;
  switch (ereignis.key()) {
    case Qt::Key_Shift:
      eigenes = kShiftBit;
      break;
    case Qt::Key_Alt:
      eigenes = kAltBit;
      break;
    case Qt::Key_Control:
      eigenes = kCtrlBit;
      break;
    default:
      return byte;
  }
  if (ereignis.type() == QEvent::KeyRelease)
    byte &= static_cast<std::uint8_t>(~eigenes);
  else
    byte |= eigenes;
  return byte;
}

}  // namespace kolvar
