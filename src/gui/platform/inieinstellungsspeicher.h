#pragma once
// The program's settings store: an INI file in the user's config folder (XDG_CONFIG_HOME),
// one group per section. Keys are case-sensitive, as the value names are.

#include <sys/types.h>

#include <QSettings>
#include <memory>
#include <optional>
#include <utility>

#include "storage/einstellungsspeicher.h"

namespace kolvar {

class TIniEinstellungsSpeicher : public IEinstellungsSpeicher {
 public:
  TIniEinstellungsSpeicher();
  // A store in an explicit file, for tools and tests.
  explicit TIniEinstellungsSpeicher(const QString& datei);

  std::optional<std::string> Lies(const std::string& abschnitt, const std::string& name) const override;
  void Schreibe(const std::string& abschnitt, const std::string& name, const std::string& wert) override;
  // False only when the file was not written; a malformed line read from it is no failure.
  bool Sichere() override;

  QString Datei() const { return settings_->fileName(); }

 private:
  using TKennung = std::pair<dev_t, ino_t>;
  std::optional<TKennung> Kennung() const;

  std::unique_ptr<QSettings> settings_;
  bool ungesichert_ = false;
  std::optional<TKennung> vorher_;  // the file before the first unsaved value
};

}  // namespace kolvar
