#include "app/fensterplatz.h"

#include <algorithm>

namespace kolvar {

QPoint FensterPlatz(int i, int anordnung, const QRect& palette, int pas, const QSize& bildschirm) {
  i = std::max(i, 1);
  const int x0 = pas > 3 && palette.left() < 10 ? palette.width() + 5 : 0;
  const int y0 = pas < 3 && palette.top() < 10 ? palette.height() + 5 : 0;
  const int w = bildschirm.width();
  const int h = bildschirm.height();
  const int wm = (w + x0) / 2;
  const int hm = (h + y0) / 2;
  int n = 0;
  switch (anordnung) {
    case 2:
      n = std::min((wm - x0) / 60, (h - y0) / 60);
      break;
    case 3:
      n = std::min((w - x0) / 60, (hm - y0) / 60);
      break;
    case 4:
      n = std::min((wm - x0) / 60, (hm - y0) / 60);
      break;
    default:
      n = std::min((w - x0) / 60, (h - y0) / 60);
      break;
  }
  n = std::max(n, 4);
  const bool ungerade = i % 2 == 1;
  switch (anordnung) {
    case 2: {
      const int k = ((i - 1) / 2) % n;
      return {k * 30 + (ungerade ? wm : x0), k * 30 + y0};
    }
    case 3: {
      const int k = ((i - 1) / 2) % n;
      return {k * 30 + x0, k * 30 + (ungerade ? hm : y0)};
    }
    case 4: {
      const int k = ((i - 1) / 4) % n;
      return {k * 30 + (ungerade ? wm : x0), k * 30 + (i % 4 > 1 ? hm : y0)};
    }
    default: {
      const int k = (i - 1) % n;
      return {k * 30 + x0, k * 30 + y0};
    }
  }
}

}  // namespace kolvar
