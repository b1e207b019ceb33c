#include "model/fach.h"

#include <algorithm>
#include <cmath>

#include "model/ifenster.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/stundentext.h"

namespace kolvar {

int MenueSpaltenLaenge(int klassen) {
  const int n = static_cast<int>(std::lround(std::sqrt(std::max(0, klassen) / 7.0) * 7.0));
  return std::max(16, n);
}

TFach::TFach(TSchule& schule) : TElement(schule) {}

void TFach::FuegeLehrerHinzu(TLehrer* l) {
  if (!l || lehrer_.Position(l) != 0) return;
  lehrer_.FuegeSortiertEin(l, VergleicheLehrer);
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  l->FuegeFachHinzu(this);
  Schule().SetzeGeaendert(true);
}

void TFach::EntferneLehrer(TLehrer* l) {
  if (!l) return;
  // Both sides, so the teacher never keeps a subject that no longer lists it.
  const bool hier = lehrer_.Entferne(l);
  const bool dort = l->FaecherIntern().Entferne(this);
  if (!hier && !dort) return;
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  if (dort) Schule().MerkeFenster(l->GrForm(), Aenderung::Daten);
  Schule().SetzeGeaendert(true);
}

void TFach::FuegeKlasseHinzu(TKlasse* k) {
  if (!k) return;
  // The list is kept in class-number order (NummeriereNeu sorts it again), so a search by
  // halves finds a class among thousands.
  const std::vector<TKlasse*>& klassen = klassen_.Elemente();
  const auto pos =
      std::lower_bound(klassen.begin(), klassen.end(), k,
                       [](const TKlasse* a, const TKlasse* b) { return VergleicheKlassen(a, b) < 0; });
  if (pos != klassen.end() && *pos == k) return;
  klassen_.FuegeSortiertEin(k, VergleicheKlassen);
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  Schule().SetzeGeaendert(true);
}

void TFach::EntferneKlasse(TKlasse* k) {
  if (!k || klassen_.Position(k) == 0) return;
  for (const TKurs* kurs : Kurse())
    if (kurs->Klassen().Position(k) != 0) return;
  klassen_.Entferne(k);
  Schule().MerkeFenster(GrForm(), Aenderung::Daten);
  Schule().SetzeGeaendert(true);
}

int32_t TFach::StundenDesLehrers(const TLehrer* l) const {
  int32_t summe = 0;
  for (const TKurs* k : Kurse())
    if (k->Lehrer() == l) summe += k->Stunden(-1);
  return summe;
}

int32_t TFach::StundenDerKlasse(const TKlasse* k) const {
  int32_t summe = 0;
  for (const TKurs* kurs : Kurse())
    if (kurs->Klassen().Position(k) != 0) summe += kurs->Stunden(-1);
  return summe;
}

std::string TFach::StundenText(const TLehrer* l) const {
  const TStandard& st = Schule().Standard();
  int64_t a = 0;
  for (const TKurs* k : l->Kurse())
    if (k->Fach() == this) a += int64_t{k->Stunden(-1)} * k->Faktor();
  const int64_t soll = l->Soll(-1);
  const int64_t c = soll - l->IstGewichtet(-1, true, Seite::Lehrer);
  const int64_t b = soll - a - c;
  auto zahl = [&](int64_t w) { return FormatiereStunden(w, st); };
  return "[" + zahl(a) + " " + "]-[" + zahl(b) + " " + "]-[" + zahl(c) + " " + "]  " + Kuerzel();
}

TKurs* TFach::NeuerKurs() {
  return Schule().ErzeugeKurs(nullptr, nullptr, nullptr, this, nullptr, Schule().Standard().kst);
}

void TFach::FuelleKursMenueLehrer(IMenue& menue, const TLehrer* l, bool mitInfo) const {
  for (const TKurs* k : Kurse())
    if (k->Lehrer() == l)
      menue.Fuege({k->StundenText(-1, 0, 0, Seite::Lehrer, mitInfo), false, true, false, {}});
}

void TFach::FuelleKursMenueKlasse(IMenue& menue, const TKlasse* kl, bool mitInfo) const {
  for (const TKurs* k : Kurse())
    if (k->Klassen().Position(kl) != 0)
      menue.Fuege({k->StundenText(-1, 0, 0, Seite::Klasse, mitInfo), false, true, false, {}});
}

void TFach::FuelleLehrerMenue(IMenue& menue) {
  menue.Leere();
  const int n = MenueSpaltenLaenge(Schule().Klassen().Anzahl());
  int i = 0;
  for (TLehrer* l : lehrer_) {
    ++i;
    menue.Fuege({l->FachStundenText(this, Seite::Lehrer), false, true, i >= 2 && i % n == 1,
                 [this, l] { SetzeGewaehltenLehrer(l); }});
  }
}

void TFach::FuelleKlassenMenue(IMenue& menue) {
  menue.Leere();
  const int n = MenueSpaltenLaenge(Schule().Klassen().Anzahl());
  int i = 0;
  for (TKlasse* k : Schule().Klassen()) {
    ++i;
    menue.Fuege({k->FachStundenText(this, Seite::Klasse), false, true, i >= 2 && i % n == 1,
                 [this, k] { SetzeGewaehlteKlasse(k); }});
  }
}

void TFach::Loese() {
  while (!Kurse().Leer()) Kurse().Hole(1)->LoeseFach();
  const std::vector<TLehrer*> lehrer = lehrer_.Elemente();
  for (TLehrer* l : lehrer) {
    EntferneLehrer(l);
    l->Aktualisiere();
  }
  // A teacher may list the subject without being in its list (data from a file).
  for (TLehrer* l : Schule().Lehrer())
    if (l->FaecherIntern().Entferne(this)) l->Aktualisiere();
  lehrer_.Leere();
  klassen_.Leere();
}

}  // namespace kolvar
