// Printing every class plan of the large generated school: recording the plans and writing
// them through the application's printer into a PDF file (600 dpi, A4).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <memory>

#include "druck/plandruck.h"
#include "druck/prevprinter.h"
#include "model/klasse.h"
#include "model/schule.h"
#include "model/standard.h"
#include "print/anwendungsdrucker.h"
#include "print/druckwiedergabe.h"
#include "qtanwendung.h"
#include "support/generator.h"

namespace {

void KlassenplaeneAlsPdf(benchmark::State& state) {
  kolvar::BenchAnwendung();
  kolvar::TStandard standard;
  auto schule = kolvar::ErzeugeSchule(standard, kolvar::Profil::Gross, 1);
  std::vector<kolvar::TPlanElement*> klassen;
  for (kolvar::TKlasse* k : schule->Klassen()) klassen.push_back(k);
  const QString datei = QDir::temp().filePath(QStringLiteral("bench_druck_klassenplaene.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setResolution(600);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(datei);
  kolvar::TQtDruckMesser messer;
  int seiten = 0;
  for (auto _ : state) {
    kolvar::TPrevPrinter recorder(kolvar::DruckGeraetVon(drucker), messer);
    recorder.BeginRecord();
    kolvar::TPlanDruck(*schule, kolvar::TPlanDruckArt::Klasse, standard.KlassenPlanDruck)
        .Drucke(recorder, klassen);
    recorder.EndRecord();
    kolvar::TDruckerZiel ziel(drucker);
    if (!recorder.Print(ziel)) state.SkipWithError("PDF nicht geschrieben");
    seiten = recorder.PageCount();
  }
  state.counters["plaene"] = static_cast<double>(klassen.size());
  state.counters["seiten"] = seiten;
  state.counters["pdf_kb"] = static_cast<double>(QFileInfo(datei).size()) / 1024.0;
}
BENCHMARK(KlassenplaeneAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
