#include "app/programm.h"

#include <QApplication>

#include "app/kolvarpalette.h"
#include "app/startform.h"
#include "model/standard.h"
#include "views/planfenster.h"

namespace kolvar {

TProgramm::TProgramm(IEinstellungsSpeicher& speicher, ISchulDateien& dateien)
    : speicher_(speicher), dateien_(dateien), standard_(std::make_unique<TStandard>()) {}

TProgramm::~TProgramm() = default;

bool TProgramm::Starte(const QStringList& argumente) {
  TStartForm start;
  start.ZeigeSofort();
  QApplication::setApplicationName(QStringLiteral("winkolvar"));
  standard_->LadeEinstellungen(speicher_);
  palette_ = std::make_unique<TKolvarPalette>(*standard_, dateien_, &speicher_);
  InstallierePlanFenster(*palette_);
  palette_->show();
  if (!palette_->KennwortPruefen()) {
    palette_.reset();
    return false;
  }
  start.close();
  palette_->ParameterDateiOeffnen(argumente.size() > 1 ? argumente.at(1) : QString());
  return true;
}

}  // namespace kolvar
