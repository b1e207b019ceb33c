#include "app/leerlaufsteuerung.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QSessionManager>
#include <QTimer>

#include "app/dateibefehle.h"
#include "app/kolvarpalette.h"
#include "app/pausenform.h"
#include "app/savefrageform.h"
#include "model/schule.h"
#include "platform/dienste.h"
#include "platform/kvform.h"
#include "platform/uhr.h"

namespace kolvar {

namespace {
constexpr int kWeckerMs = 1000;

int64_t Tageszeit(const IUhr& uhr) {
  return uhr.Jetzt() - int64_t{uhr.Heute()} * 86400;
}
}  // namespace

TLeerlaufSteuerung::TLeerlaufSteuerung(TKolvarPalette& palette)
    : palette_(palette),
      kern_(std::make_unique<TLeerlauf>(*this, palette.Standard(), TDienste::Uhr().Monoton())) {}

TLeerlaufSteuerung::~TLeerlaufSteuerung() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

void TLeerlaufSteuerung::Starte() {
  if (wecker_ != nullptr) return;
  qApp->installEventFilter(this);
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] { AppIdle(); });
  // The loop waits only until the next event; the tick is one, so the reminder comes on time
  // when nothing else happens.
  wecker_ = new QTimer(this);
  wecker_->start(kWeckerMs);
}

void TLeerlaufSteuerung::AppIdle() {
  const IUhr& uhr = TDienste::Uhr();
  kern_->AppIdle(uhr.Monoton(), Tageszeit(uhr));
}

void TLeerlaufSteuerung::SitzungEndet(QSessionManager& sitzung) {
  const bool mussFragen = palette_.DateiOffen() && palette_.Schule().Geaendert();
  if (mussFragen && !sitzung.allowsInteraction()) {
    sitzung.cancel();
    return;
  }
  kern_->BeendenAnfordern();
  kern_->BeendeWennAngefordert(QApplication::activeModalWidget() == nullptr);
  if (palette_.IstBeendet())
    sitzung.release();
  else
    sitzung.cancel();
}

bool TLeerlaufSteuerung::Unterbrechbar() const {
  if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr)
    return false;
  if (QGuiApplication::applicationState() != Qt::ApplicationActive) return false;
  QWidget* aktiv = QApplication::activeWindow();
  if (aktiv == &palette_) return true;
  const auto* form = dynamic_cast<const TKvForm*>(aktiv);
  return form != nullptr && form->Tag() >= 1;
}

bool TLeerlaufSteuerung::FrageOffen() const {
  return palette_.DateiBefehle().SaveFrageOffen();
}

bool TLeerlaufSteuerung::Beende() {
  palette_.BeendenItemClick();
  return palette_.IstBeendet();
}

void TLeerlaufSteuerung::ZeigePause() {
  const TSchule& schule = palette_.Schule();
  const QString titel =
      palette_.DateiOffen() ? QString::fromStdString(schule.Titel()) : QStringLiteral("ohne Titel");
  TPausenForm pause(titel, ZeitpunktAusSekunden(TDienste::Uhr().Jetzt()).time(), &palette_);
  pause.Zeige();
}

void TLeerlaufSteuerung::ErinnereSichern() {
  if (!palette_.Schule().Geaendert()) return;
  TSaveFrageForm frage(&palette_);
  const int antwort = frage.Zeige();
  if (antwort == mrJa)
    palette_.DateiBefehle().SichernItemClick();
  else if (antwort == mrOk)
    palette_.DateiBefehle().SichernUnterItemClick();
}

bool TLeerlaufSteuerung::eventFilter(QObject* ziel, QEvent* ereignis) {
  switch (ereignis->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::Wheel:
      kern_->Eingabe(TDienste::Uhr().Monoton());
      break;
    default:
      break;
  }
  return QObject::eventFilter(ziel, ereignis);
}

}  // namespace kolvar
