// The day of a teacher or room as the substitute choices draw it: 7 pixels per period, a green
// box where he substitutes (or the room is a substitute room), the day-pattern symbols
// elsewhere, and a red mark at the record's period.
#pragma once

#include <QRect>

class QPainter;

namespace kolvar {

struct TTagesBalken;

void ZeichneTagesBalken(QPainter& p, const QRect& zelle, const TTagesBalken& balken);

}  // namespace kolvar
