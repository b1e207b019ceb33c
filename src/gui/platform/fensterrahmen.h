// How the program's small windows meet the window manager: a dialog's frame, a fixed size,
// the screen's centre, and room for the caption in the title bar.
#pragma once

#include <Qt>

class QString;
class QWidget;

namespace kolvar {

// A title bar with a close box; without it (a window that closes itself) the title bar alone.
// Never the buttons to minimise or maximise. Qt passes this on as Motif hints; without the close
// box it can only ask for all functions, so a dialog the user answers takes the close box. On top, as the
// palette is: they open in the middle of the screen, where a window that stays on top would hide them.
Qt::WindowFlags DialogRahmen(bool schliessfeld);

// Keeps the size the window has, or the one its layout asks for when nobody sized it, so that
// window managers offer neither resizing nor maximising.
void FixiereGroesse(QWidget& fenster);

// Puts the window's frame in the middle of the screen of its parent (or the primary screen),
// never beyond the screen's top left corner.
void ZentriereAufBildschirm(QWidget& fenster);

// Puts the window's frame in the middle of the other window's frame, within that one's screen.
void ZentriereUeber(QWidget& fenster, const QWidget& ueber);

// The width a window needs for its title bar to show the caption in full.
int TitelBreite(const QString& caption);

// Widens the window to the width its caption needs and keeps it from being made narrower (a
// window of fixed size keeps its height and takes the width as its fixed width).
void TitelPlatzLassen(QWidget& fenster);

}  // namespace kolvar
