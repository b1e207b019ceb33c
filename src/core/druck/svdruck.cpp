#include "druck/svdruck.h"

#include <algorithm>

#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/element.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

constexpr uint32_t kSchwarz = 0x000000;
constexpr uint32_t kWeiss = 0xFFFFFF;
constexpr uint32_t kOliv = 0x008080;
constexpr uint32_t kGrau = 0xC0C0C0;
constexpr uint32_t kRot = 0x0000FF;

const std::string& Kz(const TElement* e) {
  static const std::string leer;
  return e != nullptr ? e->Kuerzel() : leer;
}

int BreitesteZiffer(IZeichenflaeche& f) {
  int breite = 0;
  for (char c = '0'; c <= '9'; ++c) breite = std::max(breite, f.TextWidth(std::string(1, c)));
  return breite;
}

}  // namespace

TSVDruck::TSVDruck(const TSchule& schule, int art, const TStundenVerteilungDruckOptionen& optionen)
    : schule_(schule),
      art_(std::clamp(art, 0, 4)),
      o_(optionen),
      version_(schule.Standard().AktuelleVersion()) {}

std::vector<char> TSVDruck::SummenZiffern(int zaehler) {
  int rest = ((zaehler % 1000) + 1000) % 1000;
  std::vector<char> ziffern;
  do {
    ziffern.push_back(static_cast<char>('0' + rest % 10));
    rest /= 10;
  } while (rest > 0);
  return ziffern;
}

int TSVDruck::TagX(int tag) const {
  return l_.Links + l_.c1 + l_.c2 + (tag - 1) * 17 * l_.s;
}

int TSVDruck::SymbolX(int tag, int stunde) const {
  return TagX(tag) + 5 + (stunde - 1) * l_.s;
}

int TSVDruck::Ende() const {
  return TagX(l_.Tage + 1);
}

void TSVDruck::TageZeile(IZeichenflaeche& f, int y) {
  const TStandard& st = schule_.Standard();
  for (int d = 1; d <= l_.Tage; ++d) {
    const std::string& tag = st.spg[static_cast<std::size_t>(d - 1)];
    f.TextOut(TagX(d) + (17 * l_.s - f.TextWidth(tag)) / 2, y, tag);
  }
}

void TSVDruck::Kopf(IZeichenflaeche& f) {
  // A new page starts in the recorder's default font.
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfListe(f, schule_, l_.Links, l_.Oben, l_.h);
  y_ = l_.Oben + 3 * l_.h;
  if (!MitSummen()) return;
  const int y = l_.Oben + 2 * l_.h;
  f.TextOut(l_.Links, y, art_ == 0 ? "Lehrer" : art_ == 1 ? "Klasse" : "Raum");
  TageZeile(f, y);
}

void TSVDruck::Umbruch(IZeichenflaeche& f, bool blockKopf) {
  if (PlatzReicht(f, y_, 6, l_.h)) return;
  f.NewPage();
  Kopf(f);
  if (!blockKopf) return;
  TageZeile(f, y_);
  y_ += l_.h;
}

void TSVDruck::Drucke(IZeichenflaeche& f, const std::vector<TElement*>& elemente) {
  l_ = TSVLayout{};
  l_.Links = RandInPixel(f, o_.svra);
  l_.Oben = f.InchToPixel(0.3937);
  f.SetFont(DruckSchrift(o_.Schrift));
  l_.h = std::max(1, f.TextHeight());
  l_.s = std::max(1, f.TextWidth("o"));
  l_.Tage = std::clamp(schule_.Standard().mtn, 1, 7);
  const TFlaechenMass mass(f);
  const auto breite = [&](int art) { return MaxKuerzelBreite(schule_, art, mass) + l_.s; };
  switch (art_) {
    case 2:
      l_.c1 = breite(0);
      l_.c2 = breite(3);
      break;
    case 3:
      l_.c1 = breite(0);
      l_.c2 = std::max(MaxKuerzelBreite(schule_, 1, mass), MaxKuerzelBreite(schule_, 2, mass)) + l_.s;
      break;
    default:
      l_.c1 = breite(art_);
      break;
  }
  // Everything stays inside the printable area: the margins start no further out than it,
  // and on a narrow sheet the symbols shrink until the days and the gaps column fit.
  const TDruckRechteck bereich = f.DruckBereich();
  l_.Links = std::max(l_.Links, bereich.links);
  l_.Oben = std::max(l_.Oben, bereich.oben);
  const int luecken = MitSummen() && o_.svsg ? f.TextWidth("0000") : 0;
  const int frei = bereich.rechts - l_.Links - l_.c1 - l_.c2 - luecken;
  l_.s = std::clamp(frei / (17 * l_.Tage), 1, l_.s);
  summen_ = {};
  Kopf(f);
  if (elemente.empty()) return;
  for (const TElement* e : elemente) {
    if (f.Abgebrochen()) return;
    if (e == nullptr) continue;
    if (MitSummen())
      DruckeZeile(f, *e);
    else
      DruckeBlock(f, *e);
  }
  if (MitSummen()) DruckeSummen(f);
}

void TSVDruck::Symbol(IZeichenflaeche& f, char zeichen, int x) {
  const int bw = std::max(2, l_.s - 10), bh = std::max(2, l_.s - 8);
  const int oben = y_ + (l_.h - l_.s) / 2 + (l_.s - bh) / 2;
  const TDruckRechteck kasten{x, oben, x + bw, oben + bh};
  const int mitte = y_ + l_.h / 2;
  const TDruckRechteck balken{x, mitte - 3, x + bw, mitte + 3};
  const auto fuellung = [&f](uint32_t farbe) { f.GetBrush() = TDruckPinsel{farbe, false}; };
  switch (zeichen) {
    case 'E':
      f.Ellipse(kasten);
      break;
    case 'F':
      fuellung(kWeiss);
      f.Rectangle(balken);
      break;
    case 'G':
      fuellung(kWeiss);
      f.Rectangle(kasten);
      break;
    case 'K':
      fuellung(kSchwarz);
      f.Ellipse(kasten);
      break;
    case 'L':
      fuellung(kSchwarz);
      f.Rectangle(kasten);
      break;
    case 'S': {
      const uint32_t farbe = o_.svfa ? kOliv : kGrau;
      f.GetPen().Farbe = farbe;
      fuellung(farbe);
      f.Rectangle(kasten);
      break;
    }
    case 'U':
      fuellung(o_.svfa ? kRot : kSchwarz);
      f.Rectangle(balken);
      break;
    default:
      break;
  }
  f.GetPen().Farbe = kSchwarz;
  f.GetBrush() = TDruckPinsel{kWeiss, true};
}

void TSVDruck::Muster(IZeichenflaeche& f, int tag, const std::string& muster) {
  f.MoveTo(TagX(tag), y_);
  f.LineTo(TagX(tag), y_ + l_.h);
  for (int p = 1; p <= 16 && p <= static_cast<int>(muster.size()); ++p)
    Symbol(f, muster[static_cast<std::size_t>(p - 1)], SymbolX(tag, p));
}

void TSVDruck::DruckeZeile(IZeichenflaeche& f, const TElement& e) {
  Umbruch(f, false);
  const auto& pe = static_cast<const TPlanElement&>(e);
  f.TextOut(l_.Links, y_, e.Kuerzel());
  for (int d = 1; d <= l_.Tage; ++d) {
    std::string muster = pe.Tagesmuster(version_, d);
    if (!o_.svsr) std::replace(muster.begin(), muster.end(), 'S', 'F');
    Muster(f, d, muster);
    for (int p = 1; p <= 16 && p <= static_cast<int>(muster.size()); ++p) {
      const char c = muster[static_cast<std::size_t>(p - 1)];
      const bool zaehlt = o_.svsg ? c == 'U' : (c == 'E' || c == 'G' || c == 'K' || c == 'L');
      if (zaehlt) ++summen_[static_cast<std::size_t>(d - 1)][static_cast<std::size_t>(p - 1)];
    }
  }
  int ende = Ende();
  if (o_.svsg) {
    f.MoveTo(ende, y_);
    f.LineTo(ende, y_ + l_.h);
    f.TextOut(ende + 10, y_, std::to_string(pe.Springstunden()));
    ende += f.TextWidth("0000");
  }
  y_ += l_.h;
  if (e.Nummer() % 5 == 0) {
    f.MoveTo(l_.Links, y_ + 5);
    f.LineTo(ende, y_ + 5);
    y_ += 10;
  }
}

void TSVDruck::DruckeSummen(IZeichenflaeche& f) {
  Umbruch(f, false);
  // A digit stands in its symbol's column: where the columns shrank to fit the days, the
  // digits shrink with them.
  const TDruckSchrift schrift = f.GetFont();
  while (f.GetFont().Groesse > 1 && BreitesteZiffer(f) > l_.s) --f.GetFont().Groesse;
  for (int d = 1; d <= l_.Tage; ++d)
    for (int p = 1; p <= 16; ++p) {
      const std::vector<char> ziffern =
          SummenZiffern(summen_[static_cast<std::size_t>(d - 1)][static_cast<std::size_t>(p - 1)]);
      for (std::size_t i = 0; i < ziffern.size(); ++i)
        f.TextOut(SymbolX(d, p), y_ + static_cast<int>(i) * l_.h, std::string(1, ziffern[i]));
    }
  f.SetFont(schrift);
  y_ += 3 * l_.h;
  summen_ = {};
}

void TSVDruck::DruckeBlock(IZeichenflaeche& f, const TElement& e) {
  Umbruch(f, false);
  f.TextOut(l_.Links, y_, e.Kuerzel());
  TageZeile(f, y_);
  y_ += l_.h;
  for (const TKurs* kurs : e.Kurse()) {
    if (f.Abgebrochen()) return;
    DruckeKurs(f, e, *kurs);
  }
}

void TSVDruck::DruckeKurs(IZeichenflaeche& f, const TElement& block, const TKurs& kurs) {
  Umbruch(f, true);
  f.TextOut(l_.Links, y_, Kz(kurs.Lehrer()));
  std::string zweite;
  if (block.Art() == TElementArt::Kopplung)
    zweite = Kz(kurs.Fach());
  else
    zweite = kurs.Kopplung() != nullptr ? Kz(kurs.Kopplung()) : Kz(kurs.Klassen().Hole(1));
  f.TextOut(l_.Links + l_.c1, y_, zweite);
  for (int d = 1; d <= l_.Tage; ++d) Muster(f, d, kurs.TagesMuster(d, std::string(16, 'F')));
  y_ += l_.h;
}

}  // namespace kolvar
