#include "model/fensterplatz.h"

#include <algorithm>

namespace kolvar {

TPunkt PalettenAbstand(const TRechteck& palette, int pas, int bildschirmBreite, int bildschirmHoehe) {
  // A palette anywhere in the upper (left) half, not only at the very edge, would hide the title
  // bars of windows that start above its lower (right) edge.
  const int rechts = palette.Links + palette.Breite + 5;
  const int unten = palette.Oben + palette.Hoehe + 5;
  if (pas > 3) return {rechts <= bildschirmBreite / 2 ? std::max(rechts, 0) : 0, 0};
  return {0, unten <= bildschirmHoehe / 2 ? std::max(unten, 0) : 0};
}

TPunkt FensterPlatz(int i, int anordnung, const TRechteck& palette, int pas, int bildschirmBreite,
                    int bildschirmHoehe) {
  i = std::max(i, 1);
  const TPunkt abstand = PalettenAbstand(palette, pas, bildschirmBreite, bildschirmHoehe);
  const int x0 = abstand.X;
  const int y0 = abstand.Y;
  const int w = bildschirmBreite;
  const int h = bildschirmHoehe;
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

TPunkt FreierFensterPlatz(int i, int anordnung, const TRechteck& palette, int pas, int bildschirmBreite,
                          int bildschirmHoehe, const std::vector<TPunkt>& belegt) {
  i = std::max(i, 1);
  // The arrangement repeats after at most 4 x n places, and n stays below a screen's 60th part.
  const int versuche = 4 * std::max(4, std::max(bildschirmBreite, bildschirmHoehe) / 60);
  for (int j = i; j < i + versuche; ++j) {
    const TPunkt ort = FensterPlatz(j, anordnung, palette, pas, bildschirmBreite, bildschirmHoehe);
    if (std::find(belegt.begin(), belegt.end(), ort) == belegt.end()) return ort;
  }
  return FensterPlatz(i, anordnung, palette, pas, bildschirmBreite, bildschirmHoehe);
}

TPunkt ImBildschirm(const TRechteck& fenster, const TRechteck& bildschirm) {
  const int rechts = bildschirm.Links + bildschirm.Breite;
  const int unten = bildschirm.Oben + bildschirm.Hoehe;
  TPunkt ort{fenster.Links, fenster.Oben};
  ort.X = std::max(std::min(ort.X, rechts - fenster.Breite), bildschirm.Links);
  ort.Y = std::max(std::min(ort.Y, unten - fenster.Hoehe), bildschirm.Oben);
  return ort;
}

}  // namespace kolvar
