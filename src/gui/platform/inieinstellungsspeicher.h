#pragma once
// The program's settings store: an INI file in the user's config folder (XDG_CONFIG_HOME),
// one group per section. Keys are case-sensitive, as the value names are.

#include <QSettings>
#include <memory>

#include "storage/einstellungsspeicher.h"

namespace kolvar {

class TIniEinstellungsSpeicher : public IEinstellungsSpeicher {
 public:
  TIniEinstellungsSpeicher();
  // A store in an explicit file, for tools and tests.
  explicit TIniEinstellungsSpeicher(const QString& datei);

  std::optional<std::string> Lies(const std::string& abschnitt, const std::string& name) const override;
  void Schreibe(const std::string& abschnitt, const std::string& name, const std::string& wert) override;
  bool Sichere() override;

  QString Datei() const { return settings_->fileName(); }

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace kolvar
