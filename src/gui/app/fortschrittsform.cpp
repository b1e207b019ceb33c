#include "app/fortschrittsform.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/fensterrahmen.h"

namespace kolvar {

namespace {

QString Caption(TFortschrittsArt art) {
  switch (art) {
    case TFortschrittsArt::Speichern:
      return QStringLiteral("Speichern");
    case TFortschrittsArt::Importieren:
      return QStringLiteral("Importieren");
    case TFortschrittsArt::Einlesen:
      break;
  }
  return QStringLiteral("Einlesen");
}

QLabel* Feld(QWidget* eltern, const QString& name) {
  auto* feld = new QLabel(eltern);
  feld->setObjectName(name);
  feld->setTextFormat(Qt::PlainText);
  return feld;
}

}  // namespace

TFortschrittsForm::TFortschrittsForm(TFortschrittsArt art, QWidget* eltern)
    : QWidget(eltern, DialogRahmen(false)), art_(art) {
  setObjectName(Caption(art));
  setWindowTitle(Caption(art));
  auto* layout = new QVBoxLayout(this);
  statusFeld_ = Feld(this, QStringLiteral("Info"));
  statusFeld_->setMinimumWidth(260);
  if (art == TFortschrittsArt::Speichern) {
    // The name in a group, the status in a sunken panel below it.
    auto* gruppe = new QGroupBox(QStringLiteral("Speichern der Datei"), this);
    auto* inGruppe = new QVBoxLayout(gruppe);
    dateiFeld_ = Feld(gruppe, QStringLiteral("SchreibName"));
    auto* panel = new QFrame(gruppe);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* imPanel = new QVBoxLayout(panel);
    statusFeld_->setParent(panel);
    imPanel->addWidget(statusFeld_);
    inGruppe->addWidget(dateiFeld_);
    inGruppe->addWidget(panel);
    layout->addWidget(gruppe);
  } else {
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(12);
    raster->addWidget(new QLabel(art == TFortschrittsArt::Importieren ? QStringLiteral("Importien der Datei")
                                                                      : QStringLiteral("Einlesen der Datei"),
                                 this),
                      0, 0);
    dateiFeld_ = Feld(this, QStringLiteral("LiesName"));
    raster->addWidget(dateiFeld_, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("KiloBytes"), this), 1, 0);
    groesseFeld_ = Feld(this, QStringLiteral("MaxBytes"));
    raster->addWidget(groesseFeld_, 1, 1);
    raster->setColumnStretch(1, 1);
    layout->addLayout(raster);
    layout->addWidget(statusFeld_);
    balken_ = new QProgressBar(this);
    balken_->setObjectName(QStringLiteral("ProgressBar"));
    balken_->setRange(0, 1000);
    balken_->setValue(0);
    balken_->setTextVisible(false);
    layout->addWidget(balken_);
  }
}

void TFortschrittsForm::Datei(const std::string& name, std::size_t bytes) {
  dateiFeld_->setText(QString::fromStdString(name));
  groesse_ = bytes;
  if (groesseFeld_ != nullptr) groesseFeld_->setText(QString::number(bytes / 1024));
  if (balken_ != nullptr) balken_->setValue(0);
}

void TFortschrittsForm::Status(const std::string& text) {
  statusFeld_->setText(QString::fromStdString(text));
  if (!isVisible()) return;
  // The window keeps its size while it can; a longer line widens it rather than being cut.
  if (statusFeld_->sizeHint().width() > statusFeld_->width()) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(size());
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFortschrittsForm::Position(std::size_t bytes) {
  if (groesse_ == 0 || balken_ == nullptr) return;
  const auto promille = static_cast<int>(std::min<std::size_t>(1000, bytes * 1000 / groesse_));
  if (promille == balken_->value()) return;
  balken_->setValue(promille);
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFortschrittsForm::ZeigeSofort() {
  FixiereGroesse(*this);
  ZentriereAufBildschirm(*this);
  show();
  raise();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TFortschrittsForm::DateiName() const {
  return dateiFeld_->text();
}

QString TFortschrittsForm::KiloBytes() const {
  return groesseFeld_ != nullptr ? groesseFeld_->text() : QString();
}

QString TFortschrittsForm::StatusText() const {
  return statusFeld_->text();
}

}  // namespace kolvar
