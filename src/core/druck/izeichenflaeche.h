#pragma once
// The surface every printout layout draws on: coordinates are printer pixels from the edge of
// the physical sheet. The page recorder is the one implementation; layouts know nothing else.

#include <string>
#include <string_view>

#include "druck/druckseite.h"

namespace kolvar {

class IZeichenflaeche {
 public:
  virtual ~IZeichenflaeche() = default;

  virtual void NewPage() = 0;
  virtual int AktuelleSeite() const = 0;
  // The user stopped the recording: layouts end their loops.
  virtual bool Abgebrochen() const = 0;

  virtual TDruckSchrift& GetFont() = 0;
  virtual void SetFont(const TDruckSchrift& schrift) = 0;
  virtual TDruckStift& GetPen() = 0;
  virtual TDruckPinsel& GetBrush() = 0;

  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Rectangle(const TDruckRechteck& r) = 0;
  virtual void Ellipse(const TDruckRechteck& r) = 0;
  virtual void FillRect(const TDruckRechteck& r) = 0;
  virtual TDruckPunkt PenPos() const = 0;

  // Measured in the current font on the printer; -1 outside a recorded page.
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight() = 0;
  virtual TDruckPunkt GetPhysPageSize() const = 0;
  // The part of the sheet the printer can print on, in sheet coordinates.
  virtual TDruckRechteck DruckBereich() const = 0;
  virtual int InchToPixel(double zoll) const = 0;
};

}  // namespace kolvar
