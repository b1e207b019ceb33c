#include "model/kurs.h"

#include <algorithm>
#include <vector>

#include "model/fach.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/imenue.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/text.h"
#include "model/uhr.h"
#include "model/undoelement.h"
#include "model/vertretungshaken.h"

namespace kolvar {

namespace {

bool SlotGueltig(int d, int p) {
  return d >= 1 && d <= kTage && p >= 1 && p <= kStunden;
}

// A changed lesson, for the windows; with nurKlasse only that one of its classes is concerned.
void MerkeKursAenderung(TSchule& schule, const TKurs& kurs, const TKlasse* nurKlasse) {
  if (!schule.HatFenster()) return;  // as every notice below would
  TSchule::TAktion aktion(schule);
  using namespace Aenderung;
  schule.MerkeElement(kurs.Lehrer(), Daten | Statistik);
  if (nurKlasse)
    schule.MerkeElement(nurKlasse, Daten | Statistik);
  else
    for (const TKlasse* k : kurs.Klassen()) schule.MerkeElement(k, Daten | Statistik);
  for (const TRaum* r : kurs.Raeume()) schule.MerkeElement(r, Daten);
  schule.MerkeElement(kurs.Kopplung(), Daten);
  schule.MerkeElement(kurs.Fach(), Daten | Statistik);
  schule.MerkeKurs(&kurs, Daten);
  for (int art : ArtenDieKursenFolgen(false)) schule.MerkeArt(art, Daten);
}

}  // namespace

TKurs::TKurs(TSchule& schule, uint64_t erstellnummer)
    : schule_(&schule),
      erstellnummer_(erstellnummer),
      stunden_(schule.Standard().Versionen()),
      sperrung_(schule.Standard().Versionen()),
      belegung_(schule.Standard().Versionen()),
      gesetzt_(schule.Standard().Versionen()),
      ergebnis_(schule.Standard().Versionen()) {
  for (int v = 1; v <= sperrung_.Versionen(); ++v) sperrung_.SetzeWoche(v, schule.Standard().kus);
}

TKurs::~TKurs() {
  setzungen_.Vernichte(true);
}

void TKurs::Geaendert() const {
  schule_->SetzeGeaendert(true);
}

// ---------------------------------------------------------------------------------------------
// Lists and order

void TKurs::Einsortieren(TElement* e) {
  if (!e || e->KurseIntern().Position(this) != 0) return;
  if (e->Art() == TElementArt::Klasse)
    e->KurseIntern().FuegeSortiertEin(this, VergleicheKurseNachOrdnung);
  else
    e->KurseIntern().FuegeSortiertEin(this, VergleicheKurse);
}

void TKurs::Aussortieren(TElement* e) {
  if (e) e->KurseIntern().Entferne(this);
}

void TKurs::Umsortieren() {
  auto neu = [this](TElement* e) {
    if (e && e->KurseIntern().Entferne(this)) Einsortieren(e);
  };
  neu(lehrer_);
  for (TKlasse* k : klassen_) neu(k);
  neu(kopplung_);
  neu(fach_);
  for (TRaum* r : raeume_) neu(r);
  if (schule_->kurse_.Entferne(this)) schule_->kurse_.FuegeSortiertEin(this, VergleicheKurse);
}

void TKurs::BerechneSortierSchluessel() {
  const bool nachKlassen = schule_->Standard().nks;
  const int klasse = klassen_.Leer() ? -1 : klassen_.Hole(1)->Nummer();
  const int lehrer = lehrer_ ? lehrer_->Nummer() : -1;
  int64_t s1, s2;
  if (nachKlassen) {
    s1 = klasse < 0 ? -1000 : int64_t{klasse} * 1000;
    s2 = lehrer;
  } else {
    s1 = lehrer < 0 ? -1000 : int64_t{lehrer} * 1000;
    s2 = klasse;
  }
  s1 += fach_ ? fach_->Nummer() : -1;
  s2 -= 1000 * int64_t{stunden_.Stunden(0)};
  schluessel1_ = static_cast<int32_t>(std::clamp<int64_t>(s1, INT32_MIN, INT32_MAX));
  schluessel2_ = static_cast<int32_t>(std::clamp<int64_t>(s2, INT32_MIN, INT32_MAX));
}

int VergleicheKurse(const TKurs* a, const TKurs* b) {
  if (a->Schluessel1() != b->Schluessel1()) return a->Schluessel1() < b->Schluessel1() ? -1 : 1;
  if (a->Schluessel2() != b->Schluessel2()) return a->Schluessel2() < b->Schluessel2() ? -1 : 1;
  return a->Erstellnummer() < b->Erstellnummer() ? -1 : 1;
}

int VergleicheKurseNachOrdnung(const TKurs* a, const TKurs* b) {
  if (!a->Schule().Standard().nks || a->Fach() == b->Fach()) return VergleicheKurse(a, b);
  if (!a->Fach()) return -1;
  if (!b->Fach()) return 1;
  const int c = VergleicheFaecher(a->Fach(), b->Fach());
  return c != 0 ? c : VergleicheKurse(a, b);
}

// ---------------------------------------------------------------------------------------------
// Links

void TKurs::UebernimmVorgaben() {
  const TStandard& st = schule_->Standard();
  stundenProTag_ = st.spt;
  einzelstunden_ = st.ezs;
  tabelle_ = st.tbn;
  faktor_ = st.fkt;
  nvp_ = st.nvp;
  nzl_ = st.nzl;
  nzk_ = st.nzk;
  farbe_ = st.kfa;
  prioritaet_ = 0;
}

void TKurs::Initialisiere(TLehrer* l, TKlasse* k, TKopplung* ko, TFach* f, TRaum* r, int32_t stunden) {
  lehrer_ = l;
  if (k) klassen_.FuegeSortiertEin(k, VergleicheKlassen);
  kopplung_ = ko;
  fach_ = f;
  if (r) raeume_.Haenge(r);
  stunden_.SetzeStunden(-1, stunden);
  UebernimmVorgaben();
  BerechneSortierSchluessel();
  Einsortieren(l);
  Einsortieren(k);
  Einsortieren(ko);
  Einsortieren(f);
  Einsortieren(r);
  if (schule_->kurse_.Position(this) == 0) schule_->kurse_.FuegeSortiertEin(this, VergleicheKurse);
  if (f && k) f->FuegeKlasseHinzu(k);
  LehrerLehrtFach();
  KursEingefuegt();
  Geaendert();
}

void TKurs::LehrerLehrtFach() {
  // A teacher's subjects hold every subject he has a lesson in, as reading a school file makes
  // them, so a school saved reads back the same.
  if (lehrer_ != nullptr && fach_ != nullptr) lehrer_->FuegeFachHinzu(fach_);
}

TKurs* TKurs::ErzeugeUngeordnet(TSchule& schule, TLehrer* l, const std::vector<TKlasse*>& klassen,
                                TKopplung* ko, TFach* f) {
  auto* kurs = new TKurs(schule, schule.NaechsteKursNummer());
  kurs->lehrer_ = l;
  kurs->kopplung_ = ko;
  kurs->fach_ = f;
  kurs->UebernimmVorgaben();
  schule.kurse_.Haenge(kurs);
  if (l) l->KurseIntern().Haenge(kurs);
  if (ko) ko->KurseIntern().Haenge(kurs);
  if (f) f->KurseIntern().Haenge(kurs);
  // Sorted and without repeats once: a lesson may name tens of thousands of classes, and
  // looking each up in the list so far would be quadratic.
  std::vector<TKlasse*> sortiert;
  sortiert.reserve(klassen.size());
  for (TKlasse* k : klassen)
    if (k) sortiert.push_back(k);
  std::stable_sort(sortiert.begin(), sortiert.end(),
                   [](const TKlasse* a, const TKlasse* b) { return VergleicheKlassen(a, b) < 0; });
  sortiert.erase(std::unique(sortiert.begin(), sortiert.end()), sortiert.end());
  kurs->klassen_.Reserviere(static_cast<int>(sortiert.size()));
  for (TKlasse* k : sortiert) {
    if (!kurs->klassen_.Leer() && VergleicheKlassen(kurs->klassen_.Hole(kurs->klassen_.Anzahl()), k) == 0) {
      // Two classes of one number (never in a sound school): sorted in as one at a time would.
      if (kurs->klassen_.Position(k) != 0) continue;
      kurs->klassen_.FuegeSortiertEin(k, VergleicheKlassen);
    } else {
      kurs->klassen_.Haenge(k);
    }
    k->KurseIntern().Haenge(kurs);
    if (f) f->FuegeKlasseHinzu(k);
  }
  return kurs;
}

void TKurs::HaengeRaumAn(TRaum* r, bool spaeter) {
  if (!r) return;
  if (raeume_.Position(r) == 0) {
    raeume_.Haenge(r);
    r->KurseIntern().Haenge(this);
  }
  if (spaeter && spaeterRaeume_.Position(r) == 0) spaeterRaeume_.Haenge(r);
}

void TKurs::SetzeLehrer(TLehrer* l) {
  if (l == lehrer_) {
    Geaendert();
    return;
  }
  if (TLehrer* alt = lehrer_) {
    Aussortieren(alt);
    lehrer_ = nullptr;
    for (const TSetzung* s : setzungen_) GibFrei(alt, s->Version(), s->Tag(), s->Stunde());
    alt->Aktualisiere();
  }
  lehrer_ = l;
  BerechneSortierSchluessel();
  Umsortieren();
  if (l) {
    Einsortieren(l);
    for (const TSetzung* s : setzungen_) Belege(l, s->Version(), s->Tag(), s->Stunde());
    if (kopplung_) kopplung_->PruefeLehrerDoppelt(l);
  }
  LehrerLehrtFach();
  KursGeaendert();
  Geaendert();
}

void TKurs::LoeseLehrer() {
  SetzeLehrer(nullptr);
}

void TKurs::FuegeKlasseHinzu(TKlasse* k) {
  // The links are kept both ways, so the shorter list answers: a lesson may name thousands
  // of classes.
  if (!k ||
      (klassen_.Anzahl() <= k->Kurse().Anzahl() ? klassen_.Position(k) : k->Kurse().Position(this)) != 0) {
    Geaendert();
    return;
  }
  klassen_.FuegeSortiertEin(k, VergleicheKlassen);
  const int32_t vorher1 = schluessel1_, vorher2 = schluessel2_;
  BerechneSortierSchluessel();
  // The keys and the lesson's texts follow its first class alone: while they stay, every list
  // keeps its order and the other classes see no change.
  const bool ersteKlasse = schluessel1_ != vorher1 || schluessel2_ != vorher2 || klassen_.Hole(1) == k;
  if (ersteKlasse) Umsortieren();
  Einsortieren(k);
  for (const TSetzung* s : setzungen_) Belege(k, s->Version(), s->Tag(), s->Stunde());
  if (fach_) fach_->FuegeKlasseHinzu(k);
  MerkeKursAenderung(*schule_, *this, ersteKlasse ? nullptr : k);
  Geaendert();
}

void TKurs::EntferneKlasse(TKlasse* k) {
  if (!k || !klassen_.Entferne(k)) {
    Geaendert();
    return;
  }
  Aussortieren(k);
  for (const TSetzung* s : setzungen_) GibFrei(k, s->Version(), s->Tag(), s->Stunde());
  BerechneSortierSchluessel();
  Umsortieren();
  if (fach_) fach_->EntferneKlasse(k);
  k->Aktualisiere();
  KursGeaendert();
  Geaendert();
}

void TKurs::SetzeKopplung(TKopplung* ko) {
  if (ko == kopplung_) {
    Geaendert();
    return;
  }
  if (TKopplung* alt = kopplung_) {
    Aussortieren(alt);
    kopplung_ = nullptr;
    alt->Aktualisiere();
  }
  kopplung_ = ko;
  BerechneSortierSchluessel();
  if (ko) {
    Einsortieren(ko);
    ko->PruefeLehrerDoppelt(lehrer_);
  }
  KursGeaendert();
  Geaendert();
}

void TKurs::LoeseKopplung() {
  SetzeKopplung(nullptr);
}

void TKurs::SetzeFach(TFach* f) {
  if (f == fach_) {
    Geaendert();
    return;
  }
  if (TFach* alt = fach_) {
    Aussortieren(alt);
    fach_ = nullptr;
    for (TKlasse* k : klassen_) alt->EntferneKlasse(k);
    alt->Aktualisiere();
  }
  fach_ = f;
  BerechneSortierSchluessel();
  Umsortieren();
  if (f) {
    Einsortieren(f);
    for (TKlasse* k : klassen_) f->FuegeKlasseHinzu(k);
  }
  LehrerLehrtFach();
  KursGeaendert();
  Geaendert();
}

void TKurs::LoeseFach() {
  SetzeFach(nullptr);
}

void TKurs::FuegeRaumHinzu(TRaum* r, bool spaeter) {
  if (!r) return;
  if (raeume_.Position(r) == 0) raeume_.Haenge(r);
  if (spaeter && spaeterRaeume_.Position(r) == 0) spaeterRaeume_.Haenge(r);
  BerechneSortierSchluessel();
  Einsortieren(r);
  KursGeaendert();
  Geaendert();
}

void TKurs::EntferneRaum(TRaum* r) {
  if (!r || raeume_.Position(r) == 0) {
    Geaendert();
    return;
  }
  const std::vector<TSetzung*> setzungen = setzungen_.Elemente();
  for (TSetzung* s : setzungen)
    if (s->Raum() == r) LoeseRaum(s);
  Aussortieren(r);
  raeume_.Entferne(r);
  spaeterRaeume_.Entferne(r);
  BerechneSortierSchluessel();
  KursGeaendert();
  Geaendert();
}

void TKurs::TauscheRaumFolge(int a, int b) {
  const int n = raeume_.Anzahl();
  if (a == b || a < 1 || b < 1 || a > n || b > n) return;
  raeume_.Tausche(a, b);
  Geaendert();
}

// ---------------------------------------------------------------------------------------------
// Options

void TKurs::SetzeInfo(std::string_view text) {
  info_ = KuerzeText(text, kNamenLaenge);
  Geaendert();
}

void TKurs::SetzeStunden(int v, int32_t wert) {
  stunden_.SetzeStunden(v, wert);
  // The hours are part of key 2: keep every list sorted.
  BerechneSortierSchluessel();
  Umsortieren();
  Geaendert();
}

void TKurs::SetzeEinzelstunden(int n) {
  einzelstunden_ = n;
  Geaendert();
}
void TKurs::SetzeStundenProTag(int n) {
  stundenProTag_ = n;
  Geaendert();
}
void TKurs::SetzeTabelle(int n) {
  tabelle_ = std::clamp(n, 1, 4);
  Geaendert();
}
void TKurs::SetFaktor(int32_t f) {
  const int32_t alt = faktor_;
  faktor_ = f;
  VertretungenFaktorGeaendert(*this, alt);
  Geaendert();
}
void TKurs::SetzeNichtVerplanen(bool an) {
  nvp_ = an;
  Geaendert();
}
void TKurs::SetzeNichtZaehlenLehrer(bool an) {
  nzl_ = an;
  Geaendert();
}
void TKurs::SetzeNichtZaehlenKlassen(bool an) {
  nzk_ = an;
  Geaendert();
}
void TKurs::SetzeFarbe(uint32_t farbe) {
  farbe_ = farbe;
  Geaendert();
}

// ---------------------------------------------------------------------------------------------
// Placements

void TKurs::SetzeBit(TPlanElement* e, int v, int d, int p, bool an) {
  if (e) e->BelegungIntern().SetzeBereich(v, d, p, an);
}

void TKurs::Belege(TPlanElement* e, int v, int d, int p) {
  if (e) e->ZaehleSetzung(v, d, p, 1);
}

void TKurs::GibFrei(TPlanElement* e, int v, int d, int p) {
  // Another lesson may still hold the element at the slot: the count says so.
  if (e) e->ZaehleSetzung(v, d, p, -1);
}

TSetzung* TKurs::NeueSetzung(int v, int d, int p, TRaum* r, bool fixiert) {
  if (v < 1 || v > belegung_.Versionen() || !SlotGueltig(d, p) || FindeSetzung(v, d, p)) return nullptr;
  auto* s = new (*this) TSetzung(*this, v, d, p, r, fixiert);
  setzungen_.Haenge(s);
  Verzeichne(s);
  belegung_.SetzeBereich(v, d, p, true);
  if (TWoElem* w = gesetzt_.Woche(v)) w->SetzeStunde(d, p, true);
  Belege(lehrer_, v, d, p);
  for (TKlasse* k : klassen_) Belege(k, v, d, p);
  Belege(r, v, d, p);
  VertretungenNachSetzen(*s);
  Geaendert();
  return s;
}

TSetzung* TKurs::Setze(int v, int d, TRaum* r, int p) {
  if (nvp_ || OffeneStunden(v) < 1) return nullptr;
  if (v < 1 || v > belegung_.Versionen() || !SlotGueltig(d, p) || FindeSetzung(v, d, p)) return nullptr;
  auto* s = new (*this) TSetzung(*this, v, d, p, r, false);
  if (schule_->Palette().UndoAufzeichnen()) TUndoElement::Merke(*this, *s, TUndoElement::Gesetzt);
  setzungen_.Haenge(s);
  Verzeichne(s);
  belegung_.SetzeBereich(v, d, p, true);
  if (TWoElem* w = gesetzt_.Woche(v)) w->SetzeStunde(d, p, true);
  Belege(lehrer_, v, d, p);
  for (TKlasse* k : klassen_) Belege(k, v, d, p);
  Belege(r, v, d, p);
  VertretungenNachSetzen(*s);
  KursGeaendert();
  SetzungenGeaendert();
  StempleAenderung(r);
  Geaendert();
  return s;
}

void TKurs::EntferneSetzung(TSetzung* s) {
  EntferneSetzungIntern(s, true);
}

void TKurs::EntferneSetzungIntern(TSetzung* s, bool merken, bool melden) {
  // One search in the index both proves the placement the course's and finds its entry.
  if (s == nullptr || &s->Kurs() != this) return;
  const auto stelle = IndexStelle(s);
  if (stelle == nachSlot_.end()) return;
  if (merken && schule_->Palette().UndoAufzeichnen()) TUndoElement::Merke(*this, *s, TUndoElement::Entfernt);
  setzungen_.EntferneEinziges(s);
  nachSlot_.erase(stelle);
  if (SlotGueltig(s->Tag(), s->Stunde())) --jeSlot_[SlotIndex(s->Tag(), s->Stunde())];
  const int v = s->Version(), d = s->Tag(), p = s->Stunde();
  TRaum* r = s->Raum();
  belegung_.SetzeBereich(v, d, p, false);
  if (TWoElem* w = gesetzt_.Woche(v)) w->SetzeStunde(d, p, false);
  GibFrei(lehrer_, v, d, p);
  for (TKlasse* k : klassen_) GibFrei(k, v, d, p);
  StempleAenderung(r);
  delete s;
  GibFrei(r, v, d, p);
  if (melden) {
    KursGeaendert();
    SetzungenGeaendert();
  }
  Geaendert();
}

void TKurs::EntferneStunde(int v, int d, int p, bool mitKopplung) {
  if (mitKopplung && kopplung_) {
    const std::vector<TKurs*> kurse = kopplung_->Kurse().Elemente();
    for (TKurs* k : kurse) k->EntferneStunde(v, d, p, false);
    return;
  }
  int von, bis;
  VersionsBereich(schule_->Standard().Versionen(), belegung_.Versionen(), v, von, bis);
  for (int ver = von; ver <= bis; ++ver)
    if (TSetzung* s = FindeSetzung(ver, d, p)) EntferneSetzung(s);
}

void TKurs::EntferneAlleSetzungen() {
  while (!setzungen_.Leer()) {
    // Placements lie scattered over the heap: on a large school each one's first read waits for
    // memory, unless the next few are asked for while this one goes.
    for (int i = 3; i <= 6 && i <= setzungen_.Anzahl(); ++i) __builtin_prefetch(setzungen_.Hole(i));
    // A placement's records hang off a list of their own: its items first, the records later.
    if (setzungen_.Anzahl() >= 4) __builtin_prefetch(setzungen_.Hole(4)->Vertretungen().Elemente().data());
    if (setzungen_.Anzahl() >= 2) HoleVor(setzungen_.Hole(2));
    EntferneSetzung(setzungen_.Hole(1));
  }
}

void TKurs::HoleVor(const TSetzung* s) const {
  const int v = s->Version(), d = s->Tag(), p = s->Stunde();
  if (lehrer_) lehrer_->HoleZaehlerVor(v, d, p);
  for (const TKlasse* k : klassen_) k->HoleZaehlerVor(v, d, p);
  if (s->Raum()) s->Raum()->HoleZaehlerVor(v, d, p);
  if (!s->Vertretungen().Leer()) __builtin_prefetch(s->Vertretungen().Hole(1));
  // The course's own: the version's weeks of its grids, the index where the slot's run begins,
  // and the end of its placement list, where the search for the placement starts.
  if (const TWoElem* w = belegung_.Woche(v)) __builtin_prefetch(w);
  if (const TWoElem* w = gesetzt_.Woche(v)) __builtin_prefetch(w);
  HoleSlotVor(d, p);
  if (!setzungen_.Leer()) __builtin_prefetch(&setzungen_.Elemente().back());
}

void TKurs::SetzeRaum(TSetzung* s, TRaum* r) {
  if (!Gehoert(s)) return;
  TRaum* vorher = s->Raum();
  if (vorher) LoeseRaumIntern(s);
  s->raum_ = r;
  if (r) {
    Belege(r, s->Version(), s->Tag(), s->Stunde());
    StempleAenderung(r);
    r->AktualisierePlan();
  }
  VertretungenRaumGeaendert(*s, vorher);
  KursGeaendert();
  SetzungenGeaendert();
  Geaendert();
}

void TKurs::LoeseRaum(TSetzung* s) {
  if (!s || !s->Raum() || !Gehoert(s)) return;
  TRaum* alt = s->Raum();
  LoeseRaumIntern(s);
  VertretungenRaumGeaendert(*s, alt);
  KursGeaendert();
  Geaendert();
}

void TKurs::LoeseRaumIntern(TSetzung* s) {
  TRaum* alt = s->Raum();
  StempleAenderung(alt);
  s->raum_ = nullptr;
  GibFrei(alt, s->Version(), s->Tag(), s->Stunde());
  alt->AktualisierePlan();
}

int TKurs::GesetzteStunden(int v) const {
  int von, bis;
  VersionsBereich(schule_->Standard().Versionen(), belegung_.Versionen(), v, von, bis);
  const int tage = std::clamp(schule_->Standard().mtn, 0, kTage);
  int anzahl = 0;
  for (int ver = von; ver <= bis; ++ver)
    for (int d = 1; d <= tage; ++d) anzahl += ZaehleBits(belegung_.Tag(ver, d));
  return anzahl;
}

int TKurs::OffeneStunden(int v) const {
  return Stunden(v) - GesetzteStunden(v);
}

// ---------------------------------------------------------------------------------------------
// Queries

std::vector<TKurs::TSlotEintrag>::const_iterator TKurs::SlotStelle(int schluessel) const {
  return std::lower_bound(nachSlot_.begin(), nachSlot_.end(), schluessel,
                          [](const TSlotEintrag& e, int k) { return e.schluessel < k; });
}

void TKurs::Verzeichne(TSetzung* s) {
  const int schluessel = SlotSchluessel(s->Version(), s->Tag(), s->Stunde());
  const auto nach = std::upper_bound(nachSlot_.begin(), nachSlot_.end(), schluessel,
                                     [](int k, const TSlotEintrag& e) { return k < e.schluessel; });
  nachSlot_.insert(nach, TSlotEintrag{schluessel, s});
  if (SlotGueltig(s->Tag(), s->Stunde())) ++jeSlot_[SlotIndex(s->Tag(), s->Stunde())];
}

std::vector<TKurs::TSlotEintrag>::const_iterator TKurs::IndexStelle(const TSetzung* s) const {
  const int schluessel = SlotSchluessel(s->Version(), s->Tag(), s->Stunde());
  const auto it = SlotStelle(schluessel);
  return it != nachSlot_.end() && it->schluessel == schluessel && it->setzung == s ? it : nachSlot_.end();
}

int TKurs::SetzungenImSlot(int d, int p) const {
  return SlotGueltig(d, p) ? jeSlot_[SlotIndex(d, p)] : 0;
}

bool TKurs::SlotIndexStimmt() const {
  if (nachSlot_.size() != static_cast<std::size_t>(setzungen_.Anzahl())) return false;
  for (std::size_t i = 0; i < nachSlot_.size(); ++i) {
    const TSetzung* s = nachSlot_[i].setzung;
    if (!s || &s->Kurs() != this ||
        nachSlot_[i].schluessel != SlotSchluessel(s->Version(), s->Tag(), s->Stunde()) ||
        (i > 0 && nachSlot_[i - 1].schluessel >= nachSlot_[i].schluessel))
      return false;
  }
  return true;
}

bool TKurs::Gehoert(const TSetzung* s) const {
  return s != nullptr && &s->Kurs() == this && IndexStelle(s) != nachSlot_.end();
}

TSetzung* TKurs::FindeSetzung(int v, int d, int p) const {
  // The exact grid, never switched off by a drag, spares the search where nothing is placed;
  // the placements by slot find the one that is there without walking the list.
  const TWoElem* w = gesetzt_.Woche(v);
  if (w == nullptr || !w->Stunde(d, p)) return nullptr;
  const int schluessel = SlotSchluessel(v, d, p);
  const auto it = SlotStelle(schluessel);
  if (it != nachSlot_.end() && it->schluessel == schluessel) return it->setzung;
  for (TSetzung* s : setzungen_)
    if (s->Stunde() == p && s->Tag() == d && s->Version() == v) return s;
  return nullptr;
}

bool TKurs::HatNegativeStunden() const {
  for (int v = 1; v <= stunden_.Versionen(); ++v)
    if (stunden_.Stunden(v) < 0) return true;
  return false;
}

void TKurs::NegativeStundenNull() {
  bool geaendert = false;
  for (int v = 1; v <= stunden_.Versionen(); ++v)
    if (stunden_.Stunden(v) < 0) {
      stunden_.SetzeStunden(v, 0);
      geaendert = true;
    }
  if (geaendert) {
    BerechneSortierSchluessel();
    Umsortieren();
    Geaendert();
  }
}

bool TKurs::IstGesperrt(int v, int d, int p, const TRaum* r) const {
  if (sperrung_.Belegt(v, d, p)) return true;
  if (lehrer_ && lehrer_->Sperrung().Belegt(v, d, p)) return true;
  for (const TKlasse* k : klassen_)
    if (k->Sperrung().Belegt(v, d, p)) return true;
  return r && r->Sperrung().Belegt(v, d, p);
}

bool TKurs::IstFixiert(int v, int d, int p) const {
  const TSetzung* s = FindeSetzung(v, d, p);
  return s && s->Fixiert();
}

bool TKurs::RaumVerplant(const TRaum* r) const {
  return std::any_of(setzungen_.begin(), setzungen_.end(), [r](const TSetzung* s) { return s->Raum() == r; });
}

TRaum* TKurs::HaeufigsterRaum() const {
  std::vector<std::pair<TRaum*, int>> zaehler;
  for (const TSetzung* s : setzungen_) {
    if (!s->Raum()) continue;
    auto it =
        std::find_if(zaehler.begin(), zaehler.end(), [s](const auto& z) { return z.first == s->Raum(); });
    if (it == zaehler.end())
      zaehler.emplace_back(s->Raum(), 1);
    else
      ++it->second;
  }
  TRaum* bester = nullptr;
  int maximum = 0;
  for (const auto& [raum, anzahl] : zaehler)
    if (anzahl > maximum) {
      maximum = anzahl;
      bester = raum;
    }
  return bester;
}

std::string TKurs::TagesMuster(int d, std::string muster) const {
  muster.resize(kStunden, 'F');
  const int v = schule_->Standard().AktuelleVersion();
  for (const TSetzung* s : setzungen_) {
    if (s->Version() != v || s->Tag() != d || s->Stunde() < 1 || s->Stunde() > kStunden) continue;
    const char c = kopplung_ ? (s->Fixiert() ? 'L' : 'K') : (s->Fixiert() ? 'G' : 'E');
    muster[static_cast<std::size_t>(s->Stunde() - 1)] = c;
  }
  return muster;
}

int32_t TKurs::StundenImZeitraum(int32_t von, int32_t bis,
                                 const std::function<bool(int32_t)>& istFrei) const {
  if (nzl_ || bis < von) return 0;
  int64_t summe = 0;
  if (nvp_) {
    for (int64_t tag = von; tag <= bis; tag += 7)
      summe += Stunden(schule_->VersionDerWoche(static_cast<int32_t>(tag)));
  } else {
    for (int64_t t = von; t <= bis; ++t) {
      const auto tag = static_cast<int32_t>(t);
      const int wochentag = Uhr::Wochentag(tag);
      const int version = schule_->VersionDerWoche(tag);
      int anzahl = 0;
      for (const TSetzung* s : setzungen_)
        if (s->Tag() == wochentag && s->Version() == version) ++anzahl;
      if (anzahl && !(istFrei && istFrei(tag))) summe += anzahl;
    }
  }
  return static_cast<int32_t>(std::clamp<int64_t>(summe, INT32_MIN, INT32_MAX));
}

bool TKurs::KlassenAbwesend(int32_t datum, int p, const TKlasse* ausser) const {
  if (klassen_.Leer()) return false;
  for (const TKlasse* k : klassen_)
    if (k != ausser && !k->FehltAm(datum, p)) return false;
  return true;
}

void TKurs::UebernimmSperrung(const TWochBereich& vorlage) {
  const TStandard& st = schule_->Standard();
  const int von = st.eaw() ? st.AktuelleVersion() : 1;
  const int bis = st.eaw() ? st.AktuelleVersion() : sperrung_.Versionen();
  for (int v = von; v <= bis; ++v)
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p)
        sperrung_.SetzeBereich(v, d, p, vorlage.Belegt(v, d, p) && !belegung_.Belegt(v, d, p));
  Geaendert();
}

void TKurs::LoeseSperrungen(int v, int d, int p, TRaum* r) {
  if (lehrer_) lehrer_->Sperrung().SetzeBereich(v, d, p, false);
  for (TKlasse* k : klassen_) k->Sperrung().SetzeBereich(v, d, p, false);
  if (r) r->Sperrung().SetzeBereich(v, d, p, false);
  Geaendert();
}

void TKurs::StempleAenderung(TRaum* r) {
  // The data file keeps change dates to a hundredth of a day; stamping at that grain lets a
  // saved school read back and save again to the same bytes.
  constexpr int64_t hundertstel = 864;
  const int64_t jetzt = (schule_->Zeit().Jetzt() + hundertstel / 2) / hundertstel * hundertstel;
  if (lehrer_) lehrer_->StempleDatum(jetzt);
  if (r) r->StempleDatum(jetzt);
  for (TKlasse* k : klassen_) k->StempleDatum(jetzt);
}

// ---------------------------------------------------------------------------------------------
// Notifications

// Each of these is one action of its own when called outside one: its windows refresh once.

void TKurs::KursGeaendert() const {
  MerkeKursAenderung(*schule_, *this, nullptr);
}

void TKurs::SetzungenGeaendert() const {
  if (!schule_->HatFenster()) return;  // as every notice below would
  TSchule::TAktion aktion(*schule_);
  schule_->MerkeKurs(this, Aenderung::Zeichnen);
  if (lehrer_) lehrer_->AktualisierePlan();
  for (const TKlasse* k : klassen_) k->AktualisierePlan();
  for (const TRaum* r : raeume_) r->AktualisierePlan();
  schule_->MerkeArt(FensterArt::Manuell, Aenderung::Zeichnen);
}

void TKurs::KursEingefuegt() const {
  TSchule::TAktion aktion(*schule_);
  using namespace Aenderung;
  schule_->MerkeKurs(this, Daten);
  schule_->MerkeElement(lehrer_, Daten);
  schule_->MerkeElement(fach_, Daten);
  for (const TKlasse* k : klassen_) schule_->MerkeElement(k, Daten);
  schule_->MerkeElement(kopplung_, Daten);
  for (const TRaum* r : raeume_) schule_->MerkeElement(r, Daten);
  for (int art : ArtenDieKursenFolgen(true)) schule_->MerkeArt(art, Daten);
}

}  // namespace kolvar
