// Writes the seed corpus of the reader's fuzz target with our own writer:
//   korpus <folder>
// Small schools only, so the fuzzer's inputs stay small.

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/fehl.h"
#include "model/schule.h"
#include "model/setzung.h"
#include "model/standard.h"
#include "storage/buffer.h"
#include "storage/schreiber.h"
#include "support/fakes.h"
#include "support/generator.h"
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
    auto* f = new TFehl();
    f->SetzeDatum(static_cast<int32_t>(klein->uhr.Heute()));
    f->SetzeElement(klein->mue);
    f->SetzeStunden(0x8001);
    f->SetzeNeueStunden(0x8001);
    s.LehrerFehlen().Haenge(f);
    const TVertretungsAblage ablage = ErzeugeVertretungen(s, 1, 6);
    TSchreiber w;
    w.SetzeVertretungen(&ablage);
    w.SetzeFenster({{9, "Plan MUE", 10, 10, 400, 300}});
    Speichere(ordner, "kleine_schule" + std::to_string(n) + ".kv", w, s);
  }
  return 0;
}
