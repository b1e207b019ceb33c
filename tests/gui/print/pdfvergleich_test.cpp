// A recorded page printed into a PDF and replayed as the preview does: the PDF's words stand
// where the recording put them, and both rasterised pages carry their ink in the same places.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

#include "druck/plandruck.h"
#include "druck/prevprinter.h"
#include "print/anwendungsdrucker.h"
#include "print/druckwiedergabe.h"
#include "support/schulbauer.h"

namespace kolvar {
namespace {

struct TPdfWort {
  QString text;
  double x, y;  // points from the sheet's top left corner
};

std::vector<TPdfWort> PdfWorte(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                        QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression wort(QString::fromUtf8(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re"));
  std::vector<TPdfWort> worte;
  for (auto it = wort.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    worte.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
  }
  return worte;
}

// Ink in blocks of 8 x 8 pixels.
std::vector<bool> Tinte(const QImage& bild) {
  const QImage grau = bild.convertToFormat(QImage::Format_Grayscale8);
  const int bx = grau.width() / 8, by = grau.height() / 8;
  std::vector<bool> bloecke(static_cast<std::size_t>(bx * by));
  for (int y = 0; y < by * 8; ++y) {
    const uchar* zeile = grau.constScanLine(y);
    for (int x = 0; x < bx * 8; ++x)
      if (zeile[x] < 128) bloecke[static_cast<std::size_t>(y / 8 * bx + x / 8)] = true;
  }
  return bloecke;
}

TEST(PdfVergleich, PreviewReplayAndPdfShowTheSameTextsInTheSamePlaces) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    GTEST_FAIL() << "poppler-utils fehlen (scripts/setup.sh installiert sie)";
  auto s = BaueKleineSchule();
  SetzeEinigeStunden(*s);
  QTemporaryDir ordner;
  const QString pdf = ordner.filePath(QStringLiteral("plan.pdf"));
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setResolution(600);
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(pdf);
  drucker.setPageSize(QPageSize(QPageSize::A4));
  drucker.setPageMargins(QMarginsF(5, 6, 5, 6), QPageLayout::Millimeter);
  const TDruckGeraet geraet = DruckGeraetVon(drucker);
  ASSERT_GT(geraet.Versatz.x, 0) << "the offset must be taken off and given back";

  TQtDruckMesser messer;
  TPrevPrinter recorder(geraet, messer);
  recorder.BeginRecord();
  TPlanDruck(*s->schule, TPlanDruckArt::Klasse, s->standard.KlassenPlanDruck)
      .Drucke(recorder, {s->k5a, s->k5b, s->k6a});
  recorder.EndRecord();
  TDruckerZiel ziel(drucker);
  ASSERT_TRUE(recorder.Print(ziel));

  // Every word the recording wrote is in the PDF at its place from the sheet's edge.
  const std::vector<TPdfWort> worte = PdfWorte(pdf);
  int geprueft = 0;
  for (const TDruckBefehl& b : recorder.PageMetafile(1)->Befehle) {
    if (b.Art != TBefehlsArt::Text || b.Text.find(' ') != std::string::npos) continue;
    const double x = (b.Ort.links + geraet.Versatz.x) * 72.0 / 600,
                 y = (b.Ort.oben + geraet.Versatz.y) * 72.0 / 600;
    bool gefunden = false;
    for (const TPdfWort& w : worte)
      gefunden = gefunden || (w.text == QString::fromStdString(b.Text) && std::abs(w.x - x) < 1.0 &&
                              std::abs(w.y - y) < 2.0);
    EXPECT_TRUE(gefunden) << b.Text << " at " << x << ", " << y << " pt";
    ++geprueft;
  }
  EXPECT_GT(geprueft, 30);

  // Both rasterised at 60 dpi: the preview's replay and the printed page.
  QProcess p;
  p.start(
      QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-png"), QStringLiteral("-f"),
       QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, ordner.filePath(QStringLiteral("seite"))});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QImage gedruckt(ordner.filePath(QStringLiteral("seite.png")));
  ASSERT_FALSE(gedruckt.isNull());
  const double massstab = 60.0 / 600;
  QImage vorschau(gedruckt.size(), QImage::Format_RGB32);
  vorschau.fill(Qt::white);
  {
    QPainter maler(&vorschau);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(geraet.Versatz.x * massstab, geraet.Versatz.y * massstab);
    SpieleAb(*recorder.PageMetafile(1), maler, geraet.PixelProZollY, massstab);
  }
  const std::vector<bool> a = Tinte(vorschau), b = Tinte(gedruckt);
  ASSERT_EQ(a.size(), b.size());
  int tinte = 0, gleich = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!a[i] && !b[i]) continue;
    ++tinte;
    if (a[i] == b[i]) ++gleich;
  }
  EXPECT_GT(tinte, 200);
  EXPECT_GE(gleich * 100, tinte * 95) << gleich << " of " << tinte << " inked blocks agree";
}

}  // namespace
}  // namespace kolvar
