// The printouts a window or a feature asks for without knowing the print dialogs: the print
// feature fills them in, the windows call them. An empty entry prints nothing.
#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>

namespace kolvar {

class TParTabelle;
class TUVLayout;
class TUVTab;

struct TDruckAuftraege {
  // "Drucke Vertretungsplan" for the date.
  std::function<void(std::int32_t datum)> Vertretungsplan;
  // "Drucke Vertretungsübersicht" for the range of dates.
  std::function<void(std::int32_t von, std::int32_t bis)> VertretungsUebersicht;
  // A lesson-distribution table as its window lays it out.
  std::function<void(const TUVTab& tabelle, const TUVLayout& layout, bool mitKopplung)> DruckeUVFenster;
  // The parallel couplings.
  std::function<void(const TParTabelle& tabelle)> DruckeParTabelle;
  // The error list's lines.
  std::function<void(const QStringList& zeilen)> Fehlerliste;
};

}  // namespace kolvar
