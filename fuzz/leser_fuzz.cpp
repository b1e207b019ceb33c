// Fuzz target of the school file reader: any bytes either give a clean TDateiFehler or a school
// that writes, reads back and writes again to the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/schule.h"
#include "model/standard.h"
#include "model/uhr.h"
#include "storage/dateifehler.h"
#include "storage/leser.h"
#include "storage/schreiber.h"

namespace {

// The day the seed schools were made on.
class TFesteUhr : public kolvar::Uhr {
 public:
  int64_t Jetzt() const override { return int64_t{45000} * 86400 + 10 * 3600; }
};

std::vector<uint8_t> Schreibe(const kolvar::TSchule& schule, kolvar::TLeser& leser) {
  kolvar::TSchreiber schreiber;
  schreiber.SetzeFenster(leser.Fenster());
  return schreiber.Baue(schule);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t groesse) {
  static const TFesteUhr uhr;
  kolvar::TStandard standard;
  kolvar::TLeser leser(standard, {nullptr, nullptr, &uhr});
  std::vector<uint8_t> eins;
  try {
    const auto schule = leser.LiesDaten(std::vector<uint8_t>(daten, daten + groesse));
    eins = Schreibe(*schule, leser);
  } catch (const kolvar::TDateiFehler&) {
    return 0;
  }
  // What was read once must survive a round trip unchanged.
  kolvar::TStandard standard2;
  kolvar::TLeser leser2(standard2, {nullptr, nullptr, &uhr});
  const auto schule2 = leser2.LiesDaten(eins);
  if (Schreibe(*schule2, leser2) != eins) std::abort();
  return 0;
}
