#include "support/importtext.h"

#include <algorithm>
#include <array>

#include "model/fach.h"
#include "model/klasse.h"
#include "model/kopplung.h"
#include "model/kurs.h"
#include "model/lehrer.h"
#include "model/raum.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"

namespace kolvar {

namespace {

std::string Liste(const TKurs& k, auto wert) {
  std::string s;
  bool erstes = true;
  for (const TSetzung* st : k.Setzungen()) {
    if (!erstes) s += '\x1d';
    s += wert(*st);
    erstes = false;
  }
  return s;
}

std::string Kuerzel(const TElement* e) {
  return e ? e->Kuerzel() : std::string();
}
std::string Name(const TElement* e) {
  return e ? e->Name() : std::string();
}

}  // namespace

std::string KursImportText(const TSchule& schule) {
  std::string text;
  int nummer = 0;
  for (const TKurs* k : schule.Kurse()) {
    ++nummer;
    std::array<std::string, 23> f;
    f[0] = std::to_string(nummer);
    f[1] = std::to_string(std::clamp(k->Faktor(), 1, 10000));
    f[2] = std::to_string(std::clamp(k->Stunden(schule.Standard().AktuelleVersion()), -9, 99));
    f[3] = k->Info();
    f[4] = Kuerzel(k->Lehrer());
    f[5] = Name(k->Lehrer());
    f[6] = Kuerzel(k->Fach());
    f[7] = Name(k->Fach());
    f[10] = Kuerzel(k->Kopplung());
    f[11] = Name(k->Kopplung());
    f[12] = Liste(*k, [](const TSetzung& s) { return std::to_string(s.Version()); });
    f[13] = Liste(*k, [](const TSetzung& s) { return std::to_string(s.Tag()); });
    f[14] = Liste(*k, [](const TSetzung& s) { return std::to_string(s.Stunde()); });
    f[15] = Liste(*k, [](const TSetzung& s) { return Kuerzel(s.Raum()); });
    f[16] = Liste(*k, [](const TSetzung& s) { return Name(s.Raum()); });
    f[17] = std::to_string(std::clamp(k->StundenProTag(), 1, 16));
    f[18] = std::to_string(std::clamp(k->Einzelstunden(), 0, 99));
    f[19] = std::to_string(std::clamp(k->Tabelle(), 1, 4));
    f[20] = k->NichtVerplanen() ? "1" : "0";
    f[21] = k->NichtZaehlenLehrer() ? "1" : "0";
    f[22] = k->NichtZaehlenKlassen() ? "1" : "0";
    // The first record names the first class; one more record with the same number per class.
    const int klassen = std::max(1, k->Klassen().Anzahl());
    for (int i = 1; i <= klassen; ++i) {
      f[8] = Kuerzel(k->Klassen().Hole(i));
      f[9] = Name(k->Klassen().Hole(i));
      for (std::size_t n = 0; n < f.size(); ++n) text += (n ? "\t" : "") + f[n];
      text += "\r\n";
    }
  }
  return text;
}

}  // namespace kolvar
