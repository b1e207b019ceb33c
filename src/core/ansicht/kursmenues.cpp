// The placing pop-up of an empty plan cell and the room pop-up of marked cells.

#include <string>

#include "model/element.h"
#include "model/imenue.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

void TKurs::BaueSetzMenue(IMenue& menue, int d, int p, TRaum* raumplan) {
  const int offen = OffeneStunden(-1);
  if (nvp_ || offen < 1) return;
  const TStandard& st = Schule().Standard();
  int von, bis;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  bool aktiv = von <= bis;
  for (int v = von; v <= bis && aktiv; ++v) aktiv = SetzMenuePruefeVersion(v, d, p);
  // A room plan places with its own room: held or locked in a version the plan does not show, it
  // would be booked twice there (the other plans' room items are disabled for the same reason).
  if (raumplan != nullptr && (raumplan->Sperrung().Belegt(-1, d, p) || raumplan->Belegung().Belegt(-1, d, p)))
    aktiv = false;

  TMenueEintrag eintrag;
  eintrag.Text = "[" + std::to_string(offen) + "] " + Text();
  eintrag.Aktiv = aktiv;
  if (raumplan != nullptr) {
    eintrag.Aktion = [this, d, p, raumplan] { SetzeMenueClick(d, p, raumplan); };
  } else {
    TMenueDaten raeume;
    SetzMenueRaeume(raeume, d, p);
    eintrag.Unter = raeume.Eintraege();
  }
  menue.Fuege(std::move(eintrag));
}

void TKurs::SetzMenueRaeume(IMenue& unter, int d, int p) {
  TMenueEintrag ohne;
  ohne.Text = "ohne Raum";
  ohne.Aktion = [this, d, p] { SetzeMenueClick(d, p, nullptr); };
  unter.Fuege(std::move(ohne));
  for (TRaum* r : raeume_) {
    TMenueEintrag raum;
    raum.Text = r->Kuerzel();
    raum.Aktiv = !r->Sperrung().Belegt(-1, d, p) && !r->Belegung().Belegt(-1, d, p);
    raum.Aktion = [this, d, p, r] { SetzeMenueClick(d, p, r); };
    unter.Fuege(std::move(raum));
  }
}

void TKurs::BaueRaumMenue(IMenue& menue, const std::vector<std::pair<int, int>>& zellen) {
  for (TRaum* r : Schule().Raeume()) {
    const bool eigener = raeume_.Position(r) != 0;
    bool nutzbar = true, fremdBelegt = false;
    for (auto [d, p] : zellen) {
      if (r->Sperrung().Belegt(-1, d, p)) {
        nutzbar = false;
        break;
      }
      if (!r->Belegung().Belegt(-1, d, p)) continue;
      // Held here: by this course's own hour, or by another lesson.
      TKurs* k = r->KursAn(-1, d, p);
      if (k != this) fremdBelegt = true;
    }
    if (!nutzbar || (fremdBelegt && !eigener)) continue;
    TMenueEintrag eintrag;
    eintrag.Text = !eigener      ? "<" + r->Kuerzel() + ">"
                   : fremdBelegt ? "(" + r->Kuerzel() + ")"
                                 : r->Kuerzel();
    eintrag.Aktion = [this, r, zellen] { RaumMenueWahl(r, zellen); };
    menue.Fuege(std::move(eintrag));
  }
}

void TKurs::RaumMenueWahl(TRaum* r, const std::vector<std::pair<int, int>>& zellen) {
  const TStandard& st = Schule().Standard();
  int von, bis;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  for (auto [d, p] : zellen)
    for (int v = von; v <= bis; ++v) TauscheRaumAnStunde(r, v, d, p);
}

void TKurs::BelegungMenueEintraege(IMenue& menue, int d, int p, const TRaum* raum, int seite, bool mitInfo,
                                   const std::function<void(TKurs*, TKlasse*)>& waehle) {
  const TStandard& st = Schule().Standard();
  int von, bis;
  VersionsBereich(st.Versionen(), st.mwn(), -1, von, bis);
  const bool jeKlasse = seite == Seite::Klasse && klassen_.Anzahl() > 1;
  for (int v = von; v <= bis; ++v) {
    const TSetzung* s = FindeSetzung(v, d, p);
    if (s == nullptr || (raum != nullptr && s->Raum() != raum)) continue;
    auto fuege = [&](TKlasse* klasse) {
      TMenueEintrag eintrag;
      eintrag.Text = VersionsText(v, d, p, klasse, mitInfo);
      if (waehle) eintrag.Aktion = [this, klasse, waehle] { waehle(this, klasse); };
      menue.Fuege(std::move(eintrag));
    };
    if (jeKlasse)
      for (TKlasse* k : klassen_) fuege(k);
    else
      fuege(nullptr);
  }
}

}  // namespace kolvar
