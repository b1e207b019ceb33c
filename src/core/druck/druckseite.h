#pragma once
// A recorded printout page: our own list of drawing commands in printer pixels, which the
// preview and the printer replay alike. Colours are 0x00BBGGRR as everywhere in the program.

#include <cstdint>
#include <string>
#include <vector>

namespace kolvar {

struct TDruckPunkt {
  int x = 0, y = 0;
  bool operator==(const TDruckPunkt&) const = default;
};

// Left, top, right, bottom; right and bottom lie outside.
struct TDruckRechteck {
  int links = 0, oben = 0, rechts = 0, unten = 0;
  bool operator==(const TDruckRechteck&) const = default;
};

struct TDruckSchrift {
  std::string Name = "Arial";
  int Groesse = 10;  // points
  bool Fett = false;
  bool Kursiv = false;
  bool Unterstrichen = false;
  uint32_t Farbe = 0;
  bool operator==(const TDruckSchrift&) const = default;
};

struct TDruckStift {
  uint32_t Farbe = 0;
  int Breite = 1;  // printer pixels; 1 is the thinnest line the device has
  bool operator==(const TDruckStift&) const = default;
};

struct TDruckPinsel {
  uint32_t Farbe = 0xFFFFFF;
  bool Leer = true;  // clear: outlines only
  bool operator==(const TDruckPinsel&) const = default;
};

enum class TBefehlsArt { Text, Linie, Rechteck, Ellipse, Fuellen };

// One drawing step with the state it was drawn in. A line runs from (links, oben) to
// (rechts, unten); a text has its top left corner at (links, oben).
struct TDruckBefehl {
  TBefehlsArt Art = TBefehlsArt::Text;
  TDruckRechteck Ort;
  std::string Text;
  TDruckSchrift Schrift;
  TDruckStift Stift;
  TDruckPinsel Pinsel;
};

struct TDruckSeite {
  std::vector<TDruckBefehl> Befehle;
};

// What the recorder knows of the printer, in device pixels.
struct TDruckGeraet {
  int PixelProZollX = 600;
  int PixelProZollY = 600;
  TDruckPunkt Blatt{4961, 7016};  // the physical sheet
  TDruckPunkt Versatz{0, 0};      // the unprintable strip left and top
  TDruckPunkt Seite{4961, 7016};  // the printable area
};

}  // namespace kolvar
