#include "druck/kuerzeldruck.h"

#include <algorithm>
#include <array>

#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/elementbereich.h"
#include "druck/izeichenflaeche.h"
#include "model/element.h"

namespace kolvar {

TKuerzelDruck::TKuerzelDruck(const TSchule& schule, const TKuerzelDruckOptionen& optionen)
    : schule_(schule), o_(optionen) {}

int TKuerzelDruck::Spalten(int blattBreite, int links, int paarBreite) {
  if (paarBreite < 1) return 1;
  return std::max(1, (blattBreite - links) / paarBreite);
}

const char* TKuerzelDruck::Titel(int art) {
  static constexpr std::array<const char*, 6> kTitel{"Lehrerkürzel", "Klassenkürzel", "Kopplungskürzel",
                                                     "Fachkürzel",   "Raumkürzel",    "UV-Kürzel"};
  return art >= 0 && art < 6 ? kTitel[static_cast<std::size_t>(art)] : "";
}

void TKuerzelDruck::DruckeKopf(IZeichenflaeche& f) {
  // A new page starts in the recorder's default font.
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfListe(f, schule_, links_, oben_, h_);
  y_ = oben_ + 3 * h_;
}

void TKuerzelDruck::NaechsteZeile(IZeichenflaeche& f) {
  y_ += h_;
  if (!PlatzReicht(f, y_, 2, h_)) {
    f.NewPage();
    DruckeKopf(f);
  }
}

void TKuerzelDruck::Drucke(IZeichenflaeche& f) {
  links_ = RandInPixel(f, o_.ran);
  oben_ = f.InchToPixel(0.3937);
  f.SetFont(DruckSchrift(o_.Schrift));
  h_ = std::max(1, f.TextHeight());
  DruckeKopf(f);
  const std::array<bool, 6> gewaehlt{o_.kle, o_.kkl, o_.kko, o_.kfa, o_.kra, o_.kuv};
  for (int art = 0; art < 6; ++art) {
    if (!gewaehlt[static_cast<std::size_t>(art)] || f.Abgebrochen()) continue;
    f.TextOut(links_, y_, Titel(art));
    y_ += h_;
    DruckeListe(f, art, ElementListe(schule_, art));
  }
}

void TKuerzelDruck::DruckeListe(IZeichenflaeche& f, int art, const std::vector<TElement*>& liste) {
  const TFlaechenMass mass(f);
  const int wK = MaxKuerzelBreite(schule_, art, mass) + f.TextWidth("A");
  const int wN = MaxNameBreite(schule_, art, mass) + f.TextWidth("AA");
  const int spalten = Spalten(f.GetPhysPageSize().x, links_, wK + wN);
  const int anzahl = static_cast<int>(liste.size());
  const int zeilen = (anzahl + spalten - 1) / spalten;
  if (zeilen < 1) {
    y_ += h_;
    return;
  }
  for (int i = 1; i <= zeilen; ++i) {
    for (int j = 1; j <= spalten; ++j) {
      const int n = (j - 1) * zeilen + i;
      if (n > anzahl) continue;
      const TElement* e = liste[static_cast<std::size_t>(n - 1)];
      const int x = (j - 1) * (wK + wN) + links_;
      f.TextOut(x, y_, e->Kuerzel());
      f.TextOut(x + wK, y_, e->Name());
    }
    if (f.Abgebrochen()) return;
    NaechsteZeile(f);
  }
  y_ += h_;
}

}  // namespace kolvar
