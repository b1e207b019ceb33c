// Where windows go on the screen: the place of the i-th window in the window arrangement ("for":
// 1 cascade, 2 two columns, 3 two rows, 4 quadrants), clear of a palette that sits at the
// screen's edge; a free place for a new window; a window kept inside the screen. All in screen
// pixels, positions and sizes of window frames.
#pragma once

#include <vector>

namespace kolvar {

struct TPunkt {
  int X = 0;
  int Y = 0;
  bool operator==(const TPunkt&) const = default;
};

struct TRechteck {
  int Links = 0;
  int Oben = 0;
  int Breite = 0;
  int Hoehe = 0;
};

// Where windows start so that they stay clear of the palette: right of a column palette (layouts
// 4..6), below any other, when the palette lies in the screen's left (upper) half; else 0.
TPunkt PalettenAbstand(const TRechteck& palette, int pas, int bildschirmBreite, int bildschirmHoehe);

// i counts the windows from 1; palette is the palette's frame, pas its layout.
TPunkt FensterPlatz(int i, int anordnung, const TRechteck& palette, int pas, int bildschirmBreite,
                    int bildschirmHoehe);

// The place of window i, or, when another window's frame already starts exactly there, that of
// the next number whose place is free; when every place is taken, that of window i.
TPunkt FreierFensterPlatz(int i, int anordnung, const TRechteck& palette, int pas, int bildschirmBreite,
                          int bildschirmHoehe, const std::vector<TPunkt>& belegt);

// The window's place moved left and up just as far as it takes to end inside the screen, but
// never past the screen's left or top edge (a window larger than the screen shows its corner).
TPunkt ImBildschirm(const TRechteck& fenster, const TRechteck& bildschirm);

}  // namespace kolvar
