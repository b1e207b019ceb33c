#include "export/exportform.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "engine/vorgaberegeln.h"
#include "model/standard.h"
#include "platform/fensterrahmen.h"

namespace kolvar {

namespace {

QLabel* Feld(QWidget* eltern, const QString& name, const QString& text = {}) {
  auto* feld = new QLabel(text, eltern);
  feld->setObjectName(name);
  feld->setTextFormat(Qt::PlainText);
  return feld;
}

QProgressBar* NeuerBalken(QWidget* eltern) {
  auto* balken = new QProgressBar(eltern);
  balken->setObjectName(QStringLiteral("ProgressBar"));
  balken->setRange(0, 100);
  balken->setValue(0);
  balken->setTextVisible(false);
  return balken;
}

void Zeige(QWidget& fenster) {
  FixiereGroesse(fenster);
  ZentriereAufBildschirm(fenster);
  fenster.show();
  fenster.raise();
  fenster.repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

TExportForm::TExportForm(const QString& datei, QWidget* eltern) : QWidget(eltern, DialogRahmen(false)) {
  setObjectName(QStringLiteral("ExportForm"));
  setWindowTitle(QStringLiteral("Exportieren"));
  auto* layout = new QVBoxLayout(this);
  auto* raster = new QGridLayout;
  raster->setHorizontalSpacing(12);
  raster->addWidget(new QLabel(QStringLiteral("Exportieren der Datei"), this), 0, 0);
  dateiFeld_ = Feld(this, QStringLiteral("DateiFeld"), datei);
  dateiFeld_->setMinimumWidth(200);
  raster->addWidget(dateiFeld_, 0, 1);
  raster->addWidget(new QLabel(QStringLiteral("Kurse"), this), 1, 0);
  zeilenFeld_ = Feld(this, QStringLiteral("MaxZeilen"), QStringLiteral("0"));
  raster->addWidget(zeilenFeld_, 1, 1);
  raster->setColumnStretch(1, 1);
  layout->addLayout(raster);
  balken_ = NeuerBalken(this);
  layout->addWidget(balken_);
}

void TExportForm::ZeigeSofort() {
  Zeige(*this);
}

QString TExportForm::DateiName() const {
  return dateiFeld_->text();
}

THTMLForm::THTMLForm(const TStandard& standard, const QString& ordner, QWidget* eltern)
    : QWidget(eltern, DialogRahmen(false)),
      hintergrund_(FarbeNachHTML(standard.hin)),
      tabelle_(FarbeNachHTML(standard.tab)),
      ueberschrift_(FarbeNachHTML(standard.ueb)) {
  setObjectName(QStringLiteral("HTMLForm"));
  setWindowTitle(QStringLiteral("Exportieren in HTML-Dateien"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Exportiere in den Ordner"), this));
  dateiFeld_ = Feld(this, QStringLiteral("DateiFeld"), ordner);
  dateiFeld_->setMinimumWidth(260);
  layout->addWidget(dateiFeld_);
  maxZeilen_ = Feld(this, QStringLiteral("MaxZeilen"), QStringLiteral("0"));
  layout->addWidget(maxZeilen_);
  balken_ = NeuerBalken(this);
  layout->addWidget(balken_);
}

void THTMLForm::ZeigeSofort() {
  Zeige(*this);
}

QString THTMLForm::Ordner() const {
  return dateiFeld_->text();
}

}  // namespace kolvar
