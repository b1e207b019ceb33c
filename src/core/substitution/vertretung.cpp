#include "substitution/vertretung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "model/datum.h"
#include "model/fach.h"
#include "model/fehl.h"
#include "model/idialoge.h"
#include "model/ifenster.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/statt.h"
#include "model/text.h"
#include "model/uhr.h"
#include "model/vertretungshaken.h"
#include "substitution/fehlzeit.h"
#include "substitution/ivertrfenster.h"

namespace kolvar {

namespace {

void LehrerListeNeu(TSchule& schule) {
  schule.MerkeArt(FensterArt::VLeWahl, Aenderung::Daten);
}

void TageslisteNeu(TSchule& schule) {
  schule.MerkeArt(FensterArt::Vertr, Aenderung::Daten);
}

// A missing element sorts first; both missing: the new record goes first.
int VergleicheMitLeer(const TElement* neu, const TElement* alt) {
  if (!neu && !alt) return 0;  // a comparator must answer the same both ways round
  if (!neu) return -1;
  if (!alt) return 1;
  return VergleicheElemente(neu, alt);
}

int VergleicheZahl(int a, int b) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

const TElement* ErsteKlasse(const TVertretung* v) {
  return v->Kurs() ? v->Kurs()->Klassen().Hole(1) : nullptr;
}
const TElement* KursLehrer(const TVertretung* v) {
  return v->Kurs() ? v->Kurs()->Lehrer() : nullptr;
}
const TElement* KursFach(const TVertretung* v) {
  return v->Kurs() ? v->Kurs()->Fach() : nullptr;
}
const TElement* SetzungsRaum(const TVertretung* v) {
  return v->Setzung() ? v->Setzung()->Raum() : nullptr;
}

// Date, then kind; 0 when both are equal.
int VergleicheDatumArt(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheZahl(neu->Datum(), alt->Datum())) return c;
  return VergleicheZahl(neu->Art(), alt->Art());
}

// The last key of every order: records that agree on everything else stay in the order they
// were made, so each order is strict and sorting twice changes nothing.
int VergleicheFolge(const TVertretung* neu, const TVertretung* alt) {
  return neu->Folge() < alt->Folge() ? -1 : (neu->Folge() > alt->Folge() ? 1 : 0);
}

// Period, then subject, then the order of making.
int VergleicheStundeFach(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheZahl(neu->Stunde(), alt->Stunde())) return c;
  if (int c = VergleicheMitLeer(KursFach(neu), KursFach(alt))) return c;
  return VergleicheFolge(neu, alt);
}

}  // namespace

std::string PeriodenText(const TStandard& st, int version, int stunde) {
  if (version < 1 || version > kMaxVersionen || stunde < 1 || stunde > kStunden) return {};
  return st.sp[static_cast<std::size_t>(version - 1)][static_cast<std::size_t>(stunde - 1)];
}

// ---------------------------------------------------------------------------------------------
// Accounts and texts

void BucheVStd(TLehrer* l, int32_t wert) {
  if (!l || wert == 0) return;
  l->SetzeVStd1(l->VStd1() + wert);
  l->SetzeVStd2(l->VStd2() + wert);
}

std::string VertrDatumText(int32_t datum) {
  static constexpr std::array<const char*, 7> kTage = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  static constexpr std::array<const char*, 12> kMonate = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                                          "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
  const TKalenderDatum k = KalenderDatum(datum);
  return std::string(kTage[static_cast<std::size_t>(Wochentag(datum) - 1)]) + ", " + std::to_string(k.Tag) +
         ". " + kMonate[static_cast<std::size_t>(k.Monat - 1)];
}

namespace {
const TVertretung* Verbunden(const TVertretung& r) {
  return r.Statt() ? r.Statt() : r.VerlegtAuf();
}
}  // namespace

std::string VertrZeitText(const TVertretung& r, bool relativ) {
  bool mitDatum = true, mitStunde = true;
  if (relativ)
    if (const TVertretung* l = Verbunden(r); l && l->Datum() == r.Datum()) {
      mitDatum = false;
      mitStunde = l->Stunde() != r.Stunde();
    }
  std::string text;
  if (mitDatum) text = VertrDatumText(r.Datum());
  if (mitStunde && r.Setzung()) {
    if (!text.empty()) text += "  ";
    text += PeriodenText(r.Schule().Standard(), r.Setzung()->Version(), r.Stunde());
  }
  return text;
}

std::string VertrKursText(const TVertretung& r, bool relativ) {
  if (!r.Kurs()) return {};
  if (relativ)
    if (const TVertretung* l = Verbunden(r); l && l->Kurs() && r.Kurs()->Klassen().Anzahl() == 1 &&
                                             l->Kurs()->Klassen().Anzahl() == 1 &&
                                             r.Kurs()->Klassen().Hole(1) == l->Kurs()->Klassen().Hole(1))
      return {};
  std::string text = r.Kurs()->KurzText();
  if (r.Setzung() && r.Setzung()->Raum()) text += " " + r.Setzung()->Raum()->Kuerzel();
  return text;
}

// ---------------------------------------------------------------------------------------------
// Orders

int VergleicheVertrNachKlassen(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheDatumArt(neu, alt)) return c;
  if (int c = VergleicheMitLeer(ErsteKlasse(neu), ErsteKlasse(alt))) return c;
  if (int c = VergleicheZahl(neu->Stunde(), alt->Stunde())) return c;
  if (int c = VergleicheMitLeer(KursLehrer(neu), KursLehrer(alt))) return c;
  if (int c = VergleicheMitLeer(KursFach(neu), KursFach(alt))) return c;
  return VergleicheFolge(neu, alt);
}

int VergleicheVertrNachFehlenden(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheDatumArt(neu, alt)) return c;
  const bool raum = neu->Art() == VertrArt::Raum;
  if (int c = raum ? VergleicheMitLeer(SetzungsRaum(neu), SetzungsRaum(alt))
                   : VergleicheMitLeer(KursLehrer(neu), KursLehrer(alt)))
    return c;
  return VergleicheStundeFach(neu, alt);
}

int VergleicheVertrNachVertretern(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheDatumArt(neu, alt)) return c;
  if (neu->Art() == VertrArt::Raum) {
    if (int c = VergleicheMitLeer(KursLehrer(neu), KursLehrer(alt))) return c;
    return VergleicheStundeFach(neu, alt);
  }
  // Without substitute, the hours still to be covered go before the dropped ones.
  if (!neu->Vertreter() && !alt->Vertreter() && neu->Frei() != alt->Frei()) return neu->Frei() ? 1 : -1;
  if (int c = VergleicheMitLeer(neu->Vertreter(), alt->Vertreter())) return c;
  return VergleicheStundeFach(neu, alt);
}

int VergleicheVertrNachStunden(const TVertretung* neu, const TVertretung* alt) {
  if (int c = VergleicheDatumArt(neu, alt)) return c;
  if (int c = VergleicheZahl(neu->Stunde(), alt->Stunde())) return c;
  if (int c = VergleicheMitLeer(KursLehrer(neu), KursLehrer(alt))) return c;
  if (int c = VergleicheMitLeer(KursFach(neu), KursFach(alt))) return c;
  return VergleicheFolge(neu, alt);
}

namespace {
int64_t Nr(const TElement* e) {
  return e ? e->Nummer() : INT64_MIN;  // a missing element sorts first
}
}  // namespace

TVertrSchluessel VertrSchluessel(const TVertretung* v, int vsa) {
  TVertrSchluessel k{};
  k[0] = v->Datum();
  k[1] = v->Art();
  const int64_t folge = static_cast<int64_t>(v->Folge());
  switch (vsa) {
    case 1:
      k[2] = v->Art() == VertrArt::Raum ? Nr(SetzungsRaum(v)) : Nr(KursLehrer(v));
      k[3] = v->Stunde();
      k[4] = Nr(KursFach(v));
      k[5] = folge;
      break;
    case 2:
      if (v->Art() == VertrArt::Raum) {
        k[2] = Nr(KursLehrer(v));
      } else {
        k[2] = Nr(v->Vertreter());
        // Without substitute, the hours still to be covered go before the dropped ones.
        k[3] = !v->Vertreter() && v->Frei() ? 1 : 0;
      }
      k[4] = v->Stunde();
      k[5] = Nr(KursFach(v));
      k[6] = folge;
      break;
    case 3:
      k[2] = v->Stunde();
      k[3] = Nr(KursLehrer(v));
      k[4] = Nr(KursFach(v));
      k[5] = folge;
      break;
    default:
      k[2] = Nr(ErsteKlasse(v));
      k[3] = v->Stunde();
      k[4] = Nr(KursLehrer(v));
      k[5] = Nr(KursFach(v));
      k[6] = folge;
      break;
  }
  return k;
}

void SortiereNachSchluessel(std::vector<TVertretung*>& liste, int vsa) {
  // Every key is computed once and compared as numbers: the comparators chase the records'
  // lessons for every comparison. The keys are unique (they end with the order of making).
  std::vector<std::pair<TVertrSchluessel, TVertretung*>> paare;
  paare.reserve(liste.size());
  for (TVertretung* v : liste) paare.emplace_back(VertrSchluessel(v, vsa), v);
  std::sort(paare.begin(), paare.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < paare.size(); ++i) liste[i] = paare[i].second;
}

TVertrVergleich VertrVergleich(int vsa) {
  switch (vsa) {
    case 1:
      return VergleicheVertrNachFehlenden;
    case 2:
      return VergleicheVertrNachVertretern;
    case 3:
      return VergleicheVertrNachStunden;
    default:
      return VergleicheVertrNachKlassen;
  }
}

void SortiereVertretungen(TSchule& schule) {
  std::vector<TVertretung*> alle = schule.Vertretungen().Elemente();
  // Every order is strict (it ends with the order of making), so the result is the one inserting
  // each record would give; sorting keeps large lists fast.
  SortiereNachSchluessel(alle, schule.Standard().vsa);
  schule.Vertretungen().Leere();
  schule.Vertretungen().Reserviere(static_cast<int>(alle.size()));
  for (TVertretung* v : alle) schule.Vertretungen().Haenge(v);
}

const std::vector<TVertretung*>& VertretungenAm(const TSchule& schule, int32_t datum) {
  TSchule::TVertretungsIndex& index = schule.VertretungsIndex();
  const TListe<TVertretung>& liste = schule.Vertretungen();
  if (index.Stand != liste.Stand()) {
    index.NachDatum.clear();
    for (TVertretung* v : liste) index.NachDatum[v->Datum()].push_back(v);
    index.Stand = liste.Stand();
  }
  static const std::vector<TVertretung*> keine;
  const auto it = index.NachDatum.find(datum);
  return it == index.NachDatum.end() ? keine : it->second;
}

void VertretungenNeuOrdnen(TSchule& schule) {
  SortiereVertretungen(schule);
}

// ---------------------------------------------------------------------------------------------
// Expiry

void EntferneVeralteteVertretungen(TSchule& schule) {
  const int32_t heute = schule.Zeit().Heute();
  for (;;) {
    TVertretung* alt = nullptr;
    for (TVertretung* v : schule.Vertretungen())
      if (v->IstVeraltet(heute)) {
        alt = v;
        break;
      }
    if (!alt) return;
    TVertretung::Verfalle(alt);
  }
}

void EntferneUnpassendeVertretungen(TSchule& schule) {
  const TStandard& st = schule.Standard();
  auto passt = [&](const TVertretung* v) {
    return !v->Setzung() || (schule.VersionDerWoche(v->Datum()) == v->Setzung()->Version() &&
                             !st.IstFreierTag(v->Datum()) && !st.AusserhalbSchultage(v->Datum()));
  };
  for (;;) {
    TVertretung* weg = nullptr;
    for (TVertretung* v : schule.Vertretungen())
      if (!passt(v)) {
        weg = v;
        break;
      }
    if (!weg) return;
    TVertretung::Loesche(weg);
  }
}

// ---------------------------------------------------------------------------------------------
// The record

namespace {
uint64_t naechsteFolge = 0;
}  // namespace

static_assert(alignof(TVertretung) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

void* TVertretung::operator new(std::size_t n, TSchule& schule) {
  return schule.VertretungsPool().Neu(n);
}

void TVertretung::operator delete(void* p, TSchule& schule) noexcept {
  schule.VertretungsPool().Weg(p);
}

void TVertretung::operator delete(TVertretung* v, std::destroying_delete_t) noexcept {
  TBlockPool& pool = v->schule_->VertretungsPool();
  v->~TVertretung();
  pool.Weg(v);
}

TVertretung::TVertretung(TSchule& schule) : schule_(&schule), folge_(++naechsteFolge) {}

TVertretung::~TVertretung() {
  LeereOptionen();
}

namespace {
// A text of at most that many bytes has at most that many characters: kept as it is.
std::string Bemerkung(std::string text) {
  if (text.size() <= static_cast<std::size_t>(kBemerkungLaenge)) return text;
  return KuerzeText(text, kBemerkungLaenge);
}
}  // namespace

void TVertretung::SetLehrerBem(std::string text) {
  lehrerBem_ = Bemerkung(std::move(text));
}

void TVertretung::SetSchuelerBem(std::string text) {
  schuelerBem_ = Bemerkung(std::move(text));
}

int32_t TVertretung::Wert() const {
  return kurs_ ? kurs_->Faktor() : 0;
}

int TVertretung::Stunde() const {
  return setzung_ ? setzung_->Stunde() : 0;
}

void TVertretung::LeereOptionen() {
  stattOptionen_.Vernichte(true);
}

void TVertretung::FuegeEin() {
  if (setzung_) setzung_->vertretungen_.Haenge(this);
  wartend_ = schule_->FuegeVertretungEin(this, VertrVergleich(schule_->Standard().vsa));
}

void TVertretung::HaengeAn() {
  if (setzung_) setzung_->vertretungen_.Haenge(this);
  schule_->Vertretungen().Haenge(this);
}

void TVertretung::HaengeAn(const std::vector<TVertretung*>& dateiFolge,
                           const std::vector<TVertretung*>& schulFolge) {
  for (std::size_t i = 0; i < dateiFolge.size();) {
    TSetzung* s = dateiFolge[i]->setzung_;
    std::size_t j = i + 1;
    while (j < dateiFolge.size() && dateiFolge[j]->setzung_ == s) ++j;
    if (s) {
      s->vertretungen_.Reserviere(s->vertretungen_.Anzahl() + static_cast<int>(j - i));
      for (std::size_t k = i; k < j; ++k) s->vertretungen_.Haenge(dateiFolge[k]);
    }
    i = j;
  }
  if (schulFolge.empty()) return;
  TListe<TVertretung>& liste = schulFolge.front()->schule_->Vertretungen();
  liste.Reserviere(liste.Anzahl() + static_cast<int>(schulFolge.size()));
  for (TVertretung* v : schulFolge) liste.Haenge(v);
}

void TVertretung::Ausklinken() {
  schule_->NimmVertretungHeraus(this, VertrVergleich(schule_->Standard().vsa), wartend_);
  wartend_ = 0;
  if (setzung_) setzung_->vertretungen_.Entferne(this);
}

void TVertretung::Ende(TVertretung* v, TKonten konten) {
  if (!v) return;
  TSchule& schule = *v->schule_;
  if (v->waechter_) *v->waechter_ = false;
  v->LeereOptionen();
  if (IFenster* f = v->wahlForm_) {
    v->wahlForm_ = nullptr;
    f->Schliesse();
  }
  if (v->verlegtAuf_ && v->verlegtAuf_->statt_ == v) v->verlegtAuf_->statt_ = nullptr;
  v->verlegtAuf_ = nullptr;
  if (TVertretung* f = v->statt_) {
    v->statt_ = nullptr;
    Ende(f, konten);
  }
  v->Ausklinken();
  const bool gegeben = konten == TKonten::VergangeneBleiben && v->datum_ < schule.Zeit().Heute();
  if (konten != TKonten::Bleiben) {
    if (v->noetig_ && v->anrechnen_ && v->vertreter_) {
      if (!gegeben) {
        BucheVStd(v->vertreter_, -v->Wert());
        LehrerListeNeu(schule);
      }
    } else if (!v->noetig_ && v->anrechnen_ && v->kurs_) {
      BucheVStd(v->kurs_->Lehrer(), -v->Wert());
      LehrerListeNeu(schule);
    }
  }
  schule.MerkeVertretungsTag(v->datum_);
  delete v;
}

void TVertretung::Vernichte(TVertretung* v) {
  Ende(v, TKonten::Zurueck);
}

void TVertretung::Loesche(TVertretung* v) {
  if (!v) return;
  TSchule& schule = *v->schule_;
  Ende(v, TKonten::Zurueck);
  schule.SetzeGeaendert(true);
}

void TVertretung::Verfalle(TVertretung* v) {
  Ende(v, TKonten::Bleiben);
}

void TVertretung::VernichteStatt() {
  if (TVertretung* f = statt_) {
    statt_ = nullptr;
    Vernichte(f);
  }
}

void TVertretung::EntferneVertreter() {
  if (vertreter_ && anrechnen_ && noetig_) {
    BucheVStd(vertreter_, -Wert());
    LehrerListeNeu(*schule_);
  }
  VernichteStatt();
  vertreter_ = nullptr;
  if (noetig_) anrechnen_ = false;
}

void TVertretung::Melde() const {
  schule_->SetzeGeaendert(true);
  schule_->MerkeFenster(wahlForm_, Aenderung::Daten);
  TageslisteNeu(*schule_);
}

// ---------------------------------------------------------------------------------------------
// Choices

bool TVertretung::SetzeVertreter(TLehrer* s, const TStatt* option) {
  // A record without need has no substitute; its flag holds the teacher's give-back.
  if (!s || !noetig_ || !setzung_ || !kurs_) return false;
  const int p = Stunde();
  const int v = setzung_->Version();
  const int d = setzung_->Tag();

  if (option) {
    if (!option->Setzung() || !option->Kurs()) return false;
    if (vertreter_ && anrechnen_) BucheVStd(vertreter_, -Wert());
    anrechnen_ = false;
    VernichteStatt();
    vertreter_ = s;
    frei_ = false;
    auto* f = new (*schule_) TVertretung(*schule_);
    f->kurs_ = option->Kurs();
    f->setzung_ = option->Setzung();
    f->datum_ = option->Datum();
    f->noetig_ = !option->Kurs()->KlassenAbwesend(option->Datum(), option->Setzung()->Stunde(), nullptr);
    f->ersatzraum_ = option->Setzung()->Raum();
    f->art_ = VertrArt::Lehrer;
    f->verlegtAuf_ = this;
    statt_ = f;
    f->BildeBemerkung();
    f->FuegeEin();
  } else {
    if (s == vertreter_) return true;
    const bool fehlt = s->FehltAm(datum_, p);
    std::string grund;
    if (s->VertrittAm(datum_, p))
      grund = " vertritt schon.";
    else if (fehlt)
      grund = " fehlt.";
    else if (s->Sperrung().Belegt(v, d, p))
      grund = " ist gesperrt.";
    else {
      bool hatStunde = false;
      for (int q = 1; q <= kStunden && !hatStunde; ++q) hatStunde = s->Belegung().Belegt(v, d, q);
      if (!hatStunde) grund = " hat diesen Tag frei.";
    }
    if (!grund.empty() &&
        schule_->Dialoge().Frage(TDialog::LehrerFehlt,
                                 {"Lehrer " + s->Kuerzel() + grund, "Trotzdem einsetzen?"}) != Modal::Ja)
      return false;

    if (vertreter_ && anrechnen_) BucheVStd(vertreter_, -Wert());
    // Only a present substitute counts; a stale flag of the previous one never carries over.
    anrechnen_ = !fehlt;
    VernichteStatt();
    if (!fehlt && s->Belegung().Belegt(v, d, p) && !s->VertrittAm(datum_, p)) {
      const TListe<TKurs> eigene = s->KurseAn(v, d, p);
      if (TKurs* l = eigene.Hole(1))
        if (TVertretung* f = l->ErzeugeStattVertretung(this); f && f->noetig_)
          anrechnen_ = false;  // he was teaching at that time anyway
    }
    vertreter_ = s;
    frei_ = false;
    if (anrechnen_) BucheVStd(s, Wert());
  }
  LehrerListeNeu(*schule_);
  BildeBemerkung();
  Melde();
  return true;
}

bool TVertretung::SetzeErsatzraum(TRaum* r) {
  if (!r || !setzung_) return false;
  const int p = Stunde();
  const int v = setzung_->Version();
  const int d = setzung_->Tag();
  std::string grund;
  const bool nichtVerfuegbar = !r->ErsatzraumAm(datum_, p) && r->FehltAm(datum_, p);
  if (r->ErsatzraumAm(datum_, p))
    grund = " ist schon eingesetzt.";
  else if (nichtVerfuegbar)
    grund = " ist nicht verfügbar.";
  else if (r->Sperrung().Belegt(v, d, p))
    grund = " ist gesperrt.";
  if (!grund.empty() && schule_->Dialoge().Frage(TDialog::RaumBesetzt, {"Raum " + r->Kuerzel() + grund,
                                                                        "Trotzdem einsetzen?"}) != Modal::Ja)
    return false;
  if (nichtVerfuegbar) {
    // Through the absence record, so records and absences agree; that may take this very
    // record away (a room substitution of the room itself).
    bool lebt = true;
    waechter_ = &lebt;
    SetzeFehltStunde(*r, datum_, p, false);
    if (!lebt) return false;
    waechter_ = nullptr;
  }
  for (TVertretung* x : schule_->Vertretungen())
    if (x != this && x->ersatzraum_ == r && x->datum_ == datum_ && x->Stunde() == p) x->ersatzraum_ = nullptr;
  ersatzraum_ = r;
  schule_->MerkeArt(FensterArt::VRaWahl, Aenderung::Daten);
  TageslisteNeu(*schule_);
  schule_->SetzeGeaendert(true);
  return true;
}

void TVertretung::SetzeUnnoetig() {
  if (noetig_) {
    if (vertreter_) {
      EntferneVertreter();
      BildeBemerkung();
      LehrerListeNeu(*schule_);
    }
    noetig_ = false;
    // The absent teacher's own hour: his accounts hold nothing for it while he is absent, so
    // the record marks the give-back that its end returns (see the header).
    anrechnen_ = IstEigeneVertretung();
  }
  if (IFenster* f = wahlForm_) {
    wahlForm_ = nullptr;
    f->Schliesse();
  }
}

void TVertretung::SetzeNoetig() {
  if (noetig_) return;
  noetig_ = true;
  anrechnen_ = false;
}

void TVertretung::BildeBemerkung() {
  std::string text;
  if (verlegtAuf_)
    text = "verlegt auf " + VertrZeitText(*verlegtAuf_, true) + " " + VertrKursText(*verlegtAuf_, true);
  if (frei_) text = text.empty() ? "frei" : "frei | " + text;
  text = KuerzeText(text, kBemerkungLaenge);
  if (statt_) text = "statt " + VertrZeitText(*statt_, true) + " " + VertrKursText(*statt_, true);
  if (ersatzraum_ && (!setzung_ || ersatzraum_ != setzung_->Raum()))
    text = text.empty() ? "in Raum " + ersatzraum_->Kuerzel() + " "
                        : "in Raum " + ersatzraum_->Kuerzel() + " | " + text + " ";
  text = KuerzeText(text, kBemerkungLaenge);
  lehrerBem_ = text;
  schuelerBem_ = text;
}

void TVertretung::RechneStundenAn() {
  if (kurs_) BucheVStd(kurs_->Lehrer(), Wert());
}

bool TVertretung::IstVeraltet(int32_t heute) const {
  // today + 0.5 - date > vtm, in whole days: a record exactly "vtm" days old is outdated.
  return int64_t{heute} - datum_ >= schule_->Standard().vtm;
}

void TVertretung::MacheFrei() {
  if (frei_ || !noetig_) return;
  EntferneVertreter();
  ersatzraum_ = nullptr;
  anrechnen_ = false;
  frei_ = true;
  BildeBemerkung();
  Melde();
}

void TVertretung::LoescheVertreter() {
  if (!noetig_) return;
  frei_ = false;
  EntferneVertreter();
  anrechnen_ = false;
  BildeBemerkung();
  LehrerListeNeu(*schule_);
  Melde();
}

void TVertretung::AendereAnrechnen(bool an) {
  if (!noetig_ || an == anrechnen_) return;
  anrechnen_ = an;
  if (vertreter_) BucheVStd(vertreter_, an ? Wert() : -Wert());
  LehrerListeNeu(*schule_);
  schule_->SetzeGeaendert(true);
}

void TVertretung::LoescheErsatzraum() {
  TSchule::TAktion aktion(*schule_);
  ersatzraum_ = nullptr;
  schule_->MerkeFenster(wahlForm_, Aenderung::Werte);
  schule_->SetzeGeaendert(true);
  schule_->MerkeArt(FensterArt::Vertr, Aenderung::Zeichnen);
}

// ---------------------------------------------------------------------------------------------
// Deletion of elements and of the school

void TVertretung::ElementWirdGeloescht(TSchule& schule, TElement* e) {
  if (!e) return;
  const TElementArt art = e->Art();
  if (art == TElementArt::Lehrer || art == TElementArt::Klasse || art == TElementArt::Raum) {
    // Taken back first, so the records and accounts they changed are as without them.
    auto* pe = static_cast<TPlanElement*>(e);
    std::vector<int32_t> tage;
    for (const TFehl* f : pe->Fehlzeiten()) tage.push_back(f->Datum());
    for (int32_t tag : tage) SetzeFehlzeit(*pe, tag, 0);
  }
  if (art == TElementArt::Lehrer) {
    for (;;) {
      TVertretung* x = nullptr;
      for (TVertretung* v : schule.Vertretungen())
        if (v->vertreter_ == e) {
          x = v;
          break;
        }
      if (!x) break;
      x->EntferneVertreter();
      x->BildeBemerkung();
    }
    for (TVertretung* v : schule.Vertretungen()) {
      const std::vector<TStatt*> optionen = v->stattOptionen_.Elemente();
      for (TStatt* o : optionen)
        if (o->Lehrer() == e) {
          v->stattOptionen_.Entferne(o);
          delete o;
        }
    }
  }
  if (art == TElementArt::Raum)
    for (TVertretung* v : schule.Vertretungen())
      if (v->ersatzraum_ == e) {
        v->ersatzraum_ = nullptr;
        v->BildeBemerkung();
      }
}

void TVertretung::FreigebenAlle(TSchule& schule) {
  for (TVertretung* v : schule.Vertretungen())
    if (v->setzung_) v->setzung_->vertretungen_.Leere();
  schule.Vertretungen().Vernichte(true);
  // Without absences the placements that go next change no account either.
  schule.LehrerFehlen().Vernichte(true);
  schule.KlassenFehlen().Vernichte(true);
  schule.RaumFehlen().Vernichte(true);
}

void VertretungenVorLoeschen(TSchule& schule, TElement* e) {
  TVertretung::ElementWirdGeloescht(schule, e);
}

void VertretungenFreigeben(TSchule& schule) {
  TVertretung::FreigebenAlle(schule);
}

}  // namespace kolvar
