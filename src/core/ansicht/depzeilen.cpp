#include "ansicht/depzeilen.h"

#include <algorithm>

#include "model/element.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

namespace {

std::string Kuerzel(const TElement* e) {
  return e != nullptr ? e->Kuerzel() : std::string();
}

const std::vector<std::string> kKeineTexte;

}  // namespace

std::vector<TDepSpalte> TDepZeilen::Spalten(const TStandard& standard) {
  const auto& f = standard.DeputatFenster;
  std::vector<TDepSpalte> spalten{
      {TKursFeld::Wert, "Wert", f.dwb},      {TKursFeld::Std, "Std", f.dsb},
      {TKursFeld::Lehrer, "Lehrer", f.dlb},  {TKursFeld::Fach, "Fach", f.dfb},
      {TKursFeld::Klassen, "Klasse", f.dkb}, {TKursFeld::Kopplung, "Kopplung", f.dob},
      {TKursFeld::Raeume, "Raum", f.drb}};
  if (f.mzi) {
    spalten.push_back({TKursFeld::Faktor, "Fkt.", f.dsb});
    spalten.push_back({TKursFeld::SproT, "S/T", f.dsb});
    spalten.push_back({TKursFeld::Ez, "Ez", f.dsb});
    spalten.push_back({TKursFeld::Tab, "Tab", f.dsb});
  }
  if (f.mst) spalten.push_back({TKursFeld::Stat, "Stat.", 2 * f.dsb});
  if (f.mki) spalten.push_back({TKursFeld::Info, "Info", 7 * f.dsb});
  return spalten;
}

bool TDepZeilen::Zeigt(const TKurs& kurs, const TStandard& standard, TDepFilter filter) {
  if (filter.NurGekoppelt && kurs.Kopplung() == nullptr) return false;
  if (!standard.DeputatFenster.mns && kurs.Stunden(-1) < 1) return false;
  if (filter.NurOffen && (kurs.NichtVerplanen() || kurs.OffeneStunden(-1) < 1)) return false;
  return true;
}

std::string TDepZeilen::WertText(int64_t wert, const TStandard& standard) {
  return FormatiereStunden(wert, standard);
}

std::string TDepZeilen::Zelle(const TKurs& kurs, TKursFeld feld, const TStandard& standard) {
  switch (feld) {
    case TKursFeld::Wert:
      return WertText(int64_t{kurs.Stunden(-1)} * kurs.Faktor(), standard);
    case TKursFeld::Std:
      return std::to_string(kurs.Stunden(-1));
    case TKursFeld::Lehrer:
      return Kuerzel(kurs.Lehrer());
    case TKursFeld::Fach:
      return Kuerzel(kurs.Fach());
    case TKursFeld::Klassen:
      return Kuerzel(kurs.Klassen().Hole(1));
    case TKursFeld::Kopplung:
      return Kuerzel(kurs.Kopplung());
    case TKursFeld::Raeume: {
      const TRaum* raum = kurs.HaeufigsterRaum();
      return Kuerzel(raum != nullptr ? raum : kurs.Raeume().Hole(1));
    }
    case TKursFeld::Faktor:
      return std::to_string(kurs.Faktor());
    case TKursFeld::SproT:
      return std::to_string(kurs.StundenProTag());
    case TKursFeld::Ez:
      return std::to_string(kurs.Einzelstunden());
    case TKursFeld::Tab:
      return std::to_string(kurs.Tabelle());
    case TKursFeld::Stat: {
      const auto& f = standard.DeputatFenster;
      const int32_t stunden = kurs.StundenImZeitraum(
          f.dvo, f.dbi, [&standard](int32_t tag) { return standard.IstFreierTag(tag); });
      return WertText(int64_t{stunden} * kurs.Faktor(), standard);
    }
    case TKursFeld::Info:
      return kurs.Info();
  }
  return {};
}

std::vector<std::string> TDepZeilen::ZeileFuellen(const TKurs& kurs, const TStandard& standard) const {
  std::vector<std::string> texte;
  texte.reserve(spalten_.size());
  for (const TDepSpalte& s : spalten_) texte.push_back(Zelle(kurs, s.Feld, standard));
  return texte;
}

void TDepZeilen::Fuelle(const std::vector<TKurs*>& kurse, const TStandard& standard, TDepFilter filter) {
  spalten_ = Spalten(standard);
  kurse_.clear();
  texte_.clear();
  for (TKurs* k : kurse) {
    if (k == nullptr || !Zeigt(*k, standard, filter)) continue;
    kurse_.push_back(k);
    texte_.push_back(ZeileFuellen(*k, standard));
  }
}

TKurs* TDepZeilen::Kurs(int zeile) const {
  if (zeile < 1 || zeile > Anzahl()) return nullptr;
  return kurse_[static_cast<std::size_t>(zeile - 1)];
}

const std::vector<std::string>& TDepZeilen::Texte(int zeile) const {
  if (zeile < 1 || zeile > Anzahl()) return kKeineTexte;
  return texte_[static_cast<std::size_t>(zeile - 1)];
}

int TDepZeilen::SpalteVon(TKursFeld feld) const {
  for (std::size_t i = 0; i < spalten_.size(); ++i)
    if (spalten_[i].Feld == feld) return static_cast<int>(i);
  return -1;
}

bool TDepZeilen::ZeileAktualisieren(const TKurs* kurs, const TStandard& standard) {
  bool gefunden = false;
  for (std::size_t i = 0; i < kurse_.size(); ++i)
    if (kurse_[i] == kurs) {
      texte_[i] = ZeileFuellen(*kurs, standard);
      gefunden = true;
    }
  return gefunden;
}

void TDepZeilen::Entferne(const TKurs* kurs) {
  for (std::size_t i = kurse_.size(); i-- > 0;)
    if (kurse_[i] == kurs) {
      kurse_.erase(kurse_.begin() + static_cast<std::ptrdiff_t>(i));
      texte_.erase(texte_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

}  // namespace kolvar
