// The planning windows' mouse cursors, drawn in code under their fixed names and numbers.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QStringList>

namespace kolvar {

// "SETZER", "GUMMI", "HALBGUMMI", "HAND", "HALBHAND", "HAMMER", "PFEIL4", "PFEIL3", "GRIFF",
// "LUPEMINUS", "LUPEPLUS": numbers 1 to 11 in this order.
const QStringList& KolvarCursorNamen();
// The cursor of that name or number; the arrow for anything else.
QCursor KolvarCursor(const QString& name);
QCursor KolvarCursor(int nummer);
// The picture behind the cursor (null for unknown names).
QPixmap KolvarCursorBild(const QString& name);

}  // namespace kolvar
