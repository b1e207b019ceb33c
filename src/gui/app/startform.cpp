#include "app/startform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace kolvar {

QPixmap UhrBild(int groesse) {
  QPixmap bild(groesse, groesse);
  bild.fill(Qt::transparent);
  QPainter maler(&bild);
  maler.setRenderHint(QPainter::Antialiasing);
  const QRectF rand(2, 2, groesse - 4, groesse - 4);
  maler.setPen(QPen(Qt::black, 2));
  maler.setBrush(QColor(255, 255, 224));
  maler.drawEllipse(rand);
  maler.translate(groesse / 2.0, groesse / 2.0);
  const double r = groesse / 2.0 - 4;
  for (int i = 0; i < 12; ++i) {
    maler.drawLine(QPointF(0, -r), QPointF(0, -r + (i % 3 == 0 ? 6 : 3)));
    maler.rotate(30);
  }
  maler.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
  maler.save();
  maler.rotate(-60);  // ten past ten
  maler.drawLine(QPointF(0, 0), QPointF(0, -r * 0.5));
  maler.restore();
  maler.setPen(QPen(Qt::darkBlue, 2, Qt::SolidLine, Qt::RoundCap));
  maler.rotate(60);
  maler.drawLine(QPointF(0, 0), QPointF(0, -r * 0.8));
  return bild;
}

TStartForm::TStartForm(QWidget* eltern)
    : QWidget(eltern, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("StartForm"));
  setAutoFillBackground(true);
  QPalette farben = palette();
  farben.setColor(QPalette::Window, farben.color(QPalette::Mid));  // the button shadow
  setPalette(farben);

  auto* layout = new QHBoxLayout(this);
  auto* uhr = new QLabel(this);
  uhr->setObjectName(QStringLiteral("UhrBild"));
  uhr->setPixmap(UhrBild(72));
  layout->addWidget(uhr, 0, Qt::AlignTop);
  auto* texte = new QVBoxLayout;
  titelFeld_ = new QLabel(kProgrammTitel, this);
  titelFeld_->setObjectName(QStringLiteral("TitelFeld"));
  QFont gross = titelFeld_->font();
  gross.setPointSize(gross.pointSize() + 8);
  gross.setBold(true);
  titelFeld_->setFont(gross);
  datumFeld_ = new QLabel(kVersionsDatum, this);
  datumFeld_->setObjectName(QStringLiteral("DatumFeld"));
  texte->addWidget(titelFeld_);
  texte->addWidget(datumFeld_);
  texte->addSpacing(8);
  for (const char* zeile :
       {"Ein Programm für", "Unterrichtsverteilung", "für", "Stundenplan", "und", "Vertretungsplan"})
    texte->addWidget(new QLabel(QString::fromUtf8(zeile), this), 0, Qt::AlignHCenter);
  layout->addLayout(texte);
}

void TStartForm::ZeigeSofort() {
  adjustSize();
  if (QScreen* bildschirm = QGuiApplication::primaryScreen())
    move(bildschirm->geometry().center() - rect().center());
  show();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TStartForm::Titel() const {
  return titelFeld_->text();
}

QString TStartForm::Datum() const {
  return datumFeld_->text();
}

}  // namespace kolvar
