#include "substitution/tagesbalken.h"

#include <QPainter>

#include "substitution/vertrvorschlag.h"

namespace kolvar {

namespace {
// Edges excluded on the right and bottom, as the symbols are measured.
QRect Kasten(int l, int t, int r, int b) {
  return QRect(QPoint(l, t), QPoint(r - 1, b - 1));
}
}  // namespace

void ZeichneTagesBalken(QPainter& p, const QRect& zelle, const TTagesBalken& balken) {
  p.save();
  const int l = zelle.left();
  const int t = zelle.top();
  for (int s = 1; s <= kStunden; ++s) {
    const TBalkenStunde& z = balken.Stunden[static_cast<std::size_t>(s - 1)];
    const int x0 = l + 7 * s - 6;
    const int x1 = l + 7 * s;
    if (x1 > zelle.right()) break;
    const QColor stift = z.Entfaellt ? Qt::red : Qt::black;
    if (z.Vertritt) {
      p.fillRect(Kasten(x0, t + 5, x1, t + 13), QColor(0, 255, 0));
      continue;
    }
    switch (z.Zeichen) {
      case 'E':
      case 'G':
        p.setPen(QPen(stift, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(x0, t + 5), QPoint(x1 - 2, t + 12)));
        break;
      case 'K':
      case 'L':
        p.fillRect(Kasten(x0, t + 5, x1, t + 13), stift);
        break;
      case 'F':
      case 'U':
        p.fillRect(Kasten(x0, t + 8, x1, t + 11), Qt::black);
        break;
      case 'S':
        p.fillRect(Kasten(x0, t + 5, x1, t + 13), QColor(0x80, 0x80, 0));
        break;
      default:
        break;
    }
  }
  if (balken.Markiert >= 1) {
    const int x = l + 7 * balken.Markiert - 4;
    p.fillRect(Kasten(x, zelle.top() + 2, x + 1, zelle.bottom() - 1), Qt::red);
  }
  p.restore();
}

}  // namespace kolvar
