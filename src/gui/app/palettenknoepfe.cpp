#include "app/palettenknoepfe.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace kolvar {

namespace {

// Rows of the layouts 1 to 5.
const std::array<std::vector<QStringList>, 5>& KnopfRaster() {
  static const std::array<std::vector<QStringList>, 5> raster{{
      {{"PfeilLinks", "Vers", "PfeilRechts", "NeueUE", "Manuell", "Zeig", "Setz", "Loesch"},
       {"GrDat", "Dep", "Plan", "UELoesch", "Automat", "Schieb", "Fix"}},
      {{"PfeilLinks", "GrDat", "NeueUE", "Zeig", "Schieb"},
       {"Vers", "Dep", "UELoesch", "Setz", "Manuell"},
       {"PfeilRechts", "Plan", "Fix", "Loesch", "Automat"}},
      {{"PfeilLinks", "PfeilRechts", "NeueUE", "UELoesch"},
       {"Vers", "GrDat", "Dep", "Plan"},
       {"Manuell", "Automat", "Zeig", "Setz"},
       {"Loesch", "Schieb", "Fix"}},
      {{"PfeilLinks", "Vers", "PfeilRechts"},
       {"GrDat", "Dep", "Plan"},
       {"NeueUE", "UELoesch", "Fix"},
       {"Zeig", "Setz", "Loesch"},
       {"Schieb", "Manuell", "Automat"}},
      {{"PfeilLinks", "PfeilRechts"},
       {"Vers", "GrDat"},
       {"Dep", "Plan"},
       {"NeueUE", "UELoesch"},
       {"Manuell", "Automat"},
       {"Zeig", "Setz"},
       {"Loesch", "Schieb"},
       {"Fix"}},
  }};
  return raster;
}

// Gap before a button in the one-row and one-column layouts.
int AbstandVor(const QString& name, const QString& vorher) {
  if (vorher == QLatin1String("PfeilLinks") || vorher == QLatin1String("Vers")) return 2;
  if (name == QLatin1String("GrDat") || name == QLatin1String("NeueUE") || name == QLatin1String("Zeig") ||
      name == QLatin1String("Manuell"))
    return 5;
  return 1;
}

// The disabled look of a picture: its dark parts in the grey of disabled text (as in the
// menus) over a light copy shifted down and right by a pixel; light parts fade out, so fills
// do not blot the shape.
QPixmap Ausgegraut(const QPixmap& bild) {
  const QImage quelle = bild.toImage().convertToFormat(QImage::Format_ARGB32);
  QImage form(quelle.size(), QImage::Format_ARGB32);
  for (int y = 0; y < quelle.height(); ++y)
    for (int x = 0; x < quelle.width(); ++x) {
      const QRgb p = quelle.pixel(x, y);
      const int deckung = qAlpha(p) * (255 - qGray(p)) / 255;
      form.setPixel(x, y, qRgba(0, 0, 0, std::min(255, deckung * 3 / 2)));
    }
  auto eingefaerbt = [&form](const QColor& farbe) {
    QImage bild = form;
    QPainter maler(&bild);
    maler.setCompositionMode(QPainter::CompositionMode_SourceIn);
    maler.fillRect(bild.rect(), farbe);
    return bild;
  };
  QImage ergebnis(quelle.size(), QImage::Format_ARGB32);
  ergebnis.fill(Qt::transparent);
  QPainter maler(&ergebnis);
  const QPalette farben = QGuiApplication::palette();
  maler.drawImage(1, 1, eingefaerbt(farben.color(QPalette::Disabled, QPalette::Light)));
  maler.drawImage(0, 0, eingefaerbt(farben.color(QPalette::Disabled, QPalette::ButtonText)));
  maler.end();
  return QPixmap::fromImage(ergebnis);
}

// What a window kind enables while it is active.

}  // namespace

const QStringList& KnopfReihe() {
  static const QStringList reihe{
      QStringLiteral("PfeilLinks"), QStringLiteral("Vers"),     QStringLiteral("PfeilRechts"),
      QStringLiteral("GrDat"),      QStringLiteral("Dep"),      QStringLiteral("Plan"),
      QStringLiteral("NeueUE"),     QStringLiteral("UELoesch"), QStringLiteral("Zeig"),
      QStringLiteral("Setz"),       QStringLiteral("Loesch"),   QStringLiteral("Schieb"),
      QStringLiteral("Fix"),        QStringLiteral("Manuell"),  QStringLiteral("Automat")};
  return reihe;
}

std::vector<TKnopfOrt> KnopfOrte(int pas, QSize& flaeche) {
  pas = std::clamp(pas, 0, 6);
  std::vector<TKnopfOrt> orte;
  int rechts = 0;
  int unten = 0;
  auto stelle = [&](const QString& name, int x, int y) {
    orte.push_back({name, QPoint(x, y)});
    rechts = std::max(rechts, x);
    unten = std::max(unten, y);
  };
  const QStringList& reihe = KnopfReihe();
  if (pas == 0 || pas == 6) {
    // One row or one column with the gaps between the groups.
    int lauf = pas == 0 ? 5 : 1;
    for (int i = 0; i < reihe.size(); ++i) {
      if (i > 0) lauf += kKnopfGroesse + AbstandVor(reihe[i], reihe[i - 1]);
      stelle(reihe[i], pas == 0 ? lauf : 5, pas == 0 ? 1 : lauf);
    }
  } else {
    // A fixed pitch of the button and five pixels.
    const auto& zeilen = KnopfRaster()[static_cast<std::size_t>(pas - 1)];
    for (std::size_t z = 0; z < zeilen.size(); ++z)
      for (int s = 0; s < zeilen[z].size(); ++s)
        stelle(zeilen[z][s], 5 + s * (kKnopfGroesse + 5), 1 + static_cast<int>(z) * (kKnopfGroesse + 5));
  }
  flaeche = QSize(rechts + kKnopfGroesse + 3, unten + kKnopfGroesse + 3);
  return orte;
}

QIcon KnopfBild(const QString& name) {
  QPixmap bild(20, 20);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(Qt::black, 1.5));
  auto pfeil = [&maler](bool rechts) {
    QPolygonF p;
    if (rechts)
      p << QPointF(6, 4) << QPointF(15, 10) << QPointF(6, 16);
    else
      p << QPointF(14, 4) << QPointF(5, 10) << QPointF(14, 16);
    maler.setBrush(QColor(0, 0, 160));
    maler.drawPolygon(p);
  };
  auto text = [&maler](const QString& t, const QColor& farbe) {
    QFont schrift = maler.font();
    schrift.setPixelSize(11);
    schrift.setBold(true);
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, t);
  };
  if (name == QLatin1String("PfeilLinks")) {
    pfeil(false);
  } else if (name == QLatin1String("PfeilRechts")) {
    pfeil(true);
  } else if (name == QLatin1String("GrDat")) {
    maler.setBrush(Qt::white);
    maler.drawRect(4, 3, 12, 14);
    for (int y = 6; y <= 14; y += 3) maler.drawLine(6, y, 14, y);
  } else if (name == QLatin1String("Dep")) {
    maler.setBrush(QColor(255, 255, 200));
    maler.drawRect(3, 3, 14, 14);
    maler.drawLine(3, 8, 17, 8);
    maler.drawLine(10, 3, 10, 17);
  } else if (name == QLatin1String("Plan")) {
    maler.setBrush(Qt::white);
    maler.drawRect(2, 3, 16, 14);
    for (int x = 6; x < 18; x += 4) maler.drawLine(x, 3, x, 17);
    for (int y = 7; y < 17; y += 4) maler.drawLine(2, y, 18, y);
  } else if (name == QLatin1String("NeueUE")) {
    text(QStringLiteral("+K"), QColor(0, 110, 0));
  } else if (name == QLatin1String("UELoesch")) {
    text(QStringLiteral("-K"), QColor(170, 0, 0));
  } else if (name == QLatin1String("Zeig")) {
    QPolygonF p;
    p << QPointF(5, 2) << QPointF(5, 16) << QPointF(9, 12) << QPointF(12, 18) << QPointF(14, 17)
      << QPointF(11, 11) << QPointF(16, 11);
    maler.setBrush(Qt::white);
    maler.drawPolygon(p);
  } else if (name == QLatin1String("Setz")) {
    text(QStringLiteral("S"), QColor(0, 0, 160));
  } else if (name == QLatin1String("Loesch")) {
    maler.setBrush(QColor(255, 180, 180));
    maler.drawRoundedRect(3, 6, 14, 8, 2, 2);
  } else if (name == QLatin1String("Schieb")) {
    maler.drawLine(3, 10, 17, 10);
    maler.drawLine(10, 3, 10, 17);
    maler.setBrush(Qt::black);
    maler.drawEllipse(QPointF(10, 10), 2, 2);
  } else if (name == QLatin1String("Fix")) {
    maler.setBrush(QColor(120, 120, 120));
    maler.drawRect(4, 3, 12, 5);
    maler.drawLine(10, 8, 10, 17);
  } else if (name == QLatin1String("Manuell")) {
    text(QStringLiteral("M"), QColor(0, 0, 0));
  } else if (name == QLatin1String("Automat")) {
    text(QStringLiteral("A"), QColor(160, 0, 160));
  }
  maler.end();
  QIcon icon(bild);
  icon.addPixmap(Ausgegraut(bild), QIcon::Disabled);
  return icon;
}

QHash<QString, QToolButton*> BaueKnoepfe(QWidget* flaeche) {
  struct TKnopfDaten {
    const char* name;
    const char* hinweis;
  };
  static const std::array<TKnopfDaten, 14> daten{{{"PfeilLinks", "Voriger"},
                                                  {"PfeilRechts", "Nächster"},
                                                  {"NeueUE", "Neuen Kurs erzeugen"},
                                                  {"UELoesch", "Ausgewählte Kurse löschen"},
                                                  {"Manuell", "Ausgewählte Kurse manuell setzen"},
                                                  {"Automat", "Ausgewählte Kurse automatisch setzen"},
                                                  {"GrDat", "Grunddaten"},
                                                  {"Dep", "Deputate"},
                                                  {"Plan", "Pläne"},
                                                  {"Zeig", "Zeigen"},
                                                  {"Setz", "Setzen"},
                                                  {"Loesch", "Löschen"},
                                                  {"Schieb", "Schieben"},
                                                  {"Fix", "Fixieren"}}};
  QHash<QString, QToolButton*> knoepfe;
  for (const TKnopfDaten& d : daten) {
    auto* knopf = new QToolButton(flaeche);
    const QString name = QString::fromLatin1(d.name);
    knopf->setObjectName(name + QStringLiteral("Knopf"));
    knopf->setToolTip(QString::fromUtf8(d.hinweis));
    knopf->setFixedSize(kKnopfGroesse, kKnopfGroesse);
    knopf->setIcon(KnopfBild(name));
    knopf->setAutoRaise(false);
    // Speed buttons never take the keyboard: Left and Right on the palette step through the
    // elements, where a focused button of the exclusive groups would move on and click the next.
    knopf->setFocusPolicy(Qt::NoFocus);
    knoepfe.insert(name, knopf);
  }
  return knoepfe;
}

}  // namespace kolvar
