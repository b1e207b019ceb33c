#pragma once
// A fixed-advance measurer and readers of recorded pages, so layouts can be checked by hand.

#include <memory>
#include <string>
#include <vector>

#include "druck/prevprinter.h"
#include "model/itextmass.h"

namespace kolvar {

// 10 pixels a character (12 in bold), 20 a line.
class TZeichenMass : public ITextMass {
 public:
  explicit TZeichenMass(bool fett) : fett_(fett) {}
  int TextBreite(std::string_view text) const override {
    int n = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) ++n;
    return n * (fett_ ? 12 : 10);
  }
  int TextHoehe(std::string_view) const override { return 20; }

 private:
  bool fett_;
};

class TZeichenMesser : public IDruckMesser {
 public:
  std::unique_ptr<ITextMass> Mass(const TDruckSchrift& s, int) const override {
    return std::make_unique<TZeichenMass>(s.Fett);
  }
};

struct TGefundenerText {
  int x, y;
  std::string text;
  bool fett;
};

inline std::vector<TGefundenerText> Texte(const TDruckSeite& seite) {
  std::vector<TGefundenerText> texte;
  for (const TDruckBefehl& b : seite.Befehle)
    if (b.Art == TBefehlsArt::Text) texte.push_back({b.Ort.links, b.Ort.oben, b.Text, b.Schrift.Fett});
  return texte;
}

inline std::vector<TGefundenerText> Finde(const TDruckSeite& seite, const std::string& text) {
  std::vector<TGefundenerText> treffer;
  for (const TGefundenerText& t : Texte(seite))
    if (t.text == text) treffer.push_back(t);
  return treffer;
}

// Texts standing in a drawn box closer than `rand` to its left or right line, with widths as
// TZeichenMass measures them; `geprueft` counts the texts found inside a box.
inline std::vector<std::string> TexteAmRand(const TDruckSeite& seite, int rand, int& geprueft) {
  std::vector<std::string> nah;
  geprueft = 0;
  for (const TDruckBefehl& t : seite.Befehle) {
    if (t.Art != TBefehlsArt::Text || t.Text.empty()) continue;
    const TDruckRechteck* kasten = nullptr;
    for (const TDruckBefehl& r : seite.Befehle) {
      const TDruckRechteck& o = r.Ort;
      if (r.Art != TBefehlsArt::Rechteck || t.Ort.links < o.links || t.Ort.links >= o.rechts ||
          t.Ort.oben < o.oben || t.Ort.oben >= o.unten)
        continue;
      if (kasten == nullptr || o.rechts - o.links < kasten->rechts - kasten->links) kasten = &o;
    }
    if (kasten == nullptr) continue;
    ++geprueft;
    const int breite = TZeichenMass(t.Schrift.Fett).TextBreite(t.Text);
    if (t.Ort.links - kasten->links < rand || kasten->rechts - (t.Ort.links + breite) < rand)
      nah.push_back(t.Text);
  }
  return nah;
}

// A small A4-like device without an unprintable strip: 2000 x 2800 pixels at 200 dpi.
inline TDruckGeraet KleinesGeraet() {
  TDruckGeraet g;
  g.PixelProZollX = g.PixelProZollY = 200;
  g.Blatt = {2000, 2800};
  g.Seite = {2000, 2800};
  return g;
}

}  // namespace kolvar
