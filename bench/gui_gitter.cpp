// Painting a plan-sized string grid: 20 columns x 100 rows, offscreen into an image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/gitter.h"
#include "qtanwendung.h"

namespace {

struct Gefuellt {
  QApplication& app = kolvar::BenchAnwendung();  // before the first widget
  kolvar::TGitter gitter;
  QImage bild;

  explicit Gefuellt(bool eigeneZeichnung) {
    gitter.SetzeRollbalken(false);
    gitter.setFrameShape(QFrame::NoFrame);
    gitter.SetzeSpalten(20);
    gitter.SetzeZeilen(100);
    gitter.SetzeStandardBreite(48);
    gitter.SetzeStandardHoehe(30);
    for (int z = 0; z < 100; ++z)
      for (int s = 0; s < 20; ++s) gitter.SetzeText(s, z, QStringLiteral("%1a\nM%2").arg(s % 10).arg(z % 7));
    if (eigeneZeichnung)
      gitter.SetzeZeichner([this](QPainter& p, int s, int z, const QRect& r, kolvar::TZellZustand zustand) {
        if (zustand.fest) {
          gitter.ZeichneStandard(p, s, z, r, zustand);
          return;
        }
        p.fillRect(r, QColor::fromHsv((s * 37 + z * 11) % 360, 60, 250));
        QFont fett = p.font();
        fett.setBold((s + z) % 3 == 0);
        p.setFont(fett);
        p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, gitter.Text(s, z));
      });
    const QSize ganz = gitter.viewportSizeHint();
    gitter.resize(ganz);
    gitter.show();
    QCoreApplication::sendPostedEvents();
    bild = QImage(ganz, QImage::Format_ARGB32_Premultiplied);
  }

  void Male() {
    QPainter p(&bild);
    gitter.Male(p, bild.rect());
  }
};

void BM_GitterMalenStandard(benchmark::State& state) {
  Gefuellt g(false);
  for (auto _ : state) {
    g.Male();
    benchmark::DoNotOptimize(g.bild.constBits());
  }
  state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_GitterMalenStandard)->Unit(benchmark::kMillisecond);

void BM_GitterMalenEigeneZeichnung(benchmark::State& state) {
  Gefuellt g(true);
  for (auto _ : state) {
    g.Male();
    benchmark::DoNotOptimize(g.bild.constBits());
  }
  state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_GitterMalenEigeneZeichnung)->Unit(benchmark::kMillisecond);

// What a user waits for when a plan window scrolls: one visible screenful of a scrolled grid.
void BM_GitterScrollenUndMalen(benchmark::State& state) {
  Gefuellt g(true);
  g.gitter.resize(600, 400);
  QCoreApplication::sendPostedEvents();
  QImage bild(g.gitter.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  int zeile = 1;
  for (auto _ : state) {
    zeile = zeile >= 80 ? 1 : zeile + 1;
    g.gitter.SetzeObersteZeile(zeile);
    QPainter p(&bild);
    g.gitter.Male(p, bild.rect());
  }
}
BENCHMARK(BM_GitterScrollenUndMalen)->Unit(benchmark::kMicrosecond);

}  // namespace
