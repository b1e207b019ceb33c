// Where the i-th window goes in the window arrangement ("for": 1 cascade, 2 two columns,
// 3 two rows, 4 quadrants), clear of a palette that sits at the screen's edge.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kolvar {

// i counts the windows from 1; palette is the palette's frame, pas its layout.
QPoint FensterPlatz(int i, int anordnung, const QRect& palette, int pas, const QSize& bildschirm);

}  // namespace kolvar
