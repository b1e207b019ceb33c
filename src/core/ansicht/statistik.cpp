#include "ansicht/statistik.h"

#include "model/element.h"
#include "model/fach.h"
#include "model/fensterart.h"
#include "model/klasse.h"
#include "model/lehrer.h"
#include "model/standard.h"
#include "model/stundentext.h"
#include "model/uvtab.h"

namespace kolvar {

namespace {

std::string Stunden(int64_t wert, const TStandard& st) {
  return FormatiereStunden(wert, st);
}

// The subject statistics' weighted columns: three places wider than the hour values.
std::string Breit(int64_t wert, const TStandard& st) {
  return FormatiereStunden(wert, st.vkm + 2, st.nkm, st.dvs);
}

std::vector<std::string> SollZeile(const TSollElement& e, bool einzeln, int seite, const TStandard& st) {
  const int64_t soll = e.Soll(-1);
  const int64_t ist = e.IstGewichtet(-1, einzeln, seite);
  return {Stunden(soll, st),       Stunden(ist, st), std::to_string(e.IstEinfach(-1, einzeln, seite)),
          Stunden(soll - ist, st), e.Kuerzel(),      e.Name()};
}

bool PasstZu(int art, const TElement& e) {
  const TFensterArtInfo* info = FensterArtInfo(art);
  return info && info->Liste && *info->Liste == e.Art();
}

}  // namespace

std::vector<std::string> StatistikKoepfe(int art) {
  switch (art) {
    case FensterArt::LeStat:
      return {"Soll", "Ist", "(Ist)", "Rest", "Lehrer", "Info"};
    case FensterArt::KlStat:
      return {"Soll", "Ist", "(Ist)", "Rest", "Klasse", "Info"};
    case FensterArt::FaStat:
      return {"[Le]", "Lehrer", "(Le)", "Klasse", "(Kl)", "Fach", "Info"};
    case FensterArt::KoStat:
      return {"Kurse", "Kopplung", "Info"};
    case FensterArt::RaStat:
      return {"Raum", "Info"};
    case FensterArt::UVStat:
      return {"F/L", "UV-Tab.", "Info"};
    default:
      return {};
  }
}

std::vector<std::string> StatistikZeile(int art, const TElement& e, const TStandard& st) {
  if (!PasstZu(art, e)) return {};
  switch (art) {
    case FensterArt::LeStat:
      return SollZeile(static_cast<const TLehrer&>(e), true, Seite::Lehrer, st);
    case FensterArt::KlStat: {
      const auto& k = static_cast<const TKlasse&>(e);
      return SollZeile(k, k.Einzeln(), Seite::Klasse, st);
    }
    case FensterArt::FaStat: {
      const auto& f = static_cast<const TFach&>(e);
      return {std::to_string(f.Lehrer().Anzahl()),
              Breit(f.IstGewichtet(-1, true, Seite::Lehrer), st),
              std::to_string(f.IstEinfach(-1, true, Seite::Lehrer)),
              Breit(f.IstGewichtet(-1, true, Seite::Klasse), st),
              std::to_string(f.IstEinfach(-1, true, Seite::Klasse)),
              f.Kuerzel(),
              f.Name()};
    }
    case FensterArt::KoStat:
      return {std::to_string(e.Kurse().Anzahl()), e.Kuerzel(), e.Name()};
    case FensterArt::RaStat:
      return {e.Kuerzel(), e.Name()};
    case FensterArt::UVStat:
      return {static_cast<const TUVTab&>(e).Ausrichtung() != 0 ? "F" : "L", e.Kuerzel(), e.Name()};
    default:
      return {};
  }
}

std::vector<std::string> StatistikKopiertext(const std::vector<std::vector<std::string>>& zeilen) {
  std::vector<std::string> text;
  for (const auto& zeile : zeilen) {
    if (zeile.empty()) continue;
    std::string t = zeile.front();
    for (std::size_t c = 1; c < zeile.size(); ++c) t += "\t" + zeile[c];
    text.push_back(std::move(t));
  }
  return text;
}

}  // namespace kolvar
