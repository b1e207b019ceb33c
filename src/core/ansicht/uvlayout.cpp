#include "ansicht/uvlayout.h"

#include <algorithm>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uvtab.h"

namespace kolvar {

void TUVLayout::Aufbauen(const TUVTab& tab) {
  nachFaechern_ = tab.Ausrichtung() != 0;
  andere_.clear();
  linien_.clear();
  if (nachFaechern_)
    for (TFach* f : tab.Faecher()) andere_.push_back(f);
  else
    for (TLehrer* l : tab.Lehrer()) andere_.push_back(l);
  if (andere_.empty() || tab.Klassen().Leer()) {
    andere_.clear();
    return;
  }
  for (TKlasse* k : tab.Klassen()) {
    const int erste = static_cast<int>(linien_.size());
    NeueLinie(erste, k);
    for (TKurs* kurs : k->Kurse()) {
      const int a = AndereIndex(Schluessel(*kurs));
      if (a < 0) continue;
      int r = erste;
      while (r < static_cast<int>(linien_.size()) && linien_[static_cast<std::size_t>(r)].zellen[a].kurs) ++r;
      if (r == static_cast<int>(linien_.size())) NeueLinie(r, k);
      linien_[static_cast<std::size_t>(r)].zellen[static_cast<std::size_t>(a)] = {kurs, r - erste};
    }
  }
}

int TUVLayout::Zeilen() const {
  if (!HatKoerper()) return 1;
  return 1 + static_cast<int>(nachFaechern_ ? linien_.size() : andere_.size());
}

int TUVLayout::Spalten() const {
  if (!HatKoerper()) return 1;
  return 1 + static_cast<int>(nachFaechern_ ? andere_.size() : linien_.size());
}

bool TUVLayout::Koerper(int spalte, int zeile, int& linie, int& andere) const {
  if (spalte < 1 || zeile < 1 || spalte >= Spalten() || zeile >= Zeilen()) return false;
  linie = (nachFaechern_ ? zeile : spalte) - 1;
  andere = (nachFaechern_ ? spalte : zeile) - 1;
  return true;
}

TElement* TUVLayout::SpaltenKopf(int spalte) const {
  if (spalte < 1 || spalte >= Spalten()) return nullptr;
  const auto i = static_cast<std::size_t>(spalte - 1);
  return nachFaechern_ ? andere_[i] : linien_[i].klasse;
}

TElement* TUVLayout::ZeilenKopf(int zeile) const {
  if (zeile < 1 || zeile >= Zeilen()) return nullptr;
  const auto i = static_cast<std::size_t>(zeile - 1);
  return nachFaechern_ ? linien_[i].klasse : andere_[i];
}

TKurs* TUVLayout::Kurs(int spalte, int zeile) const {
  int l = 0, a = 0;
  if (!Koerper(spalte, zeile, l, a)) return nullptr;
  return linien_[static_cast<std::size_t>(l)].zellen[static_cast<std::size_t>(a)].kurs;
}

int TUVLayout::Index(int spalte, int zeile) const {
  int l = 0, a = 0;
  if (!Koerper(spalte, zeile, l, a)) return 0;
  return linien_[static_cast<std::size_t>(l)].zellen[static_cast<std::size_t>(a)].index;
}

TKlasse* TUVLayout::KlasseBei(int spalte, int zeile) const {
  const int linie = (nachFaechern_ ? zeile : spalte) - 1;
  if (linie < 0 || linie >= static_cast<int>(linien_.size()) || !HatKoerper()) return nullptr;
  return linien_[static_cast<std::size_t>(linie)].klasse;
}

TElement* TUVLayout::Schluessel(const TKurs& kurs) const {
  return nachFaechern_ ? static_cast<TElement*>(kurs.Fach()) : static_cast<TElement*>(kurs.Lehrer());
}

int TUVLayout::AndereIndex(const TElement* e) const {
  if (!e) return -1;
  const auto it = std::find(andere_.begin(), andere_.end(), e);
  return it == andere_.end() ? -1 : static_cast<int>(it - andere_.begin());
}

void TUVLayout::LinienDer(const TKlasse* k, int& erste, int& ende) const {
  erste = ende = 0;
  const int n = static_cast<int>(linien_.size());
  while (erste < n && linien_[static_cast<std::size_t>(erste)].klasse != k) ++erste;
  ende = erste;
  while (ende < n && linien_[static_cast<std::size_t>(ende)].klasse == k) ++ende;
}

void TUVLayout::NeueLinie(int vor, TKlasse* k) {
  TLinie linie;
  linie.klasse = k;
  linie.zellen.resize(andere_.size());
  linien_.insert(linien_.begin() + vor, std::move(linie));
}

void TUVLayout::KursEntfernen(const TKurs* kurs) {
  if (!kurs) return;
  for (TLinie& l : linien_)
    for (TZelle& z : l.zellen)
      if (z.kurs == kurs) z = TZelle{};
}

void TUVLayout::KursEintragen(TKurs* kurs) {
  if (!kurs || kurs->Klassen().Leer() || !HatKoerper()) return;
  const int a = AndereIndex(Schluessel(*kurs));
  if (a < 0) return;
  const auto sa = static_cast<std::size_t>(a);
  for (TKlasse* k : kurs->Klassen()) {
    int erste = 0, ende = 0;
    LinienDer(k, erste, ende);
    if (erste == ende) continue;
    int frei = -1;
    bool schon = false;
    for (int r = erste; r < ende; ++r) {
      const TKurs* da = linien_[static_cast<std::size_t>(r)].zellen[sa].kurs;
      if (da == kurs) schon = true;
      if (!da && frei < 0) frei = r;
    }
    if (schon) continue;
    if (frei < 0) {
      frei = ende;
      NeueLinie(frei, k);
    }
    linien_[static_cast<std::size_t>(frei)].zellen[sa] = {kurs, frei - erste};
  }
}

void TUVLayout::KursAktualisieren(TKurs* kurs) {
  if (!kurs) return;
  const TElement* schluessel = Schluessel(*kurs);
  for (TLinie& l : linien_)
    for (std::size_t a = 0; a < l.zellen.size(); ++a)
      if (l.zellen[a].kurs == kurs && (andere_[a] != schluessel || kurs->Klassen().Position(l.klasse) == 0))
        l.zellen[a] = TZelle{};
  KursEintragen(kurs);
}

bool TUVLayout::SetzeKurs(int spalte, int zeile, TKurs* kurs) {
  int l = 0, a = 0;
  if (!kurs || !Koerper(spalte, zeile, l, a)) return false;
  TZelle& z = linien_[static_cast<std::size_t>(l)].zellen[static_cast<std::size_t>(a)];
  if (z.kurs) return false;
  int erste = 0, ende = 0;
  LinienDer(linien_[static_cast<std::size_t>(l)].klasse, erste, ende);
  z = {kurs, l - erste};
  return true;
}

bool TUVLayout::ExtraLinie(int zeileOderSpalte) {
  const int linie = zeileOderSpalte - 1;
  if (!HatKoerper() || linie < 0 || linie >= static_cast<int>(linien_.size())) return false;
  TKlasse* k = linien_[static_cast<std::size_t>(linie)].klasse;
  NeueLinie(linie + 1, k);
  // The class's lines after the new one count one further on.
  int erste = 0, ende = 0;
  LinienDer(k, erste, ende);
  for (int r = erste; r < ende; ++r)
    for (TZelle& z : linien_[static_cast<std::size_t>(r)].zellen)
      if (z.kurs) z.index = r - erste;
  return true;
}

std::string TUVLayout::ZweiterText(const TKurs& kurs, bool mitKopplung) const {
  if (mitKopplung && kurs.Kopplung()) return kurs.Kopplung()->Kuerzel();
  const TElement* e =
      nachFaechern_ ? static_cast<const TElement*>(kurs.Lehrer()) : static_cast<const TElement*>(kurs.Fach());
  return e ? e->Kuerzel() : std::string();
}

std::string TUVLayout::Wert(const TKurs& kurs, const TStandard& standard) {
  return FormatiereStunden(int64_t{kurs.Stunden(-1)} * kurs.Faktor(), standard);
}

bool TUVLayout::Kursiv(int spalte, int zeile) const {
  const TKurs* kurs = Kurs(spalte, zeile);
  return kurs && kurs->Klassen().Hole(1) != KlasseBei(spalte, zeile);
}

std::vector<std::string> TUVLayout::Kopiertext(const TStandard& standard, bool mitKopplung) const {
  std::vector<std::string> zeilen;
  std::string kopf;
  for (int s = 1; s < Spalten(); ++s) kopf += "\t\t" + SpaltenKopf(s)->Kuerzel();
  zeilen.push_back(kopf);
  for (int z = 1; z < Zeilen(); ++z) {
    std::string zeile = ZeilenKopf(z)->Kuerzel();
    for (int s = 1; s < Spalten(); ++s) {
      const TKurs* kurs = Kurs(s, z);
      if (kurs)
        zeile += "\t" + Wert(*kurs, standard) + "\t" + ZweiterText(*kurs, mitKopplung);
      else
        zeile += "\t0\t";
    }
    zeilen.push_back(zeile);
  }
  return zeilen;
}

std::vector<TKurs*> TUVLayout::KurseIn(int links, int oben, int rechts, int unten) const {
  std::vector<TKurs*> kurse;
  for (int z = unten; z >= std::max(oben, 1); --z)
    for (int s = std::max(links, 1); s <= rechts; ++s) {
      TKurs* k = Kurs(s, z);
      if (k && std::find(kurse.begin(), kurse.end(), k) == kurse.end()) kurse.push_back(k);
    }
  return kurse;
}

}  // namespace kolvar
