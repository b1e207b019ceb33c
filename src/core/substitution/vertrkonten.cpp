#include "substitution/vertrkonten.h"

#include <cstdio>
#include <map>

#include "model/aenderungen.h"
#include "model/datum.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uhr.h"
#include "substitution/vertretung.h"

namespace kolvar {

int32_t VStdKonto(const TLehrer& l, int tabelle) {
  return tabelle == 2 ? l.VStd2() : l.VStd1();
}

void SetzeVStdKonto(TLehrer& l, int tabelle, int32_t wert) {
  if (VStdKonto(l, tabelle) == wert) return;
  if (tabelle == 2)
    l.SetzeVStd2(wert);
  else
    l.SetzeVStd1(wert);
  // The teacher choice shows the accounts beside its teachers.
  l.Schule().MerkeArt(FensterArt::VLeWahl, Aenderung::Daten);
}

void RuecksetzeVStd(TSchule& schule, int tabelle, TLehrer* einer) {
  TSchule::TAktion aktion(schule);
  if (einer != nullptr) {
    SetzeVStdKonto(*einer, tabelle, 0);
    return;
  }
  for (TLehrer* l : schule.Lehrer()) SetzeVStdKonto(*l, tabelle, 0);
}

std::string VStdText(int64_t wert, const TStandard& standard) {
  std::string text = FormatiereStunden(wert, standard);
  const std::size_t erstes = text.find_first_not_of(' ');
  return erstes == std::string::npos ? std::string() : text.substr(erstes);
}

const TVertrUebTexte& VertrUebKoepfe() {
  static const TVertrUebTexte koepfe{"Lehrer", "Datum", "Stunde",      "Text",     "Wert",
                                     "Kurs",   "statt", "verlegt auf", "Bemerkung"};
  return koepfe;
}

std::vector<const TLehrer*> AlleLehrer(const TSchule& schule) {
  std::vector<const TLehrer*> lehrer;
  for (const TLehrer* l : schule.Lehrer()) lehrer.push_back(l);
  return lehrer;
}

namespace {

std::string Periode(const TStandard& st, int version, int p) {
  if (version < 1 || version > kMaxVersionen || p < 1 || p > kStunden) return {};
  return st.sp[static_cast<std::size_t>(version - 1)][static_cast<std::size_t>(p - 1)];
}

// Fixed "dd.mm.yyyy", whatever the machine's locale.
std::string KurzDatum(int32_t datum) {
  const TKalenderDatum k = KalenderDatum(datum);
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", k.Tag % 100, k.Monat % 100, k.Jahr % 10000);
  return text;
}

std::string Verbindung(const TVertretung* r) {
  if (r == nullptr) return {};
  return VertrZeitText(*r, false) + " " + VertrKursText(*r, false);
}

bool AlleKlassenFehlen(const TKurs& k, int32_t datum, int p) {
  if (k.Klassen().Anzahl() == 0) return false;
  for (const TKlasse* kl : k.Klassen())
    if (!kl->FehltAm(datum, p)) return false;
  return true;
}

}  // namespace

std::vector<TVertrUebZeile> VertrUebersicht(const TSchule& schule, const std::vector<const TLehrer*>& lehrer,
                                            int32_t von, int32_t bis) {
  if (bis < von) bis = von;
  const TStandard& st = schule.Standard();
  // The needed teacher records of the range by date and period, in the school list's order.
  std::map<std::pair<int32_t, int>, std::vector<TVertretung*>> nachZeit;
  for (TVertretung* r : schule.Vertretungen())
    if (r->Art() == VertrArt::Lehrer && r->Noetig() && r->Datum() >= von && r->Datum() <= bis)
      nachZeit[{r->Datum(), r->Stunde()}].push_back(r);

  std::vector<TVertrUebZeile> zeilen;
  for (const TLehrer* t : lehrer) {
    for (int32_t d = von; d <= bis; ++d) {
      const int version = schule.VersionDerWoche(d);
      const int wochentag = Uhr::Wochentag(d);
      for (int p = 1; p <= kStunden; ++p) {
        if (auto it = nachZeit.find({d, p}); it != nachZeit.end())
          for (TVertretung* r : it->second) {
            const bool vertritt = r->Vertreter() == t;
            const bool fehlt = r->Kurs() != nullptr && r->Kurs()->Lehrer() == t;
            if (!vertritt && !fehlt) continue;
            TVertrUebZeile z{t, r, {}};
            const int rv = r->Setzung() != nullptr ? r->Setzung()->Version() : version;
            z.texte = {t->Kuerzel(),
                       KurzDatum(d),
                       Periode(st, rv, p),
                       vertritt ? "vertritt" : "fehlt",
                       VStdText(r->Anrechnen() && vertritt ? r->Wert() : 0, st),
                       r->Kurs() != nullptr ? r->Kurs()->Text() : std::string(),
                       Verbindung(r->VerlegtAuf()),
                       Verbindung(r->Statt()),
                       r->LehrerBem()};
            zeilen.push_back(std::move(z));
          }
        // His lesson dropped because all its classes are away, while he is there himself.
        if (wochentag > kTage || t->FehltAm(d, p)) continue;
        const TSetzung* s = t->SetzungAn(version, wochentag, p);
        if (s == nullptr || !AlleKlassenFehlen(s->Kurs(), d, p)) continue;
        const int32_t wert = t->VertrittAm(d, p) ? 0 : -s->Kurs().Faktor();
        TVertrUebZeile z{t, nullptr, {}};
        z.texte = {t->Kuerzel(),
                   KurzDatum(d),
                   Periode(st, version, p),
                   "ausgefallen",
                   VStdText(wert, st),
                   s->Kurs().Text(),
                   {},
                   {},
                   {}};
        zeilen.push_back(std::move(z));
      }
    }
  }
  return zeilen;
}

std::vector<std::string> VertrUebKopiertext(const std::vector<TVertrUebTexte>& zeilen) {
  std::vector<std::string> text;
  for (const TVertrUebTexte& z : zeilen) {
    std::string zeile;
    for (std::size_t i = 0; i < z.size(); ++i) zeile += (i > 0 ? "\t" : "") + z[i];
    text.push_back(std::move(zeile));
  }
  return text;
}

}  // namespace kolvar
