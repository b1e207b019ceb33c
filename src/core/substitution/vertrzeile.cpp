#include "substitution/vertrzeile.h"

#include "model/datum.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "substitution/vertretung.h"

namespace kolvar {

namespace {

constexpr uint32_t kRot = 0x0000FF;
constexpr uint32_t kGruen = 0x008000;
constexpr uint32_t kBlau = 0xFF0000;
constexpr uint32_t kSchwarz = 0;

std::string Kuerzel(const TElement* e) {
  return e ? e->Kuerzel() : std::string();
}

std::string StundenText(const TStandard& st, int tag, int version, int stunde) {
  std::string text;
  if (tag >= 1 && tag <= kTage) text = st.spg[static_cast<std::size_t>(tag - 1)];
  text += " ";
  if (version >= 1 && version <= kMaxVersionen && stunde >= 1 && stunde <= kStunden)
    text += st.sp[static_cast<std::size_t>(version - 1)][static_cast<std::size_t>(stunde - 1)];
  return text;
}

std::string StundenText(const TStandard& st, const TSetzung* s) {
  return s ? StundenText(st, s->Tag(), s->Version(), s->Stunde()) : std::string();
}

std::string ErsatzText(const TVertretung& v) {
  if (v.Art() == VertrArt::Raum) return v.Ersatzraum() ? v.Ersatzraum()->Kuerzel() : "?????";
  if (v.Vertreter()) return v.Vertreter()->Kuerzel();
  return v.Frei() ? "-----" : "?????";
}

}  // namespace

uint32_t TVertrZeile::Farbe(int spalte) const {
  if (spalte == VertrSpalte::Lehrer && RotLehrer) return kRot;
  if (spalte == VertrSpalte::Raum && RotRaum) return kRot;
  if (spalte == VertrSpalte::Bem && RotBem) return kRot;
  return kSchwarz;
}

std::vector<TVertrZeile> VertrZeilen(const TSchule& schule, int32_t datum) {
  std::vector<TVertrZeile> zeilen;
  const TStandard& st = schule.Standard();
  for (TVertretung* v : VertretungenAm(schule, datum)) {
    TVertrZeile z;
    z.Vertretung = v;
    const TKurs* k = v->Kurs();
    z.Text[VertrSpalte::Stunde] = StundenText(st, v->Setzung());
    if (k) {
      z.Text[VertrSpalte::Lehrer] = Kuerzel(k->Lehrer());
      z.Text[VertrSpalte::Klasse] = Kuerzel(k->Klassen().Hole(1));
      z.Text[VertrSpalte::Fach] = Kuerzel(k->Fach());
      z.Text[VertrSpalte::Kopplung] = Kuerzel(k->Kopplung());
      z.FettKlasse = k->Klassen().Anzahl() > 1;
    }
    if (v->Setzung()) z.Text[VertrSpalte::Raum] = Kuerzel(v->Setzung()->Raum());
    z.Text[VertrSpalte::Bem] = "==>";
    z.Text[VertrSpalte::Ersatz] = ErsatzText(*v);
    if (v->VerlegtAuf() || v->Statt()) {
      z.Marke = true;
      z.MarkenFarbe = v->VerlegtAuf() && v->Statt() ? kGruen : (v->VerlegtAuf() ? kRot : kBlau);
    }
    z.RaumNoetig = v->Art() == VertrArt::Lehrer && !v->Ersatzraum() && !v->Frei();
    z.RotLehrer = v->Art() == VertrArt::Lehrer;
    z.RotRaum = v->Art() == VertrArt::Raum;
    z.RotBem = !v->LehrerBem().empty() || !v->SchuelerBem().empty();
    z.Kursiv = !v->Noetig();
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

std::vector<std::string> VertrStundenTexte(const TSchule& schule, int32_t datum) {
  std::vector<std::string> texte;
  const int tag = Wochentag(datum);
  const int version = schule.VersionDerWoche(datum);
  for (int p = 1; p <= kStunden; ++p) texte.push_back(StundenText(schule.Standard(), tag, version, p));
  return texte;
}

}  // namespace kolvar
