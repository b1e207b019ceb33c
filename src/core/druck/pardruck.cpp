#include "druck/pardruck.h"

#include <algorithm>

#include "druck/breiten.h"
#include "druck/druckkopf.h"
#include "druck/druckmass.h"
#include "druck/izeichenflaeche.h"
#include "engine/partabelle.h"
#include "model/fach.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"

namespace kolvar {

namespace {
constexpr uint32_t kWeiss = 0xFFFFFF;
}  // namespace

std::vector<TDoppelterLehrer> DoppelteLehrer(const TParTabelle& tabelle, int zeile) {
  struct TZaehler {
    TDoppelterLehrer eintrag;
    int anzahl = 0;
  };
  std::vector<TZaehler> zaehler;
  for (int s = 1; s <= tabelle.Spalten(); ++s) {
    const TKopplung* k = tabelle.Zelle(zeile, s).Kopplung;
    if (k == nullptr) continue;
    std::vector<const TLehrer*> inDerZelle;
    for (const TKurs* kurs : k->Kurse()) {
      const TLehrer* lehrer = kurs->Lehrer();
      if (lehrer == nullptr) continue;
      auto it = std::find_if(zaehler.begin(), zaehler.end(),
                             [&](const TZaehler& z) { return z.eintrag.Lehrer == lehrer; });
      if (it == zaehler.end()) it = zaehler.insert(zaehler.end(), TZaehler{{lehrer, {}}, 0});
      ++it->anzahl;
      // The cell's coupling once, however many of its courses he teaches.
      if (std::find(inDerZelle.begin(), inDerZelle.end(), lehrer) != inDerZelle.end()) continue;
      inDerZelle.push_back(lehrer);
      it->eintrag.Kopplungen.push_back(k);
    }
  }
  std::vector<TDoppelterLehrer> doppelt;
  for (TZaehler& z : zaehler)
    if (z.anzahl > 1) doppelt.push_back(std::move(z.eintrag));
  return doppelt;
}

void TParDruck::BerechneBreiten(IZeichenflaeche& f, const TParTabelle& tabelle) {
  TFlaechenMass mass(f);
  m_.a = f.TextWidth("A");
  m_.T = MaxKuerzelBreite(schule_, 0, mass) + m_.a;
  m_.K = MaxKuerzelBreite(schule_, 2, mass) + m_.a;
  m_.F = MaxKuerzelBreite(schule_, 3, mass) + m_.a;
  m_.L = f.TextWidth("99:") + m_.a;
  int inhalt = 0;
  if (o_.pml && o_.pmf)
    inhalt = m_.T + m_.F;
  else if (o_.pml)
    inhalt = m_.T;
  else if (o_.pmf)
    inhalt = m_.F;
  m_.W = std::max({m_.L, m_.K, inhalt, 1});
  m_.P = std::max(1, (f.GetPhysPageSize().x - m_.Links - m_.L) / m_.W);
  // Column 0 holds the count, so the grid has one column more than the table.
  const int gitterSpalten = tabelle.Spalten() + 1;
  m_.Streifen = (gitterSpalten + m_.P - 1) / m_.P;
}

void TParDruck::Kopf(IZeichenflaeche& f) {
  f.SetFont(DruckSchrift(o_.Schrift));
  DruckeKopfPar(f, schule_, m_.Links, m_.Oben, m_.h);
  f.TextOut(m_.Links, m_.Oben + 3 * m_.h, "Parallele Kopplungen");
  y_ = m_.Oben + 5 * m_.h;
}

void TParDruck::NeueSeite(IZeichenflaeche& f) {
  f.NewPage();
  Kopf(f);
}

void TParDruck::Drucke(IZeichenflaeche& f, const TParTabelle& tabelle) {
  m_ = TParMasse{};
  m_.Links = RandInPixel(f, o_.pra);
  m_.Oben = RandInPixel(f, 1);
  f.SetFont(DruckSchrift(o_.Schrift));
  m_.h = f.TextHeight();
  BerechneBreiten(f, tabelle);
  Kopf(f);
  for (int s = 0; s < m_.Streifen && !f.Abgebrochen(); ++s) {
    if (s > 0) NeueSeite(f);
    DruckeTabelle(f, tabelle, s);
  }
  if (o_.pmk && !f.Abgebrochen()) DruckeKonflikte(f, tabelle);
}

int TParDruck::ZeilenHoehe(const TParTabelle& tabelle, int zeile) const {
  if (!o_.pml && !o_.pmf) return m_.h + 10;
  int kurse = 0;
  for (int s = 1; s <= tabelle.Spalten(); ++s)
    if (const TKopplung* k = tabelle.Zelle(zeile, s).Kopplung) kurse = std::max(kurse, k->Kurse().Anzahl());
  return m_.h * (1 + kurse) + 10;
}

void TParDruck::DruckeTabelle(IZeichenflaeche& f, const TParTabelle& tabelle, int streifen) {
  const int erste = streifen * m_.P;
  const int boxen = std::min(m_.P, tabelle.Spalten() + 1 - erste);
  const int oben = m_.Oben + 5 * m_.h;
  for (int zeile = 1; zeile <= tabelle.Zeilen(); ++zeile) {
    if (f.Abgebrochen()) return;
    const int hoehe = ZeilenHoehe(tabelle, zeile);
    // A row higher than a page still goes onto its own page rather than none.
    if (y_ + hoehe > f.GetPhysPageSize().y - 2 * m_.h && y_ > oben) NeueSeite(f);
    f.TextOut(m_.Links, y_ + 5, std::to_string(zeile) + ":");
    for (int k = 0; k < boxen; ++k)
      DruckeBox(f, tabelle, zeile, erste + k, m_.Links + m_.L + k * m_.W, hoehe);
    y_ += hoehe;
  }
}

void TParDruck::DruckeBox(IZeichenflaeche& f, const TParTabelle& tabelle, int zeile, int spalte, int x,
                          int hoehe) {
  f.GetBrush() = TDruckPinsel{kWeiss, false};
  f.Rectangle({x, y_, x + m_.W, y_ + hoehe});
  if (spalte == 0) {
    f.TextOut(x + 10, y_ + 5, std::to_string(tabelle.KonflikteZaehlen(zeile)));
    return;
  }
  const TKopplung* k = tabelle.Zelle(zeile, spalte).Kopplung;
  if (k == nullptr) return;
  f.TextOut(x + 10, y_ + 5, k->Kuerzel());
  int y = y_ + 5;
  for (const TKurs* kurs : k->Kurse()) {
    y += m_.h;
    if (o_.pml && kurs->Lehrer() != nullptr) f.TextOut(x + 10, y, kurs->Lehrer()->Kuerzel());
    if (o_.pmf && kurs->Fach() != nullptr)
      f.TextOut(x + 10 + (o_.pml ? m_.T : 0), y, kurs->Fach()->Kuerzel());
  }
}

void TParDruck::DruckeKonflikte(IZeichenflaeche& f, const TParTabelle& tabelle) {
  bool irgendeiner = false;
  for (int zeile = 1; zeile <= tabelle.Zeilen(); ++zeile) irgendeiner |= tabelle.KonflikteZaehlen(zeile) != 0;
  if (!irgendeiner) return;
  const int unten = f.GetPhysPageSize().y;
  y_ += 3 * m_.h;
  if (unten - y_ < 5 * m_.h) NeueSeite(f);
  f.TextOut(m_.Links, y_, "Konflikte bei der Kopplungsparallelisierung");
  y_ += 2 * m_.h;
  const int einzug = m_.Links + f.TextWidth("Zeile 99:  ");
  for (int zeile = 1; zeile <= tabelle.Zeilen(); ++zeile) {
    const int anzahl = tabelle.KonflikteZaehlen(zeile);
    if (anzahl == 0) continue;
    if (y_ + anzahl * m_.h > unten - m_.h) NeueSeite(f);
    f.TextOut(m_.Links, y_, "Zeile " + std::to_string(zeile) + ":");
    for (const TDoppelterLehrer& d : DoppelteLehrer(tabelle, zeile)) {
      std::string kopplungen;
      for (const TKopplung* k : d.Kopplungen) kopplungen += (kopplungen.empty() ? "" : ", ") + k->Kuerzel();
      f.TextOut(einzug, y_, d.Lehrer->Kuerzel());
      f.TextOut(einzug + m_.T, y_, "[" + kopplungen + "]");
      y_ += m_.h;
    }
  }
}

}  // namespace kolvar
