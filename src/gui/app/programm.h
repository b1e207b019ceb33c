// The program's start: splash, settings from the store, the palette with the features
// installed, the password prompt and the start file, in that order. The message loop is the
// caller's; the palette saves the settings when it closes.
#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class QTranslator;

namespace kolvar {

class IEinstellungsSpeicher;
class ISchulDateien;
class TKolvarPalette;
class TStandard;

class TProgramm {
 public:
  // Registers the features' windows, dialogs and commands with the new palette.
  using TInstallation = std::function<void(TKolvarPalette&)>;

  TProgramm(IEinstellungsSpeicher& speicher, ISchulDateien& dateien, TInstallation installation = {});
  ~TProgramm();

  // Runs the start-up up to the message loop. False when the password prompt ends the
  // program: nothing is opened and no settings are saved.
  bool Starte(const QStringList& argumente);

  TKolvarPalette* Palette() const { return palette_.get(); }
  TStandard& Standard() const { return *standard_; }

 private:
  IEinstellungsSpeicher& speicher_;
  ISchulDateien& dateien_;
  TInstallation installation_;
  std::unique_ptr<QTranslator> qtTexte_;
  std::unique_ptr<TStandard> standard_;
  std::unique_ptr<TKolvarPalette> palette_;
};

}  // namespace kolvar
