#include "druck/plandruck.h"

#include <algorithm>

#include "druck/breiten.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

constexpr uint32_t kWeiss = 0xFFFFFF;
constexpr uint32_t kSperrGrau = 0xC0C0C0;

const std::string& Kz(const TElement* e) {
  static const std::string leer;
  return e != nullptr ? e->Kuerzel() : leer;
}

// The element kinds of the three entries, and which entry the coupling replaces.
struct TEintragsArten {
  std::array<int, 3> art;
  int ersetzt;
};

TEintragsArten EintragsArten(TPlanDruckArt art) {
  switch (art) {
    case TPlanDruckArt::Lehrer:
      return {{1, 3, 4}, 0};
    case TPlanDruckArt::Raum:
      // The coupling takes the class's place here, so its column gets the coupling's width.
      return {{0, 1, 3}, 1};
    default:
      return {{0, 3, 4}, 0};
  }
}

}  // namespace

TPlanDruck::TPlanDruck(const TSchule& schule, TPlanDruckArt art, const TPlanDruckOptionen& optionen)
    : schule_(schule), art_(art), o_(optionen), version_(schule.Standard().AktuelleVersion()) {
  o_.vt = std::clamp(o_.vt, 1, 7);
  o_.bt = std::clamp(o_.bt, o_.vt, 7);
  o_.vs = std::clamp(o_.vs, 1, 16);
  o_.bs = std::clamp(o_.bs, o_.vs, 16);
  if (art_ == TPlanDruckArt::Kopplung) {
    o_.le = o_.fa = o_.ra = true;
    o_.kl = o_.ko = o_.st = o_.d1s = false;
    o_.ne = 0;
  }
}

int64_t TPlanDruck::FilterMoment() const {
  return static_cast<int64_t>(o_.ad) * 86400 + o_.at;
}

bool TPlanDruck::WirdGedruckt(const TPlanElement& element) const {
  return o_.al || element.Datum() > FilterMoment();
}

std::array<bool, 4> TPlanDruck::Gezeigt() const {
  switch (art_) {
    case TPlanDruckArt::Lehrer:
      return {o_.kl, o_.fa, o_.ra, o_.ko};
    case TPlanDruckArt::Raum:
      return {o_.le, o_.kl, o_.fa, o_.ko};
    default:
      return {o_.le, o_.fa, o_.ra, o_.ko};
  }
}

int TPlanDruck::Spalten() const {
  return o_.li == 1 ? o_.bs - o_.vs + 1 : o_.bt - o_.vt + 1;
}
int TPlanDruck::Zeilen() const {
  return o_.li == 1 ? o_.bt - o_.vt + 1 : o_.bs - o_.vs + 1;
}
int TPlanDruck::Spalte(int tag, int stunde) const {
  return o_.li == 1 ? stunde - o_.vs : tag - o_.vt;
}
int TPlanDruck::Zeile(int tag, int stunde) const {
  return o_.li == 1 ? tag - o_.vt : stunde - o_.vs;
}

bool TPlanDruck::Gesperrt(const TPlanElement& e, int tag, int stunde) const {
  return e.Sperrung().Belegt(version_, tag, stunde);
}

void TPlanDruck::BerechneBreiten(IZeichenflaeche& f) {
  TFlaechenMass mass(f);
  if (o_.fe) f.GetFont().Fett = true;
  const TEintragsArten arten = EintragsArten(art_);
  const std::array<bool, 4> gezeigt = Gezeigt();
  const int kopplung = MaxKuerzelBreite(schule_, 2, mass) + 20;
  for (std::size_t i = 0; i < 3; ++i)
    l_.Eintrag[i] = gezeigt[i] ? MaxKuerzelBreite(schule_, arten.art[i], mass) + 20 : 0;
  l_.Eintrag[3] = o_.ko ? kopplung : 0;
  const auto ersetzt = static_cast<std::size_t>(arten.ersetzt);
  if (o_.st && gezeigt[ersetzt]) l_.Eintrag[ersetzt] = std::max(l_.Eintrag[ersetzt], kopplung);
  // Each width holds 10 pixels per side; the inner blank widens a cell once.
  const int mehr = 2 * (l_.Rand - 10);
  l_.TagBreite = MaxTagBreite(schule_.Standard(), mass) + 20 + mehr;
  l_.StundenBreite = MaxStundenBreite(schule_.Standard(), mass) + 20 + mehr;
  if (art_ == TPlanDruckArt::Kopplung)
    l_.ZellBreite = std::max(l_.Eintrag[0] + l_.Eintrag[1] + l_.Eintrag[2], kopplung) + mehr;
  f.GetFont().Fett = o_.Schrift.Fett;
}

void TPlanDruck::BerechneLayout(IZeichenflaeche& f) {
  const std::array<bool, 4> gezeigt = Gezeigt();
  const int h = l_.h;
  int anzahl = 0, breiteste = 0, summe = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!gezeigt[i]) continue;
    ++anzahl;
    breiteste = std::max(breiteste, l_.Eintrag[i]);
    summe += l_.Eintrag[i];
  }
  if (art_ != TPlanDruckArt::Kopplung) {
    if (o_.ne == 1) {
      l_.ZellHoehe = h * std::max(anzahl, 1) + 20;
      l_.ZellBreite = breiteste;
    } else {
      l_.ZellBreite = anzahl > 0 ? summe : f.TextWidth("*") + 20;
      l_.ZellHoehe = h + 20;
    }
    l_.ZellBreite += 2 * (l_.Rand - 10);
  } else {
    l_.ZellHoehe = h + 20;
  }
  const int bemerkung = o_.bm.empty() ? 0 : h;
  if (o_.li == 1) {
    l_.KopfBreite = l_.TagBreite;
    l_.ZellBreite = std::max(l_.ZellBreite, l_.StundenBreite);
  } else {
    l_.KopfBreite = l_.StundenBreite;
    l_.ZellBreite = std::max(l_.ZellBreite, l_.TagBreite);
  }
  l_.PlanBreite = Spalten() * l_.ZellBreite + l_.KopfBreite + 50;
  l_.PlanHoehe = Zeilen() * l_.ZellHoehe + 4 * h + bemerkung;
  l_.KopfHoehe = h + 20;
  const TDruckPunkt blatt = f.GetPhysPageSize();
  const TDruckRaender& r = l_.Raender;
  l_.ProZeile = (blatt.x - r.Links - r.Rechts) / l_.PlanBreite;
  l_.ProSpalte = (blatt.y - r.Oben - r.Unten - 3 * h) / l_.PlanHoehe;
  if (l_.ProZeile <= 0 || o_.d1s) l_.ProZeile = 1;
  if (l_.ProSpalte <= 0 || o_.d1s) l_.ProSpalte = 1;
}

void TPlanDruck::Kopf(IZeichenflaeche& f) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPlan(f, schule_, l_.Raender.Links, l_.Raender.Oben, l_.h, o_.da);
}

void TPlanDruck::Drucke(IZeichenflaeche& f, const std::vector<TPlanElement*>& elemente) {
  if (elemente.empty() || elemente.front() == nullptr) return;
  l_ = TPlanDruckLayout{};
  l_.Raender = RaenderInPixel(f, o_.rl, o_.rr, o_.ro, o_.ru);
  f.SetFont(DruckSchrift(o_.Schrift));
  l_.h = f.TextHeight();
  l_.Rand = ZellRand(f);
  BerechneBreiten(f);
  BerechneLayout(f);
  Kopf(f);
  int i = 0;
  for (const TPlanElement* e : elemente) {
    if (f.Abgebrochen()) break;
    if (e == nullptr || !WirdGedruckt(*e)) continue;
    if (art_ == TPlanDruckArt::Kopplung)
      DruckeKopplungsPlan(f, *e, i);
    else
      DruckePlan(f, *e, i);
    ++i;
  }
}

std::string TPlanDruck::PlanTitel(const TPlanElement& e) const {
  std::string titel = e.Kuerzel() + "   " + e.Name();
  if (e.Art() == TElementArt::Klasse) {
    const auto& k = static_cast<const TKlasse&>(e);
    if (k.Raum() != nullptr) titel += "  (" + k.Raum()->Kuerzel() + ")";
    if (k.Lehrer1() != nullptr || k.Lehrer2() != nullptr) {
      titel += "  ( ";
      for (const TLehrer* l : {k.Lehrer1(), k.Lehrer2()})
        if (l != nullptr) titel += l->Kuerzel() + " ";
      titel += ")";
    }
  } else if (e.Art() == TElementArt::Lehrer) {
    const auto& l = static_cast<const TLehrer&>(e);
    if (l.Raum() != nullptr) titel += "  (" + l.Raum()->Kuerzel() + ")";
    bool erste = true;
    for (const TKlasse* k : schule_.Klassen()) {
      if (k->Lehrer1() != &l && k->Lehrer2() != &l) continue;
      titel += (erste ? "  ( " : "") + k->Kuerzel() + " ";
      erste = false;
    }
    if (!erste) titel += ")";
  }
  return titel;
}

void TPlanDruck::Raster(IZeichenflaeche& f, const TPlanElement& e, int x, int y,
                        const std::vector<int>& zeilenHoehe) {
  const TStandard& st = schule_.Standard();
  const auto& stunden = st.sp[static_cast<std::size_t>(version_ - 1)];
  auto tagText = [&](int d) { return st.spg[static_cast<std::size_t>(d - 1)]; };
  auto stundenText = [&](int p) { return stunden[static_cast<std::size_t>(p - 1)]; };
  f.GetBrush() = TDruckPinsel{kWeiss, false};
  f.Rectangle({x, y, x + l_.KopfBreite, y + l_.KopfHoehe});
  int zy = y + l_.KopfHoehe;
  for (int r = 0; r < Zeilen(); ++r) {
    const int hoehe = zeilenHoehe[static_cast<std::size_t>(r)];
    f.Rectangle({x, zy, x + l_.KopfBreite, zy + hoehe});
    f.TextOut(x + l_.Rand, zy + 10, o_.li == 1 ? tagText(o_.vt + r) : stundenText(o_.vs + r));
    zy += hoehe;
  }
  const int gx = x + l_.KopfBreite, gy = y + l_.KopfHoehe;
  for (int c = 0; c < Spalten(); ++c) {
    const int sx = gx + c * l_.ZellBreite;
    f.Rectangle({sx, y, sx + l_.ZellBreite, gy});
    f.TextOut(sx + l_.Rand, y + 10, o_.li == 1 ? stundenText(o_.vs + c) : tagText(o_.vt + c));
  }
  zy = gy;
  for (int r = 0; r < Zeilen(); ++r) {
    const int hoehe = zeilenHoehe[static_cast<std::size_t>(r)];
    for (int c = 0; c < Spalten(); ++c) {
      const int sx = gx + c * l_.ZellBreite;
      f.Rectangle({sx, zy, sx + l_.ZellBreite, zy + hoehe});
      const int tag = o_.li == 1 ? o_.vt + r : o_.vt + c;
      const int stunde = o_.li == 1 ? o_.vs + c : o_.vs + r;
      if (o_.sp && Gesperrt(e, tag, stunde)) {
        f.GetBrush().Farbe = kSperrGrau;
        f.FillRect({sx + 1, zy + 1, sx + l_.ZellBreite - 1, zy + hoehe - 1});
        f.GetBrush().Farbe = kWeiss;
      }
    }
    zy += hoehe;
  }
}

void TPlanDruck::DruckePlan(IZeichenflaeche& f, const TPlanElement& e, int i) {
  const int p = l_.ProZeile * l_.ProSpalte;
  if (i % p == 0 && i >= 1) {
    f.NewPage();
    Kopf(f);
  }
  const int k = i % p;
  const int x = (k % l_.ProZeile) * l_.PlanBreite + l_.Raender.Links;
  int y = (k / l_.ProZeile) * l_.PlanHoehe + l_.Raender.Oben + 3 * l_.h;
  if (!o_.bm.empty()) {
    f.TextOut(x, y, o_.bm);
    y += l_.h;
  }
  f.TextOut(x, y, PlanTitel(e));
  y += l_.h;
  Raster(f, e, x, y, std::vector<int>(static_cast<std::size_t>(Zeilen()), l_.ZellHoehe));
  belegt_ = {};
  const int gx = x + l_.KopfBreite, gy = y + l_.KopfHoehe;
  for (const TKurs* kurs : e.Kurse()) {
    f.GetBrush().Farbe = o_.co ? kurs->Farbe() : kWeiss;
    DruckeKurs(f, e, *kurs, gx, gy);
    f.GetBrush().Farbe = kWeiss;
  }
}

std::array<std::string, 4> TPlanDruck::Texte(const TKurs& kurs, const TSetzung& s) const {
  const std::string& kopplung = Kz(kurs.Kopplung());
  const bool ersetzt = o_.st && kurs.Kopplung() != nullptr;
  const TKlasse* klasse = kurs.Klassen().Hole(1);
  switch (art_) {
    case TPlanDruckArt::Lehrer:
      return {ersetzt ? kopplung : Kz(klasse), Kz(kurs.Fach()), Kz(s.Raum()), kopplung};
    case TPlanDruckArt::Raum:
      return {Kz(kurs.Lehrer()), ersetzt ? kopplung : Kz(klasse), Kz(kurs.Fach()), kopplung};
    default:
      return {ersetzt ? kopplung : Kz(kurs.Lehrer()), Kz(kurs.Fach()), Kz(s.Raum()), kopplung};
  }
}

void TPlanDruck::DruckeKurs(IZeichenflaeche& f, const TPlanElement& e, const TKurs& kurs, int gx, int gy) {
  const bool gekoppelt = kurs.Kopplung() != nullptr;
  if (o_.fe && gekoppelt) f.GetFont().Fett = true;
  const std::array<bool, 4> gezeigt = Gezeigt();
  for (const TSetzung* s : kurs.Setzungen()) {
    const int tag = s->Tag(), stunde = s->Stunde();
    if (s->Version() != version_ || tag < o_.vt || tag > o_.bt || stunde < o_.vs || stunde > o_.bs) continue;
    if (art_ == TPlanDruckArt::Raum && s->Raum() != &e) continue;
    if (art_ == TPlanDruckArt::Klasse) {
      bool& belegt = belegt_[static_cast<std::size_t>(tag - 1)][static_cast<std::size_t>(stunde - 1)];
      if (belegt) continue;
      belegt = true;
    }
    const int c = Spalte(tag, stunde), r = Zeile(tag, stunde);
    const int sx = gx + c * l_.ZellBreite, sy = gy + r * l_.ZellHoehe;
    f.FillRect({sx + 1, sy + 1, sx + l_.ZellBreite - 1, sy + l_.ZellHoehe - 1});
    const std::array<std::string, 4> texte = Texte(kurs, *s);
    int tx = sx + l_.Rand, ty = sy + 10;
    bool einer = false;
    for (std::size_t i = 0; i < 4; ++i) {
      if (!gezeigt[i]) continue;
      einer = true;
      f.TextOut(tx, ty, texte[i]);
      if (o_.ne == 1)
        ty += l_.h;
      else
        tx += l_.Eintrag[i];
    }
    if (!einer) f.TextOut(sx + l_.Rand, sy + 10, gekoppelt ? "o" : "+");
  }
  f.GetFont().Fett = o_.Schrift.Fett;
}

std::vector<int> TPlanDruck::ZaehleKurse(const TPlanElement& e) const {
  std::vector<int> zeilen(static_cast<std::size_t>(Zeilen()), 1);
  for (int tag = o_.vt; tag <= o_.bt; ++tag) {
    for (int stunde = o_.vs; stunde <= o_.bs; ++stunde) {
      int anzahl = 0;
      bool gekoppelt = false;
      for (const TKurs* kurs : e.Kurse())
        for (const TSetzung* s : kurs->Setzungen())
          if (s->Version() == version_ && s->Tag() == tag && s->Stunde() == stunde) {
            ++anzahl;
            gekoppelt = gekoppelt || kurs->Kopplung() != nullptr;
          }
      if (gekoppelt && o_.mk) ++anzahl;
      int& z = zeilen[static_cast<std::size_t>(Zeile(tag, stunde))];
      z = std::max(z, anzahl);
    }
  }
  for (int& z : zeilen) z = z * l_.h + 20;
  return zeilen;
}

void TPlanDruck::DruckeKopplungsPlan(IZeichenflaeche& f, const TPlanElement& e, int i) {
  if (i >= 1) {
    f.NewPage();
    Kopf(f);
  }
  const int x = l_.Raender.Links;
  int y = l_.Raender.Oben + 3 * l_.h;
  if (!o_.bm.empty()) {
    f.TextOut(x, y, o_.bm);
    y += l_.h;
  }
  f.TextOut(x, y, PlanTitel(e));
  y += l_.h;
  const std::vector<int> hoehen = ZaehleKurse(e);
  Raster(f, e, x, y, hoehen);
  const int gx = x + l_.KopfBreite, gy = y + l_.KopfHoehe;
  std::vector<int> oben(hoehen.size(), gy);
  for (std::size_t r = 1; r < hoehen.size(); ++r) oben[r] = oben[r - 1] + hoehen[r - 1];
  std::array<std::array<int, 16>, 7> gezeichnet{};
  std::array<std::array<bool, 16>, 7> gekoppelt{};
  for (const TKurs* kurs : e.Kurse())
    for (const TSetzung* s : kurs->Setzungen())
      if (s->Version() == version_ && kurs->Kopplung() != nullptr)
        gekoppelt[static_cast<std::size_t>(s->Tag() - 1)][static_cast<std::size_t>(s->Stunde() - 1)] = true;
  const int lw = l_.Eintrag[0], fw = l_.Eintrag[1];
  for (const TKurs* kurs : e.Kurse()) {
    const bool koppel = kurs->Kopplung() != nullptr;
    if (o_.fe && koppel) f.GetFont().Fett = true;
    for (const TSetzung* s : kurs->Setzungen()) {
      const int tag = s->Tag(), stunde = s->Stunde();
      if (s->Version() != version_ || tag < o_.vt || tag > o_.bt || stunde < o_.vs || stunde > o_.bs)
        continue;
      const auto d = static_cast<std::size_t>(tag - 1), p = static_cast<std::size_t>(stunde - 1);
      const int zeile = gezeichnet[d][p]++ + (o_.mk && gekoppelt[d][p] ? 1 : 0);
      const int sx = gx + Spalte(tag, stunde) * l_.ZellBreite;
      const int top = oben[static_cast<std::size_t>(Zeile(tag, stunde))];
      const int ty = top + 10 + zeile * l_.h;
      if (o_.li == 0) {
        f.GetBrush().Farbe = o_.co ? kurs->Farbe() : kWeiss;
        f.FillRect({sx + 1, ty, sx + l_.ZellBreite - 1, ty + l_.h});
        f.GetBrush().Farbe = kWeiss;
      }
      f.TextOut(sx + l_.Rand, ty, Kz(kurs->Lehrer()));
      f.TextOut(sx + l_.Rand + lw, ty, Kz(kurs->Fach()));
      f.TextOut(sx + l_.Rand + lw + fw, ty, Kz(s->Raum()));
      if (o_.mk && koppel) {
        const std::string& name = kurs->Kopplung()->Kuerzel();
        f.TextOut(sx + 10 + (l_.ZellBreite - f.TextWidth(name) - 20) / 2, top + 10, name);
      }
    }
    f.GetFont().Fett = o_.Schrift.Fett;
  }
}

}  // namespace kolvar
