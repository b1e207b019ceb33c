#include "app/fortschrittsform.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kolvar {

TFortschrittsForm::TFortschrittsForm(const QString& caption, QWidget* eltern)
    : QWidget(eltern, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName(caption);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  dateiFeld_ = new QLabel(this);
  statusFeld_ = new QLabel(this);
  balken_ = new QProgressBar(this);
  balken_->setRange(0, 1000);
  balken_->setValue(0);
  balken_->setTextVisible(false);
  dateiFeld_->setMinimumWidth(280);
  layout->addWidget(dateiFeld_);
  layout->addWidget(statusFeld_);
  layout->addWidget(balken_);
}

void TFortschrittsForm::Datei(const std::string& name, std::size_t bytes) {
  dateiFeld_->setText(QString::fromStdString(name));
  groesse_ = bytes;
  balken_->setValue(0);
}

void TFortschrittsForm::Status(const std::string& text) {
  statusFeld_->setText(QString::fromStdString(text));
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFortschrittsForm::Position(std::size_t bytes) {
  if (groesse_ == 0) return;
  const auto promille = static_cast<int>(std::min<std::size_t>(1000, bytes * 1000 / groesse_));
  if (promille == balken_->value()) return;
  balken_->setValue(promille);
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFortschrittsForm::ZeigeSofort() {
  show();
  raise();
  repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TFortschrittsForm::DateiName() const {
  return dateiFeld_->text();
}

QString TFortschrittsForm::StatusText() const {
  return statusFeld_->text();
}

}  // namespace kolvar
