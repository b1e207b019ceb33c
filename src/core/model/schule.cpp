#include "model/schule.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "model/fach.h"
#include "model/fehl.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/ipalettezustand.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/parliste.h"
#include "model/raum.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "model/undoelement.h"
#include "model/uvtab.h"
#include "model/vertretungshaken.h"

namespace kolvar {

namespace {

// Stand-ins for services a school was made without: questions are answered "Nein".
class TStilleDialoge : public IDialoge {
 public:
  int Frage(TDialog, const std::vector<std::string>&) override { return Modal::Nein; }
  void Melde(TDialog, const std::vector<std::string>&) override {}
};

class TStillePalette : public IPaletteZustand {
 public:
  uint8_t Tasten() const override { return 0; }
  bool Beschaeftigt() const override { return beschaeftigt_; }
  void SetzeBeschaeftigt(bool an) override { beschaeftigt_ = an; }
  bool UndoAufzeichnen() const override { return undo_; }
  void SetzeUndoAufzeichnen(bool an) override { undo_ = an; }
  std::string AblageText() const override { return {}; }
  void SetzeSichernAktiv(bool) override {}
  void SetzeWiderrufenAktiv(bool) override {}

 private:
  bool beschaeftigt_ = false;
  bool undo_ = false;
};

template <typename T, typename Vergleich>
void SortiereStabil(TListe<T>& liste, Vergleich vergleiche) {
  const auto vor = [&](T* a, T* b) { return vergleiche(a, b) < 0; };
  // Mostly the list is in order already (a file just read): one pass instead of a sort.
  if (std::is_sorted(liste.begin(), liste.end(), vor)) return;
  std::vector<T*> elemente = liste.Elemente();
  std::stable_sort(elemente.begin(), elemente.end(), vor);
  liste.Leere();
  for (T* e : elemente) liste.Haenge(e);
}

template <typename T>
void Nummeriere(TListe<T>& liste) {
  for (int i = 1; i <= liste.Anzahl(); ++i) liste.Hole(i)->SetzeNummer(i);
}

}  // namespace

TSchule::TSchule(TStandard& standard, TUmgebung umgebung)
    : standard_(&standard),
      parListe_(new TParListe),
      raster1_(standard.Versionen()),
      raster2_(standard.Versionen()) {
  if (!umgebung.Dialoge) eigeneDialoge_ = std::make_unique<TStilleDialoge>();
  if (!umgebung.Palette) eigenePalette_ = std::make_unique<TStillePalette>();
  if (!umgebung.Zeit) eigeneUhr_ = std::make_unique<TSystemUhr>();
  dialoge_ = umgebung.Dialoge ? umgebung.Dialoge : eigeneDialoge_.get();
  palette_ = umgebung.Palette ? umgebung.Palette : eigenePalette_.get();
  uhr_ = umgebung.Zeit ? umgebung.Zeit : eigeneUhr_.get();
  wochen_.fill(1);
}

TSchule::~TSchule() {
  // Frees only: every object's links point into this school, which goes as a whole.
  VertretungenFreigeben(*this);
  kurse_.Vernichte(true);
  lehrer_.Vernichte(true);
  klassen_.Vernichte(true);
  kopplungen_.Vernichte(true);
  faecher_.Vernichte(true);
  raeume_.Vernichte(true);
  uvTabellen_.Vernichte(true);
  lehrerFehlen_.Vernichte(true);
  klassenFehlen_.Vernichte(true);
  raumFehlen_.Vernichte(true);
  delete parListe_;
  undo_.Vernichte(true);
}

void TSchule::SetzeTitel(std::string_view titel) {
  titel_ = KuerzeText(titel, kTitelLaenge);
}

void TSchule::SetzeModus(uint8_t modus) {
  modus_ = modus;
  if (modus == Modus::Setzen || modus == Modus::Schieben)
    if (IManuellFenster* m = ManuellFenster()) m->ModusGeaendert();
  SetzeCursor();
}

void TSchule::SetzeCursor() {
  const uint8_t tasten = palette_->Tasten();
  for (IFenster* f : Fenster())
    if (IstAngemeldet(f)) f->SetzeCursorNachModus(modus_, tasten);
}

void TSchule::SetzeGeaendert(bool an) {
  geaendert_ = an;
  palette_->SetzeSichernAktiv(an);
}

const TListe<TFehl>* TSchule::FehlListe(const TPlanElement& e) const {
  switch (e.Art()) {
    case TElementArt::Lehrer:
      return &lehrerFehlen_;
    case TElementArt::Klasse:
      return &klassenFehlen_;
    case TElementArt::Raum:
      return &raumFehlen_;
    default:
      return nullptr;
  }
}

// ---------------------------------------------------------------------------------------------
// Elements

template <typename T>
T* TSchule::Haenge(TListe<T>& liste, T* e, std::string_view kuerzel) {
  e->SetzeKuerzel(kuerzel);
  liste.Haenge(e);
  e->SetzeNummer(liste.Anzahl());
  e->SetzeLadeNummer(liste.Anzahl());
  SetzeGeaendert(true);
  return e;
}

TLehrer* TSchule::NeuerLehrer(std::string_view k) {
  return Haenge(lehrer_, new TLehrer(*this), k);
}
TKlasse* TSchule::NeueKlasse(std::string_view k) {
  return Haenge(klassen_, new TKlasse(*this), k);
}
TKopplung* TSchule::NeueKopplung(std::string_view k) {
  return Haenge(kopplungen_, new TKopplung(*this), k);
}
TFach* TSchule::NeuesFach(std::string_view k) {
  return Haenge(faecher_, new TFach(*this), k);
}
TRaum* TSchule::NeuerRaum(std::string_view k) {
  return Haenge(raeume_, new TRaum(*this), k);
}
TUVTab* TSchule::NeueUVTab(std::string_view k) {
  return Haenge(uvTabellen_, new TUVTab(*this), k);
}

template <typename F>
decltype(auto) TSchule::MitListe(TElementArt art, F&& f) {
  switch (art) {
    case TElementArt::Lehrer:
      return f(lehrer_);
    case TElementArt::Klasse:
      return f(klassen_);
    case TElementArt::Kopplung:
      return f(kopplungen_);
    case TElementArt::Fach:
      return f(faecher_);
    case TElementArt::Raum:
      return f(raeume_);
    case TElementArt::UVTab:
      break;
  }
  return f(uvTabellen_);
}

std::vector<TElement*> TSchule::Elemente(TElementArt art) const {
  return MitListe(art, [](const auto& liste) { return std::vector<TElement*>(liste.begin(), liste.end()); });
}

TElement* TSchule::NeuesElement(TElementArt art, std::string_view k) {
  switch (art) {
    case TElementArt::Lehrer:
      return NeuerLehrer(k);
    case TElementArt::Klasse:
      return NeueKlasse(k);
    case TElementArt::Kopplung:
      return NeueKopplung(k);
    case TElementArt::Fach:
      return NeuesFach(k);
    case TElementArt::Raum:
      return NeuerRaum(k);
    case TElementArt::UVTab:
      return NeueUVTab(k);
  }
  return nullptr;
}

TLehrer* TSchule::LehrerMitKuerzel(std::string_view t) {
  TLehrer* e = SucheKuerzel(lehrer_, t);
  return e ? e : NeuerLehrer(t);
}
TKlasse* TSchule::KlasseMitKuerzel(std::string_view t) {
  TKlasse* e = SucheKuerzel(klassen_, t);
  return e ? e : NeueKlasse(t);
}
TFach* TSchule::FachMitKuerzel(std::string_view t) {
  TFach* e = SucheKuerzel(faecher_, t);
  return e ? e : NeuesFach(t);
}
TKopplung* TSchule::KopplungMitKuerzel(std::string_view t) {
  TKopplung* e = SucheKuerzel(kopplungen_, t);
  return e ? e : NeueKopplung(t);
}
TRaum* TSchule::RaumMitKuerzel(std::string_view t) {
  TRaum* e = SucheKuerzel(raeume_, t);
  return e ? e : NeuerRaum(t);
}

void TSchule::SchliesseFensterVon(TElement* e) {
  // Closing one window may close others: look again after each, never at a stale list.
  std::vector<IFenster*> versucht;
  for (;;) {
    IFenster* f = nullptr;
    for (const TOffenesFenster& o : fenster_)
      if ((o.Element == e || o.Fenster->Element() == e) &&
          std::find(versucht.begin(), versucht.end(), o.Fenster) == versucht.end()) {
        f = o.Fenster;
        break;
      }
    if (!f) break;
    versucht.push_back(f);
    f->Schliesse();
    MeldeFensterAb(f);
  }
  e->formen_.fill(nullptr);
}

void TSchule::LoescheFehlen(TListe<TFehl>& liste, const TPlanElement* e) {
  const std::vector<TFehl*> alle = liste.Elemente();
  for (TFehl* f : alle)
    if (f->Element() == e) {
      liste.Entferne(f);
      delete f;
    }
}

void TSchule::LoescheElement(TElement* e) {
  if (!e) return;
  const TElementArt art = e->Art();
  const bool gefunden = MitListe(
      art, [e](auto& liste) { return liste.Position(static_cast<decltype(liste.Hole(1))>(e)) != 0; });
  if (!gefunden) return;
  TAktion aktion(*this);

  VertretungenVorLoeschen(*this, e);
  e->Loese();

  // Links every kind shares: tables, the pop-ups' chosen elements, absences, undo steps.
  if (art == TElementArt::Lehrer || art == TElementArt::Klasse || art == TElementArt::Fach) {
    for (TUVTab* t : uvTabellen_) {
      if (art == TElementArt::Lehrer) t->EntferneLehrer(static_cast<TLehrer*>(e));
      if (art == TElementArt::Klasse) t->EntferneKlasse(static_cast<TKlasse*>(e));
      if (art == TElementArt::Fach) t->EntferneFach(static_cast<TFach*>(e));
    }
    for (TUVTab* t : uvTabellen_) t->Aktualisiere();
  }
  for (TFach* f : faecher_) {
    if (f->GewaehlterLehrer() == e) f->SetzeGewaehltenLehrer(nullptr);
    if (f->GewaehlteKlasse() == e) f->SetzeGewaehlteKlasse(nullptr);
  }
  for (TLehrer* l : lehrer_)
    if (l->GewaehltesFach() == e) l->SetzeGewaehltesFach(nullptr);
  if (art == TElementArt::Lehrer) LoescheFehlen(lehrerFehlen_, static_cast<TPlanElement*>(e));
  if (art == TElementArt::Klasse) LoescheFehlen(klassenFehlen_, static_cast<TPlanElement*>(e));
  if (art == TElementArt::Raum) {
    LoescheFehlen(raumFehlen_, static_cast<TPlanElement*>(e));
    EntferneUndoRaum(static_cast<TRaum*>(e));
  }
  SchliesseFensterVon(e);
  if (IManuellFenster* m = ManuellFenster()) m->ElementWirdGeloescht(e);
  aenderungen_.Vergiss(e);
  // The statistics window of its kind hears of it, also when nothing else changed, and finds
  // its rows no longer match the list.
  for (const TFensterArtInfo& f : FensterArten())
    if (f.Slot == TFensterSlot::Einzel && f.Liste == art) MerkeArt(f.Tag, Aenderung::Statistik);

  MitListe(art, [e](auto& liste) { liste.Entferne(static_cast<decltype(liste.Hole(1))>(e)); });
  delete e;
  NummeriereNeu(art);
  SetzeGeaendert(true);
}

void TSchule::NummeriereNeu(TElementArt art) {
  MitListe(art, [](auto& liste) { Nummeriere(liste); });
  // Every list ordered by element numbers follows.
  for (TUVTab* t : uvTabellen_) t->Sortiere();
  for (TLehrer* l : lehrer_) SortiereStabil(l->faecher_, VergleicheFaecher);
  for (TFach* f : faecher_) {
    SortiereStabil(f->lehrer_, VergleicheLehrer);
    SortiereStabil(f->klassen_, VergleicheKlassen);
  }
  for (TKurs* k : kurse_) SortiereStabil(k->klassen_, VergleicheKlassen);
  OrdneKurseNeu();
  VertretungenNeuOrdnen(*this);
}

void TSchule::VerschiebeElement(TElement* e, int position) {
  auto verschiebe = [&](auto& liste, auto* x) {
    if (liste.Entferne(x)) liste.FuegeEin(position, x);
  };
  switch (e->Art()) {
    case TElementArt::Lehrer:
      verschiebe(lehrer_, static_cast<TLehrer*>(e));
      break;
    case TElementArt::Klasse:
      verschiebe(klassen_, static_cast<TKlasse*>(e));
      break;
    case TElementArt::Kopplung:
      verschiebe(kopplungen_, static_cast<TKopplung*>(e));
      break;
    case TElementArt::Fach:
      verschiebe(faecher_, static_cast<TFach*>(e));
      break;
    case TElementArt::Raum:
      verschiebe(raeume_, static_cast<TRaum*>(e));
      break;
    case TElementArt::UVTab:
      verschiebe(uvTabellen_, static_cast<TUVTab*>(e));
      break;
  }
  NummeriereNeu(e->Art());
  SetzeGeaendert(true);
}

void TSchule::OrdneKurseNeu() {
  for (TKurs* k : kurse_) k->BerechneSortierSchluessel();
  auto ordne = [](auto& liste) {
    for (auto* e : liste) {
      if (e->Art() == TElementArt::Klasse)
        SortiereStabil(e->KurseIntern(), VergleicheKurseNachOrdnung);
      else
        SortiereStabil(e->KurseIntern(), VergleicheKurse);
    }
  };
  ordne(lehrer_);
  ordne(klassen_);
  ordne(kopplungen_);
  ordne(faecher_);
  ordne(raeume_);
  SortiereStabil(kurse_, VergleicheKurse);
}

// ---------------------------------------------------------------------------------------------
// Courses

TKurs* TSchule::ErzeugeKurs(TLehrer* l, TKlasse* k, TKopplung* ko, TFach* f, TRaum* r, int32_t stunden) {
  auto* kurs = new TKurs(*this, NaechsteKursNummer());
  kurs->Initialisiere(l, k, ko, f, r, stunden);
  return kurs;
}

TKurs* TSchule::NeuerFreierKurs() {
  return ErzeugeKurs(nullptr, nullptr, nullptr, nullptr, nullptr, standard_->kst);
}

TKurs* TSchule::NeuerKurs() {
  if (!aktiv_) return nullptr;
  const int art = aktiv_->Tag();
  if (art == FensterArt::KursDep) return NeuerFreierKurs();
  // Element windows, but not those of tables.
  TElement* e = aktiv_->Element();
  if (!e || !IstElementFenster(art) || e->Art() == TElementArt::UVTab) return nullptr;
  switch (e->Art()) {
    case TElementArt::Lehrer:
      return static_cast<TLehrer*>(e)->NeuerKurs();
    case TElementArt::Klasse:
      return static_cast<TKlasse*>(e)->NeuerKurs();
    case TElementArt::Raum:
      return static_cast<TRaum*>(e)->NeuerKurs();
    case TElementArt::Kopplung:
      return static_cast<TKopplung*>(e)->NeuerKurs();
    case TElementArt::Fach:
      return static_cast<TFach*>(e)->NeuerKurs();
    default:
      return nullptr;
  }
}

void TSchule::LoescheMarkierteKurse() {
  // Table and workload windows (view group 1) delete what is selected in them.
  const TFensterArtInfo* art = aktiv_ ? FensterArtInfo(aktiv_->Tag()) : nullptr;
  if (art && art->Gruppe == 1) aktiv_->LoescheMarkierteKurse();
}

void TSchule::LoescheKurs(TKurs* k) {
  if (!k || !kurse_.Entferne(k)) return;
  TAktion aktion(*this);
  for (IFenster* f : Fenster())
    if (IstAngemeldet(f)) f->KursWirdGeloescht(k);
  while (!k->setzungen_.Leer()) k->EntferneSetzungIntern(k->setzungen_.Hole(1), false);
  k->LoeseLehrer();
  k->LoeseFach();
  k->LoeseKopplung();
  while (!k->klassen_.Leer()) k->EntferneKlasse(k->klassen_.Hole(1));
  while (!k->raeume_.Leer()) k->EntferneRaum(k->raeume_.Hole(1));
  k->spaeterRaeume_.Leere();
  EntferneUndoVon(k);
  if (IManuellFenster* m = ManuellFenster()) m->EntferneKurs(k);
  aenderungen_.Vergiss(k);
  delete k;
  SetzeGeaendert(true);
}

// ---------------------------------------------------------------------------------------------
// Plan versions and weeks

bool TSchule::HatSetzungenUeber(int n) const {
  for (const TKurs* k : kurse_)
    for (const TSetzung* s : k->Setzungen())
      if (s->Version() > n) return true;
  return false;
}

bool TSchule::ZeigeAlleSetzungen() {
  int tag = 0, stunde = 0;
  for (const TKurs* k : kurse_)
    for (const TSetzung* s : k->Setzungen()) {
      tag = std::max(tag, s->Tag());
      stunde = std::max(stunde, s->Stunde());
    }
  return ZeigeSetzungenBis(tag, stunde);
}

bool TSchule::ZeigeSetzungenBis(int tag, int stunde) {
  bool geaendert = false;
  if (tag > standard_->mtn) {
    standard_->SetTageProWoche(tag);
    geaendert = true;
  }
  if (stunde > standard_->pst) {
    standard_->pst = std::min(stunde, kStunden);
    geaendert = true;
  }
  if (geaendert) AktualisiereAlleFenster();
  return geaendert;
}

void TSchule::ErweiterePlanversionen(int n) {
  const int alt = standard_->mwn();
  n = std::min(n, kMaxVersionen);
  if (n <= alt) return;
  raster1_.SetzeVersionen(n);
  raster2_.SetzeVersionen(n);
  for (int v = alt + 1; v <= n; ++v) {
    raster1_.SetzeWoche(v, standard_->gds);
    raster2_.SetzeWoche(v, standard_->kus);
  }
  for (TKurs* k : kurse_) {
    k->stunden_.SetzeVersionen(n);
    k->sperrung_.SetzeVersionen(n);
    k->belegung_.SetzeVersionen(n);
    k->gesetzt_.SetzeVersionen(n);
    k->ergebnis_.SetzeVersionen(n);
  }
  for (TLehrer* l : lehrer_) l->SetzeVersionen(n);
  for (TKlasse* k : klassen_) k->SetzeVersionen(n);
  for (TRaum* r : raeume_) r->SetzeVersionen(n);
  standard_->SetVersionszahl(n);
  SetzeGeaendert(true);
  // Every view shows the versions it may choose from.
  AktualisiereAlleFenster();
}

bool TSchule::LoeschePlanversionen(int n) {
  if (n < 1) return false;
  if (n >= standard_->mwn()) return true;  // nothing to lower
  TAktion aktion(*this);
  if (HatSetzungenUeber(n) &&
      dialoge_->Frage(TDialog::VersionenLoeschen, {DialogText(TDialog::VersionenLoeschen)}) != Modal::Ja)
    return false;
  for (TKurs* k : kurse_) {
    const std::vector<TSetzung*> setzungen = k->setzungen_.Elemente();
    for (TSetzung* s : setzungen)
      if (s->Version() > n) k->EntferneSetzungIntern(s, false);
  }
  // Steps of the removed versions could never be replayed.
  const std::vector<TUndoElement*> schritte = undo_.Elemente();
  for (TUndoElement* s : schritte)
    if (s->Version() > n) {
      undo_.Entferne(s);
      delete s;
    }
  for (TKurs* k : kurse_) {
    k->stunden_.SetzeVersionen(n);
    k->sperrung_.SetzeVersionen(n);
    k->belegung_.SetzeVersionen(n);
    k->gesetzt_.SetzeVersionen(n);
    k->ergebnis_.SetzeVersionen(n);
  }
  for (TLehrer* l : lehrer_) l->SetzeVersionen(n);
  for (TKlasse* k : klassen_) k->SetzeVersionen(n);
  for (TRaum* r : raeume_) r->SetzeVersionen(n);
  raster1_.SetzeVersionen(n);
  raster2_.SetzeVersionen(n);
  for (uint8_t& w : wochen_)
    if (w > n) w = 1;
  ++wochenStand_;
  standard_->SetVersionszahl(n);
  OrdneKurseNeu();
  SetzeGeaendert(true);
  AktualisiereAlleFenster();
  return true;
}

uint8_t TSchule::WochenVersion(int k) const {
  return (k >= 1 && k <= kWochen) ? wochen_[static_cast<std::size_t>(k - 1)] : uint8_t{1};
}

void TSchule::SetzeWochenVersion(int k, uint8_t version) {
  if (k >= 1 && k <= kWochen) wochen_[static_cast<std::size_t>(k - 1)] = version;
  ++wochenStand_;
}

int TSchule::VersionDerWoche(int32_t datum) const {
  int64_t woche = (int64_t{datum} - kErsterSchulMontag);
  woche = woche >= 0 ? woche / 7 : -((-woche + 6) / 7);
  int64_t i = woche % kWochen;
  if (i < 0) i += kWochen;
  const int v = wochen_[static_cast<std::size_t>(i)];
  return (v >= 1 && v <= standard_->mwn()) ? v : 1;
}

// ---------------------------------------------------------------------------------------------
// Windows

bool TSchule::IstAngemeldet(const IFenster* f) const {
  return std::any_of(fenster_.begin(), fenster_.end(),
                     [f](const TOffenesFenster& o) { return o.Fenster == f; });
}

std::vector<IFenster*> TSchule::Fenster() const {
  std::vector<IFenster*> liste;
  liste.reserve(fenster_.size());
  for (const TOffenesFenster& o : fenster_) liste.push_back(o.Fenster);
  return liste;
}

IFenster* TSchule::EinzelFenster(int art) const {
  return art >= 0 && art < FensterArt::Grenze ? einzel_[static_cast<std::size_t>(art)] : nullptr;
}

void TSchule::BesetzeSlot(const TOffenesFenster& o, IFenster* wert) {
  const TFensterArtInfo* art = FensterArtInfo(o.Art);
  if (!art) return;
  // Clearing touches only a slot that still holds this window.
  auto setze = [&](IFenster*& slot) {
    if (wert || slot == o.Fenster) slot = wert;
  };
  if (art->Slot == TFensterSlot::Einzel)
    setze(einzel_[static_cast<std::size_t>(o.Art)]);
  else if (o.Element && IstElementFenster(o.Art))
    setze(o.Element->formen_[static_cast<std::size_t>(art->Slot) - 1]);
}

void TSchule::MeldeFensterAn(IFenster* f) {
  if (!f || IstAngemeldet(f)) return;
  fenster_.push_back({f, f->Tag(), f->Element()});
  BesetzeSlot(fenster_.back(), f);
}

void TSchule::BindeFenster(IFenster* f, TElement* e) {
  for (TOffenesFenster& o : fenster_) {
    if (o.Fenster != f || o.Element == e) continue;
    BesetzeSlot(o, nullptr);
    o.Element = e;
    BesetzeSlot(o, f);
  }
}

void TSchule::MeldeFensterAb(IFenster* f) {
  if (!f) return;
  if (aktiv_ == f) aktiv_ = nullptr;
  const auto it = std::find_if(fenster_.begin(), fenster_.end(),
                               [f](const TOffenesFenster& o) { return o.Fenster == f; });
  if (it == fenster_.end()) return;
  const TOffenesFenster o = *it;
  fenster_.erase(it);
  BesetzeSlot(o, nullptr);
}

IManuellFenster* TSchule::ManuellFenster() const {
  return dynamic_cast<IManuellFenster*>(EinzelFenster(FensterArt::Manuell));
}

void TSchule::AktualisiereAlleFenster() {
  aenderungen_.MerkeAlles();
  if (tiefe_ == 0) StelleZu();
}

// ---------------------------------------------------------------------------------------------
// Change notices

void TSchule::NimmVertretungHeraus(const TVertretung* v, TVertretungsOrdnung ordnung, uint64_t wartend) {
  if (!v) return;
  // One that has not joined the list yet leaves the waiting ones where it stands.
  if (wartend >= neuAnfang_ && wartend - neuAnfang_ < neu_.size() && neu_[wartend - neuAnfang_] == v) {
    neu_[wartend - neuAnfang_] = nullptr;
    return;
  }
  // Past a few records the search costs more than one pass over the list: the rest go by
  // address. Once one is, no search may follow, since the list holds it (maybe freed) unmarked.
  constexpr std::size_t kGesucht = 32;
  if (!ungesucht_.empty() || wegStellen_.size() >= kGesucht) {
    // Room for every record at once: each growth of a large block makes glibc merge every small
    // chunk freed meanwhile (the clearing frees many), and copies the block besides.
    if (ungesucht_.empty()) ungesucht_.reserve(vertretungen_.Elemente().size());
    ungesucht_.push_back(v);
    return;
  }
  const std::vector<TVertretung*>& items = vertretungen_.Elemente();
  const std::size_t n = items.size();
  if (weg_.size() < n) weg_.resize(n, 0);
  // A live item at or below i and at or above lo, else at or above i and below hi; n if none.
  auto lebend = [&](std::size_t i, std::size_t lo, std::size_t hi) {
    for (std::size_t k = i + 1; k-- > lo;)
      if (!weg_[k]) return k;
    for (std::size_t k = i + 1; k < hi; ++k)
      if (!weg_[k]) return k;
    return n;
  };
  // The first live item not before v, the items waiting to go left out (the list is sorted by a
  // strict order unless a key changed since; then the walk below finds it).
  std::size_t lo = 0, hi = n;
  while (lo < hi) {
    const std::size_t mitte = lebend(lo + (hi - lo) / 2, lo, hi);
    if (mitte == n) break;
    if (ordnung(items[mitte], v) < 0)
      lo = mitte + 1;
    else
      hi = mitte;
  }
  std::size_t stelle = lo;
  while (stelle < n && weg_[stelle]) ++stelle;
  if (stelle >= n || items[stelle] != v || weg_[stelle]) {
    stelle = n;
    for (std::size_t k = 0; k < n; ++k)
      if (items[k] == v && !weg_[k]) {
        stelle = k;
        break;
      }
    if (stelle == n) return;  // never in the list
  }
  weg_[stelle] = 1;
  wegStellen_.push_back(stelle);
}

uint64_t TSchule::FuegeVertretungEin(TVertretung* v, TVertretungsOrdnung ordnung) {
  if (!v) return 0;
  if (!neu_.empty() && ordnung != neuOrdnung_) RaeumeVertretungenAuf();
  neuOrdnung_ = ordnung;
  neu_.push_back(v);
  return neuAnfang_ + neu_.size() - 1;
}

void TSchule::RaeumeVertretungenAuf() const {
  if (wegStellen_.empty() && ungesucht_.empty() && neu_.empty()) return;
  // Those that go first: the items marked may be freed, and the merge below compares.
  if (!ungesucht_.empty()) {
    const std::less<const TVertretung*> vor;
    std::sort(ungesucht_.begin(), ungesucht_.end(), vor);
    std::size_t i = 0;
    vertretungen_.EntferneWenn([&](const TVertretung* x) {
      const bool markiert = i < weg_.size() && weg_[i] != 0;
      ++i;
      return markiert || std::binary_search(ungesucht_.begin(), ungesucht_.end(), x, vor);
    });
    ungesucht_.clear();
  } else if (!wegStellen_.empty()) {
    std::sort(wegStellen_.begin(), wegStellen_.end());
    vertretungen_.EntferneStellen(wegStellen_);
  }
  for (std::size_t k : wegStellen_) weg_[k] = 0;
  wegStellen_.clear();
  if (!neu_.empty()) {
    // The order is strict, so this is the list that inserting them one by one gives; among
    // equal ones (a key changed meanwhile) the older go first.
    neuAnfang_ += neu_.size();
    std::erase(neu_, nullptr);
    const TVertretungsOrdnung ordnung = neuOrdnung_;
    const auto vor = [ordnung](const TVertretung* a, const TVertretung* b) { return ordnung(a, b) < 0; };
    std::stable_sort(neu_.begin(), neu_.end(), vor);
    vertretungen_.MischeEin(neu_, vor);
    neu_.clear();
  }
}

void TSchule::MerkeElement(const TElement* e, uint8_t was) {
  // Without an open window there is no one to tell (reading a file, the automatic run alone).
  if (fenster_.empty()) return;
  aenderungen_.MerkeElement(e, was);
  if (tiefe_ == 0) StelleZu();
}

void TSchule::MerkeKurs(const TKurs* k, uint8_t was) {
  if (fenster_.empty()) return;
  aenderungen_.MerkeKurs(k, was);
  if (tiefe_ == 0) StelleZu();
}

void TSchule::MerkeArt(int art, uint8_t was) {
  if (fenster_.empty()) return;
  aenderungen_.MerkeArt(art, was);
  if (tiefe_ == 0) StelleZu();
}

void TSchule::MerkeFenster(const IFenster* f, uint8_t was) {
  if (!f || fenster_.empty()) return;
  aenderungen_.MerkeFenster(f, was);
  if (tiefe_ == 0) StelleZu();
}

void TSchule::MerkeVertretungsTag(int32_t datum) {
  if (fenster_.empty()) return;
  aenderungen_.MerkeVertretungsTag(datum);
  if (tiefe_ == 0) StelleZu();
}

void TSchule::StelleZu() {
  // A window's refresh may record changes of its own; they go out in a further round, and a
  // window that keeps changing things cannot hold the program in a loop.
  for (int runde = 0; runde < 4 && !aenderungen_.Leer(); ++runde) {
    const TAenderungen satz = std::exchange(aenderungen_, TAenderungen{});
    ++tiefe_;
    for (IFenster* f : Fenster())
      // A window closed by an earlier one's refresh is gone: only registered windows are asked.
      if (IstAngemeldet(f)) f->Aenderungen(satz);
    --tiefe_;
  }
  if (!aenderungen_.Leer()) aenderungen_ = TAenderungen{};
}

// ---------------------------------------------------------------------------------------------
// Undo

void TSchule::Widerrufe() {
  TAktion aktion(*this);
  while (!undo_.Leer()) {
    TUndoElement* s = undo_.Hole(undo_.Anzahl());
    undo_.LoescheBei(undo_.Anzahl());
    if (s->Kurs()) s->Ausfuehren();
    delete s;
  }
  palette_->SetzeWiderrufenAktiv(false);
}

void TSchule::VerwerfeUndo() {
  undo_.Vernichte(true);
  palette_->SetzeWiderrufenAktiv(false);
}

void TSchule::EntferneUndoVon(const TKurs* k) {
  const std::vector<TUndoElement*> schritte = undo_.Elemente();
  for (TUndoElement* s : schritte)
    if (s->Kurs() == k) {
      undo_.Entferne(s);
      delete s;
    }
}

void TSchule::EntferneUndoRaum(const TRaum* r) {
  for (TUndoElement* s : undo_)
    if (s->Raum() == r) s->raum_ = nullptr;
}

}  // namespace kolvar
