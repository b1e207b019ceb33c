#include "druck/reststundendruck.h"

#include <algorithm>
#include <array>

#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

namespace {

const std::string& Kz(const TElement* e) {
  static const std::string leer;
  return e != nullptr ? e->Kuerzel() : leer;
}

}  // namespace

TRestStundenDruck::TRestStundenDruck(const TSchule& schule, int art,
                                     const TRestStundenDruckOptionen& optionen)
    : schule_(schule),
      art_(std::clamp(art, 0, 2)),
      o_(optionen),
      version_(schule.Standard().AktuelleVersion()) {}

std::string TRestStundenDruck::Zahl(int64_t wert) const {
  const TStandard& st = schule_.Standard();
  return FormatiereStunden(wert, st.vkm, st.nkm, st.dvs);
}

TRestWerte TRestStundenDruck::Werte(const TElement& e) const {
  const int v = version_;
  TRestWerte w;
  switch (art_) {
    case 0: {
      const auto& l = static_cast<const TLehrer&>(e);
      const int64_t soll = l.Soll(v), ist = l.IstGewichtet(v, true, Seite::Lehrer);
      w.Stunden = {soll, ist, soll - ist, l.NichtGezaehlteStunden(v, Seite::Lehrer),
                   l.NichtVerplanteStunden(v)};
      break;
    }
    case 1: {
      const auto& k = static_cast<const TKlasse&>(e);
      const int64_t soll = k.Soll(v), ist = k.IstGewichtet(v, k.Einzeln(), Seite::Klasse);
      w.Stunden = {soll, ist, soll - ist, k.NichtGezaehlteStunden(v, Seite::Klasse),
                   k.NichtVerplanteStunden(v)};
      break;
    }
    default: {
      const auto& f = static_cast<const TFach&>(e);
      int64_t alle = 0;
      for (const TKurs* kurs : f.Kurse()) alle += int64_t{kurs->Stunden(v)} * kurs->Faktor();
      const int64_t mitLehrer = f.StundenMitLehrer(v);
      w.Stunden = {alle,
                   mitLehrer,
                   alle - mitLehrer,
                   f.NichtGezaehlteStunden(v, Seite::Lehrer),
                   f.NichtGezaehlteStunden(v, Seite::Klasse),
                   f.NichtVerplanteStunden(v)};
      w.Lehrer = f.Lehrer().Anzahl();
      break;
    }
  }
  return w;
}

int TRestStundenDruck::SpaltenX(int i) const {
  const int start = links_ + (art_ == 1 ? 4 : 2) * w_;
  return start + i * n_;
}

void TRestStundenDruck::DruckeKopf(IZeichenflaeche& f) {
  // A new page starts in the recorder's default font.
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfListe(f, schule_, links_, oben_, h_);
  const int y = oben_ + 3 * h_;
  static const std::array<std::vector<const char*>, 3> kKoepfe{
      std::vector<const char*>{"Soll", "Ist", "Rest", "n.z.Le.", "n.verpl."},
      std::vector<const char*>{"Soll", "Ist", "Rest", "n.z.Kl.", "n.verpl."},
      std::vector<const char*>{"Lehrer", "Soll", "Ist", "Rest", "n.z.Le.", "n.z.Kl.", "n.verpl."}};
  static constexpr std::array<const char*, 3> kArt{"Lehrer", "Klassen", "Fächer"};
  f.TextOut(links_, y, kArt[static_cast<std::size_t>(art_)]);
  const auto& koepfe = kKoepfe[static_cast<std::size_t>(art_)];
  for (std::size_t i = 0; i < koepfe.size(); ++i) f.TextOut(SpaltenX(static_cast<int>(i)), y, koepfe[i]);
  y_ = y + h_;
}

void TRestStundenDruck::Drucke(IZeichenflaeche& f, const std::vector<TElement*>& elemente) {
  links_ = RandInPixel(f, o_.rra);
  oben_ = f.InchToPixel(0.3937);
  f.SetFont(DruckSchrift(o_.Schrift));
  h_ = std::max(1, f.TextHeight());
  summen_.assign(static_cast<std::size_t>(art_ == 2 ? 6 : 5), 0);
  lehrerSumme_ = 0;
  const TFlaechenMass mass(f);
  const int a = f.TextWidth("A");
  w_ = std::max({MaxKuerzelBreite(schule_, 0, mass), MaxKuerzelBreite(schule_, 1, mass),
                 MaxKuerzelBreite(schule_, 3, mass)}) +
       a;
  if (f.TextWidth("Lehrer") + a > 2 * w_) w_ = (f.TextWidth("Lehrer") + a) / 2;
  n_ = 0;
  for (const char* t : {"9999.99", "Soll", "Ist", "Rest", "n.z.Le.", "n.z.Kl.", "n.verpl."})
    n_ = std::max(n_, f.TextWidth(t) + a);
  DruckeKopf(f);
  if (elemente.empty()) return;
  for (const TElement* e : elemente) {
    if (f.Abgebrochen()) return;
    if (e != nullptr) DruckeZeile(f, *e);
  }
  DruckeSumme(f);
}

void TRestStundenDruck::DruckeZeile(IZeichenflaeche& f, const TElement& e) {
  if (!PlatzReicht(f, y_, 3, h_)) {
    f.NewPage();
    DruckeKopf(f);
  }
  f.TextOut(links_, y_, e.Kuerzel());
  if (art_ == 0) f.TextOut(links_ + w_, y_, Kz(static_cast<const TLehrer&>(e).Raum()));
  if (art_ == 1) {
    const auto& k = static_cast<const TKlasse&>(e);
    f.TextOut(links_ + w_, y_, Kz(k.Raum()));
    f.TextOut(links_ + 2 * w_, y_, Kz(k.Lehrer1()));
    f.TextOut(links_ + 3 * w_, y_, Kz(k.Lehrer2()));
  }
  const TRestWerte w = Werte(e);
  int spalte = 0;
  if (art_ == 2) {
    f.TextOut(SpaltenX(spalte++), y_, std::to_string(w.Lehrer));
    lehrerSumme_ += w.Lehrer;
  }
  for (std::size_t i = 0; i < w.Stunden.size(); ++i) {
    f.TextOut(SpaltenX(spalte++), y_, Zahl(w.Stunden[i]));
    summen_[i] += w.Stunden[i];
  }
  y_ += h_;
}

void TRestStundenDruck::DruckeSumme(IZeichenflaeche& f) {
  if (!PlatzReicht(f, y_, 3, h_)) {
    f.NewPage();
    DruckeKopf(f);
  }
  f.MoveTo(links_, y_);
  f.LineTo(SpaltenX(Spalten()), y_);
  y_ += h_;
  f.TextOut(links_, y_, "Summe");
  int spalte = 0;
  if (art_ == 2) f.TextOut(SpaltenX(spalte++), y_, std::to_string(lehrerSumme_));
  for (int64_t s : summen_) f.TextOut(SpaltenX(spalte++), y_, Zahl(s));
  y_ += h_;
}

}  // namespace kolvar
