// What a child window sees of the main window: where it registers, the shift state, the
// previous/next buttons, the clipboard memo, the element choice of the pop-ups and the busy
// flag. Windows take this, never the palette itself, so they can be built and tested alone.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <vector>

#include "model/element.h"

namespace kolvar {

class IFensterListe;
class TKurs;
struct TDruckAuftraege;

class IPalette {
 public:
  virtual ~IPalette() = default;

  // Where child windows announce opening, activation and closing.
  virtual IFensterListe& FensterListe() = 0;
  // Remembered Shift/Alt/Ctrl state (Taste bits).
  virtual std::uint8_t Tasten() const = 0;
  // Set while the palette waits for a choice: nothing may close then.
  virtual bool Beschaeftigt() const = 0;
  // Previous / next element of the active window, as the arrow buttons do.
  virtual void ClickLinks() = 0;
  virtual void ClickRechts() = 0;
  // The text goes to the clipboard; the clipboard window follows.
  virtual void TextInZwischenablage(const QString& text) = 0;
  // Pops up the element menu of the kind (with "ohne" when asked) with the busy flag set; true
  // when a choice was made, the element then in Wahl (null for "ohne").
  virtual bool WaehleElement(TElementArt art, bool mitOhne, const QPoint& ort) = 0;
  virtual TElement* Wahl(TElementArt art) const = 0;
  // Opens the course editor on the course (or shows it there), stepping through liste; nothing
  // while no course editor is installed.
  virtual void OeffneKursForm(TKurs& /*kurs*/, const std::vector<TKurs*>& /*liste*/) {}
  // Opens (or brings up) the element's window of the view group (0 master data, 1 workload or
  // table, 2 plan), the view button following; tasten asks for a window of its own.
  virtual void OeffneElementFenster(TElement* /*element*/, int /*gruppe*/, std::uint8_t /*tasten*/) {}
  // Lets the user choose some of the elements; empty when cancelled, or with no palette behind.
  virtual std::vector<TElement*> ZeigeMenuForm(const std::vector<TElement*>& /*elemente*/,
                                               const QString& /*caption*/) {
    return {};
  }
  // The printouts windows ask for.
  virtual const TDruckAuftraege& Druckauftraege() const;
};

}  // namespace kolvar
