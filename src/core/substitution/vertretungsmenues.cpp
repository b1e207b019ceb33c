// The pop-ups of a substitution record: "statt", "Wie am", rooms and remarks.

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
constexpr int kStattTage = 89;  // how far the "statt" options reach either way
}  // namespace

// ---------------------------------------------------------------------------------------------
// Pop-ups

void TVertretung::BildeStattListe(TLehrer* t, IMenue& menue) {
  LeereOptionen();
  menue.Leere();
  if (!t || !kurs_ || !setzung_) return;
  const TKlasse* klasse = kurs_->Klassen().Hole(1);
  if (!klasse) return;
  const bool besetzt = t->Belegung().Belegt(setzung_->Version(), setzung_->Tag(), Stunde());
  const TStandard& st = schule_->Standard();
  auto neu = [&](TKurs* l, TSetzung* s, int32_t datum) {
    auto* o = new TStatt;
    o->SetzeLehrer(t);
    o->SetzeKurs(l);
    o->SetzeSetzung(s);
    o->SetzeDatum(datum);
    stattOptionen_.Haenge(o);
    TMenueEintrag e;
    e.Text = VertrDatumText(datum) + "  " + PeriodenText(st, s->Version(), s->Stunde());
    e.Aktiv = !besetzt;
    e.Aktion = [this, o] { StattMenuClick(o); };
    menue.Fuege(std::move(e));
  };
  for (TKurs* l : klasse->Kurse()) {
    if (l->Lehrer() != t || l->Kopplung() || l->Klassen().Anzahl() > 1 || l->Setzungen().Leer()) continue;
    for (TSetzung* s : l->Setzungen()) {
      if (!s->IstRandstunde(*klasse)) continue;
      int gefunden = 0;
      for (int k = 0; k <= kStattTage && gefunden < 2; ++k)
        if (!s->FaelltAus(datum_ - k)) {
          neu(l, s, datum_ - k);
          ++gefunden;
        }
      gefunden = 0;
      for (int k = 1; k <= kStattTage && gefunden < 2; ++k)
        if (!s->FaelltAus(datum_ + k)) {
          neu(l, s, datum_ + k);
          ++gefunden;
        }
    }
  }
}

void TVertretung::BaueWieAmMenu(IMenue& menue) {
  menue.Leere();
  if (!setzung_) return;
  for (TVertretung* x : setzung_->Vertretungen()) {
    if (x == this || !x->vertreter_) continue;
    TMenueEintrag e;
    e.Text = VertrZeitText(*x, false) + " " + x->vertreter_->Kuerzel();
    TLehrer* l = x->vertreter_;
    e.Aktion = [this, l] { WieAmMenuClick(l); };
    menue.Fuege(std::move(e));
  }
}

void TVertretung::BaueRaumMenu(IMenue& menue) {
  menue.Leere();
  if (!setzung_) return;
  const int p = Stunde();
  const int v = setzung_->Version();
  const int d = setzung_->Tag();
  std::vector<TRaum*> raeume;
  for (TRaum* r : schule_->Raeume()) {
    const bool eigener = r == setzung_->Raum();
    if (r->ErsatzraumAm(datum_, p) && !eigener) continue;
    if (r->FehltAm(datum_, p)) continue;
    if (r->Sperrung().Belegt(v, d, p)) continue;
    if (r->BelegtAm(p, datum_) && !eigener) continue;
    raeume.push_back(r);
  }
  const int n =
      std::max(static_cast<int>(std::nearbyint(std::sqrt(3.0 * static_cast<double>(raeume.size())))), 16);
  for (std::size_t i = 0; i < raeume.size(); ++i) {
    TRaum* r = raeume[i];
    TMenueEintrag e;
    e.Text = r->Kuerzel();
    e.NeueSpalte = i > 0 && i % static_cast<std::size_t>(n) == 0;
    e.Aktion = [this, r] { RaumMenuClick(r); };
    menue.Fuege(std::move(e));
  }
}

void TVertretung::BaueBemMenu(IMenue& menue) const {
  menue.Leere();
  for (const std::string* t : {&lehrerBem_, &schuelerBem_})
    if (!t->empty()) {
      TMenueEintrag e;
      e.Text = *t;
      menue.Fuege(std::move(e));
    }
}

void TVertretung::StattMenuClick(const TStatt* option) {
  if (option) SetzeVertreter(option->Lehrer(), option);
}

void TVertretung::WieAmMenuClick(TLehrer* l) {
  if (l && l != vertreter_) SetzeVertreter(l);
}

void TVertretung::RaumMenuClick(TRaum* r) {
  if (!r || r == ersatzraum_) return;
  TSchule::TAktion aktion(*schule_);
  ersatzraum_ = r;
  BildeBemerkung();
  // The choice window lists the teachers again: the room is part of what it shows of each.
  schule_->MerkeFenster(wahlForm_, Aenderung::Daten);
  schule_->MerkeArt(FensterArt::Vertr, Aenderung::Zeichnen);
  schule_->SetzeGeaendert(true);
}

}  // namespace kolvar
