// The texts a course shows in lists, plans and cells.

#include <string>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/text.h"

namespace kolvar {

namespace {

// An abbreviation followed by blanks up to 8 characters.
std::string Gepolstert(const std::string& kuerzel) {
  const int n = TextLaenge(kuerzel);
  return n >= 8 ? kuerzel : kuerzel + std::string(static_cast<std::size_t>(8 - n), ' ');
}

void OhneLetztes(std::string& text) {
  if (!text.empty()) text.pop_back();  // the part it removes is always a blank
}

}  // namespace

std::string TKurs::Text(const TKlasse* klasse) const {
  std::string text = lehrer_ ? Gepolstert(lehrer_->Kuerzel()) : std::string();
  if (fach_) text += fach_->Kuerzel() + " ";
  const TKlasse* k = klasse ? klasse : klassen_.Hole(1);
  if (k) text += k->Kuerzel() + " ";
  if (kopplung_) text += kopplung_->Kuerzel() + " ";
  OhneLetztes(text);
  return text;
}

std::string TKurs::KurzText() const {
  std::string text;
  auto teil = [&text](const TElement* e) {
    if (!e) return;
    if (!text.empty()) text += " ";
    text += e->Kuerzel();
  };
  teil(lehrer_);
  teil(fach_);
  if (kopplung_)
    teil(kopplung_);
  else
    teil(klassen_.Hole(1));
  return text;
}

namespace {
const TRaum* RaumDerStunde(const TKurs& k, int v, int d, int p) {
  if (d != 0) {
    int von, bis;
    VersionsBereich(k.Schule().Standard().Versionen(), k.Belegung().Versionen(), v, von, bis);
    for (int ver = von; ver <= bis; ++ver)
      if (const TSetzung* s = k.FindeSetzung(ver, d, p)) return s->Raum() ? s->Raum() : k.Raeume().Hole(1);
  }
  return k.Raeume().Hole(1);
}
}  // namespace

std::string TKurs::TextMitRaum(int v, int d, int p) const {
  const TRaum* r = RaumDerStunde(*this, v, d, p);
  return Text() + " " + (r ? r->Kuerzel() : std::string());
}

std::string TKurs::TextMitHauptraum() const {
  const TRaum* r = HaeufigsterRaum();
  if (!r) r = raeume_.Hole(1);
  return Text() + " " + (r ? r->Kuerzel() : std::string());
}

std::string TKurs::VersionsText(int v, int d, int p, const TKlasse* klasse, bool mitInfo) const {
  const TRaum* r = RaumDerStunde(*this, v, d, p);
  std::string text = "{" + std::to_string(v) + "} " + Text(klasse) + " " + (r ? r->Kuerzel() : std::string());
  if (mitInfo) text += " <" + info_ + ">";
  return text;
}

std::string TKurs::StundenText(int v, int d, int p, int seite, bool mitInfo) const {
  const TStandard& st = schule_->Standard();
  const bool nichtGezaehlt = (seite == Seite::Lehrer && nzl_) || (seite == Seite::Klasse && nzk_);
  const int64_t wert = nichtGezaehlt ? 0 : int64_t{Stunden(v)} * faktor_;
  std::string text =
      FormatiereStunden(wert, st) + " (" + std::to_string(Stunden(v)) + ") " + TextMitRaum(v, d, p);
  if (mitInfo) text += " <" + info_ + ">";
  return text;
}

std::string TKurs::ZellenText(int v, int d, int p, int teil1, int teil2, int teil3) const {
  auto teil = [&](int code) -> std::string {
    const TElement* e = nullptr;
    switch (code) {
      case 0:
        e = lehrer_;
        break;
      case 1:
        e = klassen_.Hole(1);
        break;
      case 2:
        e = kopplung_;
        break;
      case 3:
        e = fach_;
        break;
      case 4:
        e = RaumDerStunde(*this, v, d, p);
        break;
      default:
        break;
    }
    return e ? Gepolstert(e->Kuerzel()) : std::string();
  };
  std::string text = teil(teil1) + teil(teil2) + teil(teil3);
  OhneLetztes(text);
  return text;
}

}  // namespace kolvar
