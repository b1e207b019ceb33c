#include "engine/partabelle.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "engine/planweit.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/standard.h"

namespace kolvar {

namespace {

constexpr uint32_t kGanzerTag = 0xFFFF;

const TParZelle kLeer{};

}  // namespace

void TParTabelle::Baue(int zeilen, int spalten, bool uebernehmen) {
  zeilen_ = std::clamp(zeilen, 1, kMaxZeilen);
  spalten_ = std::clamp(spalten, 1, kMaxSpalten);
  zellen_.assign(static_cast<std::size_t>(zeilen_ * spalten_), TParZelle{});
  if (!uebernehmen) return;
  const TParListe& par = schule_.ParListe();
  for (int z = 1; z <= std::min(zeilen_, par.Zeilen()); ++z)
    for (int s = 1; s <= std::min(spalten_, par.Spalten()); ++s) SetzeZelle(z, s, par.Zelle(z, s));
  Bereinige();
}

const TParZelle& TParTabelle::Zelle(int zeile, int spalte) const {
  if (zeile < 1 || spalte < 1 || zeile > zeilen_ || spalte > spalten_) return kLeer;
  return zellen_[static_cast<std::size_t>((zeile - 1) * spalten_ + spalte - 1)];
}

void TParTabelle::SetzeZelle(int zeile, int spalte, TKopplung* k) {
  if (zeile < 1 || spalte < 1 || zeile > zeilen_ || spalte > spalten_) return;
  zellen_[static_cast<std::size_t>((zeile - 1) * spalten_ + spalte - 1)] = TParZelle{k, false};
}

void TParTabelle::SetzeFixiert(int zeile, int spalte, bool an) {
  if (zeile < 1 || spalte < 1 || zeile > zeilen_ || spalte > spalten_) return;
  TParZelle& z = zellen_[static_cast<std::size_t>((zeile - 1) * spalten_ + spalte - 1)];
  if (z.Kopplung != nullptr) z.Fixiert = an;
}

void TParTabelle::Bereinige() {
  const std::vector<TKopplung*>& alle = schule_.Kopplungen().Elemente();
  const std::set<const TKopplung*> da(alle.begin(), alle.end());
  for (TParZelle& z : zellen_)
    if (z.Kopplung != nullptr && !da.contains(z.Kopplung)) z = TParZelle{};
}

std::vector<TKurs*> TParTabelle::KurseDerZeile(int zeile) const {
  std::vector<TKurs*> kurse;
  std::vector<const TKopplung*> gesehen;
  for (int s = 1; s <= spalten_; ++s) {
    const TKopplung* k = Zelle(zeile, s).Kopplung;
    if (k == nullptr || std::find(gesehen.begin(), gesehen.end(), k) != gesehen.end()) continue;
    gesehen.push_back(k);
    for (TKurs* kurs : k->Kurse()) kurse.push_back(kurs);
  }
  return kurse;
}

int TParTabelle::KonflikteZaehlen(int zeile) const {
  // Every cell counts, also a coupling put twice into the row.
  std::vector<std::pair<const TLehrer*, int>> anzahl;
  for (int s = 1; s <= spalten_; ++s) {
    const TKopplung* k = Zelle(zeile, s).Kopplung;
    if (k == nullptr) continue;
    for (const TKurs* kurs : k->Kurse()) {
      if (kurs->Lehrer() == nullptr) continue;
      auto it = std::find_if(anzahl.begin(), anzahl.end(),
                             [&](const auto& e) { return e.first == kurs->Lehrer(); });
      if (it == anzahl.end())
        anzahl.emplace_back(kurs->Lehrer(), 1);
      else
        ++it->second;
    }
  }
  int summe = 0;
  for (const auto& e : anzahl) summe += e.second - 1;
  return summe;
}

std::vector<std::string> TParTabelle::KonfliktTexte(int zeile) const {
  struct TEintrag {
    const TLehrer* lehrer;
    int anzahl;
    std::vector<const TKopplung*> kopplungen;
  };
  std::vector<TEintrag> eintraege;
  for (int s = 1; s <= spalten_; ++s) {
    const TKopplung* k = Zelle(zeile, s).Kopplung;
    if (k == nullptr) continue;
    for (const TKurs* kurs : k->Kurse()) {
      if (kurs->Lehrer() == nullptr) continue;
      auto it = std::find_if(eintraege.begin(), eintraege.end(),
                             [&](const TEintrag& e) { return e.lehrer == kurs->Lehrer(); });
      if (it == eintraege.end()) it = eintraege.insert(eintraege.end(), TEintrag{kurs->Lehrer(), 0, {}});
      ++it->anzahl;
      it->kopplungen.push_back(k);
    }
  }
  std::vector<std::string> texte;
  for (const TEintrag& e : eintraege) {
    if (e.anzahl < 2) continue;
    std::string text = e.lehrer->Kuerzel() + " [";
    for (std::size_t i = 0; i < e.kopplungen.size(); ++i)
      text += (i > 0 ? ", " : "") + e.kopplungen[i]->Kuerzel();
    texte.push_back(text + "]");
  }
  return texte;
}

std::vector<std::string> TParTabelle::FaecherTexte(int zeile) const {
  std::vector<std::pair<const TFach*, int>> faecher;
  for (int s = 1; s <= spalten_; ++s) {
    const TKopplung* k = Zelle(zeile, s).Kopplung;
    if (k == nullptr) continue;
    for (const TKurs* kurs : k->Kurse()) {
      if (kurs->Fach() == nullptr) continue;
      auto it = std::find_if(faecher.begin(), faecher.end(),
                             [&](const auto& e) { return e.first == kurs->Fach(); });
      if (it == faecher.end())
        faecher.emplace_back(kurs->Fach(), 1);
      else
        ++it->second;
    }
  }
  std::vector<std::string> texte;
  for (const auto& [fach, anzahl] : faecher)
    texte.push_back(fach->Kuerzel() + " [" + std::to_string(anzahl) + "]");
  return texte;
}

std::string TParTabelle::ZellText(const TKopplung& k, bool mitFaechern) {
  std::string text = k.Kuerzel();
  if (!mitFaechern) return text;
  text += " [ ";
  for (const TKurs* kurs : k.Kurse()) text += (kurs->Fach() != nullptr ? kurs->Fach()->Kuerzel() : "") + " ";
  return text + "]";
}

std::vector<int> TParTabelle::FuelleSpalte(int spalte, const TKlasse& klasse) {
  std::vector<int> geaendert;
  if (spalte < 1 || spalte > spalten_) return geaendert;
  int zeile = 1;
  for (const TKurs* kurs : klasse.Kurse()) {
    TKopplung* k = kurs->Kopplung();
    if (k == nullptr) continue;
    bool schonDa = false;
    for (int z = 1; z <= zeilen_; ++z) schonDa = schonDa || Zelle(z, spalte).Kopplung == k;
    if (schonDa) continue;
    // Filled cells keep their coupling.
    while (zeile <= zeilen_ && Zelle(zeile, spalte).Kopplung != nullptr) ++zeile;
    if (zeile > zeilen_) break;
    SetzeZelle(zeile, spalte, k);
    geaendert.push_back(zeile);
  }
  return geaendert;
}

void TParTabelle::ParTabelleSpeichern() {
  TParListe& par = schule_.ParListe();
  bool gleich =
      par.Zeilen() == zeilen_ && par.Spalten() == spalten_ && par.Zellen().Anzahl() == zeilen_ * spalten_;
  for (int i = 0; gleich && i < zeilen_ * spalten_; ++i)
    gleich = par.Zellen().Hole(i + 1) == zellen_[static_cast<std::size_t>(i)].Kopplung;
  if (gleich) return;
  par.Leere();
  par.SetzeZeilen(zeilen_);
  par.SetzeSpalten(spalten_);
  for (const TParZelle& z : zellen_) par.Zellen().Haenge(z.Kopplung);
  schule_.SetzeGeaendert(true);
}

void TParTabelle::Versionen(int& von, int& bis) const {
  const TStandard& st = schule_.Standard();
  if (st.eaw()) {
    von = bis = st.AktuelleVersion();
  } else {
    von = 1;
    bis = st.mwn();
  }
}

bool TParTabelle::FreieGemeinsameStunden(int zeile, bool ohneRaeume, TWoElem& frei,
                                         bool auchVerplante) const {
  frei = TWoElem{};
  int von, bis;
  Versionen(von, bis);
  std::vector<const TKurs*> kurse;
  for (const TKurs* k : KurseDerZeile(zeile))
    if (!k->NichtVerplanen() && k->OffeneStunden(-1) >= 1) kurse.push_back(k);
  if (kurse.empty() && auchVerplante)
    for (const TKurs* k : KurseDerZeile(zeile))
      if (!k->NichtVerplanen()) kurse.push_back(k);
  if (kurse.empty()) return false;
  const int tage = std::clamp(schule_.Standard().mtn, 0, kTage);
  std::array<uint32_t, kTage> besetzt{};
  for (int v = von; v <= bis; ++v) {
    // Each course takes the first of its rooms no earlier course of the row took; it is blocked
    // where all its rooms not yet taken are occupied or locked. A course without rooms needs none.
    std::vector<const TRaum*> vergeben;
    for (const TKurs* k : kurse) {
      for (int d = 1; d <= tage; ++d) {
        uint32_t wort = k->Belegung().Tag(v, d) | k->Sperrung().Tag(v, d);
        if (const TLehrer* l = k->Lehrer()) wort |= l->Belegung().Tag(v, d) | l->Sperrung().Tag(v, d);
        for (const TKlasse* kl : k->Klassen()) wort |= kl->Belegung().Tag(v, d) | kl->Sperrung().Tag(v, d);
        besetzt[static_cast<std::size_t>(d - 1)] |= wort;
      }
      if (ohneRaeume || k->Raeume().Leer()) continue;
      std::array<uint32_t, kTage> raum;
      raum.fill(kGanzerTag);
      bool erster = true;
      for (const TRaum* r : k->Raeume()) {
        if (std::find(vergeben.begin(), vergeben.end(), r) != vergeben.end()) continue;
        if (erster) vergeben.push_back(r);
        erster = false;
        for (int d = 1; d <= tage; ++d)
          raum[static_cast<std::size_t>(d - 1)] &= r->Belegung().Tag(v, d) | r->Sperrung().Tag(v, d);
      }
      for (int d = 1; d <= tage; ++d)
        besetzt[static_cast<std::size_t>(d - 1)] |= raum[static_cast<std::size_t>(d - 1)];
    }
  }
  for (int d = 1; d <= tage; ++d) frei.SetzeTag(d, ~besetzt[static_cast<std::size_t>(d - 1)] & kGanzerTag);
  return true;
}

TParTabelle::TPlatzierung TParTabelle::PlatziereZeile(int zeile, int d, int p) {
  const TPlanweit planweit(schule_);
  TPlatzierung ergebnis;
  int von, bis;
  Versionen(von, bis);
  for (TKurs* k : KurseDerZeile(zeile)) {
    if (k->NichtVerplanen()) continue;
    for (int v = von; v <= bis; ++v) {
      if (k->OffeneStunden(v) < 1) continue;
      TRaum* r = k->FindeFreienRaum(v, d, p);
      if (!k->KannSetzen(v, d, r, p) || k->Setze(v, d, r, p) == nullptr) {
        ++ergebnis.Uebersprungen;
        continue;
      }
      ++ergebnis.Gesetzt;
    }
  }
  return ergebnis;
}

}  // namespace kolvar
