#include "druck/vertrdruck.h"

#include <algorithm>

#include "druck/druckkopf.h"
#include "druck/izeichenflaeche.h"
#include "model/datum.h"
#include "model/fach.h"
#include "model/fehl.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "substitution/vertretung.h"

namespace kolvar {

std::string VertrPlanDatumText(int32_t datum) {
  const TKalenderDatum k = KalenderDatum(datum);
  return std::string(TagName(Wochentag(datum))) + ", " + std::to_string(k.Tag) + ". " +
         MonatsName(k.Monat, true) + " " + std::to_string(k.Jahr);
}

namespace {

// The orders of the presets against the school list's comparators: the substitution plan
// knows no order by class of its own (0 prints by class from the order by period).
TVertrVergleich VergleichVertretungsplan(int ordnung) {
  switch (ordnung) {
    case 1:
      return VergleicheVertrNachVertretern;
    case 2:
      return VergleicheVertrNachFehlenden;
    default:
      return VergleicheVertrNachStunden;
  }
}

TVertrVergleich VergleichErsatzraumplan(int ordnung) {
  switch (ordnung) {
    case 1:
      return VergleicheVertrNachVertretern;
    case 2:
      return VergleicheVertrNachFehlenden;
    case 3:
      return VergleicheVertrNachStunden;
    default:
      return VergleicheVertrNachKlassen;
  }
}

std::string Kuerzel(const TElement* e) {
  return e != nullptr ? e->Kuerzel() : std::string();
}

}  // namespace

TVertrDruck::TVertrDruck(const TSchule& schule, const TVertretungsDruckOptionen& optionen,
                         std::vector<std::string> bemerkungen, int32_t datum)
    : schule_(schule), o_(optionen), bemerkungen_(std::move(bemerkungen)), datum_(datum) {}

std::vector<TVertretung*> TVertrDruck::Liste(uint8_t art, int ordnung) const {
  std::vector<TVertretung*> liste;
  for (TVertretung* r : schule_.Vertretungen())
    if (r->Art() == art && r->Noetig() && r->Datum() == datum_ && r->Kurs() != nullptr &&
        r->Setzung() != nullptr)
      liste.push_back(r);
  const TVertrVergleich vergleich =
      art == VertrArt::Raum ? VergleichErsatzraumplan(ordnung) : VergleichVertretungsplan(ordnung);
  std::sort(liste.begin(), liste.end(),
            [vergleich](const TVertretung* a, const TVertretung* b) { return vergleich(a, b) < 0; });
  return liste;
}

std::vector<std::string> TVertrDruck::Fehlende(int art, const TVertrDruckEinstellung& vorgabe) const {
  const TListe<TFehl>& liste = art == 0   ? schule_.LehrerFehlen()
                               : art == 1 ? schule_.KlassenFehlen()
                                          : schule_.RaumFehlen();
  const TStandard& st = schule_.Standard();
  const int version = schule_.VersionDerWoche(datum_);
  const auto periode = [&](int p) -> std::string {
    if (version < 1 || version > kMaxVersionen || p < 1 || p > kStunden) return {};
    return st.sp[static_cast<std::size_t>(version - 1)][static_cast<std::size_t>(p - 1)];
  };
  std::vector<std::string> eintraege;
  for (const TFehl* f : liste) {
    if (f->Datum() != datum_ || f->Stunden() == 0 || f->Element() == nullptr) continue;
    const TElement* e = f->Element();
    const std::string name = art == 0 && vorgabe.vlb == 0 && !e->Name().empty() ? e->Name() : e->Kuerzel();
    eintraege.push_back(name + "\t" + periode(f->ErsteStunde()) + " - " + periode(f->LetzteStunde()));
  }
  return eintraege;
}

// ---------------------------------------------------------------------------------------------
// Runs

void TVertrDruck::Drucke(IZeichenflaeche& flaeche) {
  f_ = &flaeche;
  text_ = nullptr;
  f_->SetFont(DruckSchrift(o_.Schrift));
  rand_ = flaeche.InchToPixel(o_.vra / 2.54);
  cm_ = flaeche.InchToPixel(0.3937);
  h_ = std::max(1, flaeche.TextHeight());
  Lauf();
  f_ = nullptr;
}

std::vector<std::string> TVertrDruck::Text() {
  std::vector<std::string> text;
  f_ = nullptr;
  text_ = &text;
  Lauf();
  text_ = nullptr;
  return text;
}

void TVertrDruck::Lauf() {
  bool erste = true;
  for (std::size_t n = 0; n < o_.Vorgaben.size(); ++n) {
    const TVertrDruckEinstellung& v = o_.Vorgaben[n];
    if (!o_.vc[n] || (!v.vdv && !v.vde)) continue;
    if (f_ != nullptr && f_->Abgebrochen()) return;
    if (!erste && f_ != nullptr) {
      f_->NewPage();  // a new page starts in the default font
      f_->SetFont(DruckSchrift(o_.Schrift));
    }
    erste = false;
    Vorgabe(v);
  }
}

void TVertrDruck::Vorgabe(const TVertrDruckEinstellung& v) {
  v_ = &v;
  if (f_ != nullptr) Miss(v);
  y_ = cm_;
  if (v.vdv) {
    titel_ = "Vertretungsplan für";
    Kopf();
    Titel(titel_);
    DruckeFehlende(v);
    DruckeVertretungsplan(v);
  }
  if (v.vde) {
    titel_ = "Ersatzraumplan für";
    if (!v.vdv)
      Kopf();
    else
      Regel();
    Titel(titel_);
    if (!v.vdv) DruckeFehlende(v);
    DruckeErsatzraumplan(v);
  }
  v_ = nullptr;
}

// Each column as wide as its widest text plus an "A".
void TVertrDruck::Miss(const TVertrDruckEinstellung& v) {
  const auto breiteste = [this](const auto& liste, bool name) {
    int b = 0;
    for (const auto* e : liste)
      b = std::max(b, f_->TextWidth(name && !e->Name().empty() ? e->Name() : e->Kuerzel()));
    return b + f_->TextWidth("A");
  };
  breiten_.fill(0);
  breiten_[static_cast<std::size_t>(TFeld::Lehrer)] = breiteste(schule_.Lehrer(), v.vlb == 0);
  const int klasse = breiteste(schule_.Klassen(), false);
  const int kopplung = breiteste(schule_.Kopplungen(), false);
  breiten_[static_cast<std::size_t>(TFeld::KlasseKopplung)] = std::max(klasse, kopplung);
  breiten_[static_cast<std::size_t>(TFeld::Kopplung)] = kopplung;
  breiten_[static_cast<std::size_t>(TFeld::Fach)] = breiteste(schule_.Faecher(), false);
  breiten_[static_cast<std::size_t>(TFeld::Raum)] = breiteste(schule_.Raeume(), false);
  const TStandard& st = schule_.Standard();
  const int version = std::clamp(schule_.VersionDerWoche(datum_), 1, kMaxVersionen);
  int periode = 0;
  for (const std::string& p : st.sp[static_cast<std::size_t>(version - 1)])
    periode = std::max(periode, f_->TextWidth(p));
  breiten_[static_cast<std::size_t>(TFeld::Periode)] = periode + f_->TextWidth("A");
  breiten_[static_cast<std::size_t>(TFeld::Pfeil)] = f_->TextWidth("==>") + f_->TextWidth("A");
}

int TVertrDruck::Breite(TFeld feld) const {
  switch (feld) {
    case TFeld::Vertreter:
      return breiten_[static_cast<std::size_t>(TFeld::Lehrer)];
    case TFeld::Ersatzraum:
      return breiten_[static_cast<std::size_t>(TFeld::Raum)];
    case TFeld::Rest:
      return 0;
    default:
      return breiten_[static_cast<std::size_t>(feld)];
  }
}

// ---------------------------------------------------------------------------------------------
// Page parts

void TVertrDruck::Kopf() {
  if (f_ == nullptr) return;
  const std::string seite = "Seite " + std::to_string(f_->AktuelleSeite());
  const bool mitDatum = v_ != nullptr && v_->vmd;
  f_->TextOut(rand_, y_, (mitDatum ? DruckDatumsText(schule_.Zeit().Jetzt()) : std::string()) + seite);
  f_->TextOut(rand_, y_ + h_, schule_.Titel());
  y_ += 3 * h_;
}

void TVertrDruck::Titel(const std::string& titel) {
  const std::string datum = VertrPlanDatumText(datum_);
  if (f_ == nullptr) {
    text_->push_back(titel + "\t" + datum);
    return;
  }
  TDruckSchrift schrift = f_->GetFont();
  TDruckSchrift fett = schrift;
  fett.Fett = true;
  f_->SetFont(fett);
  f_->TextOut(rand_, y_, titel);
  const int x = rand_ + f_->TextWidth(titel) + f_->TextWidth("AA");
  const int b = f_->TextWidth(datum);
  f_->TextOut(x, y_, datum);
  f_->SetFont(schrift);
  f_->Rectangle({x - h_ / 4, y_ - h_ / 4, x + b + h_ / 4, y_ + h_ + h_ / 4});
  y_ += 2 * h_;
  Regel();
}

void TVertrDruck::Regel() {
  if (f_ == nullptr) return;
  f_->MoveTo(rand_, y_ + h_ / 2);
  f_->LineTo(f_->GetPhysPageSize().x - rand_, y_ + h_ / 2);
  y_ += h_;
}

void TVertrDruck::DruckeFehlende(const TVertrDruckEinstellung& v) {
  if (v.vma) {
    for (const std::string& zeile : bemerkungen_) {
      if (f_ == nullptr) {
        text_->push_back(zeile);
        continue;
      }
      Platz();
      f_->TextOut(rand_, y_, zeile);
      y_ += h_;
    }
    Regel();
  }
  const std::array<std::pair<bool, const char*>, 3> listen{
      {{v.vfl, "fehlende Lehrer:"}, {v.vfk, "fehlende Klassen:"}, {v.vfr, "fehlende Räume:"}}};
  for (int art = 0; art < 3; ++art) {
    const auto& [an, kopf] = listen[static_cast<std::size_t>(art)];
    if (!an) continue;
    const std::vector<std::string> eintraege = Fehlende(art, v);
    if (eintraege.empty()) continue;
    Gruppe(kopf);
    // Two entries a line: the element, then its first and last absent period.
    for (std::size_t i = 0; i < eintraege.size(); i += 2) {
      if (f_ == nullptr) {
        text_->push_back(eintraege[i] + (i + 1 < eintraege.size() ? "\t" + eintraege[i + 1] : std::string()));
        continue;
      }
      Platz();
      const int halb = (f_->GetPhysPageSize().x - 2 * rand_) / 2;
      const int name = std::max({Breite(TFeld::Lehrer), Breite(TFeld::KlasseKopplung), Breite(TFeld::Raum)});
      for (std::size_t j = i; j < std::min(i + 2, eintraege.size()); ++j) {
        const std::string& e = eintraege[j];
        const std::size_t tab = e.find('\t');
        const int x = rand_ + static_cast<int>(j - i) * halb;
        f_->TextOut(x, y_, e.substr(0, tab));
        f_->TextOut(x + name + f_->TextWidth("A"), y_, e.substr(tab + 1));
      }
      y_ += h_;
    }
    Regel();
  }
}

// A new page with header and the plan's title when less than six lines remain.
void TVertrDruck::Platz() {
  if (f_ == nullptr || PlatzReicht(*f_, y_, 6, h_)) return;
  f_->NewPage();
  f_->SetFont(DruckSchrift(o_.Schrift));
  y_ = cm_;
  Kopf();
  Titel(titel_);
}

void TVertrDruck::Gruppe(const std::string& text) {
  if (f_ == nullptr) {
    text_->push_back(text);
    return;
  }
  Platz();
  TDruckSchrift schrift = f_->GetFont();
  TDruckSchrift fett = schrift;
  fett.Fett = true;
  f_->SetFont(fett);
  f_->TextOut(rand_, y_, text);
  f_->SetFont(schrift);
  y_ += h_;
}

void TVertrDruck::Zeile(const std::vector<TEintrag>& eintraege) {
  if (f_ == nullptr) {
    std::string zeile;
    for (std::size_t i = 0; i < eintraege.size(); ++i) zeile += (i > 0 ? "\t" : "") + eintraege[i].text;
    text_->push_back(std::move(zeile));
    return;
  }
  Platz();
  int x = rand_ + f_->TextWidth("AA");
  for (const TEintrag& e : eintraege) {
    f_->TextOut(x, y_, e.text);
    x += Breite(e.feld);
  }
  y_ += h_;
}

// ---------------------------------------------------------------------------------------------
// Fields

std::string TVertrDruck::LehrerText(const TElement* l) const {
  if (l == nullptr) return {};
  return v_ != nullptr && v_->vlb == 0 && !l->Name().empty() ? l->Name() : l->Kuerzel();
}

std::string TVertrDruck::KlasseText(const TVertretung& r) const {
  const TKurs& k = *r.Kurs();
  if (v_ != nullptr && v_->vmk && k.Kopplung() != nullptr) return k.Kopplung()->Kuerzel();
  return Kuerzel(k.Klassen().Hole(1));
}

std::string TVertrDruck::VertreterText(const TVertretung& r) const {
  if (r.Frei()) return "-----";
  if (r.Vertreter() == nullptr) return "?????";
  return LehrerText(r.Vertreter());
}

std::string TVertrDruck::RaumText(const TVertretung& r) const {
  return r.Ersatzraum() != nullptr ? r.Ersatzraum()->Kuerzel() : "?????";
}

std::string TVertrDruck::Periode(const TVertretung& r) const {
  const TStandard& st = schule_.Standard();
  const int v = r.Setzung()->Version(), p = r.Stunde();
  if (v < 1 || v > kMaxVersionen || p < 1 || p > kStunden) return {};
  return st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)];
}

std::string TVertrDruck::Bemerkung(const TVertretung& r) const {
  return v_ != nullptr && v_->vba == 1 ? r.LehrerBem() : r.SchuelerBem();
}

// ---------------------------------------------------------------------------------------------
// The eight list printers

void TVertrDruck::NachKlassen(const std::vector<TVertretung*>& liste, bool raum) {
  const bool kopplungen = v_->vmk;
  for (const TKlasse* k : schule_.Klassen()) {
    bool kopf = false;
    for (const TVertretung* r : liste) {
      if (r->Kurs()->Klassen().Position(k) == 0 || k->FehltAm(datum_, r->Stunde())) continue;
      if (f_ != nullptr && f_->Abgebrochen()) return;
      if (!kopf) Gruppe(k->Kuerzel());
      kopf = true;
      std::vector<TEintrag> z{{TFeld::Periode, Periode(*r)},
                              {TFeld::Lehrer, LehrerText(r->Kurs()->Lehrer())},
                              {TFeld::Fach, Kuerzel(r->Kurs()->Fach())},
                              {TFeld::Raum, Kuerzel(r->Setzung()->Raum())}};
      if (kopplungen) z.push_back({TFeld::Kopplung, Kuerzel(r->Kurs()->Kopplung())});
      z.push_back({TFeld::Pfeil, "==>"});
      z.push_back(raum ? TEintrag{TFeld::Ersatzraum, RaumText(*r)}
                       : TEintrag{TFeld::Vertreter, VertreterText(*r)});
      z.push_back({TFeld::Rest, Bemerkung(*r)});
      Zeile(z);
    }
  }
}

void TVertrDruck::DruckeVertretungsplan(const TVertrDruckEinstellung& v) {
  const std::vector<TVertretung*> liste = Liste(VertrArt::Lehrer, v.vvs);
  if (liste.empty()) return;
  if (v.vvs == 0) {
    NachKlassen(liste, false);
    return;
  }
  std::string gruppe;
  bool erste = true;
  for (const TVertretung* r : liste) {
    if (f_ != nullptr && f_->Abgebrochen()) return;
    const TKurs& k = *r->Kurs();
    std::string schluessel;
    std::vector<TEintrag> z;
    switch (v.vvs) {
      case 1:
        schluessel = r->Vertreter() != nullptr ? LehrerText(r->Vertreter()) : r->Frei() ? "frei" : "?????";
        z = {{TFeld::Periode, Periode(*r)},
             {TFeld::Lehrer, LehrerText(k.Lehrer())},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Raum, Kuerzel(r->Setzung()->Raum())},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
      case 2:
        schluessel = LehrerText(k.Lehrer());
        z = {{TFeld::Periode, Periode(*r)},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Raum, Kuerzel(r->Setzung()->Raum())},
             {TFeld::Pfeil, "==>"},
             {TFeld::Vertreter, VertreterText(*r)},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
      default:
        schluessel = Periode(*r);
        z = {{TFeld::Lehrer, LehrerText(k.Lehrer())},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Raum, Kuerzel(r->Setzung()->Raum())},
             {TFeld::Pfeil, "==>"},
             {TFeld::Vertreter, VertreterText(*r)},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
    }
    if (erste || schluessel != gruppe) Gruppe(schluessel);
    erste = false;
    gruppe = schluessel;
    Zeile(z);
  }
}

void TVertrDruck::DruckeErsatzraumplan(const TVertrDruckEinstellung& v) {
  const std::vector<TVertretung*> liste = Liste(VertrArt::Raum, v.ves);
  if (liste.empty()) return;
  if (v.ves == 0) {
    NachKlassen(liste, true);
    return;
  }
  std::string gruppe;
  bool erste = true;
  for (const TVertretung* r : liste) {
    if (f_ != nullptr && f_->Abgebrochen()) return;
    const TKurs& k = *r->Kurs();
    std::string schluessel;
    std::vector<TEintrag> z;
    switch (v.ves) {
      case 1:  // by the lesson's teacher
        schluessel = LehrerText(k.Lehrer());
        z = {{TFeld::Periode, Periode(*r)},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Raum, Kuerzel(r->Setzung()->Raum())},
             {TFeld::Pfeil, "==>"},
             {TFeld::Ersatzraum, RaumText(*r)},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
      case 2:  // by the absent room
        schluessel = Kuerzel(r->Setzung()->Raum());
        z = {{TFeld::Periode, Periode(*r)},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Lehrer, LehrerText(k.Lehrer())},
             {TFeld::Pfeil, "==>"},
             {TFeld::Ersatzraum, RaumText(*r)},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
      default:
        schluessel = Periode(*r);
        z = {{TFeld::Lehrer, LehrerText(k.Lehrer())},
             {TFeld::KlasseKopplung, KlasseText(*r)},
             {TFeld::Fach, Kuerzel(k.Fach())},
             {TFeld::Raum, Kuerzel(r->Setzung()->Raum())},
             {TFeld::Pfeil, "==>"},
             {TFeld::Ersatzraum, RaumText(*r)},
             {TFeld::Rest, Bemerkung(*r)}};
        break;
    }
    if (erste || schluessel != gruppe) Gruppe(schluessel);
    erste = false;
    gruppe = schluessel;
    Zeile(z);
  }
}

}  // namespace kolvar
