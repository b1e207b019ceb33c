#include "app/programm.h"

#include <QApplication>
#include <QSessionManager>
#include <QTranslator>

#include "app/kolvarpalette.h"
#include "app/leerlaufsteuerung.h"
#include "app/startform.h"
#include "model/standard.h"
#include "platform/dienste.h"
#include "platform/qtuebersetzung.h"
#include "platform/uhr.h"

namespace kolvar {

TProgramm::TProgramm(IEinstellungsSpeicher& speicher, ISchulDateien& dateien, TInstallation installation)
    : speicher_(speicher),
      dateien_(dateien),
      installation_(std::move(installation)),
      standard_(std::make_unique<TStandard>()) {}

TProgramm::~TProgramm() = default;

bool TProgramm::Starte(const QStringList& argumente) {
  standard_->SetzeStartZeit(TDienste::Uhr());
  qtTexte_ = LadeQtUebersetzung();
  TStartForm start;
  start.ZeigeSofort();
  QApplication::setApplicationName(QStringLiteral("winkolvar"));
  standard_->LadeEinstellungen(speicher_);
  palette_ = std::make_unique<TKolvarPalette>(*standard_, dateien_, &speicher_);
  if (installation_) installation_(*palette_);
  palette_->show();
  if (!palette_->KennwortPruefen()) {
    palette_.reset();
    return false;
  }
  start.close();
  // Logging off asks as closing does; a refusal keeps the session.
  TKolvarPalette* palette = palette_.get();
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, palette,
                   [palette](QSessionManager& sitzung) { palette->Leerlauf().SitzungEndet(sitzung); });
  palette_->ParameterDateiOeffnen(argumente.size() > 1 ? argumente.at(1) : QString());
  palette_->Leerlauf().Starte();
  return true;
}

}  // namespace kolvar
