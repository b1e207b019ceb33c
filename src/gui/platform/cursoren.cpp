#include "platform/cursoren.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include "model/ipalettezustand.h"
#include "model/schule.h"

namespace kolvar {

namespace {

constexpr int kGroesse = 32;

struct Bild {
  QPixmap pixmap;
  QPoint heiss;
};

// Black shapes with a white rim, so that they show on light and dark cells alike.
void Umrandet(QPainter& p, const QPainterPath& pfad, const QColor& fuellung = Qt::black) {
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(pfad);
  p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fuellung);
  p.drawPath(pfad);
}

QPainterPath Pfeil() {
  QPainterPath pfad;
  pfad.moveTo(1, 1);
  pfad.lineTo(1, 17);
  pfad.lineTo(5, 13);
  pfad.lineTo(8, 20);
  pfad.lineTo(11, 19);
  pfad.lineTo(8, 12);
  pfad.lineTo(13, 12);
  pfad.closeSubpath();
  return pfad;
}

QPainterPath Hand(bool geschlossen) {
  QPainterPath pfad;
  const int fingerHoehe = geschlossen ? 4 : 10;
  for (int f = 0; f < 4; ++f) {
    const qreal x = 8 + f * 4.5;
    pfad.addRoundedRect(QRectF(x, 14 - fingerHoehe - (f == 1 || f == 2 ? 2 : 0), 4, fingerHoehe + 6), 2, 2);
  }
  pfad.addRoundedRect(QRectF(8, 13, 18, 13), 4, 4);
  QPainterPath daumen;
  daumen.addRoundedRect(QRectF(3, geschlossen ? 14 : 11, 7, 4), 2, 2);
  return pfad.united(daumen).simplified();
}

QPainterPath Gummi() {
  QPainterPath pfad;
  pfad.moveTo(4, 20);
  pfad.lineTo(16, 8);
  pfad.lineTo(26, 18);
  pfad.lineTo(14, 30);
  pfad.closeSubpath();
  return pfad;
}

void Lupe(QPainter& p, bool plus) {
  QPainterPath griff;
  griff.moveTo(18, 18);
  griff.lineTo(29, 29);
  p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(griff);
  p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(griff);
  QPainterPath glas;
  glas.addEllipse(QPointF(12, 12), 9, 9);
  Umrandet(p, glas, Qt::white);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(QPointF(8, 12), QPointF(16, 12));
  if (plus) p.drawLine(QPointF(12, 8), QPointF(12, 16));
}

QPainterPath Pfeilkreuz(bool mitOben) {
  QPainterPath pfad;
  const QPointF m(16, 16);
  auto spitze = [&](QPointF richtung) {
    const QPointF quer(-richtung.y(), richtung.x());
    QPainterPath s;
    s.moveTo(m + richtung * 14);
    s.lineTo(m + richtung * 8 + quer * 5);
    s.lineTo(m + richtung * 8 + quer * 1.5);
    s.lineTo(m + quer * 1.5);
    s.lineTo(m - quer * 1.5);
    s.lineTo(m + richtung * 8 - quer * 1.5);
    s.lineTo(m + richtung * 8 - quer * 5);
    s.closeSubpath();
    pfad = pfad.united(s);
  };
  if (mitOben) spitze(QPointF(0, -1));
  spitze(QPointF(0, 1));
  spitze(QPointF(-1, 0));
  spitze(QPointF(1, 0));
  return pfad.simplified();
}

Bild Zeichne(const QString& name) {
  QPixmap pixmap(kGroesse, kGroesse);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPoint heiss(1, 1);
  if (name == QLatin1String("SETZER")) {
    // An arrow carrying a lesson block.
    Umrandet(p, Pfeil());
    QPainterPath block;
    block.addRect(QRectF(15, 17, 13, 10));
    Umrandet(p, block, QColor(255, 230, 120));
  } else if (name == QLatin1String("GUMMI") || name == QLatin1String("HALBGUMMI")) {
    // An eraser; the half one keeps only its rubber end.
    QPainterPath gummi;
    gummi.moveTo(4, 20);
    gummi.lineTo(10, 14);
    gummi.lineTo(20, 24);
    gummi.lineTo(14, 30);
    gummi.closeSubpath();
    if (name == QLatin1String("GUMMI")) Umrandet(p, Gummi(), Qt::white);
    Umrandet(p, gummi, QColor(200, 40, 40));
    heiss = QPoint(4, 22);
  } else if (name == QLatin1String("HAND") || name == QLatin1String("HALBHAND")) {
    Umrandet(p, Hand(false), Qt::white);
    if (name == QLatin1String("HALBHAND")) {
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawRect(QRectF(17, 14, 8, 11));
    }
    heiss = QPoint(14, 4);
  } else if (name == QLatin1String("GRIFF")) {
    Umrandet(p, Hand(true), Qt::white);
    heiss = QPoint(16, 14);
  } else if (name == QLatin1String("HAMMER")) {
    QPainterPath stiel;
    stiel.addRect(QRectF(14, 10, 4, 20));
    Umrandet(p, stiel, QColor(170, 110, 50));
    QPainterPath kopf;
    kopf.addRect(QRectF(5, 3, 22, 8));
    Umrandet(p, kopf);
    heiss = QPoint(6, 7);
  } else if (name == QLatin1String("PFEIL4") || name == QLatin1String("PFEIL3")) {
    Umrandet(p, Pfeilkreuz(name == QLatin1String("PFEIL4")));
    heiss = QPoint(16, 16);
  } else if (name == QLatin1String("LUPEMINUS") || name == QLatin1String("LUPEPLUS")) {
    Lupe(p, name == QLatin1String("LUPEPLUS"));
    heiss = QPoint(12, 12);
  } else {
    p.end();
    return {};
  }
  p.end();
  return {pixmap, heiss};
}

const Bild& Holen(const QString& name) {
  static QHash<QString, Bild> bilder;
  auto it = bilder.find(name);
  if (it == bilder.end()) it = bilder.insert(name, Zeichne(name));
  return *it;
}

}  // namespace

const QStringList& KolvarCursorNamen() {
  static const QStringList namen{
      QStringLiteral("SETZER"),    QStringLiteral("GUMMI"),    QStringLiteral("HALBGUMMI"),
      QStringLiteral("HAND"),      QStringLiteral("HALBHAND"), QStringLiteral("HAMMER"),
      QStringLiteral("PFEIL4"),    QStringLiteral("PFEIL3"),   QStringLiteral("GRIFF"),
      QStringLiteral("LUPEMINUS"), QStringLiteral("LUPEPLUS")};
  return namen;
}

QCursor KolvarCursor(const QString& name) {
  if (!KolvarCursorNamen().contains(name)) return QCursor(Qt::ArrowCursor);
  const Bild& bild = Holen(name);
  return QCursor(bild.pixmap, bild.heiss.x(), bild.heiss.y());
}

QCursor KolvarCursor(int nummer) {
  if (nummer < 1 || nummer > KolvarCursorNamen().size()) return QCursor(Qt::ArrowCursor);
  return KolvarCursor(KolvarCursorNamen()[nummer - 1]);
}

QPixmap KolvarCursorBild(const QString& name) {
  if (!KolvarCursorNamen().contains(name)) return {};
  return Holen(name).pixmap;
}

QCursor ModusCursor(int modus, uint8_t tasten, bool halbeHand) {
  const bool strg = tasten & Taste::Strg, shift = tasten & Taste::Shift;
  switch (modus) {
    case Modus::Setzen:
      return KolvarCursor(QStringLiteral("SETZER"));
    case Modus::Loeschen:
      return KolvarCursor(strg ? QStringLiteral("HALBGUMMI") : QStringLiteral("GUMMI"));
    case Modus::Schieben:
      if (strg) return KolvarCursor(shift ? QStringLiteral("PFEIL3") : QStringLiteral("PFEIL4"));
      return KolvarCursor(shift && halbeHand ? QStringLiteral("HALBHAND") : QStringLiteral("HAND"));
    case Modus::Fixieren:
      return KolvarCursor(QStringLiteral("HAMMER"));
    default:
      return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace kolvar
