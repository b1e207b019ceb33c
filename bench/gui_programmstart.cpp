// Start-up to a visible palette with a school file: settings, palette, reading the file,
// abbreviation menus. The example school when it is there, and generated typical and large
// schools (offscreen; the settings store is in memory).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/kolvarpalette.h"
#include "app/programm.h"
#include "app/schuldateien.h"
#include "model/standard.h"
#include "qtanwendung.h"
#include "storage/einstellungenimspeicher.h"
#include "storage/schreiber.h"
#include "support/generator.h"

namespace {

QString GenerierteDatei(kolvar::Profil profil) {
  static QTemporaryDir ordner;
  const QString pfad =
      ordner.filePath(QString::fromLatin1(kolvar::ProfilName(profil)) + QStringLiteral(".kvr"));
  if (!QFile::exists(pfad)) {
    kolvar::TStandard standard;
    auto schule = kolvar::ErzeugeSchule(standard, profil, 1);
    kolvar::TSchreiber().SchreibeDatei(*schule, pfad.toStdString());
  }
  return pfad;
}

void Starte(benchmark::State& state, const QString& datei) {
  kolvar::BenchAnwendung();
  if (!QFile::exists(datei)) {
    state.SkipWithError("no school file");
    return;
  }
  for (auto _ : state) {
    kolvar::TEinstellungenImSpeicher speicher;
    kolvar::TSchulDateien dateien;
    kolvar::TProgramm programm(speicher, dateien);
    const bool ok = programm.Starte({QStringLiteral("winkolvar"), datei});
    QCoreApplication::processEvents();
    if (!ok || !programm.Palette()->isVisible() || !programm.Palette()->DateiOffen()) {
      state.SkipWithError("the palette did not open the file");
      return;
    }
    benchmark::DoNotOptimize(programm.Palette()->windowTitle());
  }
}

void BM_StartMitBeispielschule(benchmark::State& state) {
  // Beside the sources: bench/../examples.
  Starte(state, QDir::cleanPath(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                                QStringLiteral("/../examples/schule.kvr")));
}

void BM_StartMitGenerierterSchule(benchmark::State& state) {
  Starte(state, GenerierteDatei(static_cast<kolvar::Profil>(state.range(0))));
}

}  // namespace

BENCHMARK(BM_StartMitBeispielschule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartMitGenerierterSchule)
    ->Arg(static_cast<int>(kolvar::Profil::Typisch))
    ->Arg(static_cast<int>(kolvar::Profil::Gross))
    ->Unit(benchmark::kMillisecond);
