#include "engine/kurstext.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/ablage.h"
#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"

namespace kolvar {

namespace {

std::string Kuerzel(const TElement* e) {
  return e != nullptr ? e->Kuerzel() : std::string();
}

const char* Wahr(bool an) {
  return an ? "TRUE" : "FALSE";
}

std::vector<std::string> Felder(const std::string& zeile) {
  std::vector<std::string> felder;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = zeile.find('\t', start);
    felder.push_back(zeile.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return felder;
    start = tab + 1;
  }
}

bool Zahl(const std::string& text, int32_t& wert) {
  const char* ende = text.data() + text.size();
  const auto [ptr, fehler] = std::from_chars(text.data(), ende, wert);
  return fehler == std::errc() && ptr == ende && !text.empty();
}

bool IstWahr(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text == "TRUE";
}

}  // namespace

std::vector<std::string> TKursText::Zeilen(const std::vector<TKurs*>& kurse, bool ohneFortsetzung) {
  std::vector<std::string> zeilen;
  for (const TKurs* k : kurse) {
    if (k == nullptr) continue;
    const std::string felder[kFelder] = {std::to_string(k->Faktor()),
                                         std::to_string(k->Stunden(-1)),
                                         Kuerzel(k->Lehrer()),
                                         Kuerzel(k->Fach()),
                                         Kuerzel(k->Klassen().Hole(1)),
                                         Kuerzel(k->Kopplung()),
                                         Kuerzel(k->Raeume().Hole(1)),
                                         k->Info(),
                                         std::to_string(k->StundenProTag()),
                                         std::to_string(k->Einzelstunden()),
                                         std::to_string(k->Tabelle()),
                                         Wahr(k->NichtVerplanen()),
                                         Wahr(k->NichtZaehlenLehrer()),
                                         Wahr(k->NichtZaehlenKlassen())};
    std::string zeile;
    for (int f = 0; f < kFelder; ++f) {
      if (f > 0) zeile += '\t';
      zeile += felder[f];
    }
    zeilen.push_back(std::move(zeile));
    if (ohneFortsetzung) continue;
    const int weitere = std::max(k->Klassen().Anzahl(), k->Raeume().Anzahl());
    for (int i = 2; i <= weitere; ++i)
      zeilen.push_back("\t\t\t\t" + Kuerzel(k->Klassen().Hole(i)) + "\t\t" + Kuerzel(k->Raeume().Hole(i)) +
                       "\t\t\t\t\t\t\t");
  }
  return zeilen;
}

TKursText TKursText::Lies(std::string_view text) {
  TKursText ergebnis;
  int nummer = 0;
  for (const std::string& zeile : AblageZeilen(text)) {
    ++nummer;
    const std::vector<std::string> f = Felder(zeile);
    TKursZeile z;
    z.Fortsetzung = !f.empty() && f[0].empty();
    bool gut = AblageIstKursliste(zeile) && f.size() == kFelder;
    // A continuation needs a course before it.
    if (gut && z.Fortsetzung && ergebnis.zeilen_.empty()) gut = false;
    if (gut && !z.Fortsetzung) {
      int32_t spt = 0, ezs = 0, tbn = 0;
      gut = Zahl(f[0], z.Faktor) && Zahl(f[1], z.Stunden) && Zahl(f[8], spt) && Zahl(f[9], ezs) &&
            Zahl(f[10], tbn);
      z.StundenProTag = spt;
      z.Einzelstunden = ezs;
      z.Tabelle = tbn;
      if (gut) {
        z.Lehrer = f[2];
        z.Fach = f[3];
        z.Kopplung = f[5];
        z.Info = f[7];
        z.NichtVerplanen = IstWahr(f[11]);
        z.NichtZaehlenLehrer = IstWahr(f[12]);
        z.NichtZaehlenKlassen = IstWahr(f[13]);
      }
    }
    if (!gut) {
      ergebnis.zeilen_.clear();
      ergebnis.fehlerZeile_ = nummer;
      return ergebnis;
    }
    z.Klasse = f[4];
    z.Raum = f[6];
    ergebnis.zeilen_.push_back(std::move(z));
  }
  return ergebnis;
}

bool TKursText::KuerzelPruefen(const TSchule& schule) const {
  auto bekannt = [](const auto& liste, const std::string& text) {
    return text.empty() || TSchule::SucheKuerzel(liste, text) != nullptr;
  };
  for (const TKursZeile& z : zeilen_)
    if (!bekannt(schule.Lehrer(), z.Lehrer) || !bekannt(schule.Faecher(), z.Fach) ||
        !bekannt(schule.Klassen(), z.Klasse) || !bekannt(schule.Kopplungen(), z.Kopplung) ||
        !bekannt(schule.Raeume(), z.Raum))
      return false;
  return true;
}

std::vector<TKurs*> TKursText::KurseEinfuegen(TSchule& schule) const {
  std::vector<TKurs*> neu;
  if (!Gueltig()) return neu;
  TSchule::TAktion aktion(schule);
  TKurs* letzter = nullptr;
  for (const TKursZeile& z : zeilen_) {
    TKlasse* klasse = z.Klasse.empty() ? nullptr : schule.KlasseMitKuerzel(z.Klasse);
    TRaum* raum = z.Raum.empty() ? nullptr : schule.RaumMitKuerzel(z.Raum);
    if (z.Fortsetzung) {
      if (letzter == nullptr) continue;
      if (klasse != nullptr) letzter->FuegeKlasseHinzu(klasse);
      if (raum != nullptr) letzter->FuegeRaumHinzu(raum, false);
      continue;
    }
    TLehrer* lehrer = z.Lehrer.empty() ? nullptr : schule.LehrerMitKuerzel(z.Lehrer);
    TFach* fach = z.Fach.empty() ? nullptr : schule.FachMitKuerzel(z.Fach);
    TKopplung* kopplung = z.Kopplung.empty() ? nullptr : schule.KopplungMitKuerzel(z.Kopplung);
    letzter = schule.ErzeugeKurs(lehrer, klasse, kopplung, fach, raum, z.Stunden);
    letzter->SetFaktor(z.Faktor);
    letzter->SetzeInfo(z.Info);
    letzter->SetzeStundenProTag(z.StundenProTag);
    letzter->SetzeEinzelstunden(z.Einzelstunden);
    letzter->SetzeTabelle(z.Tabelle);
    letzter->SetzeNichtVerplanen(z.NichtVerplanen);
    letzter->SetzeNichtZaehlenLehrer(z.NichtZaehlenLehrer);
    letzter->SetzeNichtZaehlenKlassen(z.NichtZaehlenKlassen);
    neu.push_back(letzter);
  }
  return neu;
}

}  // namespace kolvar
