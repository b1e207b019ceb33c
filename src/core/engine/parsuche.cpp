#include "engine/parsuche.h"

#include <algorithm>
#include <map>

#include "engine/partabelle.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/schule.h"

namespace kolvar {

TParSuche::TParSuche(const TParTabelle& tabelle) : zeilen_(tabelle.Zeilen()), spalten_(tabelle.Spalten()) {
  std::map<const TLehrer*, int> nummern;
  eintraege_.resize(static_cast<std::size_t>(zeilen_ * spalten_));
  for (int s = 1; s <= spalten_; ++s)
    for (int z = 1; z <= zeilen_; ++z) {
      const TParZelle& zelle = tabelle.Zelle(z, s);
      TEintrag& e = Eintrag(s, z);
      e.kopplung = zelle.Kopplung;
      e.fixiert = zelle.Fixiert && zelle.Kopplung != nullptr;
      if (zelle.Kopplung == nullptr) continue;
      for (const TKurs* k : zelle.Kopplung->Kurse())
        if (k->Lehrer() != nullptr)
          e.lehrer.push_back(nummern.emplace(k->Lehrer(), static_cast<int>(nummern.size())).first->second);
    }
  lehrerZahl_ = static_cast<int>(nummern.size());
}

void TParSuche::Suche() {
  const std::size_t zellen = static_cast<std::size_t>(zeilen_ * spalten_);
  benutzt_.assign(zellen, 0);
  zelle_.resize(zellen);
  for (int s = 1; s <= spalten_; ++s)
    for (int z = 1; z <= zeilen_; ++z) zelle_[Index(s, z)] = z;
  lehrerInZeile_.assign(static_cast<std::size_t>(zeilen_ * lehrerZahl_), 0);
  vertraeglich_.assign(static_cast<std::size_t>(spalten_),
                       std::vector<char>(static_cast<std::size_t>(zeilen_ * zeilen_), 1));
  versucht_.assign(zellen, {});
  loesung_.clear();
  kombinationen_ = 0;
  kandidaten_ = 0;
  halt_ = false;
  if (zeilen_ > 0 && spalten_ > 0) KombinationSuchen(1, 1);
}

bool TParSuche::Vertraeglich(int spalte, int zeile, int eintrag) const {
  return vertraeglich_[static_cast<std::size_t>(spalte - 1)]
                      [static_cast<std::size_t>((zeile - 1) * zeilen_ + eintrag - 1)] != 0;
}

void TParSuche::SpalteFertig(int spalte, int richtung) {
  for (int z = 1; z <= zeilen_; ++z)
    for (int t : Eintrag(spalte, zelle_[Index(spalte, z)]).lehrer)
      lehrerInZeile_[static_cast<std::size_t>((z - 1) * lehrerZahl_ + t)] += richtung;
  if (richtung < 0 || spalte == spalten_) return;
  // The next column's table is rebuilt whenever this column is full again, so going back needs
  // no undo of it.
  std::vector<char>& passt = vertraeglich_[static_cast<std::size_t>(spalte)];
  for (int z = 1; z <= zeilen_; ++z) {
    const int* zeile = lehrerInZeile_.data() + static_cast<std::size_t>((z - 1) * lehrerZahl_);
    for (int k = 1; k <= zeilen_; ++k) {
      const std::vector<int>& lehrer = Eintrag(spalte + 1, k).lehrer;
      passt[static_cast<std::size_t>((z - 1) * zeilen_ + k - 1)] =
          std::none_of(lehrer.begin(), lehrer.end(), [zeile](int t) { return zeile[t] > 0; });
    }
  }
}

void TParSuche::KombinationSuchen(int spalte, int zeile) {
  const std::size_t ziel = Index(spalte, zeile);
  auto versuche = [&](int k) {
    benutzt_[Index(spalte, k)] = 1;
    const int alt = zelle_[ziel];
    zelle_[ziel] = k;
    if (zeile == zeilen_) {
      SpalteFertig(spalte, 1);
      if (spalte == spalten_) {
        ++kombinationen_;
        loesung_.resize(static_cast<std::size_t>(zeilen_ * spalten_));
        for (int z = 1; z <= zeilen_; ++z)
          for (int s = 1; s <= spalten_; ++s)
            loesung_[static_cast<std::size_t>((z - 1) * spalten_ + s - 1)] =
                Eintrag(s, zelle_[Index(s, z)]).kopplung;
        if (Gefunden) Gefunden(kombinationen_);
      } else {
        KombinationSuchen(spalte + 1, 1);
      }
      SpalteFertig(spalte, -1);
    } else {
      KombinationSuchen(spalte, zeile + 1);
    }
    benutzt_[Index(spalte, k)] = 0;
    zelle_[ziel] = alt;
  };
  auto weiter = [&] {
    if (halt_) return false;
    ++kandidaten_;
    if (Abbruch && Abbruch()) halt_ = true;
    return !halt_;
  };
  if (Eintrag(spalte, zeile).fixiert) {
    if (weiter()) versuche(zeile);
    return;
  }
  std::vector<const TKopplung*>& versucht = versucht_[ziel];
  versucht.clear();
  for (int k = 1; k <= zeilen_; ++k) {
    const TEintrag& e = Eintrag(spalte, k);
    if (e.fixiert || benutzt_[Index(spalte, k)] != 0 || !Vertraeglich(spalte, zeile, k)) continue;
    // Equal couplings (and empty cells) give the same arrangements: each is tried once.
    if (std::find(versucht.begin(), versucht.end(), e.kopplung) != versucht.end()) continue;
    versucht.push_back(e.kopplung);
    if (!weiter()) return;
    versuche(k);
  }
}

bool TParSuche::UebernimmLoesung(TParTabelle& tabelle) const {
  if (loesung_.empty() || tabelle.Zeilen() != zeilen_ || tabelle.Spalten() != spalten_) return false;
  for (int z = 1; z <= zeilen_; ++z)
    for (int s = 1; s <= spalten_; ++s) {
      const bool fixiert = tabelle.Zelle(z, s).Fixiert;
      tabelle.SetzeZelle(z, s, loesung_[static_cast<std::size_t>((z - 1) * spalten_ + s - 1)]);
      if (fixiert) tabelle.SetzeFixiert(z, s, true);
    }
  tabelle.ParTabelleSpeichern();
  tabelle.Schule().SetzeGeaendert(true);
  return true;
}

}  // namespace kolvar
