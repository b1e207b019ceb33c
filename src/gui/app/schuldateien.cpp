#include "app/schuldateien.h"

namespace kolvar {

namespace {
constexpr const char* kNochNicht = "Dieses Dateiformat kann WinKolvar noch nicht lesen oder schreiben.";
}

std::unique_ptr<TSchule> TOhneSchulDateien::Lies(const std::string&, TStandard&, TUmgebung,
                                                 TFortschrittsForm&, std::string& fehler) {
  fehler = kNochNicht;
  return nullptr;
}

bool TOhneSchulDateien::Schreibe(TSchule&, const std::string&, TFortschrittsForm&, std::string& fehler) {
  fehler = kNochNicht;
  return false;
}

bool TOhneSchulDateien::Importiere(TSchule&, const std::string&, TFortschrittsForm&, std::string& fehler) {
  fehler = kNochNicht;
  return false;
}

}  // namespace kolvar
