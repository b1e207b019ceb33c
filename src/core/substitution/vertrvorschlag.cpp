#include "substitution/vertrvorschlag.h"

#include <algorithm>
#include <unordered_map>

#include "model/datum.h"
#include "model/element.h"
#include "model/fach.h"
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
#include "model/stundentext.h"
#include "model/text.h"
#include "model/uhr.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr int kStattMenueTage = 90;  // how far the "statt" menu looks ahead

struct TSlot {
  int v = 0, d = 0, p = 0;
};

bool SlotVon(const TVertretung& r, TSlot& slot) {
  const TSetzung* s = r.Setzung();
  if (!s || s->Stunde() < 1 || s->Stunde() > kStunden) return false;
  slot = {s->Version(), s->Tag(), s->Stunde()};
  return true;
}

// The placement of the lesson at the slot.
TSetzung* SetzungAn(const TKurs& k, int v, int d, int p) {
  return k.FindeSetzung(v, d, p);
}

std::string Periode(const TStandard& st, int v, int p) {
  if (v < 1 || v > kMaxVersionen || p < 1 || p > kStunden) return {};
  return st.sp[static_cast<std::size_t>(v - 1)][static_cast<std::size_t>(p - 1)];
}

bool FreiOderSpringt(char c) {
  return c == 'F' || c == 'S';
}

// Who substitutes (teacher) or serves as substitute room (room) in which periods of the
// record's date: one walk over the school's list instead of one per element and period.
std::unordered_map<const TElement*, uint32_t> EingesetzteAm(const TVertretung& r, bool lehrer) {
  std::unordered_map<const TElement*, uint32_t> masken;
  for (const TVertretung* x : VertretungenAm(r.Schule(), r.Datum())) {
    if (!x->Noetig()) continue;
    const int p = x->Stunde();
    if (p < 1 || p > kStunden) continue;
    const TElement* e = nullptr;
    if (lehrer && x->Art() == VertrArt::Lehrer) e = x->Vertreter();
    if (!lehrer) e = x->Ersatzraum();
    if (e) masken[e] |= 1u << (p - 1);
  }
  return masken;
}

uint32_t MaskeVon(const std::unordered_map<const TElement*, uint32_t>& masken, const TElement* e) {
  const auto it = masken.find(e);
  return it == masken.end() ? 0 : it->second;
}

}  // namespace

bool TVertrVorschlag::LehrerPasst(const TVertretung& r, const TLehrer& t, const TLehrerFilter& filter) {
  TSlot s;
  if (!SlotVon(r, s) || !r.Kurs()) return false;
  const int32_t datum = r.Datum();
  if (filter.FreieLehrer && t.Belegung().Belegt(s.v, s.d, s.p)) {
    const TKurs* eigene = t.KurseAn(s.v, s.d, s.p).Hole(1);
    if (!eigene || !eigene->KlassenAbwesend(datum, s.p, nullptr)) return false;
  }
  if (t.Sperrung().Belegt(s.v, s.d, s.p)) return false;
  if (t.FehltAm(datum, s.p)) return false;
  if (filter.Randstunden) {
    const std::string muster = t.Tagesmuster(s.v, s.d);
    auto zeichen = [&muster](int p) {
      return p >= 1 && p <= static_cast<int>(muster.size()) ? muster[p - 1] : 'F';
    };
    if (zeichen(s.p) == 'F') {
      const bool vorher = s.p > 1 && !FreiOderSpringt(zeichen(s.p - 1));
      const bool nachher = s.p < kStunden && !FreiOderSpringt(zeichen(s.p + 1));
      if (!vorher && !nachher) return false;
    }
  }
  const TKlasse* klasse = r.Kurs()->Klassen().Hole(1);
  if (filter.Auswahl == 0 && (!klasse || !t.UnterrichtetKlasse(klasse))) return false;
  if (filter.Auswahl == 1 && (!r.Kurs()->Fach() || t.Faecher().Position(r.Kurs()->Fach()) == 0)) return false;
  return true;
}

std::vector<TLehrerVorschlag> TVertrVorschlag::Lehrer(const TVertretung& r, const TLehrerFilter& filter,
                                                      int konto) {
  std::vector<TLehrerVorschlag> liste;
  const TStandard& st = r.Schule().Standard();
  // Only an uncoupled lesson of exactly one class can be swapped with another of that class.
  const TKlasse* stattKlasse = nullptr;
  if (r.Kurs() && !r.Kurs()->Kopplung() && r.Kurs()->Klassen().Anzahl() == 1)
    stattKlasse = r.Kurs()->Klassen().Hole(1);
  const auto eingesetzt = EingesetzteAm(r, true);
  for (TLehrer* t : r.Schule().Lehrer()) {
    if (!LehrerPasst(r, *t, filter)) continue;
    TLehrerVorschlag z;
    z.Lehrer = t;
    z.Balken = BalkenMit(r, *t, MaskeVon(eingesetzt, t));
    z.Konto = FormatiereStunden(konto == 0 ? t->VStd1() : t->VStd2(), st);
    z.Statt = stattKlasse && t->HatRandstundeInKlasse(stattKlasse);
    liste.push_back(std::move(z));
  }
  return liste;
}

bool TVertrVorschlag::RaumFrei(const TVertretung& r, const TRaum& raum) {
  TSlot s;
  if (!SlotVon(r, s)) return false;
  if (raum.BelegtAm(s.p, r.Datum())) return false;
  if (raum.Sperrung().Belegt(s.v, s.d, s.p)) return false;
  return !raum.FehltAm(r.Datum(), s.p);
}

std::vector<TRaumVorschlag> TVertrVorschlag::Raeume(const TVertretung& r) {
  std::vector<TRaumVorschlag> liste;
  const auto eingesetzt = EingesetzteAm(r, false);
  for (TRaum* raum : r.Schule().Raeume())
    if (RaumFrei(r, *raum)) liste.push_back({raum, BalkenMit(r, *raum, MaskeVon(eingesetzt, raum))});
  return liste;
}

TTagesBalken TVertrVorschlag::Balken(const TVertretung& r, const TPlanElement& e) {
  const bool lehrer = e.Art() == TElementArt::Lehrer;
  if (!lehrer && e.Art() != TElementArt::Raum) return BalkenMit(r, e, 0);
  return BalkenMit(r, e, MaskeVon(EingesetzteAm(r, lehrer), &e));
}

TTagesBalken TVertrVorschlag::BalkenMit(const TVertretung& r, const TPlanElement& e, uint32_t eingesetzt) {
  TTagesBalken b;
  TSlot s;
  if (!SlotVon(r, s)) return b;
  b.Markiert = s.p;
  const std::string muster = e.Tagesmuster(s.v, s.d);
  for (int p = 1; p <= kStunden; ++p) {
    TBalkenStunde& z = b.Stunden[static_cast<std::size_t>(p - 1)];
    if (p <= static_cast<int>(muster.size())) z.Zeichen = muster[static_cast<std::size_t>(p - 1)];
    z.Vertritt = (eingesetzt >> (p - 1)) & 1u;
    if (e.Belegung().Belegt(s.v, s.d, p))
      if (const TKurs* k = e.KurseAn(s.v, s.d, p).Hole(1))
        z.Entfaellt = k->KlassenAbwesend(r.Datum(), p, nullptr);
  }
  return b;
}

void TVertrVorschlag::BaueStattMenue(TVertretung& r, IMenue& menue) {
  r.LeereOptionen();
  menue.Leere();
  TLehrer* vertreter = r.Vertreter();
  TSlot s;
  if (!vertreter || !r.Kurs() || !SlotVon(r, s)) return;
  const TSchule& schule = r.Schule();
  const TStandard& st = schule.Standard();
  const int wochentag = Uhr::Wochentag(r.Datum());
  const TKlasse* eineKlasse = r.Kurs()->Klassen().Anzahl() == 1 ? r.Kurs()->Klassen().Hole(1) : nullptr;
  for (int d = 1; d <= std::min(st.mtn, kTage); ++d) {
    TMenueEintrag tag;
    tag.Text = st.spn[static_cast<std::size_t>(d - 1)];
    tag.Aktiv = false;
    for (int p = 1; p <= kStunden; ++p) {
      if (!vertreter->Belegung().Belegt(s.v, d, p)) continue;
      TKurs* l = vertreter->KurseAn(s.v, d, p).Hole(1);
      TSetzung* setzung = l ? SetzungAn(*l, s.v, d, p) : nullptr;
      if (!setzung) continue;
      int32_t datum = 0;
      bool gefunden = false;
      for (int k = (d - wochentag + 7) % 7; k < kStattMenueTage; k += 7)
        if (schule.VersionDerWoche(r.Datum() + k) == s.v && !setzung->FaelltAus(r.Datum() + k)) {
          datum = r.Datum() + k;
          gefunden = true;
          break;
        }
      if (!gefunden) continue;
      auto* o = new TStatt;
      o->SetzeLehrer(vertreter);
      o->SetzeKurs(l);
      o->SetzeSetzung(setzung);
      o->SetzeDatum(datum);
      r.stattOptionen_.Haenge(o);
      TMenueEintrag unter;
      unter.Text = Periode(st, s.v, p);
      unter.Haken = eineKlasse && l->Klassen().Anzahl() == 1 && l->Klassen().Hole(1) == eineKlasse;
      TVertretung* rp = &r;
      unter.Aktion = [rp, o] { rp->StattMenuClick(o); };
      tag.Unter.push_back(std::move(unter));
      tag.Aktiv = true;
    }
    menue.Fuege(std::move(tag));
  }
}

TPlanElement* TVertrVorschlag::TagesplanElement(const TVertretung& r, int plan) {
  if (!r.Kurs()) return nullptr;
  if (plan == 1) return r.Kurs()->Klassen().Hole(1);
  if (r.Vertreter()) return r.Vertreter();
  return r.Kurs()->Lehrer();
}

std::vector<TTagesplanZeile> TVertrVorschlag::Tagesplan(const TVertretung& r, const TPlanElement* e) {
  std::vector<TTagesplanZeile> zeilen;
  TSlot s;
  if (!SlotVon(r, s)) return zeilen;
  const TStandard& st = r.Schule().Standard();
  for (int p = 1; p <= kStunden; ++p) {
    TTagesplanZeile z;
    z.Bezeichnung = Periode(st, s.v, p);
    if (e) {
      if (e->Sperrung().Belegt(s.v, s.d, p)) {
        z.Zeichen = '*';
      } else if (e->Belegung().Belegt(s.v, s.d, p)) {
        z.Zeichen = '+';
        z.Kurs = e->KurseAn(s.v, s.d, p).Hole(1);
        if (z.Kurs) z.Setzung = SetzungAn(*z.Kurs, s.v, s.d, p);
      }
    }
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

std::string TVertrVorschlag::HaengeBemerkungAn(const std::string& alt, const std::string& standard,
                                               bool ersetzen) {
  if (ersetzen) return KuerzeText(standard, kBemerkungLaenge);
  // The standard text is cut until it and the remark are below 61 characters together.
  const int platz = kBemerkungLaenge - 1 - TextLaenge(alt);
  if (platz <= 0) return alt;
  const std::string zusatz = KuerzeText(standard, platz);
  if (zusatz.empty()) return alt;
  return alt.empty() ? zusatz : alt + " " + zusatz;
}

bool IstVertretungsTag(const TSchule& schule, int32_t datum) {
  const TStandard& st = schule.Standard();
  return !st.AusserhalbSchultage(datum) && !st.IstFreierTag(datum);
}

int32_t NaechsterVertretungsTag(const TSchule& schule, int32_t datum, bool vorwaerts) {
  const int schritt = vorwaerts ? 1 : -1;
  for (int32_t tag = datum + schritt; tag >= kErsterTag && tag <= kLetzterTag; tag += schritt)
    if (IstVertretungsTag(schule, tag)) return tag;
  return datum;
}

TVertretung* NaechsteWahlVertretung(const TSchule& schule, const TVertretung& von, bool vorwaerts,
                                    const std::function<bool(const TVertretung&)>& passt) {
  const std::vector<TVertretung*>& alle = schule.Vertretungen().Elemente();
  const auto hier = std::find(alle.begin(), alle.end(), &von);
  if (hier == alle.end()) return nullptr;
  const int n = static_cast<int>(alle.size());
  const int start = static_cast<int>(hier - alle.begin());
  for (int k = 1; k < n; ++k) {
    TVertretung* v = alle[static_cast<std::size_t>(((start + (vorwaerts ? k : -k)) % n + n) % n)];
    if (v->Datum() == von.Datum() && passt(*v)) return v;
  }
  return nullptr;
}

void BindeWahlFenster(IFenster& fenster, TVertretung*& gebunden, TVertretung* neu) {
  if (gebunden && gebunden->WahlForm() == &fenster) gebunden->SetWahlForm(nullptr);
  gebunden = neu;
  if (!neu) return;
  if (IFenster* alt = neu->WahlForm(); alt && alt != &fenster) alt->Schliesse();
  neu->SetWahlForm(&fenster);
}

}  // namespace kolvar
