// The planning windows' mouse cursors, drawn in code under their fixed names and numbers.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QStringList>
#include <cstdint>

namespace kolvar {

// "SETZER", "GUMMI", "HALBGUMMI", "HAND", "HALBHAND", "HAMMER", "PFEIL4", "PFEIL3", "GRIFF",
// "LUPEMINUS", "LUPEPLUS": numbers 1 to 11 in this order.
const QStringList& KolvarCursorNamen();
// The cursor of that name or number; the arrow for anything else.
QCursor KolvarCursor(const QString& name);
QCursor KolvarCursor(int nummer);
// The cursor of a plan grid in a tool mode with the held keys (Taste::...): Ctrl gives the half
// eraser and the candidate arrows (three with Shift); with halbeHand, Shift alone the half hand.
QCursor ModusCursor(int modus, uint8_t tasten, bool halbeHand);
// The picture behind the cursor (null for unknown names).
QPixmap KolvarCursorBild(const QString& name);

}  // namespace kolvar
