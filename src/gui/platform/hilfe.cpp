#include "platform/hilfe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

#include "platform/dialogdienst.h"
#include "platform/dienste.h"

namespace kolvar {

TQtHilfe::TQtHilfe() {
  if (QCoreApplication::instance() != nullptr) {
    const QString programm = QCoreApplication::applicationDirPath();
    ordner_ << programm << programm + QStringLiteral("/../share/winkolvar");
  }
  for (const QString& daten : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    ordner_ << daten + QStringLiteral("/winkolvar");
}

QString TQtHilfe::Datei() const {
  for (const QString& ordner : ordner_) {
    const QFileInfo datei(QDir(ordner), kHilfeDateiName);
    if (datei.isFile() && datei.isReadable()) return datei.absoluteFilePath();
  }
  return {};
}

void TQtHilfe::Themen() {
  const QString datei = Datei();
  if (datei.isEmpty()) {
    TDienste::Dialoge().Hinweis(QStringLiteral("Hilfe"), kKeineHilfeText);
    return;
  }
  if (anzeige_.isNull()) {
    anzeige_ = new QTextBrowser;
    anzeige_->setAttribute(Qt::WA_DeleteOnClose);
    anzeige_->setWindowTitle(QStringLiteral("WinKolvar-Hilfe"));
    anzeige_->resize(640, 480);
  }
  anzeige_->setSource(QUrl::fromLocalFile(datei));
  anzeige_->show();
  anzeige_->raise();
  anzeige_->activateWindow();
}

void TQtHilfe::Schliesse() {
  delete anzeige_.data();
}

}  // namespace kolvar
