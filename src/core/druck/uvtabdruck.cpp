#include "druck/uvtabdruck.h"

#include <algorithm>

#include "ansicht/uvlayout.h"
#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

constexpr uint32_t kWeiss = 0xFFFFFF;

int Bloecke(int daten, int proBlock) {
  return std::max(1, (daten + proBlock - 1) / proBlock);
}

}  // namespace

void TUVTabDruck::BerechneMasse(IZeichenflaeche& f, const TUVLayout& layout) {
  const TStandard& st = schule_.Standard();
  if (o_.uvft) f.GetFont().Fett = true;
  TFlaechenMass mass(f);
  const auto breitestes = [&](int art) { return MaxKuerzelBreite(schule_, art, mass); };
  m_.R = m_.H + 10;
  m_.A = breitestes(0) + 20;
  m_.N = f.TextWidth(FormatiereStunden(int64_t{99} * st.dvs, st)) + 10;
  if (layout.NachFaechern()) {
    m_.W = std::max(m_.A, breitestes(2) + 20) + m_.N;
    m_.W = std::max(m_.W, breitestes(1) + 20);
    m_.W = std::max(m_.W, breitestes(3) + 20);
  } else {
    m_.W = std::max(breitestes(3) + 20, breitestes(2) + 20) + m_.N;
    m_.W = std::max(m_.W, m_.A + m_.N);
    m_.W = std::max(m_.W, breitestes(1) + 20);
  }
  f.GetFont().Fett = o_.Schrift.Fett;
  const TDruckPunkt blatt = f.GetPhysPageSize();
  m_.C = std::max(1, (blatt.x - m_.L - 50) / m_.W - 1);
  m_.Q = std::max(1, (blatt.y - m_.T - 8 * m_.H) / m_.R - 1);
  m_.SpaltenBloecke = Bloecke(layout.Spalten() - 1, m_.C);
  m_.ZeilenBloecke = Bloecke(layout.Zeilen() - 1, m_.Q);
}

void TUVTabDruck::DruckeKopf(IZeichenflaeche& f, const TUVTab& tab) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPlan(f, schule_, m_.L, m_.T, m_.H, true);
  f.TextOut(m_.L, m_.T + 3 * m_.H, "UV-Tabelle " + tab.Kuerzel());
}

void TUVTabDruck::Drucke(IZeichenflaeche& f, const TUVTab& tab, const TUVLayout& layout, bool mitKopplung) {
  m_ = TUVTabMasse{};
  m_.L = RandInPixel(f, o_.uvra);
  m_.T = RandInPixel(f, 1);
  f.SetFont(DruckSchrift(o_.Schrift));
  m_.H = f.TextHeight();
  BerechneMasse(f, layout);
  DruckeKopf(f, tab);
  for (int b = 0; b < m_.SpaltenBloecke; ++b)
    for (int r = 0; r < m_.ZeilenBloecke; ++r) {
      if (f.Abgebrochen()) return;
      if (b > 0 || r > 0) {
        f.NewPage();
        DruckeKopf(f, tab);
      }
      DruckeKachel(f, layout, b, r, mitKopplung);
    }
}

void TUVTabDruck::DruckeKachel(IZeichenflaeche& f, const TUVLayout& layout, int b, int r, bool mitKopplung) {
  const int spalten = std::min(m_.C, layout.Spalten() - 1 - b * m_.C);
  const int zeilen = std::min(m_.Q, layout.Zeilen() - 1 - r * m_.Q);
  for (int i = 0; i <= spalten; ++i)
    for (int j = 0; j <= zeilen; ++j) {
      const int spalte = i == 0 ? 0 : b * m_.C + i;
      const int zeile = j == 0 ? 0 : r * m_.Q + j;
      DruckeZelle(f, layout, spalte, zeile, m_.L + i * m_.W, m_.T + 4 * m_.H + j * m_.R, mitKopplung);
    }
}

void TUVTabDruck::DruckeZelle(IZeichenflaeche& f, const TUVLayout& layout, int spalte, int zeile, int x,
                              int y, bool mitKopplung) {
  const TStandard& st = schule_.Standard();
  const int version = st.AktuelleVersion();
  f.GetBrush() = TDruckPinsel{kWeiss, false};
  f.Rectangle({x, y, x + m_.W, y + m_.R});
  if (spalte == 0 && zeile == 0) return;
  if (spalte == 0) {
    const TElement* e = layout.ZeilenKopf(zeile);
    if (e == nullptr) return;
    f.TextOut(x + 10, y + 5, e->Kuerzel());
    if (!layout.NachFaechern()) {
      const auto* lehrer = static_cast<const TLehrer*>(e);
      const int64_t rest =
          int64_t{lehrer->Soll(version)} - lehrer->IstGewichtet(version, true, Seite::Lehrer);
      f.TextOut(x + 10 + m_.A, y + 5, FormatiereStunden(rest, st));
    }
    return;
  }
  if (zeile == 0) {
    if (const TElement* e = layout.SpaltenKopf(spalte)) f.TextOut(x + 10, y + 5, e->Kuerzel());
    return;
  }
  const TKurs* kurs = layout.Kurs(spalte, zeile);
  if (kurs == nullptr) return;
  f.GetBrush().Farbe = o_.uvco ? kurs->Farbe() : kWeiss;
  f.FillRect({x + 1, y + 1, x + m_.W - 1, y + m_.R - 1});
  f.GetFont().Fett = (kurs->Kopplung() != nullptr && o_.uvft) || o_.Schrift.Fett;
  f.GetFont().Kursiv = layout.Kursiv(spalte, zeile) || o_.Schrift.Kursiv;
  f.TextOut(x + 10, y + 5, FormatiereStunden(int64_t{kurs->Stunden(version)} * kurs->Faktor(), st));
  f.TextOut(x + 10 + m_.N, y + 5, layout.ZweiterText(*kurs, mitKopplung));
  f.GetFont().Fett = o_.Schrift.Fett;
  f.GetFont().Kursiv = o_.Schrift.Kursiv;
  f.GetBrush().Farbe = kWeiss;
}

}  // namespace kolvar
