// Fuzz target of the course import: any bytes are refused, or give a school that writes, reads
// back and writes again to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/idialoge.h"
#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "storage/kursimport.h"
#include "storage/leser.h"
#include "storage/schreiber.h"

namespace {

class TFesteUhr : public kolvar::Uhr {
 public:
  int64_t Jetzt() const override { return int64_t{45000} * 86400 + 10 * 3600; }
};

// Imports in spite of unknown abbreviations, so every pass runs.
class TJaDialoge : public kolvar::IDialoge {
 public:
  int Frage(kolvar::TDialog, const std::vector<std::string>&) override { return kolvar::Modal::Ja; }
  void Melde(kolvar::TDialog, const std::vector<std::string>&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t groesse) {
  static const TFesteUhr uhr;
  TJaDialoge dialoge;
  kolvar::TStandard standard;
  standard.SetVersionszahl(3);
  kolvar::TSchule schule(standard, {&dialoge, nullptr, &uhr});
  if (kolvar::TKursImport(schule).Importiere(std::vector<uint8_t>(daten, daten + groesse)) !=
      kolvar::TImportErgebnis::Importiert)
    return 0;
  // What the import took must fit the school file: a failing save is a finding.
  const std::vector<uint8_t> eins = kolvar::TSchreiber().Baue(schule);
  kolvar::TStandard standard2;
  kolvar::TLeser leser(standard2, {nullptr, nullptr, &uhr});
  const auto schule2 = leser.LiesDaten(eins);
  kolvar::TSchreiber schreiber;
  schreiber.SetzeFenster(leser.Fenster());
  if (schreiber.Baue(*schule2) != eins) std::abort();
  return 0;
}
