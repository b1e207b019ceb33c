#include "druck/vertrlistendruck.h"

#include <algorithm>
#include <string>

#include "druck/druckkopf.h"
#include "druck/izeichenflaeche.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "substitution/vertrkonten.h"

namespace kolvar {

namespace {

struct TListenSeite {
  IZeichenflaeche& f;
  const TSchule& schule;
  TDruckSchrift schrift;
  int rand, oben, h, y = 0;

  void Kopf() {
    DruckeKopfListe(f, schule, rand, oben, h);
    y = oben + 3 * h;
  }
  // A new page with its header when less than three lines remain.
  void Platz() {
    if (PlatzReicht(f, y, 3, h)) return;
    f.NewPage();
    f.SetFont(schrift);  // a new page starts in the default font
    Kopf();
  }
};

TListenSeite Beginne(IZeichenflaeche& f, const TSchule& schule, const TEinfacheDruckOptionen& o) {
  f.SetFont(DruckSchrift(o.Schrift));
  TListenSeite s{f,
                 schule,
                 DruckSchrift(o.Schrift),
                 RandInPixel(f, o.Rand),
                 f.InchToPixel(0.3937),
                 std::max(1, f.TextHeight())};
  s.Kopf();
  return s;
}

}  // namespace

void DruckeVertrUebersicht(IZeichenflaeche& flaeche, const TSchule& schule,
                           const TEinfacheDruckOptionen& optionen, const std::vector<const TLehrer*>& lehrer,
                           int32_t von, int32_t bis) {
  TListenSeite s = Beginne(flaeche, schule, optionen);
  const std::vector<TVertrUebZeile> zeilen = VertrUebersicht(schule, lehrer, von, bis);
  const TVertrUebTexte& koepfe = VertrUebKoepfe();
  std::array<int, kVertrUebSpalten> breiten{};
  for (std::size_t c = 0; c < breiten.size(); ++c) {
    int b = flaeche.TextWidth(koepfe[c]);
    for (const TVertrUebZeile& z : zeilen) b = std::max(b, flaeche.TextWidth(z.texte[c]));
    breiten[c] = b + flaeche.TextWidth("*");
  }
  const auto zeile = [&](const TVertrUebTexte& texte) {
    int x = s.rand;
    for (std::size_t c = 0; c < texte.size(); ++c) {
      flaeche.TextOut(x, s.y, texte[c]);
      x += breiten[c];
    }
    s.y += s.h;
  };
  zeile(koepfe);
  for (const TVertrUebZeile& z : zeilen) {
    if (flaeche.Abgebrochen()) return;
    s.Platz();
    zeile(z.texte);
  }
}

void DruckeVertreteneStunden(IZeichenflaeche& flaeche, const TSchule& schule,
                             const TEinfacheDruckOptionen& optionen) {
  TListenSeite s = Beginne(flaeche, schule, optionen);
  const TStandard& st = schule.Standard();
  const int a = flaeche.TextWidth("A");
  int kuerzel = 0, name = 0;
  for (const TLehrer* l : schule.Lehrer()) {
    kuerzel = std::max(kuerzel, flaeche.TextWidth(l->Kuerzel()));
    name = std::max(name, flaeche.TextWidth(l->Name()));
  }
  kuerzel += a;
  name += a;
  name = std::max(name, flaeche.TextWidth("Lehrer") + a - kuerzel);
  const int konto = std::max((st.vkm + st.nkm + 3) * a, flaeche.TextWidth("Tabelle 2") + a);
  const int x1 = s.rand + kuerzel + name, x2 = x1 + konto;
  flaeche.TextOut(s.rand, s.y, "Lehrer");
  flaeche.TextOut(x1, s.y, "Tabelle 1");
  flaeche.TextOut(x2, s.y, "Tabelle 2");
  s.y += s.h;
  // Flush right, one "A" before the end of the column.
  const auto rechts = [&](int x, int32_t wert) {
    const std::string text = FormatiereStunden(wert, st);
    flaeche.TextOut(x + konto - a - flaeche.TextWidth(text), s.y, text);
  };
  for (const TLehrer* l : schule.Lehrer()) {
    if (flaeche.Abgebrochen()) return;
    s.Platz();
    flaeche.TextOut(s.rand, s.y, l->Kuerzel());
    flaeche.TextOut(s.rand + kuerzel, s.y, l->Name());
    rechts(x1, l->VStd1());
    rechts(x2, l->VStd2());
    s.y += s.h;
  }
}

}  // namespace kolvar
