#include "platform/inieinstellungsspeicher.h"

#include <sys/stat.h>

#include <QFile>

namespace kolvar {

namespace {
QString Schluessel(const std::string& abschnitt, const std::string& name) {
  return QString::fromStdString(abschnitt) + QLatin1Char('/') + QString::fromStdString(name);
}
}  // namespace

TIniEinstellungsSpeicher::TIniEinstellungsSpeicher()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("WKolvar"), QStringLiteral("WKolvar"))) {}

TIniEinstellungsSpeicher::TIniEinstellungsSpeicher(const QString& datei)
    : settings_(std::make_unique<QSettings>(datei, QSettings::IniFormat)) {}

std::optional<std::string> TIniEinstellungsSpeicher::Lies(const std::string& abschnitt,
                                                          const std::string& name) const {
  const QVariant wert = settings_->value(Schluessel(abschnitt, name));
  if (!wert.isValid()) return std::nullopt;
  // A hand-edited value with a comma comes back as a list; join it again.
  if (wert.typeId() == QMetaType::QStringList)
    return wert.toStringList().join(QStringLiteral(", ")).toStdString();
  return wert.toString().toStdString();
}

void TIniEinstellungsSpeicher::Schreibe(const std::string& abschnitt, const std::string& name,
                                        const std::string& wert) {
  if (!ungesichert_) {
    vorher_ = Kennung();
    ungesichert_ = true;
  }
  settings_->setValue(Schluessel(abschnitt, name), QString::fromStdString(wert));
}

bool TIniEinstellungsSpeicher::Sichere() {
  settings_->sync();
  switch (settings_->status()) {
    case QSettings::NoError:
      ungesichert_ = false;
      return true;
    case QSettings::AccessError:
      return false;
    case QSettings::FormatError:
      break;
  }
  // QSettings keeps the first error it meets, so after a malformed line a failed write shows
  // no error of its own. A write replaces the file by a new one: a new file there is the proof.
  if (!ungesichert_) return true;
  const auto jetzt = Kennung();
  if (!jetzt || jetzt == vorher_) return false;
  ungesichert_ = false;
  return true;
}

std::optional<TIniEinstellungsSpeicher::TKennung> TIniEinstellungsSpeicher::Kennung() const {
  struct stat info {};
  if (::stat(QFile::encodeName(settings_->fileName()).constData(), &info) != 0) return std::nullopt;
  return TKennung{info.st_dev, info.st_ino};
}

}  // namespace kolvar
