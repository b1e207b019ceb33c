#include "app/schuldateien.h"

#include <exception>
#include <new>

#include "storage/dateifehler.h"
#include "storage/ifortschritt.h"
#include "storage/kursimport.h"
#include "storage/leser.h"
#include "storage/schreiber.h"

namespace kolvar {

std::unique_ptr<TSchule> TSchulDateien::Lies(const std::string& pfad, TStandard& standard, TUmgebung umgebung,
                                             IFortschritt& fortschritt, std::vector<TFenster>& fenster,
                                             std::string& fehler) {
  try {
    TLeser leser(standard, umgebung, &fortschritt);
    std::unique_ptr<TSchule> schule = leser.LiesDatei(pfad);
    fenster = leser.Fenster();
    return schule;
  } catch (const TVersionsFehler&) {
    fehler.clear();  // the reader has told the user
  } catch (const TDateiFehler& f) {
    fehler = f.what();
  } catch (const std::bad_alloc&) {
    fehler = "Die Datei " + pfad + " ist zu groß für den Speicher.";
  } catch (const std::exception& f) {
    fehler = f.what();
  }
  return nullptr;
}

bool TSchulDateien::Schreibe(TSchule& schule, const std::string& pfad, const std::vector<TFenster>& fenster,
                             IFortschritt& fortschritt, std::string& fehler) {
  try {
    TSchreiber schreiber(&fortschritt);
    schreiber.SetzeFenster(fenster);
    schreiber.SchreibeDatei(schule, pfad);
    return true;
  } catch (const std::exception& f) {
    fehler = f.what();
    return false;
  }
}

bool TSchulDateien::Importiere(TSchule& schule, const std::string& pfad, IFortschritt& fortschritt,
                               std::string& fehler) {
  try {
    TKursImport import(schule, &fortschritt);
    return import.ImportiereDatei(pfad) == TImportErgebnis::Importiert;
  } catch (const std::exception& f) {
    fehler = f.what();
    return false;
  }
}

}  // namespace kolvar
