// Writes the seed corpus of the reader's fuzz target with our own writer:
//   korpus <folder>
// Small schools only, so the fuzzer's inputs stay small.

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/buffer.h"
#include "storage/schreiber.h"
#include "substitution/fehlzeit.h"
#include "substitution/vertretung.h"
#include "support/fakes.h"
#include "support/schulbauer.h"

using namespace kolvar;

namespace {

void Speichere(const std::filesystem::path& ordner, const std::string& name, const TSchreiber& w,
               const TSchule& s) {
  TBuffer(w.Baue(s)).Speichere(ordner / name);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "korpus <ordner>\n");
    return 2;
  }
  const std::filesystem::path ordner = argv[1];
  std::filesystem::create_directories(ordner);
  for (int n : {1, 3}) {
    TStandard st;
    st.SetVersionszahl(n);
    TSchule s(st);
    Speichere(ordner, "leer" + std::to_string(n) + ".kv", TSchreiber(), s);
  }
  for (int n : {1, 2}) {
    auto klein = BaueKleineSchule(n);
    SetzeEinigeStunden(*klein);
    TSchule& s = *klein->schule;
    // Absent teachers on the seed day bring their substitution records; one gets a substitute.
    const int32_t heute = klein->uhr.Heute();
    for (int32_t tag = heute - 6; tag <= heute; ++tag) {
      SetzeFehlzeit(*klein->mue, tag, 0xFFFF);
      SetzeFehlzeit(*klein->sch, tag, 0xC000);
    }
    for (TVertretung* v : s.Vertretungen())
      if (!v->Vertreter()) v->SetzeVertreter(klein->ber);
    // One "statt" link, so the seeds carry link numbers.
    if (s.Vertretungen().Anzahl() >= 2 && !s.Vertretungen().Hole(1)->Statt() &&
        !s.Vertretungen().Hole(2)->VerlegtAuf()) {
      s.Vertretungen().Hole(1)->SetStatt(s.Vertretungen().Hole(2));
      s.Vertretungen().Hole(2)->SetVerlegtAuf(s.Vertretungen().Hole(1));
    }
    TSchreiber w;
    w.SetzeFenster({{9, "Plan MUE", 10, 10, 400, 300}});
    Speichere(ordner, "kleine_schule" + std::to_string(n) + ".kv", w, s);
  }
  return 0;
}
