#include "druck/druckkopf.h"

#include <array>
#include <cstdio>

#include "druck/izeichenflaeche.h"
#include "model/datum.h"
#include "model/optionen.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"

namespace kolvar {

std::string DruckDatumsText(int64_t zeit) {
  const int32_t tag = TagDerZeit(zeit);
  const TKalenderDatum d = KalenderDatum(tag);
  const int64_t sekunden = zeit - static_cast<int64_t>(tag) * 86400;
  char text[96];
  std::snprintf(text, sizeof text, "%s, %d. %s %04d     %d:%02d Uhr      ", TagName(Wochentag(tag), true),
                d.Tag, MonatsName(d.Monat, true), d.Jahr, static_cast<int>(sekunden / 3600),
                static_cast<int>(sekunden / 60 % 60));
  return text;
}

int RandInPixel(const IZeichenflaeche& flaeche, int zentimeter) {
  return flaeche.InchToPixel(zentimeter / 2.54);
}

TDruckRaender RaenderInPixel(const IZeichenflaeche& flaeche, int links, int rechts, int oben, int unten) {
  return {RandInPixel(flaeche, links), RandInPixel(flaeche, rechts), RandInPixel(flaeche, oben),
          RandInPixel(flaeche, unten)};
}

TDruckSchrift DruckSchrift(const TSchrift& schrift) {
  TDruckSchrift s;
  s.Name = schrift.Name;
  s.Groesse = schrift.Groesse;
  s.Fett = schrift.Fett;
  s.Kursiv = schrift.Kursiv;
  s.Unterstrichen = schrift.Unterstrichen;
  s.Farbe = schrift.Farbe & 0xFFFFFFu;
  return s;
}

namespace {

std::string SeitenText(const IZeichenflaeche& flaeche) {
  return "Seite " + std::to_string(flaeche.AktuelleSeite());
}

}  // namespace

void DruckeKopfPlan(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h, bool mitDatum) {
  const std::string datum = mitDatum ? DruckDatumsText(schule.Zeit().Jetzt()) : std::string();
  flaeche.TextOut(x, y, datum + SeitenText(flaeche));
  std::string titel = schule.Titel();
  const TStandard& standard = schule.Standard();
  if (standard.mwn() > 1) titel = "{" + std::to_string(standard.AktuelleVersion()) + "}  " + titel;
  flaeche.TextOut(x, y + h, titel);
  flaeche.MoveTo(x, y + 2 * h);
}

void DruckeKopfPar(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h) {
  flaeche.TextOut(x, y, DruckDatumsText(schule.Zeit().Jetzt()) + SeitenText(flaeche));
  const std::string version = "{" + std::to_string(schule.Standard().AktuelleVersion()) + "}";
  flaeche.TextOut(x, y + h, version + "   " + schule.Titel());
  flaeche.MoveTo(x, y + 2 * h);
}

void DruckeKopfListe(IZeichenflaeche& flaeche, const TSchule& schule, int x, int y, int h) {
  flaeche.TextOut(x, y, DruckDatumsText(schule.Zeit().Jetzt()) + SeitenText(flaeche));
  flaeche.TextOut(x, y + h, schule.Titel());
  flaeche.MoveTo(x, y + 3 * h);
}

bool PlatzReicht(const IZeichenflaeche& flaeche, int y, int k, int h) {
  return flaeche.DruckBereich().unten - y >= k * h;
}

}  // namespace kolvar
