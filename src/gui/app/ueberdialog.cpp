#include "app/ueberdialog.h"

#include <malloc.h>

#include <algorithm>

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/startform.h"

namespace kolvar {

QString FreierSpeicherText() {
  // Free bytes inside the heap the program has taken from the system.
  const struct mallinfo2 info = mallinfo2();
  return QString::number(static_cast<qulonglong>(info.fordblks / 1024)) + QStringLiteral(" Kilobytes");
}

TUeberDialog::TUeberDialog(const QString& dateiName, QWidget* eltern) : TKvDialog(eltern) {
  setObjectName(QStringLiteral("UeberDialog"));
  setWindowTitle(QStringLiteral("Über WinKolvar"));
  auto* raster = new QGridLayout(this);
  auto* uhr = new QLabel(this);
  uhr->setObjectName(QStringLiteral("UhrBild"));
  uhr->setPixmap(UhrBild(64));
  uhr->installEventFilter(this);
  raster->addWidget(uhr, 0, 0, 2, 1);
  auto* titel = new QLabel(kProgrammTitel, this);
  QFont gross = titel->font();
  gross.setPointSize(gross.pointSize() + 6);
  gross.setBold(true);
  titel->setFont(gross);
  raster->addWidget(titel, 0, 1, 1, 2);
  raster->addWidget(new QLabel(kVersionsDatum, this), 1, 1, 1, 2);
  raster->addWidget(new QLabel(QStringLiteral("Freier Speicher:"), this), 2, 1);
  raster->addWidget(new QLabel(FreierSpeicherText(), this), 2, 2);
  raster->addWidget(new QLabel(QStringLiteral("Dateiname:"), this), 3, 1);
  dateiNameFeld_ = new QLabel(dateiName, this);
  dateiNameFeld_->setObjectName(QStringLiteral("DateiNameFeld"));
  raster->addWidget(dateiNameFeld_, 3, 2);

  rollen_ = new QScrollArea(this);
  rollen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rollen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rollen_->setFixedHeight(90);
  zeilen_ = new QWidget;
  auto* spalte = new QVBoxLayout(zeilen_);
  spalte->addSpacing(90);
  for (const char* zeile :
       {"Ein Programm für", "Unterrichtsverteilung", "für", "Stundenplan", "und", "Vertretungsplan"}) {
    auto* label = new QLabel(QString::fromUtf8(zeile), zeilen_);
    label->installEventFilter(this);
    spalte->addWidget(label, 0, Qt::AlignHCenter);
  }
  spalte->addSpacing(800);
  zeilen_->installEventFilter(this);
  rollen_->setWidget(zeilen_);
  rollen_->setWidgetResizable(true);
  raster->addWidget(rollen_, 4, 0, 1, 3);

  timer_ = new QTimer(this);
  timer_->setInterval(10);
  connect(timer_, &QTimer::timeout, this, [this] { TimerTick(); });
  timer_->start();
}

void TUeberDialog::TimerTick() {
  if (zaehler_ >= 0) ++versatz_;
  ++zaehler_;
  if (zaehler_ >= 800) {
    versatz_ -= 800;
    zaehler_ = -200;
  }
  rollen_->verticalScrollBar()->setValue(std::max(versatz_, 0));
}

void TUeberDialog::ZeilenClick() {
  if (timer_->isActive()) {
    timer_->stop();
  } else {
    zaehler_ = 0;
    timer_->start();
  }
}

bool TUeberDialog::Laeuft() const {
  return timer_->isActive();
}

QString TUeberDialog::DateiName() const {
  return dateiNameFeld_->text();
}

void TUeberDialog::mousePressEvent(QMouseEvent*) {
  done(mrOk);
}

bool TUeberDialog::eventFilter(QObject* ziel, QEvent* ereignis) {
  if (ereignis->type() == QEvent::MouseButtonPress) {
    if (ziel->objectName() == QLatin1String("UhrBild"))
      done(mrOk);
    else
      ZeilenClick();
    return true;
  }
  return TKvDialog::eventFilter(ziel, ereignis);
}

}  // namespace kolvar
