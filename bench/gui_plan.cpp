// Opening and painting plan windows of the large generated school (10 periods a day shown): a new
// teacher plan built and its whole grid painted into an image, every teacher's plan in turn, and
// the refresh of an open plan after a change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "model/lehrer.h"
#include "model/schule.h"
#include "model/standard.h"
#include "platform/gitter.h"
#include "qtanwendung.h"
#include "support/generator.h"
#include "views/plnform.h"

namespace {

struct GrosseSchule {
  QApplication& app = kolvar::BenchAnwendung();
  kolvar::TStandard standard;
  std::unique_ptr<kolvar::TSchule> schule;
  GrosseSchule() {
    schule = kolvar::ErzeugeSchule(standard, kolvar::Profil::Gross, 1);
    standard.pst = 10;
  }
};

GrosseSchule& Schule() {
  static GrosseSchule s;
  return s;
}

// Paints the whole grid into the image, as the window's paint does for its viewport.
void Male(kolvar::TPlnForm& plan, QImage& bild) {
  const QSize groesse = plan.PlnGrid->viewportSizeHint();
  if (bild.size() != groesse) bild = QImage(groesse, QImage::Format_RGB32);
  QPainter maler(&bild);
  plan.PlnGrid->Male(maler, bild.rect());
}

void BM_LehrerplanOeffnenUndMalen(benchmark::State& state) {
  GrosseSchule& s = Schule();
  const auto& lehrer = s.schule->Lehrer().Elemente();
  QImage bild;
  std::size_t i = 0;
  for (auto _ : state) {
    kolvar::TLePlnForm plan(*s.schule, nullptr);
    plan.Zeige(lehrer[i++ % lehrer.size()]);
    Male(plan, bild);
    benchmark::DoNotOptimize(bild.constBits());
  }
  state.counters["lehrer"] = static_cast<double>(lehrer.size());
}
BENCHMARK(BM_LehrerplanOeffnenUndMalen)->Unit(benchmark::kMicrosecond);

void BM_AlleLehrerplaene(benchmark::State& state) {
  GrosseSchule& s = Schule();
  QImage bild;
  for (auto _ : state) {
    for (kolvar::TLehrer* l : s.schule->Lehrer()) {
      kolvar::TLePlnForm plan(*s.schule, nullptr);
      plan.Zeige(l);
      Male(plan, bild);
      benchmark::DoNotOptimize(bild.constBits());
    }
  }
  state.counters["plaene"] = benchmark::Counter(static_cast<double>(s.schule->Lehrer().Anzahl()),
                                                benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AlleLehrerplaene)->Unit(benchmark::kMillisecond);

void BM_OffenenPlanAktualisieren(benchmark::State& state) {
  GrosseSchule& s = Schule();
  kolvar::TLePlnForm plan(*s.schule, nullptr);
  plan.Zeige(s.schule->Lehrer().Hole(1));
  QImage bild;
  for (auto _ : state) {
    plan.Aktualisiere();
    Male(plan, bild);
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_OffenenPlanAktualisieren)->Unit(benchmark::kMicrosecond);

}  // namespace
