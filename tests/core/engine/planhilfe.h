#pragma once
// Helpers of the engine tests: the plan state of a school in a form that ignores the order of
// placement lists (undo puts hours back at the end of the list).

#include <algorithm>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/klasse.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"

namespace kolvar {

inline std::string Planstand(const TSchule& s) {
  std::ostringstream o;
  auto raster = [&](const TWochBereich& g) {
    for (int v = 1; v <= g.Versionen(); ++v)
      for (int d = 1; d <= 7; ++d) o << g.Tag(v, d) << ",";
    o << "\n";
  };
  for (const TKurs* k : s.Kurse()) {
    std::vector<std::tuple<int, int, int, std::string, bool>> setzungen;
    for (const TSetzung* st : k->Setzungen())
      setzungen.emplace_back(st->Version(), st->Tag(), st->Stunde(), st->Raum() ? st->Raum()->Kuerzel() : "-",
                             st->Fixiert());
    std::sort(setzungen.begin(), setzungen.end());
    o << k->Erstellnummer() << ":";
    for (const auto& [v, d, p, r, f] : setzungen)
      o << " " << v << "/" << d << "/" << p << "/" << r << "/" << f;
    o << "\n";
    raster(k->Belegung());
  }
  for (const TLehrer* l : s.Lehrer()) raster(l->Belegung());
  for (const TKlasse* k : s.Klassen()) raster(k->Belegung());
  for (const TRaum* r : s.Raeume()) raster(r->Belegung());
  return o.str();
}

}  // namespace kolvar
