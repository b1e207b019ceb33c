#include "model/element.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/ifenster.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/text.h"
#include "model/uhr.h"

namespace kolvar {

// ---------------------------------------------------------------------------------------------
// TElement

TElement::TElement(TSchule& schule) : schule_(&schule) {}

TElement::~TElement() = default;

void TElement::SetzeKuerzel(std::string_view text) {
  kuerzel_ = KuerzeText(text, kKuerzelLaenge);
  schule_->SetzeGeaendert(true);
}

void TElement::SetzeName(std::string_view text) {
  name_ = KuerzeText(text, kNamenLaenge);
  schule_->SetzeGeaendert(true);
}

void TElement::FuelleStatistikZeile() const {
  // Rooms and tables have no rows that follow their courses.
  if (Art() == TElementArt::Raum || Art() == TElementArt::UVTab) return;
  schule_->MerkeElement(this, Aenderung::Statistik);
}

void TElement::Aktualisiere() {
  schule_->MerkeElement(this, Aenderung::Daten | Aenderung::Statistik);
  schule_->SetzeGeaendert(true);
}

void TElement::ZeigeWerte() {
  schule_->MerkeElement(this, Aenderung::Werte | Aenderung::Statistik);
  schule_->SetzeGeaendert(true);
}

int32_t TElement::Ist(int v, bool einzeln, int seite, bool gewichtet) const {
  int64_t summe = 0;
  std::vector<const TKopplung*> gezaehlt;
  for (const TKurs* k : kurse_) {
    const int64_t f = gewichtet ? k->Faktor() : 1;
    if (seite == Seite::Lehrer) {
      if (!k->Lehrer() || k->NichtZaehlenLehrer()) continue;
    } else if (seite == Seite::Klasse) {
      if (k->Klassen().Leer() || k->NichtZaehlenKlassen()) continue;
    } else if (seite == Seite::Alle) {
      if (k->NichtZaehlenLehrer() && k->NichtZaehlenKlassen()) continue;
    } else {
      continue;
    }
    if (!k->Kopplung() || einzeln) {
      summe += int64_t{k->Stunden(v)} * f;
      continue;
    }
    if (std::find(gezaehlt.begin(), gezaehlt.end(), k->Kopplung()) != gezaehlt.end()) continue;
    gezaehlt.push_back(k->Kopplung());
    if (const TKurs* groesster = k->Kopplung()->GroessterKurs(v, gewichtet))
      summe += int64_t{groesster->Stunden(v)} * f;
  }
  return static_cast<int32_t>(std::clamp<int64_t>(summe, INT32_MIN, INT32_MAX));
}

int32_t TElement::IstEinfach(int v, bool einzeln, int seite) const {
  return Ist(v, einzeln, seite, false);
}
int32_t TElement::IstGewichtet(int v, bool einzeln, int seite) const {
  return Ist(v, einzeln, seite, true);
}

int32_t TElement::NichtGezaehlteStunden(int v, int seite) const {
  int32_t summe = 0;
  for (const TKurs* k : kurse_) {
    const bool nicht = seite == Seite::Lehrer   ? k->NichtZaehlenLehrer()
                       : seite == Seite::Klasse ? k->NichtZaehlenKlassen()
                                                : false;
    if (nicht) summe += k->Stunden(v) * k->Faktor();
  }
  return summe;
}

int32_t TElement::NichtVerplanteStunden(int v) const {
  int32_t summe = 0;
  for (const TKurs* k : kurse_)
    if (k->NichtVerplanen()) summe += k->Stunden(v) * k->Faktor();
  return summe;
}

int32_t TElement::StundenMitLehrer(int v) const {
  int32_t summe = 0;
  for (const TKurs* k : kurse_)
    if (k->Lehrer()) summe += k->Stunden(v) * k->Faktor();
  return summe;
}

bool TElement::HatVerplanteKurse() const {
  return std::any_of(kurse_.begin(), kurse_.end(), [](const TKurs* k) { return !k->Setzungen().Leer(); });
}

TSetzung* TElement::SetzungAn(int v, int d, int p, bool nurUnfixiert) const {
  int von, bis;
  VersionsBereich(schule_->Standard().Versionen(), schule_->Standard().mwn(), v, von, bis);
  if (!KannSetzungHaben(von, bis, d, p)) return nullptr;
  for (TKurs* k : kurse_)
    for (int ver = von; ver <= bis; ++ver) {
      if (!k->HatSetzung(ver, d, p)) continue;  // most courses: the grid answers without a search
      TSetzung* s = k->FindeSetzung(ver, d, p);
      if (s && ZaehltSetzung(*s) && !(nurUnfixiert && s->Fixiert())) return s;
    }
  return nullptr;
}

TKurs* TElement::KursAn(int v, int d, int p) const {
  TSetzung* s = SetzungAn(v, d, p);
  return s ? &s->Kurs() : nullptr;
}

int VergleicheElemente(const TElement* a, const TElement* b) {
  if (a->Nummer() == b->Nummer()) return 0;
  return a->Nummer() < b->Nummer() ? -1 : 1;
}

// ---------------------------------------------------------------------------------------------
// TPlanElement

TPlanElement::TPlanElement(TSchule& schule)
    : TElement(schule), sperrung_(schule.Standard().Versionen()), belegung_(schule.Standard().Versionen()) {
  for (int v = 1; v <= sperrung_.Versionen(); ++v) sperrung_.SetzeWoche(v, schule.Standard().gds);
}

TPlanElement::~TPlanElement() {
  // Records that outlive their element (only while the school goes) point nowhere.
  const std::vector<TFehl*> uebrig = fehlzeiten_;
  for (TFehl* f : uebrig) f->SetzeElement(nullptr);
}

void TPlanElement::VergissFehlzeit(const TFehl* f) {
  std::erase(fehlzeiten_, f);
  VerlegeFehlzeit(f, false);
}

void TPlanElement::NimmFehlzeit(TFehl* f) {
  fehlzeiten_.push_back(f);
  const auto w = static_cast<std::size_t>(Uhr::Wochentag(f->Datum()) - 1);
  nachWochentag_[w].push_back(f);
  DatenAm(w).push_back(f->Datum());
}

void TPlanElement::VerlegeFehlzeit(const TFehl* f, bool rein) {
  const int wochentag = Uhr::Wochentag(f->Datum());
  std::vector<const TFehl*>& tag = nachWochentag_[static_cast<std::size_t>(wochentag - 1)];
  std::vector<int32_t>& daten = DatenAm(static_cast<std::size_t>(wochentag - 1));
  if (!rein) {
    for (std::size_t i = tag.size(); i-- > 0;)
      if (tag[i] == f) {
        tag.erase(tag.begin() + static_cast<std::ptrdiff_t>(i));
        daten.erase(daten.begin() + static_cast<std::ptrdiff_t>(i));
      }
    return;
  }
  // Each weekday's list keeps the order of all absences: callers walk it as they walked those.
  tag.clear();
  daten.clear();
  for (const TFehl* x : fehlzeiten_)
    if (Uhr::Wochentag(x->Datum()) == wochentag) {
      tag.push_back(x);
      daten.push_back(x->Datum());
    }
}

const std::vector<const TFehl*>& TPlanElement::FehlzeitenAmWochentag(int wochentag) const {
  static const std::vector<const TFehl*> keine;
  if (wochentag < 1 || wochentag > 7) return keine;
  return nachWochentag_[static_cast<std::size_t>(wochentag - 1)];
}

const std::vector<int32_t>& TPlanElement::FehlDatenAmWochentag(int wochentag) const {
  static const std::vector<int32_t> keine;
  if (wochentag < 1 || wochentag > 7 || !fehlDaten_) return keine;
  return fehlDaten_->daten[static_cast<std::size_t>(wochentag - 1)];
}

const TPlanElement::TFehlDaten* TPlanElement::FehlDatenAktuell() const {
  if (!fehlDaten_) return nullptr;
  TFehlDaten& f = *fehlDaten_;
  const TSchule& schule = Schule();
  const int zahl = schule.Standard().mwn();
  if (f.wochenStand != schule.WochenStand() || f.versionenZahl != zahl) {
    for (std::size_t w = 0; w < f.daten.size(); ++w) {
      uint64_t maske = 0;
      const std::vector<const TFehl*>& fehl = nachWochentag_[w];
      std::vector<uint32_t>& art = f.slotArt[w];
      art.assign(f.daten[w].size(), 0);
      for (std::size_t i = 0; i < f.daten[w].size(); ++i) {
        const int version = schule.VersionDerWoche(f.daten[w][i]);
        if (version >= 1 && version <= 64) maske |= uint64_t{1} << (version - 1);
        const uint32_t stunden = i < fehl.size() ? fehl[i]->Stunden() : 0;
        art[i] = static_cast<uint32_t>(std::clamp(version, 0, 0xFFFF)) << 16 | stunden;
      }
      f.versionen[w] = maske;
    }
    f.wochenStand = schule.WochenStand();
    f.versionenZahl = zahl;
  }
  return &f;
}

bool TPlanElement::FehltInVersionAmWochentag(int wochentag, int v) const {
  if (wochentag < 1 || wochentag > 7 || v < 1 || v > 64) return false;
  const TFehlDaten* f = FehlDatenAktuell();
  return f && (f->versionen[static_cast<std::size_t>(wochentag - 1)] >> (v - 1) & 1u) != 0;
}

void TPlanElement::FehlDatenImSlot(int v, int d, int p, std::vector<int32_t>& tage) const {
  if (d < 1 || d > 7 || v < 1 || v > 64 || p < 1 || p > 16) return;
  const TFehlDaten* f = FehlDatenAktuell();
  const auto w = static_cast<std::size_t>(d - 1);
  if (!f || (f->versionen[w] >> (v - 1) & 1u) == 0) return;
  const uint32_t version = static_cast<uint32_t>(v) << 16, stunde = 1u << (16 - p);
  const std::vector<uint32_t>& art = f->slotArt[w];
  for (std::size_t i = 0; i < art.size(); ++i)
    if ((art[i] & 0xFFFF0000u) == version && (art[i] & stunde) != 0) tage.push_back(f->daten[w][i]);
}

void TPlanElement::FehlStundenGeaendert() {
  if (fehlDaten_) fehlDaten_->wochenStand = 0;
}

std::vector<int32_t>& TPlanElement::DatenAm(std::size_t w) {
  if (!fehlDaten_) fehlDaten_ = std::make_unique<TFehlDaten>();
  fehlDaten_->wochenStand = 0;  // the versions are made again at the next question
  return fehlDaten_->daten[w];
}

void TPlanElement::SetzeDatum(int64_t zeit) {
  datum_ = zeit;
  Schule().SetzeGeaendert(true);
}

TListe<TKurs> TPlanElement::KurseAn(int v, int d, int p) const {
  TListe<TKurs> liste;
  if (!belegung_.Belegt(v, d, p)) return liste;
  for (TKurs* k : Kurse())
    if (k->Belegung().Belegt(v, d, p)) liste.Haenge(k);
  return liste;
}

std::string TPlanElement::Tagesmuster(int v, int d) const {
  std::string muster(kStunden, 'F');
  const TStandard& st = Schule().Standard();
  for (int p = 1; p <= kStunden; ++p) {
    char& c = muster[static_cast<std::size_t>(p - 1)];
    if (sperrung_.Belegt(v, d, p)) {
      c = 'S';
      continue;
    }
    if (!belegung_.Belegt(v, d, p)) continue;
    if (const TSetzung* s = SetzungAn(v, d, p)) {
      const bool gekoppelt = s->Kurs().Kopplung() != nullptr;
      c = s->Fixiert() ? (gekoppelt ? 'L' : 'G') : (gekoppelt ? 'K' : 'E');
    }
  }
  const int pst = std::clamp(st.pst, 1, kStunden);
  auto gesetzt = [&](int p) {
    const char c = muster[static_cast<std::size_t>(p - 1)];
    return c == 'E' || c == 'G' || c == 'K' || c == 'L';
  };
  int erste = 0, letzte = 0;
  for (int p = 1; p <= pst; ++p)
    if (gesetzt(p)) {
      if (!erste) erste = p;
      letzte = p;
    }
  if (erste && erste < letzte)
    for (int p = erste; p <= letzte; ++p)
      if (muster[static_cast<std::size_t>(p - 1)] == 'F') muster[static_cast<std::size_t>(p - 1)] = 'U';
  return muster;
}

int TPlanElement::Springstunden() const {
  const TStandard& st = Schule().Standard();
  const int v = st.AktuelleVersion();
  const int tage = std::clamp(st.mtn, 0, kTage);
  const int pst = std::clamp(st.pst, 1, kStunden);
  int summe = 0;
  for (int d = 1; d <= tage; ++d) {
    int erste = 0, letzte = 0;
    for (int p = 1; p <= pst; ++p)
      if (belegung_.Belegt(v, d, p)) {
        if (!erste) erste = p;
        letzte = p;
      }
    if (erste && erste < letzte)
      for (int p = erste; p <= letzte; ++p)
        if (!belegung_.Belegt(v, d, p) && !sperrung_.Belegt(v, d, p)) ++summe;
  }
  return summe;
}

bool TPlanElement::FehltAm(int32_t datum, int p) const {
  // Only the date's weekday holds it, and the periods kept beside the dates answer: no record
  // is read.
  if (p < 1 || p > 16) return false;
  const TFehlDaten* f = FehlDatenAktuell();
  if (!f) return false;
  const auto w = static_cast<std::size_t>(Uhr::Wochentag(datum) - 1);
  if (w >= f->daten.size()) return false;
  const std::vector<int32_t>& daten = f->daten[w];
  const std::vector<uint32_t>& art = f->slotArt[w];
  const uint32_t stunde = 1u << (16 - p);
  for (std::size_t i = 0; i < daten.size() && i < art.size(); ++i)
    if (daten[i] == datum && (art[i] & stunde) != 0) return true;
  return false;
}

void TPlanElement::UebernimmSperrung(const TWochBereich& vorlage) {
  const TStandard& st = Schule().Standard();
  const int von = st.eaw() ? st.AktuelleVersion() : 1;
  const int bis = st.eaw() ? st.AktuelleVersion() : sperrung_.Versionen();
  for (int v = von; v <= bis; ++v)
    for (int d = 1; d <= kTage; ++d)
      for (int p = 1; p <= kStunden; ++p)
        sperrung_.SetzeBereich(v, d, p, vorlage.Belegt(v, d, p) && !belegung_.Belegt(v, d, p));
  Schule().SetzeGeaendert(true);
}

void TPlanElement::AktualisierePlan() const {
  Schule().MerkeElement(this, Aenderung::Zeichnen);
}

namespace {
constexpr std::size_t kSlots = kTage * kStunden;

bool SlotGueltig(int v, int d, int p) {
  return v >= 1 && v <= kMaxVersionen && d >= 1 && d <= kTage && p >= 1 && p <= kStunden;
}
}  // namespace

// Slot-major, the versions of a slot side by side: a lesson's hours in many versions mostly
// share their slot, so counting them touches one place of memory.
std::size_t TPlanElement::ZaehlerIndex(int v, int d, int p) const {
  return static_cast<std::size_t>((d - 1) * kStunden + p - 1) * static_cast<std::size_t>(zaehlerVersionen_) +
         static_cast<std::size_t>(v - 1);
}

void TPlanElement::SetzeVersionen(int n) {
  sperrung_.SetzeVersionen(n);
  belegung_.SetzeVersionen(n);
  if (!anzahl_.empty()) LegeZaehlerUm(std::clamp(n, 1, kMaxVersionen));
}

void TPlanElement::LegeZaehlerUm(int neu) {
  // Counts of the versions that stay move to the new layout; placements of dropped versions
  // are gone by now.
  std::vector<uint16_t> umgelegt(kSlots * static_cast<std::size_t>(neu), 0);
  const int bleiben = std::min(neu, zaehlerVersionen_);
  for (std::size_t slot = 0; slot < kSlots; ++slot)
    for (int v = 0; v < bleiben; ++v)
      umgelegt[slot * static_cast<std::size_t>(neu) + static_cast<std::size_t>(v)] =
          anzahl_[slot * static_cast<std::size_t>(zaehlerVersionen_) + static_cast<std::size_t>(v)];
  anzahl_ = std::move(umgelegt);
  zaehlerVersionen_ = neu;
}

int TPlanElement::SetzungenAn(int v, int d, int p) const {
  if (!SlotGueltig(v, d, p) || v > zaehlerVersionen_ || anzahl_.empty()) return 0;
  return anzahl_[ZaehlerIndex(v, d, p)];
}

bool TPlanElement::KannSetzungHaben(int von, int bis, int d, int p) const {
  for (int v = von; v <= bis; ++v)
    if (SetzungenAn(v, d, p) > 0) return true;
  return false;
}

void TPlanElement::ZaehleSetzung(int v, int d, int p, int schritt) {
  if (!SlotGueltig(v, d, p)) return;
  if (anzahl_.empty() || v > zaehlerVersionen_) {
    if (schritt <= 0) return;
    // Every version at once, at the first placement: elements never placed cost nothing.
    const int versionen = std::max({v, belegung_.Versionen(), zaehlerVersionen_});
    if (anzahl_.empty()) {
      zaehlerVersionen_ = versionen;
      anzahl_.resize(kSlots * static_cast<std::size_t>(versionen), 0);
    } else {
      LegeZaehlerUm(versionen);
    }
  }
  uint16_t& n = anzahl_[ZaehlerIndex(v, d, p)];
  if (schritt > 0)
    ++n;
  else if (n > 0)
    --n;
  if (TWoElem* w = belegung_.Woche(v)) w->SetzeStunde(d, p, n > 0);
}

void TPlanElement::HoleZaehlerVor(int v, int d, int p) const {
  if (!SlotGueltig(v, d, p)) return;
  if (v <= zaehlerVersionen_ && !anzahl_.empty()) __builtin_prefetch(&anzahl_[ZaehlerIndex(v, d, p)]);
  if (const TWoElem* w = belegung_.Woche(v)) __builtin_prefetch(w);
  if (const TWoElem* w = sperrung_.Woche(v)) __builtin_prefetch(w);
  if (fehlDaten_) __builtin_prefetch(fehlDaten_.get());
}

void TPlanElement::LeereZaehler() {
  anzahl_.clear();
  zaehlerVersionen_ = 0;
  belegung_.Leere();
}

void TPlanElement::Loese() {}

// ---------------------------------------------------------------------------------------------
// TSollElement

TSollElement::TSollElement(TSchule& schule) : TPlanElement(schule), soll_(schule.Standard().Versionen()) {
  for (int v = 1; v <= soll_.Versionen(); ++v) soll_.SetzeStunden(v, schule.Standard().les);
}

void TSollElement::SetzeSoll(int v, int32_t wert) {
  const int32_t hoechst = 200 * std::max(1, Schule().Standard().dvs);
  soll_.SetzeStunden(v, std::clamp(wert, 0, hoechst));
  Schule().SetzeGeaendert(true);
}

void TSollElement::UebernimmSoll(int32_t wert) {
  const TStandard& st = Schule().Standard();
  if (st.eaw()) {
    SetzeSoll(st.AktuelleVersion(), wert);
  } else {
    for (int v = 1; v <= soll_.Versionen(); ++v) SetzeSoll(v, wert);
  }
  // The editor, the workload and the statistics row show the target.
  Schule().MerkeElement(this, Aenderung::Werte);
  FuelleStatistikZeile();
}

void TSollElement::AendereSoll(int32_t delta) {
  SetzeSoll(-1, Soll(Schule().Standard().AktuelleVersion()) + delta);
  Schule().MerkeFenster(GrForm(), Aenderung::Werte);
  FuelleStatistikZeile();
}

std::string TSollElement::FachStundenText(const TFach* fach, int seite) const {
  const TStandard& st = Schule().Standard();
  const bool lehrerSeite = seite == Seite::Lehrer;
  int64_t a = 0;
  for (const TKurs* k : Kurse()) {
    if (k->Fach() != fach) continue;
    if (lehrerSeite ? k->NichtZaehlenLehrer() : k->NichtZaehlenKlassen()) continue;
    a += int64_t{k->Stunden(-1)} * k->Faktor();
  }
  const int64_t ist = IstGewichtet(-1, ZaehltEinzeln(), lehrerSeite ? Seite::Lehrer : Seite::Klasse);
  const int64_t b = ist - a;
  const int64_t c = int64_t{Soll(-1)} - a - b;
  auto zahl = [&](int64_t w) { return FormatiereStunden(w, st); };
  return "[" + zahl(a) + " " + "]-[" + zahl(b) + " " + "]-[" + zahl(c) + " " + "]  " + Kuerzel();
}

void TSollElement::VerschiebeRaumInKursen(TRaum* alt, TRaum* neu) {
  const std::vector<TKurs*> kurse = Kurse().Elemente();
  for (TKurs* k : kurse) {
    if (alt) {
      if (k->Raeume().Position(alt) == 0) continue;
      if (!k->RaumVerplant(alt)) k->EntferneRaum(alt);
    }
    if (neu && k->Raeume().Position(neu) == 0) k->FuegeRaumHinzu(neu, false);
  }
}

bool TSollElement::HatSetzungOhneRaum() const {
  for (const TKurs* k : Kurse())
    for (const TSetzung* s : k->Setzungen())
      if (s->Raum() == nullptr) return true;
  return false;
}

void TSollElement::SetzeVersionen(int n) {
  TPlanElement::SetzeVersionen(n);
  soll_.SetzeVersionen(n);
}

}  // namespace kolvar
