#include "engine/manuellplanung.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "model/element.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

namespace {

bool Voll(const TKurs* k, int v = -1) {
  return k->GesetzteStunden(v) >= k->Stunden(v);
}

// The part of a window's frame above its inside that the layout counts.
constexpr int kTitelHoehe = 25;

std::size_t Index(int d, int p) {
  return static_cast<std::size_t>((d - 1) * kStunden + (p - 1));
}

}  // namespace

TManuellGeometrie ManuellGeometrie(const TManuellMasse& m) {
  static constexpr std::array<std::pair<int, int>, 6> raster{
      {{1, 1}, {2, 1}, {1, 2}, {3, 1}, {1, 3}, {2, 2}}};
  TManuellGeometrie g;
  std::tie(g.Spalten, g.Zeilen) = raster[static_cast<std::size_t>(std::clamp(m.Pma, 0, 5))];
  // Beside the palette when it is a tool window at the left edge, below it when it has a menu
  // bar at the top; then the rest of the screen. A window on the screen stays where it is.
  const TRechteck& pal = m.Palette;
  const TRechteck& bs = m.Bildschirm;
  int x = bs.Links + 5, y = bs.Oben + 5;
  if (m.HatOrt) {
    x = m.Ort.X;
    y = m.Ort.Y;
  } else {
    if (m.Pas >= 4 && pal.Links < bs.Links + 10) x = pal.Links + pal.Breite + 5;
    if (m.Pas < 3 && pal.Oben < bs.Oben + 10) y = pal.Oben + pal.Hoehe + 5;
  }
  const int platzB = bs.Links + bs.Breite - 5 - x;

  const int breitenFaktor = m.Neb ? (m.Mra ? 3 : 2) : 1;
  const int zeilenFaktor = m.Neb ? 1 : (m.Mra ? 3 : 2);
  int w = m.MaxBreite * m.Tage * breitenFaktor + m.StundenBreite + 37;
  int h = m.Stunden * m.ZeilenHoehe * zeilenFaktor + (m.Gruende ? m.Stunden * 5 : 0) + m.ZeilenHoehe + 45;
  // The left box needs 395 pixels; stacked panels share them.
  if (g.Zeilen == 1) h = std::max(h, 395);
  if (g.Zeilen == 2 && 2 * h + 5 < 395) h = 195;
  if (g.Zeilen == 3 && 3 * h + 10 < 395) h = 128;
  // The frame: 90 left of the panels, 5 between them, the rest is margin and border.
  auto fensterB = [&](int pw) { return g.Spalten * (pw + 5) + 100; };
  auto fensterH = [&](int ph) { return g.Zeilen * (ph + 5) + 30; };
  if (fensterB(w) > platzB) w = std::max(1, (platzB - 100) / g.Spalten - 5);
  // The palette stays on top: a title bar under it could not be taken hold of again.
  const bool unterPalette = m.HatOrt && m.PaletteFreilassen && y < pal.Oben + pal.Hoehe &&
                            y + kTitelHoehe > pal.Oben && x < pal.Links + pal.Breite &&
                            x + fensterB(w) > pal.Links;
  if (unterPalette) y = pal.Oben + pal.Hoehe + 5;
  const int platzH = bs.Oben + bs.Hoehe - 5 - y;
  if (fensterH(h) > platzH) h = std::max(1, (platzH - 30) / g.Zeilen - 5);
  g.PanelBreite = w;
  g.PanelHoehe = h;
  g.Fenster = {x, y, fensterB(w), fensterH(h)};
  g.Box = {5, 5, 80, g.Zeilen * (h + 5) - 5};
  for (int i = 0; i < g.Spalten * g.Zeilen; ++i)
    g.Panels.push_back({90 + (i % g.Spalten) * (w + 5), 5 + (i / g.Spalten) * (h + 5), w, h});
  return g;
}

std::vector<TKurs*> ManuellKurse(const std::vector<TKurs*>& auswahl) {
  std::vector<TKurs*> kurse;
  for (TKurs* k : auswahl)
    if (k != nullptr && !k->NichtVerplanen() && std::find(kurse.begin(), kurse.end(), k) == kurse.end())
      kurse.push_back(k);
  return kurse;
}

void TManuellPlanung::MitKursliste(const std::vector<TKurs*>& kurse, bool ohneGruende) {
  ohneGruende_ = ohneGruende;
  kurse_.clear();
  akt_ = nullptr;
  for (TKurs* k : kurse) NimmKursAuf(k);
  if (!kurse_.empty()) SetzeAktKurs(kurse_.front());
}

bool TManuellPlanung::SetzeAktKurs(TKurs* kurs) {
  if (kurs == nullptr || kurs == akt_) return false;
  NimmKursAuf(kurs);
  akt_ = kurs;
  raum_ = kurs->HaeufigsterRaum();
  if (raum_ == nullptr) raum_ = kurs->Raeume().Hole(1);
  kopplung_ = kurs->Kopplung();
  SperrgruendeErmitteln();
  return true;
}

void TManuellPlanung::NimmKursAuf(TKurs* kurs) {
  if (kurs != nullptr && std::find(kurse_.begin(), kurse_.end(), kurs) == kurse_.end())
    kurse_.push_back(kurs);
}

bool TManuellPlanung::EntferneKurs(TKurs* kurs) {
  std::erase(kurse_, kurs);
  // The reasons may name the course: they go with it.
  for (TKonfliktListe& l : gruende_) l.Leere();
  if (akt_ == kurs) {
    akt_ = nullptr;
    raum_ = nullptr;
    kopplung_ = nullptr;
    if (!kurse_.empty()) SetzeAktKurs(kurse_.front());
  } else {
    SperrgruendeErmitteln();
  }
  return kurse_.empty();
}

TKurs* TManuellPlanung::NaechsterOffenerKurs() const {
  const auto start = std::find(kurse_.begin(), kurse_.end(), akt_);
  const std::size_t n = kurse_.size();
  const std::size_t i0 = start == kurse_.end() ? 0 : static_cast<std::size_t>(start - kurse_.begin());
  for (std::size_t j = 1; j <= n; ++j) {
    TKurs* k = kurse_[(i0 + j) % n];
    if (!Voll(k)) return k;
  }
  return nullptr;
}

TKurs* TManuellPlanung::Nachbar(bool vorwaerts, bool nurOffene) const {
  const std::size_t n = kurse_.size();
  if (n == 0) return akt_;
  const auto start = std::find(kurse_.begin(), kurse_.end(), akt_);
  const std::size_t i0 = start == kurse_.end() ? 0 : static_cast<std::size_t>(start - kurse_.begin());
  // What the user sees is the current version: a course complete there is passed over even when
  // another version still has open hours of it.
  const int v = schule_.Standard().AktuelleVersion();
  for (std::size_t j = 1; j < n; ++j) {
    TKurs* k = kurse_[(vorwaerts ? i0 + j : i0 + n - j) % n];
    if (!nurOffene || !Voll(k, v)) return k;
  }
  // Back at the start.
  return akt_ != nullptr ? akt_ : kurse_.front();
}

bool TManuellPlanung::HatOffeneStunden() const {
  return std::any_of(kurse_.begin(), kurse_.end(), [](const TKurs* k) { return !Voll(k); });
}

void TManuellPlanung::VergissElement(const TElement* e) {
  if (e == nullptr) return;
  if (static_cast<const TElement*>(raum_) == e) {
    // The course has let go of the room already: its next room is chosen as on showing it.
    raum_ = akt_ != nullptr ? akt_->HaeufigsterRaum() : nullptr;
    if (raum_ == nullptr && akt_ != nullptr) raum_ = akt_->Raeume().Hole(1);
    if (static_cast<const TElement*>(raum_) == e) raum_ = nullptr;
  }
  if (static_cast<const TElement*>(kopplung_) == e) kopplung_ = nullptr;
  SperrgruendeErmitteln();
}

void TManuellPlanung::SetzeRaum(TRaum* r) {
  raum_ = r;
  SperrgruendeErmitteln();
}

void TManuellPlanung::ZeigeKopplung(bool an) {
  kopplung_ = an && akt_ != nullptr ? akt_->Kopplung() : nullptr;
  SperrgruendeErmitteln();
}

void TManuellPlanung::Versionen(int& von, int& bis) const {
  const TStandard& st = schule_.Standard();
  if (st.eaw()) {
    von = bis = st.AktuelleVersion();
  } else {
    von = 1;
    bis = st.mwn();
  }
}

// ---------------------------------------------------------------------------------------------
// Reasons

void TManuellPlanung::SperrgruendeErmitteln() {
  for (TKonfliktListe& l : gruende_) l.Leere();
  if (ohneGruende_ || akt_ == nullptr) return;
  const TStandard& st = schule_.Standard();
  const int tage = std::clamp(st.mtn, 1, kTage);
  const int stunden = std::clamp(st.pst, 1, kStunden);
  std::vector<TKurs*> andere;
  if (kopplung_ != nullptr)
    for (TKurs* k : kopplung_->Kurse())
      if (k != akt_ && (kopplungsModus_ || !Voll(k))) andere.push_back(k);
  for (int d = 1; d <= tage; ++d)
    for (int p = 1; p <= stunden; ++p) {
      TKonfliktListe& liste = gruende_[Index(d, p)];
      akt_->SammleSperrgruende(d, p, raum_, liste);
      for (TKurs* k : andere) {
        k->SammleSperrgruende(d, p, nullptr, liste);
        k->SammleRaumKonflikte(d, p, liste);
      }
    }
}

const TKonfliktListe& TManuellPlanung::Gruende(int d, int p) const {
  static const TKonfliktListe leer;
  if (d < 1 || d > kTage || p < 1 || p > kStunden) return leer;
  return gruende_[Index(d, p)];
}

std::string TManuellPlanung::GrundText(const TKonflikt& k, int d, int p) const {
  const std::string v = "{" + std::to_string(k.Version()) + "} ";
  const std::string kurs = k.Kurs() != nullptr ? " [" + k.Kurs()->TextMitRaum(k.Version(), d, p) + "]" : "";
  switch (k.Art()) {
    case KonfliktArt::KursGesperrt:
      return v + (k.Kurs() == akt_ ? "Kurs gesperrt" : "gekoppelter Kurs gesperrt") + kurs;
    case KonfliktArt::LehrerGesperrt:
    case KonfliktArt::KlasseGesperrt:
    case KonfliktArt::RaumGesperrt:
      return v + (k.Element() != nullptr ? k.Element()->Kuerzel() : std::string()) + " gesperrt";
    case KonfliktArt::LehrerFixiert:
    case KonfliktArt::KlasseFixiert:
    case KonfliktArt::RaumFixiert:
      return v + "fixiert" + kurs;
    case KonfliktArt::KeinRaumFrei:
      return v + "kein Raum frei" + kurs;
    default:
      return v + "besetzt" + kurs;
  }
}

TZellBild TManuellPlanung::Bild(int d, int p, const TKurs* zellKurs) const {
  TZellBild bild;
  if (zellKurs != nullptr && zellKurs == akt_) {
    bild.AktBalken = true;
    return bild;
  }
  if (zellKurs != nullptr && kopplung_ != nullptr && zellKurs->Kopplung() == kopplung_) {
    bild.KopplungsBalken = true;
    return bild;
  }
  std::vector<const TKopplung*> gezeichnet;
  for (const TKonflikt& k : Gruende(d, p)) {
    const TKopplung* ko = k.Kurs() != nullptr ? k.Kurs()->Kopplung() : nullptr;
    if (ko != nullptr && std::find(gezeichnet.begin(), gezeichnet.end(), ko) != gezeichnet.end()) continue;
    const int art = k.Art();
    if (art <= KonfliktArt::RaumGesperrt) {
      if (zellKurs == nullptr) bild.Schraffur = true;
      continue;
    }
    if (ko != nullptr) gezeichnet.push_back(ko);
    if (art <= KonfliktArt::RaumFixiert)
      bild.Zeichen.push_back({TZeichenForm::Quadrat, ko != nullptr});
    else if (art <= KonfliktArt::RaumBesetzt)
      bild.Zeichen.push_back({TZeichenForm::Kreis, ko != nullptr});
    else
      bild.Zeichen.push_back({TZeichenForm::Kreuz, true});
  }
  return bild;
}

// ---------------------------------------------------------------------------------------------
// The course pop-up

std::vector<TMenueEintrag> TManuellPlanung::KursMenueAufbauen() {
  const TStandard& st = schule_.Standard();
  std::vector<TMenueEintrag> eintraege;
  for (TKurs* k : kurse_) {
    std::string text = FormatiereStunden(int64_t{k->Stunden(-1)} * k->Faktor(), st) + " (" +
                       std::to_string(k->Stunden(-1)) + ") " + k->TextMitHauptraum();
    if (Voll(k)) text = "<" + text + ">";
    TMenueEintrag e;
    e.Text = std::move(text);
    e.Haken = k == akt_;
    e.Aktion = [this, k] { SetzeAktKurs(k); };
    eintraege.push_back(std::move(e));
  }
  return eintraege;
}

// ---------------------------------------------------------------------------------------------
// Placing and moving

bool TManuellPlanung::Setze(int d, int p) {
  if (akt_ == nullptr || d < 1 || d > kTage || p < 1 || p > kStunden) return false;
  bool erlaubt;
  if (ohneGruende_) {
    TKonfliktListe liste;
    erlaubt = akt_->PruefeSetzenMitRaum(d, p, raum_, kopplung_ != nullptr, liste);
  } else {
    // The check empties what it is given: the slot's reasons stay for the painting.
    TKonfliktListe liste = Gruende(d, p);
    erlaubt = akt_->PruefeKonfliktliste(d, p, liste);
  }
  if (!erlaubt) return false;
  int von, bis;
  Versionen(von, bis);
  bool gesetzt = false;
  // The displacing above may have removed members of the list or the coupling: a snapshot.
  std::vector<TKurs*> kurse{akt_};
  if (kopplung_ != nullptr) kurse = kopplung_->Kurse().Elemente();
  for (int v = von; v <= bis; ++v)
    for (TKurs* k : kurse) {
      TRaum* r = k == akt_ ? raum_ : k->FindeFreienRaum(v, d, p);
      if (k->Setze(v, d, r, p) != nullptr) gesetzt = true;
    }
  if (gesetzt) SperrgruendeErmitteln();
  return gesetzt;
}

void TManuellPlanung::WeiterWennVoll() {
  if (akt_ == nullptr || !Voll(akt_)) return;
  if (TKurs* k = NaechsterOffenerKurs()) SetzeAktKurs(k);
}

bool TManuellPlanung::Verschiebe(int vonTag, int vonStunde, int zuTag, int zuStunde) {
  if (akt_ == nullptr || akt_->Belegung().Belegt(-1, zuTag, zuStunde)) return false;
  const bool mitKopplung = kopplung_ != nullptr;
  TKonfliktListe verdraengt;
  if (!akt_->PruefeVerschiebenMitRaum(zuTag, zuStunde, raum_, mitKopplung, verdraengt, vonStunde, vonTag))
    return false;
  akt_->VerschiebeMitRaum(zuTag, zuStunde, raum_, mitKopplung, vonTag, vonStunde);
  if (TKurs* k = NaechsterOffenerKurs())
    SetzeAktKurs(k);
  else
    SperrgruendeErmitteln();
  return true;
}

}  // namespace kolvar
