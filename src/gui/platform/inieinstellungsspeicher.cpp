#include "platform/inieinstellungsspeicher.h"

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
  settings_->setValue(Schluessel(abschnitt, name), QString::fromStdString(wert));
}

bool TIniEinstellungsSpeicher::Sichere() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace kolvar
