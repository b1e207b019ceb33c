// The one replay of a recorded page onto a QPainter (preview, printer, images), and the text
// measures of the printer's fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <memory>

#include "druck/prevprinter.h"

class QPainter;
class QPrinter;

namespace kolvar {

QColor QtFarbe(uint32_t farbe);

// The font at the device's resolution, scaled: sizes in pixels, so measuring and drawing agree
// whatever the screen's resolution.
QFont QtSchrift(const TDruckSchrift& schrift, int pixelProZoll, double massstab = 1.0);

// Draws the page with its origin at the painter's origin (the printable area's corner): its areas,
// then its lines and frames, then its texts, each in the order recorded.
void SpieleAb(const TDruckSeite& seite, QPainter& maler, int pixelProZoll, double massstab = 1.0);

class TQtDruckMesser : public IDruckMesser {
 public:
  std::unique_ptr<ITextMass> Mass(const TDruckSchrift& schrift, int pixelProZoll) const override;
};

// Sheet, printable area, offset and resolution of the printer in its device pixels.
TDruckGeraet DruckGeraetVon(const QPrinter& drucker);

}  // namespace kolvar
