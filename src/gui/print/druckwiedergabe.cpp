#include "print/druckwiedergabe.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "model/itextmass.h"

namespace kolvar {

QColor QtFarbe(uint32_t farbe) {
  return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                static_cast<int>((farbe >> 16) & 0xFF));
}

QFont QtSchrift(const TDruckSchrift& schrift, int pixelProZoll, double massstab) {
  QFont f(QString::fromStdString(schrift.Name));
  const double pixel = schrift.Groesse * pixelProZoll / 72.0 * massstab;
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel))));
  f.setBold(schrift.Fett);
  f.setItalic(schrift.Kursiv);
  f.setUnderline(schrift.Unterstrichen);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

namespace {

class TQtSchriftMass : public ITextMass {
 public:
  explicit TQtSchriftMass(const QFont& f) : metrik_(f) {}
  int TextBreite(std::string_view text) const override {
    return metrik_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  int TextHoehe(std::string_view) const override { return metrik_.height(); }

 private:
  QFontMetrics metrik_;
};

// Right and bottom edges lie outside, as the recorder's callers count them.
QRectF Flaeche(const TDruckRechteck& r, double m) {
  return QRectF(QPointF(r.links * m, r.oben * m), QPointF(r.rechts * m, r.unten * m));
}

}  // namespace

std::unique_ptr<ITextMass> TQtDruckMesser::Mass(const TDruckSchrift& schrift, int pixelProZoll) const {
  return std::make_unique<TQtSchriftMass>(QtSchrift(schrift, pixelProZoll));
}

void SpieleAb(const TDruckSeite& seite, QPainter& maler, int pixelProZoll, double massstab) {
  maler.save();
  const double m = massstab;
  // Three layers: areas, then lines, then texts. A cell's fill lies one pixel inside its frame,
  // which a viewer rasterising a PDF coarsely would otherwise paint over the frame's hairline.
  for (const TDruckBefehl& b : seite.Befehle) {
    const QRectF r = Flaeche(b.Ort, m);
    if (b.Art == TBefehlsArt::Fuellen) {
      maler.fillRect(r, QtFarbe(b.Pinsel.Farbe));
    } else if ((b.Art == TBefehlsArt::Rechteck || b.Art == TBefehlsArt::Ellipse) && !b.Pinsel.Leer) {
      maler.setPen(Qt::NoPen);
      maler.setBrush(QtFarbe(b.Pinsel.Farbe));
      if (b.Art == TBefehlsArt::Rechteck)
        maler.drawRect(r);
      else
        maler.drawEllipse(r);
    }
  }
  maler.setBrush(Qt::NoBrush);
  for (const TDruckBefehl& b : seite.Befehle) {
    if (b.Art != TBefehlsArt::Linie && b.Art != TBefehlsArt::Rechteck && b.Art != TBefehlsArt::Ellipse)
      continue;
    QPen stift(QtFarbe(b.Stift.Farbe));
    stift.setWidthF(b.Stift.Breite <= 1 ? 0.0 : b.Stift.Breite * m);  // 0: the thinnest visible line
    maler.setPen(stift);
    if (b.Art == TBefehlsArt::Linie)
      maler.drawLine(QPointF(b.Ort.links * m, b.Ort.oben * m), QPointF(b.Ort.rechts * m, b.Ort.unten * m));
    else if (b.Art == TBefehlsArt::Rechteck)
      maler.drawRect(Flaeche(b.Ort, m));
    else
      maler.drawEllipse(Flaeche(b.Ort, m));
  }
  QFont schrift;
  TDruckSchrift letzte;
  bool hatSchrift = false;
  for (const TDruckBefehl& b : seite.Befehle) {
    if (b.Art != TBefehlsArt::Text) continue;
    if (!hatSchrift || !(letzte == b.Schrift)) {
      schrift = QtSchrift(b.Schrift, pixelProZoll, m);
      letzte = b.Schrift;
      hatSchrift = true;
      maler.setFont(schrift);
    }
    maler.setPen(QtFarbe(b.Schrift.Farbe));
    const QFontMetricsF metrik(schrift, maler.device());
    maler.drawText(QPointF(b.Ort.links * m, b.Ort.oben * m + metrik.ascent()),
                   QString::fromStdString(b.Text));
  }
  maler.restore();
}

TDruckGeraet DruckGeraetVon(const QPrinter& drucker) {
  TDruckGeraet g;
  g.PixelProZollX = drucker.logicalDpiX();
  g.PixelProZollY = drucker.logicalDpiY();
  const QRect blatt = drucker.paperRect(QPrinter::DevicePixel).toRect();
  const QRect seite = drucker.pageRect(QPrinter::DevicePixel).toRect();
  g.Blatt = {blatt.width(), blatt.height()};
  g.Versatz = {seite.left() - blatt.left(), seite.top() - blatt.top()};
  g.Seite = {seite.width(), seite.height()};
  return g;
}

}  // namespace kolvar
