#include "druck/uebersichtdruck.h"

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
constexpr uint32_t kBalkenGrau = 0x808080;

const std::string& Kz(const TElement* e) {
  static const std::string leer;
  return e != nullptr ? e->Kuerzel() : leer;
}

int ElementArt(TUebersichtArt art) {
  switch (art) {
    case TUebersichtArt::Lehrer:
      return 0;
    case TUebersichtArt::Raum:
      return 4;
    default:
      return 1;
  }
}

}  // namespace

TUebersichtDruck::TUebersichtDruck(const TSchule& schule, TUebersichtArt art,
                                   const TUebersichtDruckOptionen& optionen)
    : schule_(schule), art_(art), o_(optionen), version_(schule.Standard().AktuelleVersion()) {
  o_.vt = std::clamp(o_.vt, 1, 7);
  o_.bt = std::clamp(o_.bt, o_.vt, 7);
  o_.vs = std::clamp(o_.vs, 1, 16);
  o_.bs = std::clamp(o_.bs, o_.vs, 16);
  // Only the combination may leave the date out.
  if (art_ != TUebersichtArt::Kombination) o_.da = true;
}

std::array<bool, 4> TUebersichtDruck::Gezeigt() const {
  switch (art_) {
    case TUebersichtArt::Lehrer:
      return {o_.kl, o_.fa, o_.ra, o_.ko};
    case TUebersichtArt::Raum:
      return {o_.le, o_.kl, o_.fa, o_.ko};
    case TUebersichtArt::Kombination:
      return {true, true, true, false};
    default:
      return {o_.le, o_.fa, o_.ra, o_.ko};
  }
}

void TUebersichtDruck::BerechneBreiten(IZeichenflaeche& f) {
  TFlaechenMass mass(f);
  if (o_.fe) f.GetFont().Fett = true;
  const std::array<bool, 4> gezeigt = Gezeigt();
  std::array<int, 3> arten{0, 3, 4};
  int ersetzt = 0;
  if (art_ == TUebersichtArt::Lehrer) arten = {1, 3, 4};
  if (art_ == TUebersichtArt::Raum) arten = {0, 1, 3}, ersetzt = 1;
  const int kopplung = MaxKuerzelBreite(schule_, 2, mass) + 20;
  for (std::size_t i = 0; i < 3; ++i)
    l_.Eintrag[i] = gezeigt[i] ? MaxKuerzelBreite(schule_, arten[i], mass) + 20 : 0;
  l_.Eintrag[3] = o_.ko ? kopplung : 0;
  const auto e = static_cast<std::size_t>(ersetzt);
  if (o_.st && gezeigt[e]) l_.Eintrag[e] = std::max(l_.Eintrag[e], kopplung);
  if (art_ == TUebersichtArt::Kombination) {
    int breiteste = 0;
    for (int art = 0; art <= 4; ++art) breiteste = std::max(breiteste, MaxKuerzelBreite(schule_, art, mass));
    l_.Slot = breiteste + 20;
    l_.Eintrag = {l_.Slot, l_.Slot, l_.Slot, 0};
    l_.TitelBreite = l_.Slot;
  } else {
    l_.TitelBreite = MaxKuerzelBreite(schule_, ElementArt(art_), mass) + 20;
  }
  // Each width holds 10 pixels per side; the inner blank widens a cell (and the label) once.
  l_.TagBreite = MaxTagBreite(schule_.Standard(), mass) + 20;
  l_.StundenBreite = MaxStundenBreite(schule_.Standard(), mass) + 20 + 2 * (l_.Rand - 10);
  f.GetFont().Fett = o_.Schrift.Fett;
}

void TUebersichtDruck::BerechneLayout(IZeichenflaeche& f) {
  const std::array<bool, 4> gezeigt = Gezeigt();
  int anzahl = 0, breiteste = 0, summe = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (!gezeigt[i]) continue;
    ++anzahl;
    breiteste = std::max(breiteste, l_.Eintrag[i]);
    summe += l_.Eintrag[i];
  }
  if (o_.un) {
    l_.ZellBreite = std::max(breiteste, l_.TitelBreite);
    l_.ZellHoehe = l_.h * std::max(anzahl, 1) + 20;
  } else {
    l_.ZellBreite = std::max(anzahl > 0 ? summe : f.TextWidth("*") + 20, l_.TitelBreite);
    l_.ZellHoehe = l_.h + 20;
  }
  l_.ZellBreite += 2 * (l_.Rand - 10);
  l_.Schritt = l_.ZellBreite + 10;
  l_.LabelBreite = l_.TagBreite + l_.StundenBreite;
  const TDruckRaender& r = l_.Raender;
  l_.ProSeite = std::max(1, (f.GetPhysPageSize().x - r.Links - r.Rechts - l_.LabelBreite) / l_.Schritt);
}

void TUebersichtDruck::Kopf(IZeichenflaeche& f) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPlan(f, schule_, l_.Raender.Links, l_.Raender.Oben, l_.h, o_.da);
  if (!o_.bm.empty()) f.TextOut(l_.Raender.Links, l_.Raender.Oben + 2 * l_.h, o_.bm);
}

void TUebersichtDruck::Drucke(IZeichenflaeche& f, const std::vector<TPlanElement*>& elemente) {
  if (elemente.empty() || elemente.front() == nullptr) return;
  l_ = TUebersichtLayout{};
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
    if (e == nullptr) continue;
    DruckeSpalte(f, *e, i++);
  }
}

int TUebersichtDruck::ZeilenY(int y0, int tag, int stunde) const {
  return y0 + (tag - o_.vt) * (Stunden() * l_.ZellHoehe + 10) + (stunde - o_.vs) * l_.ZellHoehe;
}

void TUebersichtDruck::Balken(IZeichenflaeche& f, int x, int breite, int y0) {
  for (int tag = o_.vt; tag < o_.bt; ++tag) {
    const int y = ZeilenY(y0, tag, o_.bs);
    f.GetBrush().Farbe = kBalkenGrau;
    f.Rectangle({x, y + l_.ZellHoehe + 1, x + breite, y + l_.ZellHoehe + 9});
    f.GetBrush().Farbe = kWeiss;
  }
}

void TUebersichtDruck::DruckeSpalte(IZeichenflaeche& f, const TPlanElement& e, int i) {
  if (i % l_.ProSeite == 0 && i >= 1) {
    f.NewPage();
    Kopf(f);
  }
  const int k = i % l_.ProSeite;
  int x = k * l_.Schritt + l_.Raender.Links;
  const int y0 = l_.Raender.Oben + 5 * l_.h;
  const TStandard& st = schule_.Standard();
  f.GetBrush() = TDruckPinsel{kWeiss, false};
  if (k == 0) {
    const auto& stunden = st.sp[static_cast<std::size_t>(version_ - 1)];
    for (int tag = o_.vt; tag <= o_.bt; ++tag)
      for (int stunde = o_.vs; stunde <= o_.bs; ++stunde) {
        const int y = ZeilenY(y0, tag, stunde);
        f.Rectangle({x, y, x + l_.LabelBreite, y + l_.ZellHoehe});
        f.TextOut(x + l_.Rand, y + 10, st.spg[static_cast<std::size_t>(tag - 1)]);
        f.TextOut(x + l_.Rand + l_.TagBreite, y + 10, stunden[static_cast<std::size_t>(stunde - 1)]);
      }
    Balken(f, x, l_.LabelBreite, y0);
  }
  x += l_.LabelBreite + 10;
  f.TextOut(x + (l_.ZellBreite - f.TextWidth(e.Kuerzel())) / 2, y0 - l_.h - l_.h / 2, e.Kuerzel());
  for (int tag = o_.vt; tag <= o_.bt; ++tag)
    for (int stunde = o_.vs; stunde <= o_.bs; ++stunde) {
      const int y = ZeilenY(y0, tag, stunde);
      f.Rectangle({x, y, x + l_.ZellBreite, y + l_.ZellHoehe});
      if (o_.sp && e.Sperrung().Belegt(version_, tag, stunde)) {
        f.GetBrush().Farbe = kSperrGrau;
        f.FillRect({x + 1, y + 1, x + l_.ZellBreite - 1, y + l_.ZellHoehe - 1});
        f.GetBrush().Farbe = kWeiss;
      }
    }
  Balken(f, x, l_.ZellBreite, y0);
  belegt_ = {};
  for (const TKurs* kurs : e.Kurse()) {
    f.GetBrush().Farbe = o_.co ? kurs->Farbe() : kWeiss;
    DruckeKurs(f, e, *kurs, x, y0);
    f.GetBrush().Farbe = kWeiss;
  }
}

// The texts of a lesson with the width each takes when side by side.
std::vector<std::pair<std::string, int>> TUebersichtDruck::Texte(const TPlanElement& e, const TKurs& kurs,
                                                                 const TSetzung& s) const {
  const std::string& kopplung = Kz(kurs.Kopplung());
  const bool gekoppelt = kurs.Kopplung() != nullptr;
  const TKlasse* klasse = kurs.Klassen().Hole(1);
  const std::array<bool, 4> gezeigt = Gezeigt();
  const auto auswahl = [&](std::array<std::string, 4> texte) {
    std::vector<std::pair<std::string, int>> t;
    for (std::size_t i = 0; i < 4; ++i)
      if (gezeigt[i]) t.emplace_back(std::move(texte[i]), l_.Eintrag[i]);
    return t;
  };
  switch (art_) {
    case TUebersichtArt::Klasse:
      if (o_.st && gekoppelt) {
        std::vector<std::pair<std::string, int>> t = auswahl({"", "", "", ""});
        if (t.empty()) return t;
        t.front().first = kopplung;
        return t;
      }
      return auswahl({Kz(kurs.Lehrer()), Kz(kurs.Fach()), Kz(s.Raum()), kopplung});
    case TUebersichtArt::Lehrer:
      return auswahl({o_.st && gekoppelt ? kopplung : Kz(klasse), Kz(kurs.Fach()), Kz(s.Raum()), kopplung});
    case TUebersichtArt::Raum:
      return auswahl(
          {Kz(kurs.Lehrer()), o_.st && gekoppelt ? kopplung : Kz(klasse), Kz(kurs.Fach()), kopplung});
    default:
      break;
  }
  const int sl = l_.Slot;
  switch (e.Art()) {
    case TElementArt::Klasse:
      if (gekoppelt) return {{kopplung, sl}, {"", sl}, {"", sl}};
      return {{Kz(kurs.Lehrer()), sl}, {Kz(kurs.Fach()), sl}, {Kz(s.Raum()), sl}};
    case TElementArt::Lehrer:
      return {{gekoppelt ? kopplung : Kz(klasse), sl}, {Kz(kurs.Fach()), sl}, {Kz(s.Raum()), sl}};
    default:
      return {{Kz(kurs.Lehrer()), sl}, {gekoppelt ? kopplung : Kz(klasse), sl}, {Kz(kurs.Fach()), sl}};
  }
}

void TUebersichtDruck::DruckeKurs(IZeichenflaeche& f, const TPlanElement& e, const TKurs& kurs, int x,
                                  int y0) {
  const bool gekoppelt = kurs.Kopplung() != nullptr;
  if (o_.fe && gekoppelt) f.GetFont().Fett = true;
  const bool nurImRaum =
      art_ == TUebersichtArt::Raum || (art_ == TUebersichtArt::Kombination && e.Art() == TElementArt::Raum);
  for (const TSetzung* s : kurs.Setzungen()) {
    const int tag = s->Tag(), stunde = s->Stunde();
    if (s->Version() != version_ || tag < o_.vt || tag > o_.bt || stunde < o_.vs || stunde > o_.bs) continue;
    if (nurImRaum && s->Raum() != &e) continue;
    if (art_ == TUebersichtArt::Klasse) {
      bool& belegt = belegt_[static_cast<std::size_t>(tag - 1)][static_cast<std::size_t>(stunde - 1)];
      if (belegt) continue;
      belegt = true;
    }
    const int y = ZeilenY(y0, tag, stunde);
    f.FillRect({x + 1, y + 1, x + l_.ZellBreite - 1, y + l_.ZellHoehe - 1});
    const auto texte = Texte(e, kurs, *s);
    int tx = x + l_.Rand, ty = y + 10;
    for (const auto& [text, breite] : texte) {
      f.TextOut(tx, ty, text);
      if (o_.un)
        ty += l_.h;
      else
        tx += breite;
    }
    if (texte.empty()) f.TextOut(x + l_.Rand, y + 10, gekoppelt ? "o" : "+");
  }
  f.GetFont().Fett = o_.Schrift.Fett;
}

}  // namespace kolvar
